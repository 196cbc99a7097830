#pragma once
#include "shell/tform1.h"
#include "support/pupilrobot.h"
#include "support/scriptedmessages.h"
#include "support/standinboard.h"
#include "support/tempdatafolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

// The real main window over a fresh data folder with a pupil logged in on his
// board: an exercise is launched from its board button as the pupil would, and
// "Retour menu" afterwards saves the record file the test then reads.
struct BoardRun
{
    TempDataFolder data;
    ScriptedMessages boxes;
    Tform1 form;
    PupilRobot robot{&form};
    QString pupil;
    QString teacher;

    explicit BoardRun(const QString &pupilName = QStringLiteral("lucas"),
                      const QString &teacherName = QStringLiteral("Mme Okafor"))
        : pupil(pupilName), teacher(teacherName)
    {
        data.addPupil(pupil, QStringLiteral("secret"));
        form.show();
        robot.click(form.button2);
        robot.click(rowCentre(form.combobox2, pupil));
        robot.click(rowCentre(form.ListBox1, teacher));
        robot.type(QStringLiteral("secret"), form.edit1);
        robot.key(Qt::Key_Return, Qt::NoModifier, form.edit1);
        EXPECT_EQ(form.screen(), Tform1::Screen::Board);
    }
    ~BoardRun() { flushDeletes(); }

    // Clicks the competence's board button; returns the first exercise window.
    QWidget *launch(int competence, const QString &firstWindow)
    {
        robot.setWindow(&form);
        robot.click(form.ex[competence - 1]);
        QWidget *window = PupilRobot::topWindow(firstWindow);
        EXPECT_TRUE(window) << "no window " << firstWindow.toStdString();
        EXPECT_FALSE(form.isVisible());
        return window;
    }

    QString score() const { return form.Label62->text(); }
    QString resultText(int competence) const { return form.m[competence - 1]->text(); }
    bool buttonShown(int competence) const { return form.ex[competence - 1]->isVisible(); }

    void backToMenu()
    {
        robot.setWindow(&form);
        robot.click(form.quitter);
    }
    QByteArray record() const
    {
        return data.readBytes(QStringLiteral("sauvegardes/") + pupil + QStringLiteral("-qib.txt"));
    }
    // The group the save writes for an acquired competence.
    QByteArray acquiredGroup(int competence) const
    {
        return QStringLiteral("\r\ncompetence %1\r\noui\r\n%2\r\n%3\r\n")
            .arg(competence)
            .arg(TempDataFolder::today().toString(QStringLiteral("dd/MM/yyyy")), teacher)
            .toLatin1();
    }

private:
    QPoint rowCentre(QListWidget *list, const QString &text) const
    {
        const auto items = list->findItems(text, Qt::MatchExactly);
        if (items.isEmpty())
            return {};
        return list->viewport()->mapTo(&form, list->visualItemRect(items.first()).center());
    }
};
