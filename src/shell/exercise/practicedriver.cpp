#include "shell/exercise/practicedriver.h"

#include "records/helpswitch.h"
#include "shell/exercise/exercisescreen.h"
#include "shell/exercise/practice.h"
#include "shell/exercise/pointeroverlay.h"
#include "shell/exercise/walkthroughplayer.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/windowplacement.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QPushButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QRadioButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

using namespace Walkthrough;

namespace {
bool g_instant = false;
Practice::Mode g_pending = Practice::Mode::None;
QPointer<PracticeDriver> g_current;
int g_recognised = 0;
constexpr int RefreshInterval = 150;

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::ShortcutOverride:
        return true;
    default:
        return false;
    }
}

QPoint globalOf(QEvent *event)
{
    return static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
}

QRect screenRect(const WalkthroughPlayer::Aim &aim, const QRect &local)
{
    if (!aim.widget)
        return {};
    return QRect(WindowFit::toScreen(aim.widget, local.topLeft()), WindowFit::toScreen(aim.widget, local.bottomRight()));
}

// What a field holds, whatever its kind.
QString fieldText(const QWidget *w)
{
    if (auto *line = qobject_cast<const QLineEdit *>(w))
        return line->text();
    if (auto *text = qobject_cast<const QTextEdit *>(w))
        return text->toPlainText();
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(w))
        return plain->toPlainText();
    if (auto *spin = qobject_cast<const QAbstractSpinBox *>(w))
        return spin->text();
    return {};
}

// The key as French keyboards print it: Qt's own French name for Return reads
// "Retour", which a pupil would look for in vain.
// Where the aimed control takes a click: a button on its caption as well, so the
// whole of it; a check box or an option only on its square and its caption, not
// on the empty width beyond them.
QRect clickArea(const WalkthroughPlayer::Aim &aim)
{
    auto *button = qobject_cast<QAbstractButton *>(aim.widget);
    if (!button)
        return aim.area;
    if (qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button))
        return QRect(QPoint(0, 0), QSize(qMin(button->width(), button->sizeHint().width()), button->height()));
    return button->rect();
}

QString keyCaption(const Step &step)
{
    if (step.key == Qt::Key_Return || step.key == Qt::Key_Enter) {
        const QString mods = QKeySequence(int(step.modifiers)).toString(QKeySequence::NativeText);
        return mods + QStringLiteral("Entrée");
    }
    return QKeySequence(step.key | int(step.modifiers)).toString(QKeySequence::NativeText);
}
}

PracticeDriver::PracticeDriver(ExerciseSession *session, const Steps &steps)
    : QObject(session), m_session(session), m_steps(steps)
{
    g_current = this;
    g_recognised = 0;
    m_clipboardBefore = QGuiApplication::clipboard()->text();
    qApp->installEventFilter(this);
    if (Practice::of(session) == Practice::Mode::Demonstration)
        QTimer::singleShot(0, this, &PracticeDriver::startShowing);
    else
        QTimer::singleShot(0, this, &PracticeDriver::startGuiding);
}

void PracticeDriver::letGo()
{
    // The success came with the awaited step: the last one.
    if (m_guided >= 0 && m_guided + 1 == m_steps.size())
        ++g_recognised;
    qApp->removeEventFilter(this);
    stopShowing();
    m_refresh.stop();
    delete m_outline;
    m_outline = nullptr;
    m_guided = -1;
}

PracticeDriver::~PracticeDriver()
{
    qApp->removeEventFilter(this);
    if (QClipboard *clipboard = QGuiApplication::clipboard(); clipboard->text() != m_clipboardBefore) {
        if (m_clipboardBefore.isEmpty())
            clipboard->clear();
        else
            clipboard->setText(m_clipboardBefore);
    }
    delete m_pointer;
    delete m_outline;
}

void PracticeDriver::setInstantForTests(bool instant) { g_instant = instant; }
PracticeDriver *PracticeDriver::current() { return g_current; }
int PracticeDriver::recognisedSteps() { return g_recognised; }

void PracticeDriver::startShowing()
{
    m_player = new WalkthroughPlayer(m_steps, g_instant ? WalkthroughPlayer::Pace::Instant : WalkthroughPlayer::Pace::Reading, this);
    if (!g_instant) {
        m_pointer = new PointerOverlay;
        connect(m_player, &WalkthroughPlayer::pointerGlides, m_pointer, &PointerOverlay::glide);
        connect(m_player, &WalkthroughPlayer::pointerClicks, m_pointer, &PointerOverlay::showClick);
    }
    connect(m_player, &WalkthroughPlayer::finished, this, [this](bool succeeded) {
        // A run that could not go on: the pupil gets the exercise fresh.
        if (!succeeded && m_session) {
            qWarning("demonstration stopped: %s", qPrintable(m_player->failure()));
            Practice::relaunch(m_session->competence(), m_session->mainWindow(), Practice::Mode::None);
        }
    });
    m_player->start();
}

void PracticeDriver::stopShowing()
{
    if (m_player)
        m_player->stop();
    delete m_pointer;
    m_pointer = nullptr;
}

bool PracticeDriver::eventFilter(QObject *watched, QEvent *event)
{
    if (!isInput(event->type()) || !m_session || m_session->isEnding())
        return false;
    if (Practice::of(m_session) == Practice::Mode::Guided) {
        // The window's copy too: a release whose widget went away reaches only the window.
        if (watched->isWidgetType() || watched->isWindowType())
            observe(watched, event);
        return false;
    }
    if (WalkthroughPlayer::isDelivering() || !event->spontaneous())
        return false;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        stopShowing();
        const int competence = m_session->competence();
        QWidget *main = m_session->mainWindow();
        QTimer::singleShot(0, [competence, main] {
            Practice::relaunch(competence, main, Practice::Mode::None);
        });
        return true;
    }
    return !letThrough(watched, event);
}

// During a demonstration only the Abandon button takes the pupil's mouse.
bool PracticeDriver::letThrough(QObject *watched, QEvent *event) const
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease || event->type() == QEvent::ShortcutOverride)
        return false;
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w)
        return true;   // the windows' own handles: the widgets get their copies
    for (QWidget *window : m_session->windows())
        if (auto *screen = qobject_cast<ExerciseScreen *>(window))
            if (QWidget *abandon = screen->abandonButton(); abandon && (abandon == w || abandon->isAncestorOf(w)))
                return true;
    return false;
}

void PracticeDriver::startGuiding()
{
    if (!g_instant) {
        m_pointer = new PointerOverlay;
        m_outline = new TargetOutline;
    }
    connect(&m_refresh, &QTimer::timeout, this, &PracticeDriver::refreshOutline);
    m_refresh.start(RefreshInterval);
    guideTo(0);
}

void PracticeDriver::guideTo(int step)
{
    // Answers to boxes are the pupil's: the box itself shows what to click.
    while (step < m_steps.size() && m_steps.at(step).gesture == Gesture::Answer)
        ++step;
    m_guided = step < m_steps.size() ? step : -1;
    m_pressedInside = Qt::NoButton;
    m_doubleClicked = m_hovered = m_releasedInside = m_keyPressed = m_menuChosen = m_nextTouched = false;
    m_pressTaken = false;
    m_pressedWidget = m_targetWidget = nullptr;
    m_checkedBefore.reset();
    m_targetRect = m_nextRect = m_dropRect = QRect();
    refreshOutline();
}

void PracticeDriver::passOver()
{
    if (m_guided >= 0)
        guideTo(m_guided + 1);
}

void PracticeDriver::refreshOutline()
{
    if (m_guided < 0)
        return;
    const Step &step = m_steps.at(m_guided);
    const WalkthroughPlayer::Aim aim = WalkthroughPlayer::targetOf(step);
    if (aim.widget) {
        if (aim.widget->window()->windowType() != Qt::Popup)   // the control, not a row of its open list
            m_targetWidget = aim.widget;
        m_targetRect = screenRect(aim, clickArea(aim));
        if (auto *box = qobject_cast<QAbstractButton *>(aim.widget); box && box->isCheckable() && !m_checkedBefore)
            m_checkedBefore = box->isChecked();
    }
    if (step.gesture == Gesture::Drag) {
        const WalkthroughPlayer::Aim drop = WalkthroughPlayer::targetOf(Walkthrough::click(QString(), step.to));
        if (drop.widget)
            m_dropRect = screenRect(drop, drop.area);
    }
    if (m_guided + 1 < m_steps.size()) {
        const Step &next = m_steps.at(m_guided + 1);
        const WalkthroughPlayer::Aim nextAim = WalkthroughPlayer::targetOf(next);
        if (nextAim.widget)
            m_nextRect = screenRect(nextAim, nextAim.area);
    }
    if (!aim.widget || g_instant)
        return;
    QString caption;
    if (step.gesture == Gesture::Type || step.gesture == Gesture::ChooseEntry)
        caption = step.text;
    else if (step.gesture == Gesture::Key)
        caption = keyCaption(step);
    m_outline->outline(m_targetRect, caption);
    if (m_pointer && m_pointer->geometry().topLeft() != m_targetRect.center())
        if (!m_pointer->isVisible() || !m_pointer->geometry().contains(m_targetRect.center()))
            m_pointer->glide(m_pointer->isVisible() ? m_pointer->pos() : m_targetRect.center(), m_targetRect.center(), 600);
}

// Notes what the pupil's input does towards the awaited step.
void PracticeDriver::observe(QObject *watched, QEvent *event)
{
    if (m_guided < 0)
        return;
    // The target may have shown since the last look (a press comes before its handler).
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick
        || (event->type() == QEvent::MouseMove && m_targetRect.isNull()))
        refreshOutline();
    const Step &step = m_steps.at(m_guided);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const QPoint at = globalOf(event);
        if (m_targetRect.contains(at))
            m_pressedInside = static_cast<QMouseEvent *>(event)->button();
        // The window's copy comes first, then the widget's that receives the press.
        if (watched->isWindowType())
            m_pressTaken = false;
        else if (!m_pressTaken && m_targetRect.contains(at)) {
            m_pressedWidget = qobject_cast<QWidget *>(watched);
            m_pressTaken = true;
        }
        if (m_nextRect.contains(at) && step.gesture == Gesture::Type)
            m_nextTouched = true;
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (m_targetRect.contains(globalOf(event)))
            m_doubleClicked = true;
        break;
    case QEvent::MouseMove:
        if (m_targetRect.contains(globalOf(event)))
            m_hovered = true;
        break;
    case QEvent::MouseButtonRelease: {
        const QPoint at = globalOf(event);
        m_releasedInside = step.gesture == Gesture::Drag ? m_dropRect.contains(at) : m_targetRect.contains(at);
        if (step.gesture == Gesture::ChooseMenu)
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
                if (QAction *a = menu->actionAt(menu->mapFromGlobal(at)); a && plainCaption(a->text()) == plainCaption(step.path.last()))
                    m_menuChosen = true;
        break;
    }
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == step.key)
            m_keyPressed = true;
        break;
    default:
        break;
    }
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyRelease
        || event->type() == QEvent::MouseButtonDblClick || event->type() == QEvent::MouseMove
        || event->type() == QEvent::MouseButtonPress)
        judgeLater();
}

void PracticeDriver::judgeLater() { QTimer::singleShot(0, this, &PracticeDriver::judge); }

void PracticeDriver::judge()
{
    if (m_guided < 0)
        return;
    const Step &step = m_steps.at(m_guided);
    if (!done(step))
        return;
    const bool touchedNext = m_nextTouched;
    ++g_recognised;
    guideTo(m_guided + 1);
    // A click on the next target already began the next step.
    if (touchedNext && m_guided >= 0)
        m_pressedInside = Qt::LeftButton;
}

bool PracticeDriver::done(const Step &step) const
{
    switch (step.gesture) {
    case Gesture::Click:
        if (auto *box = qobject_cast<QAbstractButton *>(m_targetWidget.data()); box && m_checkedBefore)
            return box->isChecked() != *m_checkedBefore;
        return m_pressedInside == Qt::LeftButton && (m_releasedInside || reactedOnPress());
    case Gesture::RightClick: return m_pressedInside == Qt::RightButton && m_releasedInside;
    case Gesture::DoubleClick:
    case Gesture::OpenEntry: return m_doubleClicked;
    case Gesture::Hover: return m_hovered;
    case Gesture::Drag: return m_pressedInside == Qt::LeftButton && m_releasedInside;
    case Gesture::Key: return m_keyPressed;
    case Gesture::ChooseMenu: return m_menuChosen;
    case Gesture::Type: return m_nextTouched || (m_targetWidget && fieldText(m_targetWidget).contains(step.text));
    case Gesture::ChooseEntry: {
        if (auto *combo = qobject_cast<QComboBox *>(m_targetWidget.data()))
            return combo->currentText() == step.text;
        for (QWidget *w = m_targetWidget; w; w = w->parentWidget())
            if (auto *view = qobject_cast<QAbstractItemView *>(w))
                return view->currentIndex().data().toString() == step.text;
        return false;
    }
    case Gesture::Answer: return true;
    }
    return false;
}

// The pressed control went away as it took the press (a hot spot acting on its press).
bool PracticeDriver::reactedOnPress() const
{
    return m_pressTaken && (!m_pressedWidget || !m_pressedWidget->isVisible());
}

namespace Practice {

Mode takePending()
{
    const Mode mode = g_pending;
    g_pending = Mode::None;
    return mode;
}

void launchFresh(int competence, QWidget *mainWindow, Mode mode)
{
    g_pending = mode;
    ExerciseRegistry::launch(competence, mainWindow);
    g_pending = Mode::None;
    ExerciseSession *session = ExerciseSession::current();
    if (session && mode != Mode::None && of(session) == mode)
        new PracticeDriver(session, withoutMistakes(Walkthrough::of(competence)));
}

void succeeded(ExerciseSession *session)
{
    if (auto *driver = session ? session->findChild<PracticeDriver *>() : nullptr)
        driver->letGo();
}

void questionPassed(ExerciseSession *session)
{
    if (auto *driver = session ? session->findChild<PracticeDriver *>() : nullptr)
        driver->passOver();
}

void offerHelp(ExerciseScreen *screen)
{
    ExerciseSession *session = screen->session();
    PictureBox *mascot = screen->mascot();
    if (!session || !mascot || !Walkthrough::has(session->competence()) || !HelpSwitch::allowed())
        return;
    mascot->setHint(HelpHint);
    mascot->setCursor(Qt::PointingHandCursor);
    QObject::connect(mascot, &HotSpot::clicked, screen, [screen, mascot] {
        ExerciseSession *session = screen->session();
        if (!session || Practice::of(session) == Mode::Demonstration)
            return;
        auto *menu = new QMenu(screen);
        menu->setObjectName(QStringLiteral("HelpMenu"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        const int competence = session->competence();
        QWidget *main = session->mainWindow();
        const auto choose = [competence, main](Mode mode) {
            // Once the menu has closed: the relaunch frees this window.
            QTimer::singleShot(0, [competence, main, mode] { relaunch(competence, main, mode); });
        };
        QObject::connect(menu->addAction(ShowMe), &QAction::triggered, [choose] { choose(Mode::Demonstration); });
        QObject::connect(menu->addAction(GuideMe), &QAction::triggered, [choose] { choose(Mode::Guided); });
        menu->popup(WindowFit::toScreen(mascot, QPoint(mascot->width() / 2, mascot->height() / 2)));
    });
}
}
