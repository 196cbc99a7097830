#include "shell/exercise/exercisescreen.h"

#include "pictures/pictures.h"
#include "shell/exercise/exercisesession.h"
#include "shell/exercise/practice.h"
#include "widgets/instructionbubble.h"
#include "widgets/windowplacement.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {
const QString AbandonGlyph = QStringLiteral("Commun/Abandon");
constexpr QSize DefaultSize(900, 750);
}

ExerciseScreen::ExerciseScreen(ExerciseSession *session, const QString &name, QSize clientSize)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_session(session)
{
    setAttribute(Qt::WA_DeleteOnClose);
    if (!name.isEmpty())
        setObjectName(name);
    if (clientSize.isValid())
        setFixedSize(clientSize);
    else
        resize(DefaultSize);
    setAutoFillBackground(true);
    if (m_session)
        m_session->adopt(this);
    WindowFit::markDecided(this);   // decided at the first show, once the flags are final
}

ExerciseScreen::~ExerciseScreen() = default;

QLabel *ExerciseScreen::instruction() const
{
    return m_bubble ? m_bubble->label(0) : nullptr;
}

void ExerciseScreen::useTitleBar(const QString &caption)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(caption);
}

void ExerciseScreen::centreOnScreen()
{
    ::centreOnScreen(this);
}

QPushButton *ExerciseScreen::placeAbandon(const QString &name, const QRect &rect)
{
    if (!m_abandon) {
        m_abandon = new QPushButton(QStringLiteral("Abandon"), clientArea());
        // A mouse button only: when a step disables the focused field, the focus must
        // not fall on it, or the pupil's next Space would abandon.
        m_abandon->setFocusPolicy(Qt::NoFocus);
        const QPixmap glyph = Pictures::get(AbandonGlyph);
        if (!glyph.isNull()) {
            m_abandon->setIcon(QIcon(glyph));
            m_abandon->setIconSize(glyph.deviceIndependentSize().toSize());
        }
        connect(m_abandon, &QPushButton::clicked, this, [this] {
            if (m_session)
                m_session->abandon();
            else
                close();
        });
    }
    m_abandon->setObjectName(name);
    m_abandon->setGeometry(rect);
    m_abandon->raise();
    m_abandon->show();
    return m_abandon;
}

PictureBox *ExerciseScreen::mascot() const
{
    if (m_mascot)
        return m_mascot;
    return m_bubble ? m_bubble->mascot() : nullptr;
}

InstructionBubble *ExerciseScreen::placeBubble(const QRect &mascot, const QRect &shape, bool yellow)
{
    if (!m_bubble)
        m_bubble = new InstructionBubble(clientArea(), mascot, shape,
                                         yellow ? InstructionBubble::Colour::Yellow : InstructionBubble::Colour::White);
    return m_bubble;
}

QLabel *ExerciseScreen::instructionLabel(const QString &name, const QString &text)
{
    if (!m_bubble) {
        // The usual place: bottom left, mascot beside a bubble of 465 x 121.
        const int top = clientArea()->height() - 134;
        placeBubble(QRect(54, top + 16, 84, 100), QRect(136, top, 465, 121));
    }
    return m_bubble->addLabel(name, text);
}

QLabel *ExerciseScreen::instructionLabel(const QString &name, const QRect &rect, const QString &text)
{
    if (!m_bubble) {
        const int top = clientArea()->height() - 134;
        placeBubble(QRect(54, top + 16, 84, 100), QRect(136, top, 465, 121));
    }
    return m_bubble->addLabel(name, rect, text);
}

void ExerciseScreen::setInstruction(const QString &text)
{
    if (QLabel *label = instruction())
        label->setText(InstructionBubble::displayText(text));
    else
        instructionLabel(QStringLiteral("Label1"), text);
}

void ExerciseScreen::ensureAbandon()
{
    if (!m_abandon)
        placeAbandon(QStringLiteral("BitBtn20"),
                     QRect(clientArea()->width() - 120, clientArea()->height() - 40, 89, 25));
}

void ExerciseScreen::setVisible(bool visible)
{
    if (visible && !m_fitDecided && isWindow()) {
        m_fitDecided = true;
        WindowFit::hostIfTooLarge(this);
    }
    QWidget::setVisible(visible);
    WindowFit::syncHost(this);
}

void ExerciseScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    ensureAbandon();
    if ((windowFlags() & Qt::FramelessWindowHint) || WindowFit::hostOf(this))
        centreOnScreen();
    FormShow();
    Practice::offerHelp(this);
}

void ExerciseScreen::closeEvent(QCloseEvent *event)
{
    event->accept();
    // A close that is not a hand-over (Abandon, close box, Alt+F4) abandons.
    if (m_session && !m_session->isEnding() && !m_session->isHandingOver(this))
        m_session->abandon();
}
