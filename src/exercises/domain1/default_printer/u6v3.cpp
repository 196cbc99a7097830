#include "exercises/domain1/default_printer/u6v3.h"

#include "exercises/domain1/default_printer/layout.h"
#include "exercises/domain1/default_printer/u6v3b.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"

#include <QLabel>

using namespace DefaultPrinterLayout;
namespace L = DefaultPrinterLayout::Window1;

namespace {
void paintBackground(QWidget *window)
{
    window->setAutoFillBackground(true);
    QPalette background = window->palette();
    background.setColor(QPalette::Window, QColor(118, 124, 152));
    window->setPalette(background);
}
}

Texercice6v3::Texercice6v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice6v3"), L::ClientSize)
{
    setWindowTitle(L::Caption);
    paintBackground(this);
    const auto picture = [this](const char *control, const QRect &rect) {
        return new PictureBox(QStringLiteral("Texercice6v3/") + QLatin1String(control), QLatin1String(control), rect, this);
    };
    const auto spot = [this](const char *control, const QRect &rect) {
        return new HotSpot(QLatin1String(control), rect, this);
    };
    Image1 = picture("Image1", L::Image1);
    zs1 = spot("zs1", L::zs1);
    zs2 = spot("zs2", L::zs2);
    zs3 = spot("zs3", L::zs3);
    Image2 = picture("Image2", L::Image2);
    zs4 = spot("zs4", L::zs4);
    zs5 = spot("zs5", L::zs5);
    Image3 = picture("Image3", L::Image3);
    Image4 = picture("Image4", L::Image4);
    zs6 = spot("zs6", L::zs6);
    zs7 = spot("zs7", L::zs7);
    Image5 = picture("Image5", L::Image5);
    zs8 = spot("zs8", L::zs8);
    zs9 = spot("zs9", L::zs9);

    InstructionBubble *bubble = placeBubble(L::Image0, L::Shape5);
    Label1 = bubble->addLabel(QStringLiteral("Label1"), L::Label1, L::Instruction);
    placeAbandon(QStringLiteral("BitBtn20"), L::BitBtn20);

    for (HotSpot *wrong : {zs1, zs2, zs4, zs6, zs8})
        connect(wrong, &HotSpot::clicked, this, &Texercice6v3::wrongClick);
    connect(zs3, &HotSpot::clicked, this, &Texercice6v3::zs3Click);
    connect(zs5, &HotSpot::clicked, this, &Texercice6v3::zs5Click);
    connect(zs7, &HotSpot::rightClicked, this, &Texercice6v3::zs7RightClick);
    connect(zs9, &HotSpot::clicked, this, &Texercice6v3::zs9Click);
    showStep(Desktop);
}

void Texercice6v3::FormShow()
{
    ExerciseScreen::FormShow();
    session()->resetErrors();
}

// What each step shows; everything else of the table is hidden.
void Texercice6v3::showStep(Step step)
{
    m_step = step;
    const QList<QWidget *> all{Image2, Image3, Image4, Image5, zs1, zs2, zs3, zs4, zs5, zs6, zs7, zs8, zs9};
    QList<QWidget *> shown;
    switch (step) {
    case Desktop: shown = {zs1, zs2, zs3}; break;
    case StartMenu: shown = {Image2, zs4, zs5}; break;
    case PrintersFolder: shown = {Image3, Image4, zs6, zs7}; break;
    case PrinterMenu: shown = {Image3, Image4, Image5, zs8, zs9}; break;
    }
    for (QWidget *w : all)
        w->setVisible(shown.contains(w));
}

void Texercice6v3::zs9Click()
{
    // The second window was created at launch, hidden until now.
    auto *next = session()->window<Texercice6v3b>();
    session()->handOver(this, next ? next : new Texercice6v3b(session()));
}

void Texercice6v3::wrongClick()
{
    session()->wrong(CommonTexts::WrongWayReadCarefully);
}

namespace {
const ExerciseRegistry::Registrar registrar(Competence,
                                            ExerciseSession::launcher<Texercice6v3, Texercice6v3b>(Competence));
}
