#include "exercises/domain4/web_browser/browserscreen.h"

#include "exercises/domain4/web_browser/layout.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"

#include <QLabel>
#include <QMenuBar>

using namespace WebBrowserLayout;

BrowserScreen::BrowserScreen(ExerciseSession *session, const QString &name, int window, QSize clientSize,
                             int firstStep, const QString &firstInstruction)
    : MenuScreen(session, name, clientSize, BrowserMenu::table(window), BrowserMenu::roles(window), firstStep),
      m_window(window)
{
    // A title bar with its close box only (closing it abandons the exercise).
    useTitleBar(Caption);
    client()->setObjectName(QStringLiteral("page"));

    // The instruction strip lies on the page, in its coordinates.
    InstructionBubble *bubble = placeBubble(Mascot, Bubble);
    if (bubble->mascot())
        bubble->mascot()->setObjectName(QStringLiteral("consigne1"));
    bubble->shape()->setObjectName(QStringLiteral("consigne2"));
    bubble->addLabel(QStringLiteral("consigne3"), BubbleLabel, firstInstruction);
    placeAbandon(QStringLiteral("BitBtn20"), AbandonButton);
}

void BrowserScreen::FormShow()
{
    centreOnScreen();
}

void BrowserScreen::next(int step)
{
    setStep(step);
    setInstruction(WebBrowserLayout::instruction(step));
}

void BrowserScreen::showOnly(PictureBox *shown, std::initializer_list<PictureBox *> group)
{
    for (PictureBox *box : group)
        box->setVisible(box == shown);
}
