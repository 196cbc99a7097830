#pragma once
#include "shell/exercise/walkthrough.h"
#include "widgets/messageboxplay.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <functional>

class QWidget;

// Plays a walkthrough with real input events: each one enters the application the
// way the window system's events do, at the window under the pointer, so that
// popups, modal dialogs, the topmost widget under the point, focus, shortcuts and
// double clicks behave as for a pupil's mouse and keyboard.
//
// At the reading pace the pointer glides from target to target, each gesture takes
// the time a person takes, and whatever a step brings up is read before the next
// one: a new instruction, question or explanation in the exercise's windows, a
// message box (which then closes by itself), each for as long as a child takes
// to read it. Without pauses (tests), the same steps run back to back;
// plannedMsecs() still adds up what the reading pace would have taken.
class WalkthroughPlayer : public QObject
{
    Q_OBJECT
public:
    enum class Pace { Instant, Reading };

    // The time a person takes, in ms.
    struct Timing
    {
        int glideBase = 250;
        int glidePer100Pixels = 80;
        int glideMaximum = 1200;
        int click = 350;
        int perCharacter = 180;
        int key = 500;
        int submenu = 500;
        int box = 2000;           // a short box stays up that long
        int readPerWord = 333;    // a child reads about three words a second
        int readMinimum = 1500;   // a glance, however short the text
        int readMaximum = 12000;  // a long text is skimmed past this
    };

    WalkthroughPlayer(const Walkthrough::Steps &steps, Pace pace, QObject *parent = nullptr);
    ~WalkthroughPlayer() override;

    void start();
    // Stops at once; nothing more is delivered.
    void stop();
    bool isPlaying() const { return m_playing; }

    // Empty while all goes well; otherwise the step that failed and why.
    QString failure() const { return m_failure; }
    int stepIndex() const { return m_step; }
    const Walkthrough::Steps &steps() const { return m_steps; }
    // The boxes that showed during the play, in order.
    const QList<MessageBox::Box> &boxes() const { return m_boxes; }
    // How long the play takes at the reading pace.
    qint64 plannedMsecs() const { return m_planned; }
    static Timing timing() { return Timing(); }
    // How long a child takes to read a text (none without a word), and how long
    // a box with that text stays up.
    static int readingMsecs(const QString &text);
    static int boxMsecs(const QString &text);

    // True while the player itself delivers an event.
    static bool isDelivering();

    // Where the pointer goes: a point of a widget, or why it cannot go there.
    struct Aim
    {
        QPointer<QWidget> widget;
        QPoint local;
        QString error;
        QRect area;   // the element aimed at, in the widget's coordinates
    };
    // Where a step's target lies now (a menu path: its deepest entry in sight; an
    // entry: its row, once its list is open).
    static Aim targetOf(const Walkthrough::Step &step);

signals:
    void stepStarted(int index);
    // The visible pointer: glides to a screen point in that time, then acts there.
    void pointerGlides(QPoint from, QPoint to, int msecs);
    void pointerClicks(QPoint at);
    void finished(bool succeeded);

private:
    enum class Act { Move, Click, RightClick, DoubleClick, Press, Drag, Release, OpenSubmenu, Character, KeyStroke };
    struct Op
    {
        std::function<Aim()> aim;   // none: a key to the focused window
        Act act = Act::Move;
        QString text;
        int key = 0;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        int patience = 0;
        QString window;             // a key's window
    };
    class BoxAnswers;

    QList<Op> opsOf(const Walkthrough::Step &step);
    void advance();
    bool beginStep();
    void endStep();
    bool readNewTexts();
    void act(const Op &op, const Aim &aim);
    int durationOf(const Op &op) const;
    void fail(const QString &reason);
    void finish(bool succeeded);
    void schedule(int msecs);
    void glideTo(QPoint to);
    int answerBox(const MessageBox::Box &box);

    Walkthrough::Steps m_steps;
    Pace m_pace;
    Timing m_timing;
    QTimer m_timer;
    QList<Op> m_ops;
    int m_step = -1;
    bool m_playing = false;
    bool m_stepOpen = false;
    bool m_glided = false;       // the current op's glide is done
    bool m_inBox = false;
    bool m_acting = false;
    int m_actingLevel = 0;
    int m_waited = 0;
    QPointer<QObject> m_session;   // the exercise being played, while it runs
    QPoint m_pointer;
    QString m_failure;
    QStringList m_textsSeen;     // the texts on screen when the pupil last read
    QList<int> m_answered;       // answer steps already given to their box
    QPointer<QWidget> m_keyWindow;
    QList<MessageBox::Box> m_boxes;
    qint64 m_planned = 0;
    BoxAnswers *m_answers = nullptr;
    MessageBox::Responder *m_previousResponder = nullptr;
};
