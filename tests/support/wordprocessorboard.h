#pragma once
#include "records/clock.h"
#include "records/recordstore.h"
#include "shell/exercise/exerciseregistry.h"
#include "support/standinboard.h"
#include "support/pupilrobot.h"
#include "support/tempdatafolder.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

// A stand-in for the competence board: the main window "form1" with the buttons
// of the word-processor competences, a logged-in pupil and a fixed today.
struct Board
{
    Board()
    {
        form1.setObjectName(QStringLiteral("form1"));
        form1.resize(792, 576);
        ex14->setObjectName(QStringLiteral("ex14"));
        ex15->setObjectName(QStringLiteral("ex15"));
        Clock::setFixedDate(TempDataFolder::today());
        student().clearResults();
        login().validatorName = QStringLiteral("M. Martin");
        login().todayText = Clock::todayText();
        login().acquiredCount = 3;
        followExercises(&form1);
        form1.show();
    }
    ~Board() { Clock::setFixedDate(QDate()); }

    // Clicks the competence and returns the exercise's first window.
    QWidget *launch(int competence, const QString &windowClass)
    {
        EXPECT_TRUE(ExerciseRegistry::launch(competence, &form1));
        QApplication::processEvents();
        QWidget *window = PupilRobot::topWindow(windowClass);
        EXPECT_TRUE(window) << windowClass.toStdString() << " not shown";
        return window;
    }

    // The board as it was before the exercise: shown, button there, nothing recorded.
    void expectUnchanged(int competence) const
    {
        EXPECT_TRUE(form1.isVisible());
        EXPECT_FALSE(student().results[competence - 1].acquired);
        EXPECT_EQ(login().acquiredCount, 3);
        EXPECT_FALSE((competence == 14 ? ex14 : ex15)->isHidden());
    }
    void expectRecorded(int competence) const
    {
        EXPECT_TRUE(form1.isVisible());
        const CompetenceResult &result = student().results[competence - 1];
        EXPECT_TRUE(result.acquired);
        EXPECT_EQ(result.date.toStdString(), "09/12/2026");
        EXPECT_EQ(result.validator.toStdString(), "M. Martin");
        EXPECT_EQ(login().acquiredCount, 4);
        EXPECT_TRUE((competence == 14 ? ex14 : ex15)->isHidden());
    }

    TempDataFolder data;
    QWidget form1;
    QPushButton *ex14 = new QPushButton(QStringLiteral("3.1"), &form1);
    QPushButton *ex15 = new QPushButton(QStringLiteral("3.2"), &form1);
};

// No exercise window may survive its end.
inline int openExerciseWindows()
{
    int open = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName().startsWith(QLatin1String("Texercice")))
            ++open;
    return open;
}
