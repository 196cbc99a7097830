#include "shell/exercise/exercisesession.h"

#include "records/recordstore.h"
#include "shell/exercise/exercisescreen.h"
#include "shell/exercise/practice.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace {
QPointer<ExerciseSession> g_current;
// A practice run's state, kept on the session (properties: the class stays as it is).
const char *const PracticeProperty = "practice";
const char *const QuietEndProperty = "quietEnd";            // the main window stays hidden
const char *const PracticeDoneProperty = "practiceDone";    // reached what records

bool flag(const QObject *o, const char *name) { return o->property(name).toBool(); }
bool practising(const ExerciseSession *s) { return Practice::of(s) != Practice::Mode::None; }
}

namespace Practice {
Mode of(const ExerciseSession *session)
{
    return session ? Mode(session->property(PracticeProperty).toInt()) : Mode::None;
}

void relaunch(int competence, QWidget *mainWindow, Mode mode)
{
    if (ExerciseSession *running = ExerciseSession::current()) {
        running->setProperty(QuietEndProperty, true);
        running->end();
    }
    launchFresh(competence, mainWindow, mode);
}
}

// The end of a practice run: its own box, then the exercise fresh, for the pupil.
static void endPractice(ExerciseSession *session)
{
    Practice::succeeded(session);
    QWidget *window = nullptr;
    for (QWidget *w : session->windows())
        if (w->isVisible())
            window = w;
    const bool shown = Practice::of(session) == Practice::Mode::Demonstration;
    MessageBox::information(shown ? Practice::ShownEnd : Practice::GuidedEnd, window);
    if (!session->isEnding())
        Practice::relaunch(session->competence(), session->mainWindow(), Practice::Mode::None);
}

ExerciseSession::ExerciseSession(int competence, QWidget *mainWindow)
    : QObject(nullptr), m_competence(competence), m_mainWindow(mainWindow)
{
    setProperty(PracticeProperty, int(Practice::takePending()));
    // A new launch ends whatever was still running (there is one exercise at a time).
    if (g_current && g_current != this)
        g_current->end();
    g_current = this;
}

ExerciseSession::~ExerciseSession()
{
    if (g_current == this)
        g_current = nullptr;
}

ExerciseSession *ExerciseSession::current() { return g_current; }

ExerciseAnnouncer &ExerciseSession::announcer()
{
    static ExerciseAnnouncer instance;
    return instance;
}

void ExerciseSession::start(QWidget *first)
{
    m_errorCount = 0;
    emit announcer().started(this);
    adopt(first);
    if (first)
        first->show();
    if (m_mainWindow)
        m_mainWindow->hide();
}

void ExerciseSession::adopt(QWidget *window)
{
    if (!window)
        return;
    for (const auto &w : m_windows)
        if (w == window)
            return;
    m_windows << window;
    if (!window->testAttribute(Qt::WA_DeleteOnClose) && window->isWindow())
        window->setAttribute(Qt::WA_DeleteOnClose);
}

QList<QWidget *> ExerciseSession::windows() const
{
    QList<QWidget *> out;
    for (const auto &w : m_windows)
        if (w)
            out << w.data();
    return out;
}

void ExerciseSession::handOver(QWidget *from, QWidget *to)
{
    if (m_ending)
        return;
    adopt(to);
    if (to)
        to->show();
    if (from && from != to) {
        m_handingOver << from;
        from->close();
        m_handingOver.removeAll(QPointer<QWidget>(from));
    }
}

bool ExerciseSession::isHandingOver(const QWidget *window) const
{
    for (const auto &w : m_handingOver)
        if (w == window)
            return true;
    return false;
}

void ExerciseSession::countError(int n)
{
    if (!practising(this))
        m_errorCount += n;
}

void ExerciseSession::wrong(const QString &text, MessageBox::Kind kind, bool counted)
{
    if (counted && !practising(this))
        ++m_errorCount;
    MessageBox::show(kind, text, QApplication::activeWindow());
}

QLabel *ExerciseSession::defaultLabel() const
{
    // The instruction label of the one exercise window on screen. Where several are
    // visible the exercise names its label: nothing is guessed from the focus.
    QLabel *label = nullptr;
    int visible = 0;
    for (QWidget *w : windows())
        if (auto *screen = qobject_cast<ExerciseScreen *>(w); screen && screen->isVisible()) {
            label = screen->instruction();
            ++visible;
        }
    Q_ASSERT_X(visible <= 1, "ExerciseSession", "several windows are visible: pass the verdict's label");
    return visible == 1 ? label : nullptr;
}

void ExerciseSession::recordSuccess()
{
    if (practising(this)) {
        setProperty(PracticeDoneProperty, true);   // the exercise's own end closes the run
        return;
    }
    const int index = m_competence - 1;
    if (index < 0 || index >= CompetenceCount)
        return;
    CompetenceResult &result = student().results[index];
    result.number = m_competence;
    result.acquired = true;
    result.date = login().todayText;
    result.validator = login().validatorName;
    ++login().acquiredCount;
    m_recorded = true;
    emit competenceRecorded(m_competence);
}

void ExerciseSession::succeed(QLabel *label, const SuccessTexts &texts)
{
    if (m_ending)
        return;
    if (practising(this)) {
        endPractice(this);
        return;
    }
    if (!label)
        label = defaultLabel();
    if (label && !texts.label.isEmpty())
        label->setText(texts.label);
    if (!texts.box.isEmpty())
        MessageBox::information(texts.box, label ? label->window() : nullptr);
    recordSuccess();
    end();
}

void ExerciseSession::succeed(const QString &boxText, QLabel *label)
{
    SuccessTexts texts;
    texts.box = boxText;
    succeed(label, texts);
}

void ExerciseSession::fail(QLabel *label, const FailureTexts &texts)
{
    if (m_ending)
        return;
    if (practising(this)) {
        // A wrong action that ends the exercise: its message, counted nowhere, then
        // the same help again from the start.
        if (!texts.box.isEmpty())
            MessageBox::show(texts.kind, texts.box, label ? label->window() : nullptr);
        if (!m_ending)
            Practice::relaunch(m_competence, m_mainWindow, Practice::of(this));
        return;
    }
    if (!label)
        label = defaultLabel();
    if (label && !texts.labelFormat.isEmpty())
        label->setText(texts.labelFormat.arg(m_errorCount));
    if (!texts.box.isEmpty())
        MessageBox::show(texts.kind, texts.box, label ? label->window() : nullptr);
    end();
}

bool ExerciseSession::verdict(int threshold, const QString &successBox, QLabel *label,
                              const FailureTexts &failure, const QString &successLabel)
{
    if (m_errorCount <= threshold || practising(this)) {
        succeed(label, SuccessTexts{successLabel, successBox});
        return true;
    }
    fail(label, failure);
    return false;
}

void ExerciseSession::abandon()
{
    setProperty(PracticeDoneProperty, false);
    end();
}

void ExerciseSession::end()
{
    if (m_ending)
        return;
    if (flag(this, PracticeDoneProperty) && !flag(this, QuietEndProperty)) {
        setProperty(PracticeDoneProperty, false);
        endPractice(this);
        return;
    }
    m_ending = true;
    // Close the windows last shown first; each frees itself.
    const QList<QWidget *> owned = windows();
    for (auto it = owned.crbegin(); it != owned.crend(); ++it) {
        QPointer<QWidget> w = *it;
        if (!w)
            continue;
        w->close();
        if (w && !w->testAttribute(Qt::WA_DeleteOnClose))
            w->deleteLater();
    }
    if (g_current == this)
        g_current = nullptr;
    if (m_mainWindow && !flag(this, QuietEndProperty))
        m_mainWindow->show();
    emit ended();
    deleteLater();
}
