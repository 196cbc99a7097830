#pragma once
#include "records/recordstore.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "support/standinboard.h"
#include "support/pupilrobot.h"
#include "support/scriptedmessages.h"
#include "support/tempdatafolder.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// A logged-in pupil, a stand-in main window with the competence's board button,
// and the message boxes scripted: what every exercise test starts from.
class ExerciseFixture : public ::testing::Test
{
protected:
    explicit ExerciseFixture(int competence) : m_competence(competence) {}

    void SetUp() override
    {
        login().pupilName = QStringLiteral("martinlea");
        login().validatorName = QStringLiteral("Mme Laurent");
        login().todayText = QStringLiteral("09/12/2026");
        login().acquiredCount = 0;
        form1 = std::make_unique<QWidget>();
        form1->setObjectName(QStringLiteral("form1"));
        auto *button = new QPushButton(QStringLiteral("ex%1").arg(m_competence), form1.get());
        button->setObjectName(QStringLiteral("ex%1").arg(m_competence));
        followExercises(form1.get());
        form1->show();
    }

    void TearDown() override
    {
        // Whatever a failed test left open goes away with the main window.
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != form1.get() && w->isVisible())
                w->close();
        QApplication::processEvents();
        form1.reset();
    }

    void launch()
    {
        ASSERT_TRUE(ExerciseRegistry::launch(m_competence, form1.get()));
        QApplication::processEvents();
        ASSERT_FALSE(form1->isVisible()) << "the main window stays visible during the exercise";
    }

    const CompetenceResult &result() const { return student().results[m_competence - 1]; }
    QWidget *boardButton() const { return form1->findChild<QWidget *>(QStringLiteral("ex%1").arg(m_competence)); }

    // The exercise ended: the main window is back and no exercise window shows.
    void expectBoardBack()
    {
        QApplication::processEvents();
        EXPECT_TRUE(form1->isVisible());
        EXPECT_EQ(PupilRobot::topWindow(), nullptr) << "an exercise window is still showing";
    }
    void expectNothingRecorded()
    {
        EXPECT_FALSE(result().acquired);
        EXPECT_TRUE(result().date.isEmpty());
        EXPECT_EQ(login().acquiredCount, 0);
        EXPECT_TRUE(boardButton()->isVisibleTo(form1.get()));
    }
    void expectRecorded()
    {
        EXPECT_TRUE(result().acquired);
        EXPECT_EQ(result().date, QStringLiteral("09/12/2026"));
        EXPECT_EQ(result().validator, QStringLiteral("Mme Laurent"));
        EXPECT_EQ(login().acquiredCount, 1);
        EXPECT_FALSE(boardButton()->isVisibleTo(form1.get()));
    }

    // The running exercise's error count (-1 when none runs).
    static int errors() { return ExerciseSession::current() ? ExerciseSession::current()->errorCount() : -1; }

    // The exercise window of class W on screen; the robot then plays in it.
    template <class W>
    W *aim()
    {
        QApplication::processEvents();
        auto *w = qobject_cast<W *>(PupilRobot::topWindow(QString::fromLatin1(W::staticMetaObject.className())));
        EXPECT_TRUE(w) << "not showing: " << W::staticMetaObject.className();
        robot.setWindow(w);
        return w;
    }

    static QString labelText(QWidget *window, const QString &name)
    {
        auto *label = window ? window->findChild<QLabel *>(name) : nullptr;
        return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
    }

    TempDataFolder data;
    ScriptedMessages boxes;
    std::unique_ptr<QWidget> form1;
    PupilRobot robot;

private:
    int m_competence;
};
