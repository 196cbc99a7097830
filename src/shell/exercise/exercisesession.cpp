#include "shell/exercise/exercisesession.h"

#include "records/recordstore.h"
#include "shell/exercise/exercisescreen.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace {
QPointer<ExerciseSession> g_current;
}

ExerciseSession::ExerciseSession(int competence, QWidget *mainWindow)
    : QObject(nullptr), m_competence(competence), m_mainWindow(mainWindow)
{
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

void ExerciseSession::wrong(const QString &text, MessageBox::Kind kind, bool counted)
{
    if (counted)
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
    if (m_errorCount <= threshold) {
        succeed(label, SuccessTexts{successLabel, successBox});
        return true;
    }
    fail(label, failure);
    return false;
}

void ExerciseSession::abandon() { end(); }

void ExerciseSession::end()
{
    if (m_ending)
        return;
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
    if (m_mainWindow)
        m_mainWindow->show();
    emit ended();
    deleteLater();
}
