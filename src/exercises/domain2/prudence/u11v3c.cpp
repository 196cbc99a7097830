#include "exercises/domain2/prudence/u11v3c.h"

#include "exercises/domain2/prudence/layout.h"
#include "exercises/domain2/prudence/u11v3d.h"
#include "pictures/tray.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QLabel>
#include <QPushButton>

using namespace PrudenceLayout;

namespace {
const char *const ZoneNames[15] = {"zs1", "zs2", "zs3", "ZS4", "ZS5", "ZS6", "ZS7", "ZS8",
                                   "ZS9", "ZS10", "ZS11", "ZS12", "ZS13", "ZS14", "ZS15"};

PictureBox *picture(const char *control, const QRect &rect, bool visible, QWidget *parent)
{
    auto *box = new PictureBox(QStringLiteral("Texercice11v3c/") + QLatin1String(control),
                               QString::fromLatin1(control), rect, parent);
    box->setVisible(visible);
    return box;
}
}

Texercice11v3c::Texercice11v3c(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice11v3c"), Window3Size)
{
    setWindowTitle(QStringLiteral("exercice11v3c"));
    // The tray's tooltips are the pupil's clues: they show even before the window is activated.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    Image1 = picture("Image1", QRect(QPoint(0, 0), Window3Size), true, this);
    Image5 = picture("Image5", TrayArea3, true, this);
    for (int n = 1; n <= 15; ++n)
        zones[n - 1] = new HotSpot(QString::fromLatin1(ZoneNames[n - 1]), Tray::zone(n).translated(TrayArea3.topLeft()), this);
    zones[0]->setHint(WirelessHint);
    Shape1 = new HotSpot(QStringLiteral("Shape1"), StartButtonZone, this);
    Image2 = picture("Image2", StartMenu, false, this);
    Shape2 = new HotSpot(QStringLiteral("Shape2"), ControlPanelEntry, this);
    Shape2->hide();
    Image3 = picture("Image3", ControlPanel, false, this);
    Shape3 = new HotSpot(QStringLiteral("Shape3"), SecurityCentreEntry, this);
    Shape3->hide();
    Image4 = picture("Image4", SecurityCentre, false, this);

    InstructionBubble *bubble = placeBubble(Window3Mascot, Window3Bubble);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), Window3Label, FirewallLook);
    Button1 = place(new QPushButton(QStringLiteral("Oui"), this), "Button1", Window3Yes);
    Button2 = place(new QPushButton(QStringLiteral("Non"), this), "Button2", Window3No);
    Button1->hide();
    Button2->hide();
    placeAbandon(QStringLiteral("BitBtn20"), Window3Abandon);

    connect(Shape1, &HotSpot::clicked, this, &Texercice11v3c::Shape1Click);
    connect(Shape2, &HotSpot::clicked, this, &Texercice11v3c::Shape2Click);
    connect(Shape3, &HotSpot::clicked, this, &Texercice11v3c::Shape3Click);
    connect(Button1, &QPushButton::clicked, this, &Texercice11v3c::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Texercice11v3c::Button2Click);
}

void Texercice11v3c::Shape1Click()
{
    const bool open = !Image2->isVisible();
    Image2->setVisible(open);
    Shape2->setVisible(open);
}

void Texercice11v3c::Shape2Click()
{
    Image3->show();
    Shape3->show();
    Shape1->hide();
    Image2->hide();
    Shape2->hide();
}

void Texercice11v3c::Shape3Click()
{
    Image3->hide();
    Shape3->hide();
    Image4->show();
    Button1->show();
    Button2->show();
    consigne3->setText(FirewallQuestion);
}

void Texercice11v3c::Button2Click() { session()->wrong(CommonTexts::WrongWay); }

void Texercice11v3c::Button1Click()
{
    Image4->hide();
    Button1->hide();
    Button2->hide();
    session()->handOver(this, session()->window<Texercice11v3d>());
}
