#pragma once
#include "shell/exercise/exercisesession.h"
#include "shell/exercise/walkthrough.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include <optional>

class PointerOverlay;
class TargetOutline;
class WalkthroughPlayer;
class ExerciseScreen;

// Drives a practice run of an exercise from its walkthrough, for as long as its
// session lives. Shown: the player plays the whole run; the pupil's mouse and keys
// are ignored but for the Abandon button, and Escape stops the demonstration and
// gives him the exercise fresh. Guided: before each step the pointer goes to the
// next target, outlined (with the text to type or the key to press), and the
// pupil does the step himself; his own input is never held back.
class PracticeDriver : public QObject
{
    Q_OBJECT
public:
    PracticeDriver(ExerciseSession *session, const Walkthrough::Steps &steps);
    ~PracticeDriver() override;

    // The run reached its success: nothing drives or outlines any more.
    void letGo();
    // The awaited step can no longer be done (its question was answered wrong).
    void passOver();
    // Tests play without pauses and without the drawn pointer.
    static void setInstantForTests(bool instant);
    // The guided step awaited (its index in the run), or -1 when none is.
    int guidedStep() const { return m_guided; }
    static PracticeDriver *current();
    // How many steps the last guided run saw the pupil do.
    static int recognisedSteps();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startShowing();
    void stopShowing();
    bool letThrough(QObject *watched, QEvent *event) const;
    void startGuiding();
    void observe(QObject *watched, QEvent *event);
    bool reactedOnPress() const;
    void judgeLater();
    void judge();
    void guideTo(int step);
    void refreshOutline();
    bool done(const Walkthrough::Step &step) const;

    QPointer<ExerciseSession> m_session;
    Walkthrough::Steps m_steps;
    WalkthroughPlayer *m_player = nullptr;
    PointerOverlay *m_pointer = nullptr;
    TargetOutline *m_outline = nullptr;
    QTimer m_refresh;
    int m_guided = -1;
    // What the pupil did towards the awaited step.
    Qt::MouseButton m_pressedInside = Qt::NoButton;
    bool m_doubleClicked = false;
    bool m_hovered = false;
    bool m_releasedInside = false;
    bool m_keyPressed = false;
    bool m_menuChosen = false;
    bool m_nextTouched = false;
    // The control that took a press on the target: one that hides itself as it is
    // pressed has taken the click before its release.
    QPointer<QWidget> m_pressedWidget;
    // A box to tick or untick is done once its state changed, not by a click anywhere on it.
    std::optional<bool> m_checkedBefore;
    bool m_pressTaken = false;
    QRect m_targetRect;    // screen rectangle of the awaited target
    QRect m_nextRect;      // and of the one after it
    QRect m_dropRect;
    // What the pupil had copied: a run that copies leaves him nothing of its own to paste.
    QString m_clipboardBefore;
    // The awaited control as last seen: a field or list may grey itself once answered.
    QPointer<QWidget> m_targetWidget;
};
