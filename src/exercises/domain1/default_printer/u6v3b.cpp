#include "exercises/domain1/default_printer/u6v3b.h"

#include "exercises/domain1/default_printer/layout.h"
#include "pictures/fonts.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/dismissingclicks.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"

#include <QLabel>

namespace L = DefaultPrinterLayout::Window2;

Texercice6v3b::Texercice6v3b(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice6v3b"), L::ClientSize)
{
    setWindowTitle(L::Caption);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(118, 124, 152));
    setPalette(background);
    const auto picture = [this](const char *control, const QRect &rect) {
        return new PictureBox(QStringLiteral("Texercice6v3b/") + QLatin1String(control), QLatin1String(control), rect,
                              this);
    };
    const auto spot = [this](const char *control, const QRect &rect) {
        return new HotSpot(QLatin1String(control), rect, this);
    };
    Image1 = picture("Image1", L::Image1);
    Image2 = picture("Image2", L::Image2);
    Image3 = picture("Image3", L::Image3);
    zs1 = spot("zs1", L::zs1);
    zs2 = spot("zs2", L::zs2);
    Image4 = picture("Image4", L::Image4);
    zs3 = spot("zs3", L::zs3);
    zs4 = spot("zs4", L::zs4);

    InstructionBubble *bubble = placeBubble(L::Image0, L::Shape5);
    Label1 = bubble->addLabel(QStringLiteral("Label1"), L::Label1, L::Instruction);
    Label2 = bubble->addLabel(QStringLiteral("Label2"), L::Label2, L::SecondLine);
    Label2->setFont(pixelFont(QStringLiteral("Arial"), 13));
    Label2->setWordWrap(true);
    placeAbandon(QStringLiteral("BitBtn20"), L::BitBtn20);

    connect(zs3, &HotSpot::clicked, this, &Texercice6v3b::wrongClick);
    // Clicking the window while the dialog shows only closes the dialog.
    DismissingClicks::connect(zs1, [this] { return m_dialog && m_dialog->isVisible(); }, [this] { wrongClick(); });
    connect(zs2, &HotSpot::rightClicked, this, &Texercice6v3b::zs2RightClick);
    connect(zs4, &HotSpot::clicked, this, &Texercice6v3b::zs4Click);
    showStep(PrintersFolder);
}

void Texercice6v3b::showStep(Step step)
{
    m_step = step;
    const bool menu = step == PrinterMenu;
    for (QWidget *w : QList<QWidget *>{Image4, zs3, zs4})
        w->setVisible(menu);
}

void Texercice6v3b::zs4Click()
{
    showStep(Properties);
    if (m_dialog)
        m_dialog->close();
    m_dialog = new Tproprieteimprimantecanonv3(this, Label1, Label2);
    session()->adopt(m_dialog);
    m_dialog->showCentred();
}

void Texercice6v3b::wrongClick()
{
    session()->wrong(CommonTexts::WrongWayReadCarefully);
}
