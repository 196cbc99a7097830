#pragma once
#include "widgets/windowplacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

// The tests that need the small X server run in a process of their own started by
// the outer test, which marks it so.
inline constexpr const char *SmallScreenMarker = "TAVELO_TEST_ON_SMALL_SCREEN";
inline bool onSmallScreen() { return qEnvironmentVariableIsSet(SmallScreenMarker); }

// The window, as the pupil sees it (its host when it is scaled), lies inside the screen.
inline void expectInsideScreen(QWidget *window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget *shown = WindowFit::hostOf(window) ? WindowFit::hostOf(window) : window;
    const QRect frame = shown->frameGeometry();
    EXPECT_TRUE(screen.contains(frame)) << window->objectName().toStdString() << " at " << frame.x() << ","
                                        << frame.y() << " " << frame.width() << "x" << frame.height();
}
