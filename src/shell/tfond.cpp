#include "shell/tfond.h"

#include <QGuiApplication>
#include <QScreen>

TFond::TFond()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint)
{
    setObjectName(QStringLiteral("Fond"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x76, 0x7C, 0x98));
    setPalette(p);
    setEnabled(false);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
}
