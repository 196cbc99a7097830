#include "exercises/domain4/web_browser/browserscreen.h"

#include "exercises/domain4/web_browser/layout.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"

#include <QMenuBar>

using namespace WebBrowserLayout;

BrowserScreen::BrowserScreen(ExerciseSession *session, const QString &name, int window, QSize clientSize,
                             int firstStep, const QString &firstInstruction)
    : ExerciseScreen(session, name), m_window(window), m_step(firstStep)
{
    // A title bar with its close box only (closing it abandons the exercise).
    useTitleBar(Caption);

    m_menuBar = BrowserMenu::build(window, this, [this](BrowserMenu::Item item) { menuChosen(item); });
    const int menuHeight = m_menuBar->sizeHint().height();
    m_menuBar->setGeometry(0, 0, clientSize.width(), menuHeight);
    m_page = new QWidget(this);
    m_page->setObjectName(QStringLiteral("page"));
    m_page->setGeometry(0, menuHeight, clientSize.width(), clientSize.height());
    setFixedSize(clientSize.width(), clientSize.height() + menuHeight);

    // The instruction strip lies above the page; its rectangles are the page's.
    InstructionBubble *bubble = placeBubble(Mascot.translated(0, menuHeight), Bubble.translated(0, menuHeight));
    if (bubble->mascot())
        bubble->mascot()->setObjectName(QStringLiteral("consigne1"));
    bubble->shape()->setObjectName(QStringLiteral("consigne2"));
    bubble->addLabel(QStringLiteral("consigne3"), BubbleLabel.translated(0, menuHeight), firstInstruction);
    placeAbandon(QStringLiteral("BitBtn20"), AbandonButton.translated(0, menuHeight));
}

void BrowserScreen::FormShow()
{
    centreOnScreen();
}

void BrowserScreen::next(int step)
{
    m_step = step;
    setInstruction(WebBrowserLayout::instruction(step));
}

void BrowserScreen::wrongRoute()
{
    session()->wrong(CommonTexts::WrongWay);
}

void BrowserScreen::menuChosen(BrowserMenu::Item item)
{
    switch (BrowserMenu::roleOf(m_window, item, m_step)) {
    case BrowserMenu::Role::Wrong: wrongRoute(); break;
    case BrowserMenu::Role::Inert: break;
    case BrowserMenu::Role::Step: menuStep(item); break;
    }
}

PictureBox *BrowserScreen::picture(const QString &control, const QRect &rect, bool visible)
{
    auto *box = new PictureBox(objectName() + QLatin1Char('/') + control, control, rect, m_page);
    box->setVisible(visible);
    return box;
}

HotSpot *BrowserScreen::hotSpot(const QString &control, const QRect &rect, bool visible)
{
    auto *spot = new HotSpot(control, rect, m_page);
    spot->setVisible(visible);
    return spot;
}

void BrowserScreen::showOnly(PictureBox *shown, std::initializer_list<PictureBox *> group)
{
    for (PictureBox *box : group)
        box->setVisible(box == shown);
}
