#pragma once
#include "shell/exercise/exercisesession.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

// What the real board does when an exercise records its competence: the button
// "ex" + n of the board hides. Any stand-in main window calls this once.
inline void followExercises(QWidget *board)
{
    QObject::connect(&ExerciseSession::announcer(), &ExerciseAnnouncer::started, board, [board](ExerciseSession *session) {
        QObject::connect(session, &ExerciseSession::competenceRecorded, board, [board](int n) {
            if (QWidget *button = board->findChild<QWidget *>(QStringLiteral("ex%1").arg(n)))
                button->hide();
        });
    });
}

// A stand-in for the main window where a test needs only what an exercise touches:
// a top-level "form1" holding the board buttons "ex1" .. "ex29".
class StandInBoard : public QWidget
{
public:
    StandInBoard()
    {
        setObjectName(QStringLiteral("form1"));
        for (int n = 1; n <= 29; ++n) {
            auto *button = new QWidget(this);
            button->setObjectName(QStringLiteral("ex%1").arg(n));
        }
        resize(792, 576);
        followExercises(this);
        show();
    }
    QWidget *button(int n) const { return findChild<QWidget *>(QStringLiteral("ex%1").arg(n)); }
};

// Lets windows closed with deleteLater() really go.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
