#include "exercises/domain2/questioning_results/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
namespace L = QuestioningLayout;

namespace {
const QString Sheet = QStringLiteral("Texercice10v3");
const QString Chart = QStringLiteral("Texercice10v3b");

// An answer list shows two rows and a half: the second row lies under its middle,
// and each click on the scroll bar's lower arrow brings the list one row up.
QRect lowerArrow(const QRect &box)
{
    const int width = box.width() - 16;
    return {width - 10, L::AnswerListInBox.height() - 10, 4, 4};
}
constexpr int ScrollsToFourthRow = 2;
static_assert(L::First::RightNature == 3 && L::Second::RightNature == 3, "the right nature is the fourth row");

// The fourth row of a list brought under its middle, then double-clicked there.
void chooseFourthRow(Steps &run, const QString &window, const QRect &box, const QString &entry)
{
    for (int i = 0; i < ScrollsToFourthRow; ++i)
        run << click(QStringLiteral("Fais défiler la liste vers le bas"),
                     on(window, QStringLiteral("ListBox1"), lowerArrow(box)));
    run << doubleClick(QStringLiteral("Double-clique sur '%1'").arg(entry), on(window, QStringLiteral("ListBox1")));
}

// The perfect run. The sheet: cell B11, the nature and the source of the error,
// then the formula replaced by the right one. The chart: the yellow frame read,
// "Non", the nature and the source of the error, then a click on the cells A8 and A9
// while their exchanged labels show.
Steps steps()
{
    Steps run{click(QStringLiteral("Clique sur l'icône Imprimer"), at(Sheet, L::First::zs1)).asMistake(),
              click(QStringLiteral("Clique sur la cellule B11"), at(Sheet, L::First::zs3))};
    chooseFourthRow(run, Sheet, L::First::GroupBox1, L::First::Natures[L::First::RightNature]);
    run << doubleClick(QStringLiteral("Double-clique sur '%1'").arg(L::First::Sources[1]), on(Sheet, QStringLiteral("ListBox2")))
        << click(QStringLiteral("Clique dans la formule"), on(Sheet, QStringLiteral("Edit1")))
        << key(QStringLiteral("Sélectionne toute la formule (Ctrl+A)"), Sheet, Qt::Key_A, Qt::ControlModifier)
        << key(QStringLiteral("Efface-la"), Sheet, Qt::Key_Delete)
        << type(QStringLiteral("Tape la bonne formule"), on(Sheet, QStringLiteral("Edit1")),
                QStringLiteral("=MOYENNE(B5:B9)"))
        << click(QStringLiteral("Clique sur \"J'ai lu le cadre jaune\""), on(Chart, QStringLiteral("Button1")))
        << click(QStringLiteral("Réponds 'Non'"), on(Chart, QStringLiteral("Button3")));
    chooseFourthRow(run, Chart, L::Second::GroupBox1, L::Second::Natures[L::Second::RightNature]);
    // The exchanged labels show at the foot of the cells' picture, below the hot spot.
    const QRect labelsFoot{0, L::Second::zs2.bottom() + 2 - L::Second::Image3.top(), L::Second::Image3.width() - 1, 3};
    run << doubleClick(QStringLiteral("Double-clique sur '%1'").arg(L::Second::Sources[L::Second::RightSource]), on(Chart, QStringLiteral("ListBox2")))
        << hover(QStringLiteral("Regarde les cellules A8 et A9"), at(Chart, L::Second::zs2))
        << hover(QStringLiteral("Attends que les étiquettes changent"), on(Chart, QStringLiteral("Image3"), labelsFoot))
               .waitingUpTo(3 * L::Second::BlinkMs)
        << click(QStringLiteral("Clique sur la cellule A8 ou A9"), at(Chart, L::Second::zs2));
    return run;
}
}

static const Walkthrough::Registrar walkthrough(L::Competence, steps);
