#pragma once
#include "shell/exercise/commontexts.h"
#include "shell/exercise/exerciseregistry.h"
#include "widgets/messagebox.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QWidget;
class ExerciseScreen;
class ExerciseSession;

// Every session announces itself here when it starts, so that the board (or a
// test's stand-in) can follow it without the session knowing the board.
class ExerciseAnnouncer : public QObject
{
    Q_OBJECT
signals:
    void started(ExerciseSession *session);
};

// The texts of a success; each exercise keeps the variants it uses.
struct SuccessTexts
{
    QString label = CommonTexts::SuccessLabel;   // empty: the label is left alone
    QString box = CommonTexts::SuccessBox;       // empty: no box
};

// The texts of a failure. In labelFormat, %1 stands for the error count.
struct FailureTexts
{
    QString labelFormat = CommonTexts::FailureLabelFormat;   // empty: label left alone
    QString box = CommonTexts::FailureBox;                   // empty: no box
    MessageBox::Kind kind = MessageBox::Kind::Error;
};

// One running exercise: its competence, its error count and every window it owns.
// It ends once, whatever ends it first (success, failure, Abandon, a close box,
// Alt+F4): every window closes, their timers and dialogs die with them, and the
// main window is shown again, which refreshes the board.
class ExerciseSession : public QObject
{
    Q_OBJECT
public:
    ExerciseSession(int competence, QWidget *mainWindow);
    ~ExerciseSession() override;

    // The running exercise, or nullptr.
    static ExerciseSession *current();
    static ExerciseAnnouncer &announcer();

    // A launcher for the registry: creates the session and every listed window at
    // launch (chains whose windows rewrite each other need them all at once), then
    // shows the first. Each exercise registers in one line:
    //   static const ExerciseRegistry::Registrar registrar(
    //       Competence, ExerciseSession::launcher<Texercice22v3, Texercice22v3b>(Competence));
    template <class First, class... Others>
    static ExerciseRegistry::Launcher launcher(int competence)
    {
        return [competence](QWidget *mainWindow) {
            auto *session = new ExerciseSession(competence, mainWindow);
            auto *first = new First(session);
            (session->adopt(new Others(session)), ...);
            session->start(first);
        };
    }

    int competence() const { return m_competence; }
    QWidget *mainWindow() const { return m_mainWindow; }

    // Shows the first window (ErrorCount starts at 0) and hides the main window.
    void start(QWidget *first);

    // Windows created with the session as their ExerciseScreen session register
    // themselves; other windows (dialogs, plain widgets) may be adopted.
    void adopt(QWidget *window);
    QList<QWidget *> windows() const;
    // The owned window of that class (created at launch), or nullptr.
    template <class Window>
    Window *window() const
    {
        for (QWidget *w : windows())
            if (auto *typed = qobject_cast<Window *>(w))
                return typed;
        return nullptr;
    }

    // Shows the next window and closes the current one without ending the exercise.
    void handOver(QWidget *from, QWidget *to);
    bool isHandingOver(const QWidget *window) const;

    int errorCount() const { return m_errorCount; }
    // A wrong action counted without a box; a practice run counts nothing.
    void countError(int n = 1);
    void resetErrors() { m_errorCount = 0; }

    // A wrong action: the box (error by default) and, when counted, one error more.
    void wrong(const QString &text, MessageBox::Kind kind = MessageBox::Kind::Error, bool counted = true);

    // Verdicts write their text into 'label', by default the instruction label of
    // the one visible exercise window (with several visible, pass the label).
    // Success: label text, information box, then competence recorded and the end.
    void succeed(QLabel *label = nullptr, const SuccessTexts &texts = SuccessTexts());
    void succeed(const QString &boxText, QLabel *label = nullptr);
    // Failure: label text with the count, box, then the end. Nothing is recorded.
    void fail(QLabel *label = nullptr, const FailureTexts &texts = FailureTexts());
    // Success when ErrorCount <= threshold, failure otherwise. Returns the success.
    bool verdict(int threshold, const QString &successBox = CommonTexts::SuccessBox,
                 QLabel *label = nullptr, const FailureTexts &failure = FailureTexts(),
                 const QString &successLabel = CommonTexts::SuccessLabel);

    // Records the competence in the pupil's memory record and tells the board
    // (for exercises that record and stay open until their own button).
    void recordSuccess();
    bool recorded() const { return m_recorded; }

    void abandon();
    // Closes every window and shows the main window; only the first call acts.
    void end();
    bool isEnding() const { return m_ending; }

signals:
    void ended();
    // The competence was recorded: the board hides its button.
    void competenceRecorded(int competence);

private:
    QLabel *defaultLabel() const;

    int m_competence;
    QPointer<QWidget> m_mainWindow;
    QList<QPointer<QWidget>> m_windows;
    QList<QPointer<QWidget>> m_handingOver;
    int m_errorCount = 0;
    bool m_ending = false;
    bool m_recorded = false;
};
