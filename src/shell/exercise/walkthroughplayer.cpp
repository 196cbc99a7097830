#include "shell/exercise/walkthroughplayer.h"

#include "shell/exercise/exercisescreen.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/windowplacement.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineF>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QWidget>
#include <QThread>
#include <QWindow>
#include <algorithm>

// The entry points through which the window system's input reaches the
// application (exported by Qt GUI; the same ones its test library uses).
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow *window, const QPointF &local, const QPointF &global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow *window, QEvent::Type type, int key, Qt::KeyboardModifiers mods,
                                    const QString &text, bool autorep, ushort count);

using namespace Walkthrough;

namespace {
using Aim = WalkthroughPlayer::Aim;
int g_delivering = 0;
// Event times: presses of separate clicks lie further apart than a double click.
int g_stamp = 1000000;
constexpr int SubmenuPatience = 2000;   // the style's delay before a submenu opens
constexpr int PollInterval = 20;
constexpr int VerdictPatience = 8000;
constexpr int DragMoves = 4;

struct Delivering
{
    Delivering() { ++g_delivering; }
    ~Delivering() { --g_delivering; }
};

QString nameOf(const QWidget *w)
{
    if (!w)
        return QStringLiteral("nothing");
    const QString name = w->objectName();
    return name.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : name;
}

QWidget *findWindow(const QString &name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        QWidget *w = *it;
        if (w->isVisible() && (w->objectName() == name || QLatin1String(w->metaObject()->className()) == name))
            return w;
    }
    return nullptr;
}

// Why a pointer at this point of the widget would not reach it (empty: it would).
QString coverOf(QWidget *widget, QPoint local)
{
    if (!widget->rect().contains(local))
        return QStringLiteral("the point lies outside %1").arg(nameOf(widget));
    QWidget *top = widget->window();
    QWidget *popup = QApplication::activePopupWidget();
    if (popup && popup != top)
        return QStringLiteral("%1 is covered by an open menu").arg(nameOf(widget));
    QWidget *modal = QApplication::activeModalWidget();
    if (!popup && modal && modal != top && !modal->isAncestorOf(top))
        return QStringLiteral("%1 is covered by the dialog %2").arg(nameOf(widget), nameOf(modal));
    QWidget *hit = top->childAt(widget->mapTo(top, local));
    if (!hit)
        hit = top;
    if (hit != widget && !widget->isAncestorOf(hit))
        return QStringLiteral("%1 is covered by %2").arg(nameOf(widget), nameOf(hit));
    if (!hit->isEnabled())
        return QStringLiteral("%1 is greyed").arg(nameOf(hit));
    return {};
}

QString unusable(const QWidget *w)
{
    if (!w->isVisible())
        return QStringLiteral("%1 is hidden").arg(nameOf(w));
    if (!w->isEnabled())
        return QStringLiteral("%1 is greyed").arg(nameOf(w));
    return {};
}

QAction *actionByCaption(const QList<QAction *> &actions, const QString &caption)
{
    for (QAction *a : actions)
        if (!a->isSeparator() && plainCaption(a->text()) == plainCaption(caption))
            return a;
    return nullptr;
}

int buttonIndex(const QStringList &buttons, const QString &caption)
{
    for (int i = 0; i < buttons.size(); ++i)
        if (plainCaption(buttons.at(i)) == plainCaption(caption))
            return i;
    return -1;
}

// What the pupil reads in the exercise's windows: the instruction bubble, the
// questions, explanations and other texts of their labels.
QStringList readableTexts()
{
    QStringList texts;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *screen = qobject_cast<ExerciseScreen *>(w);
        if (!screen || !screen->isVisible())
            continue;
        for (QLabel *label : screen->findChildren<QLabel *>())
            if (label->isVisible() && !label->text().isEmpty())
                texts << label->text();
    }
    return texts;
}

// The texts that were not on screen before.
QString newTexts(const QStringList &now, const QStringList &before)
{
    QStringList added;
    for (const QString &text : now)
        if (!before.contains(text))
            added << text;
    return added.join(QLatin1Char('\n'));
}

int wordCount(const QString &text)
{
    const QString plain = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    int words = 0;
    for (const QString &token : plain.split(spaces, Qt::SkipEmptyParts))
        if (std::any_of(token.cbegin(), token.cend(), [](QChar ch) { return ch.isLetterOrNumber(); }))
            ++words;
    return words;
}

QWindow *receivingWindow(QWidget *widget)
{
    QWidget *top = QApplication::activePopupWidget();
    if (!top) {
        top = widget->window();
        if (QWidget *host = WindowFit::hostOf(top))
            top = host;
    }
    return top->windowHandle();
}

void deliverMouse(QWidget *widget, QPoint local, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    if (!widget)
        return;
    const QPoint global = WindowFit::toScreen(widget, local);
    QWindow *window = receivingWindow(widget);
    if (!window)
        return;
    if (type == QEvent::MouseButtonPress)
        g_stamp += 1000;
    else
        g_stamp += 10;
    Delivering delivering;
    qt_handleMouseEvent(window, window->mapFromGlobal(global), global, buttons, button, type,
                        QApplication::keyboardModifiers(), g_stamp);
    QApplication::processEvents();
}

void deliverKey(QWidget *window, int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    QWidget *top = QApplication::activePopupWidget();
    if (!top)
        top = QApplication::activeModalWidget();
    if (!top)
        top = window ? window->window() : QApplication::activeWindow();
    if (!top)
        return;
    if (QWidget *host = WindowFit::hostOf(top))
        top = host;
    // A key that ends a window (the last character of a step, Enter on a box)
    // leaves no window for its release.
    QPointer<QWindow> handle = top->windowHandle();
    if (!handle)
        return;
    Delivering delivering;
    qt_handleKeyEvent(handle, QEvent::KeyPress, key, modifiers, text, false, 1);
    QApplication::processEvents();
    if (!handle)
        return;
    qt_handleKeyEvent(handle, QEvent::KeyRelease, key, modifiers, text, false, 1);
    QApplication::processEvents();
}

Aim aimAt(const Target &target)
{
    QWidget *window = findWindow(target.window);
    if (!window)
        return {nullptr, {}, QStringLiteral("the window %1 is not showing").arg(target.window)};
    QWidget *base = window;
    if (!target.control.isEmpty()) {
        base = window->findChild<QWidget *>(target.control);
        if (!base)
            return {nullptr, {}, QStringLiteral("%1 has no control %2").arg(target.window, target.control)};
    } else if (auto *screen = qobject_cast<ExerciseScreen *>(window)) {
        base = screen->clientArea();
    }
    if (QString why = unusable(base); !why.isEmpty())
        return {nullptr, {}, why};
    const QRect area = target.rect.isNull() ? base->rect() : target.rect;
    if (QString why = coverOf(base, area.center()); !why.isEmpty())
        return {nullptr, {}, why};
    return {base, area.center(), {}, area};
}

Aim aimAtMenuTitle(const QString &windowName, const QString &title)
{
    QWidget *window = findWindow(windowName);
    if (!window)
        return {nullptr, {}, QStringLiteral("the window %1 is not showing").arg(windowName)};
    auto *bar = window->findChild<QMenuBar *>();
    if (!bar)
        return {nullptr, {}, QStringLiteral("%1 has no menu bar").arg(windowName)};
    QAction *action = actionByCaption(bar->actions(), title);
    if (!action || !action->isVisible())
        return {nullptr, {}, QStringLiteral("the menu bar has no menu %1").arg(title)};
    if (!action->isEnabled())
        return {nullptr, {}, QStringLiteral("the menu %1 is greyed").arg(title)};
    const QRect area = bar->actionGeometry(action);
    if (QString why = coverOf(bar, area.center()); !why.isEmpty())
        return {nullptr, {}, why};
    return {bar, area.center(), {}, area};
}

Aim aimAtMenuEntry(const QString &caption)
{
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu)
        return {nullptr, {}, QStringLiteral("no menu is open to choose %1").arg(caption)};
    QAction *action = actionByCaption(menu->actions(), caption);
    if (!action || !action->isVisible())
        return {nullptr, {}, QStringLiteral("the open menu has no entry %1").arg(caption)};
    if (!action->isEnabled())
        return {nullptr, {}, QStringLiteral("the menu entry %1 is greyed").arg(caption)};
    return {menu, menu->actionGeometry(action).center(), {}, menu->actionGeometry(action)};
}

// A visible row of a list, tree or table (the view itself or a combo box's open list).
Aim aimAtRow(QAbstractItemView *view, const QString &entry)
{
    const QModelIndexList found = view->model()->match(view->model()->index(0, 0, view->rootIndex()), Qt::DisplayRole,
                                                       entry, 1, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty())
        return {nullptr, {}, QStringLiteral("%1 has no entry %2").arg(nameOf(view), entry)};
    const QRect row = view->visualRect(found.first());
    if (!row.isValid() || !view->viewport()->rect().intersects(row))
        return {nullptr, {}, QStringLiteral("the entry %1 of %2 is not in sight").arg(entry, nameOf(view))};
    QWidget *viewport = view->viewport();
    const QRect area = row & viewport->rect();
    if (QString why = coverOf(viewport, area.center()); !why.isEmpty())
        return {nullptr, {}, why};
    return {viewport, area.center(), {}, area};
}

Aim aimAtEntry(const Target &target, const QString &entry, bool opened)
{
    if (opened) {
        QWidget *popup = QApplication::activePopupWidget();
        auto *view = popup ? popup->findChild<QAbstractItemView *>() : nullptr;
        if (!view)
            return {nullptr, {}, QStringLiteral("the list of %1 did not open").arg(target.control)};
        return aimAtRow(view, entry);
    }
    const Aim control = aimAt(target);
    if (!control.error.isEmpty())
        return control;
    for (QWidget *w = control.widget; w; w = w->parentWidget())
        if (auto *view = qobject_cast<QAbstractItemView *>(w))
            return aimAtRow(view, entry);
    return {nullptr, {}, QStringLiteral("%1 is no list").arg(target.control)};
}
}

// Answers the boxes that show during the play: the answer step that follows, or
// the first button; at the reading pace the real box shows for a while.
class WalkthroughPlayer::BoxAnswers : public MessageBox::Responder
{
public:
    explicit BoxAnswers(WalkthroughPlayer *player) : m_player(player) {}
    int answer(const MessageBox::Box &box) override { return m_player->answerBox(box); }

private:
    WalkthroughPlayer *m_player;
};

WalkthroughPlayer::WalkthroughPlayer(const Steps &steps, Pace pace, QObject *parent)
    : QObject(parent), m_steps(steps), m_pace(pace)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &WalkthroughPlayer::advance);
}

WalkthroughPlayer::~WalkthroughPlayer()
{
    stop();
}

bool WalkthroughPlayer::isDelivering() { return g_delivering > 0; }

void WalkthroughPlayer::start()
{
    m_playing = true;
    m_failure.clear();
    m_step = -1;
    m_ops.clear();
    m_boxes.clear();
    m_answered.clear();
    m_planned = 0;
    m_waited = 0;
    m_session = ExerciseSession::current();
    m_answers = new BoxAnswers(this);
    m_previousResponder = MessageBox::responder();
    MessageBox::setResponder(m_answers);
    if (QWidget *active = QApplication::activeWindow())
        m_pointer = active->geometry().center();
    // The pupil reads the first instruction before anything moves.
    m_textsSeen.clear();
    if (!readNewTexts())
        schedule(0);
}

void WalkthroughPlayer::stop()
{
    m_timer.stop();
    if (!m_answers)
        return;
    if (MessageBox::responder() == m_answers)
        MessageBox::setResponder(m_previousResponder);
    delete m_answers;
    m_answers = nullptr;
    m_playing = false;
}

int WalkthroughPlayer::readingMsecs(const QString &text)
{
    const Timing t;
    const int words = wordCount(text);
    return words == 0 ? 0 : std::clamp(words * t.readPerWord, t.readMinimum, t.readMaximum);
}

int WalkthroughPlayer::boxMsecs(const QString &text)
{
    const Timing t;
    return std::clamp(readingMsecs(text), t.box, t.readMaximum);
}

void WalkthroughPlayer::schedule(int msecs) { m_timer.start(m_pace == Pace::Reading ? msecs : 0); }

void WalkthroughPlayer::fail(const QString &reason)
{
    const Step &step = m_steps.at(m_step);
    m_failure = QStringLiteral("step %1 \"%2\": %3").arg(m_step + 1).arg(step.name, reason);
    finish(false);
}

void WalkthroughPlayer::finish(bool succeeded)
{
    stop();
    emit finished(succeeded);
}

bool WalkthroughPlayer::beginStep()
{
    ++m_step;
    if (m_step >= m_steps.size()) {
        // Some exercises give their verdict on a timer of their own, a few seconds
        // after the last act: the run ends with the exercise, or after that wait.
        auto *session = qobject_cast<ExerciseSession *>(m_session.data());
        if (session && !session->isEnding() && m_waited < VerdictPatience) {
            --m_step;
            m_waited += PollInterval;
            m_timer.start(PollInterval);
            return false;
        }
        finish(true);
        return false;
    }
    m_waited = 0;
    m_glided = false;
    m_stepOpen = true;
    emit stepStarted(m_step);
    const Step &step = m_steps.at(m_step);
    if (step.gesture == Gesture::Answer && !m_answered.contains(m_step)) {
        fail(QStringLiteral("no message box asked for an answer"));
        return false;
    }
    m_ops = opsOf(step);
    return true;
}

// What the step brought up is read before the next step.
void WalkthroughPlayer::endStep()
{
    m_ops.clear();
    if (!readNewTexts())
        schedule(0);
}

// Texts that came up since the pupil last read (a step's answer, or a question
// the exercise shows on its own timer) are read before the pointer moves on.
bool WalkthroughPlayer::readNewTexts()
{
    const QStringList now = readableTexts();
    const int reading = readingMsecs(newTexts(now, m_textsSeen));
    m_textsSeen = now;
    if (reading == 0)
        return false;
    m_planned += reading;
    schedule(reading);
    return true;
}

void WalkthroughPlayer::advance()
{
    if (!m_playing)
        return;
    if (m_inBox) {   // a box of the run is up: the run waits for it
        m_timer.start(50);
        return;
    }
    // An act still on its way (its events being processed) comes first; an act
    // that opened a menu or dialog with an event loop of its own lets the run go on.
    if (m_acting && QThread::currentThread()->loopLevel() <= m_actingLevel) {
        m_timer.start(0);
        return;
    }
    if (m_ops.isEmpty()) {
        if (m_stepOpen) {
            m_stepOpen = false;
            endStep();
            return;
        }
        if (!beginStep())
            return;
        if (m_ops.isEmpty()) {   // an answer already given to its box
            schedule(0);
            return;
        }
    }
    const Op op = m_ops.first();
    Aim aim;
    if (op.aim) {
        aim = op.aim();
        if (!aim.widget && aim.error.isEmpty()) {   // an optional op with nothing to do
            m_ops.removeFirst();
            schedule(0);
            return;
        }
        if (!aim.widget) {
            // The target may show after the exercise's own timer: look again shortly.
            if (m_waited < op.patience) {
                m_waited += PollInterval;
                m_timer.start(PollInterval);
                return;
            }
            fail(aim.error);
            return;
        }
        if (!m_glided) {
            if (readNewTexts())
                return;
            glideTo(WindowFit::toScreen(aim.widget, aim.local));
            return;
        }
    }
    m_waited = 0;
    m_glided = false;
    m_ops.removeFirst();
    const int duration = durationOf(op);
    m_planned += duration;
    // Scheduled before acting: an act that opens a menu or dialog with its own
    // event loop returns only when it closes, and the next op is what closes it.
    schedule(duration);
    const bool outer = m_acting;
    const int outerLevel = m_actingLevel;
    m_acting = true;
    m_actingLevel = QThread::currentThread()->loopLevel();
    // The act may end the exercise, and the practice run that owns this player
    // with it: nothing of the player is touched once it is gone.
    const QPointer<WalkthroughPlayer> alive(this);
    act(op, aim);
    if (!alive)
        return;
    m_acting = outer;
    m_actingLevel = outerLevel;
}

void WalkthroughPlayer::glideTo(QPoint to)
{
    const int distance = int(QLineF(m_pointer, to).length());
    const int glide = std::min(m_timing.glideMaximum, m_timing.glideBase + distance * m_timing.glidePer100Pixels / 100);
    emit pointerGlides(m_pointer, to, m_pace == Pace::Reading ? glide : 0);
    m_pointer = to;
    m_planned += glide;
    m_glided = true;
    schedule(glide);
}

int WalkthroughPlayer::durationOf(const Op &op) const
{
    switch (op.act) {
    case Act::Character: return m_timing.perCharacter;
    case Act::KeyStroke: return m_timing.key;
    case Act::OpenSubmenu: return m_timing.submenu;
    case Act::Drag: return m_timing.click / 4;
    default: return m_timing.click;
    }
}

void WalkthroughPlayer::act(const Op &op, const Aim &aim)
{
    QWidget *w = aim.widget;
    const QPoint p = aim.local;
    if (w)
        m_keyWindow = w->window();
    if (op.aim && m_pace == Pace::Reading && op.act != Act::Move && op.act != Act::Drag)
        emit pointerClicks(m_pointer);
    switch (op.act) {
    case Act::Move:
        deliverMouse(w, p, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
        break;
    case Act::Click:
    case Act::RightClick: {
        const Qt::MouseButton button = op.act == Act::Click ? Qt::LeftButton : Qt::RightButton;
        deliverMouse(w, p, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
        QPointer<QWidget> guard(w);
        deliverMouse(w, p, QEvent::MouseButtonPress, button, button);
        if (guard)
            deliverMouse(w, p, QEvent::MouseButtonRelease, button, Qt::NoButton);
        break;
    }
    case Act::DoubleClick: {
        deliverMouse(w, p, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
        QPointer<QWidget> guard(w);
        deliverMouse(w, p, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
        if (guard)
            deliverMouse(w, p, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
        g_stamp -= 1000 - 50;   // the second press follows at once: a double click
        if (guard)
            deliverMouse(w, p, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
        if (guard)
            deliverMouse(w, p, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
        break;
    }
    case Act::Press: {
        QPointer<QWidget> guard(w);
        deliverMouse(w, p, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
        if (guard)
            deliverMouse(w, p, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
        break;
    }
    case Act::Drag:
        deliverMouse(w, p, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
        break;
    case Act::Release: {
        // The last move of a drag may end the exercise and close its window.
        QPointer<QWidget> guard(w);
        deliverMouse(w, p, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
        if (guard)
            deliverMouse(w, p, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
        break;
    }
    case Act::OpenSubmenu:
        // Hovering opens the submenu after the style's delay; the next entry waits for it.
        deliverMouse(w, p, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
        break;
    case Act::Character:
        deliverKey(m_keyWindow, Qt::Key_unknown, Qt::NoModifier, op.text);
        break;
    case Act::KeyStroke:
        if (QWidget *window = findWindow(op.window))
            m_keyWindow = window;
        deliverKey(m_keyWindow, op.key, op.modifiers, op.text);
        break;
    }
}

QList<WalkthroughPlayer::Op> WalkthroughPlayer::opsOf(const Step &step)
{
    QList<Op> ops;
    const Target target = step.target;
    const auto on = [&](Act act) {
        Op op;
        op.aim = [target] { return aimAt(target); };
        op.act = act;
        op.patience = step.patience;
        ops << op;
    };
    switch (step.gesture) {
    case Gesture::Click: on(Act::Click); break;
    case Gesture::DoubleClick: on(Act::DoubleClick); break;
    case Gesture::RightClick: on(Act::RightClick); break;
    case Gesture::Hover: on(Act::Move); break;
    case Gesture::Drag: {
        on(Act::Press);
        // The moves and the release go where the button is held; the drop target is
        // only where the pointer heads (it may lie under the dragged ghost).
        const Target to = step.to;
        const auto heldAt = [from = target, to](int i) {
            return [from, to, i]() -> Aim {
                QWidget *window = findWindow(to.window);
                QWidget *base = window && !to.control.isEmpty() ? window->findChild<QWidget *>(to.control) : window;
                if (auto *screen = qobject_cast<ExerciseScreen *>(window); screen && to.control.isEmpty())
                    base = screen->clientArea();
                if (!base)
                    return {nullptr, {}, QStringLiteral("the drop target %1 %2 is not showing").arg(to.window, to.control)};
                const Aim end{base, to.rect.isNull() ? base->rect().center() : to.rect.center(), {}};
                const Aim start = aimAt(from);
                if (!start.widget || i == DragMoves)
                    return end;
                const QPoint a = start.widget->mapTo(base, start.local);
                return {base, a + (end.local - a) * i / DragMoves, {}};
            };
        };
        for (int i = 1; i <= DragMoves; ++i) {
            Op op;
            op.aim = heldAt(i);
            op.act = i == DragMoves ? Act::Release : Act::Drag;
            ops << op;
        }
        break;
    }
    case Gesture::Type: {
        on(Act::Click);
        for (const QChar ch : step.text) {
            Op op;
            op.act = Act::Character;
            op.text = QString(ch);
            ops << op;
        }
        break;
    }
    case Gesture::Key: {
        Op op;
        op.act = Act::KeyStroke;
        op.key = step.key;
        op.modifiers = step.modifiers;
        op.window = step.target.window;
        ops << op;
        break;
    }
    case Gesture::ChooseEntry: {
        const QString entry = step.text;
        Op open;
        open.aim = [target, entry]() -> Aim {
            const Aim control = aimAt(target);
            if (!control.error.isEmpty() || qobject_cast<QComboBox *>(control.widget))
                return control;
            return aimAtEntry(target, entry, false);
        };
        open.act = Act::Click;
        open.patience = step.patience;
        ops << open;
        Op pick;   // a combo box's list, once open
        pick.aim = [target, entry]() -> Aim {
            if (!QApplication::activePopupWidget())
                return {nullptr, {}, QString()};
            return aimAtEntry(target, entry, true);
        };
        pick.act = Act::Click;
        ops << pick;
        break;
    }
    case Gesture::OpenEntry: {
        Op op;
        const QString entry = step.text;
        op.aim = [target, entry] { return aimAtEntry(target, entry, false); };
        op.act = Act::DoubleClick;
        op.patience = step.patience;
        ops << op;
        break;
    }
    case Gesture::ChooseMenu: {
        const QStringList path = step.path;
        for (int i = 0; i < path.size(); ++i) {
            Op op;
            const QString caption = path.at(i);
            if (i == 0 && !step.target.window.isEmpty()) {
                const QString window = step.target.window;
                op.aim = [window, caption] { return aimAtMenuTitle(window, caption); };
                op.act = Act::Click;
                op.patience = step.patience;
            } else {
                op.aim = [caption] { return aimAtMenuEntry(caption); };
                op.act = i + 1 == path.size() ? Act::Click : Act::OpenSubmenu;
                op.patience = SubmenuPatience;
            }
            ops << op;
        }
        break;
    }
    case Gesture::Answer: break;
    }
    return ops;
}

WalkthroughPlayer::Aim WalkthroughPlayer::targetOf(const Step &step)
{
    switch (step.gesture) {
    case Gesture::Answer: return {};
    case Gesture::Key: return aimAt(Target{step.target.window, QString(), QRect()});
    case Gesture::OpenEntry: return aimAtEntry(step.target, step.text, false);
    case Gesture::ChooseEntry: {
        // The row itself: in the drop-down's list once open, or in sight in a list.
        if (Aim row = aimAtEntry(step.target, step.text, true); row.widget)
            return row;
        const Aim control = aimAt(step.target);
        if (!control.widget || qobject_cast<QComboBox *>(control.widget))
            return control;
        return aimAtEntry(step.target, step.text, false);
    }
    case Gesture::ChooseMenu:
        for (int i = int(step.path.size()) - 1; i > 0 || (i == 0 && step.target.window.isEmpty()); --i)
            if (Aim entry = aimAtMenuEntry(step.path.at(i)); entry.widget)
                return entry;
        return step.target.window.isEmpty() || step.path.isEmpty() ? Aim{}
                                                                   : aimAtMenuTitle(step.target.window, step.path.first());
    default: return aimAt(step.target);
    }
}

int WalkthroughPlayer::answerBox(const MessageBox::Box &box)
{
    m_boxes << box;
    int index = 0;
    const int next = m_step + 1;
    if (m_playing && next < m_steps.size() && m_steps.at(next).gesture == Gesture::Answer
        && !m_answered.contains(next)) {
        index = buttonIndex(box.buttons, m_steps.at(next).text);
        m_answered << next;
        if (index < 0)
            index = 0;
    }
    const int shown = boxMsecs(box.text);
    m_planned += shown;
    if (m_pace == Pace::Instant)
        return index;
    m_inBox = true;
    const int answer = MessageBox::showFor(box, index, shown);
    m_inBox = false;
    return answer;
}
