#include "exercises/domain1/default_printer/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
namespace W1 = DefaultPrinterLayout::Window1;
namespace W2 = DefaultPrinterLayout::Window2;

namespace {
const QString First = QStringLiteral("Texercice6v3");
const QString Second = QStringLiteral("Texercice6v3b");
const QString Properties = QStringLiteral("Tproprieteimprimantecanonv3");

// The perfect run: the printer made the default one from its context menu, then
// its properties set (photo paper, high quality, landscape, colour).
Steps steps()
{
    return {
        click(QStringLiteral("Clique sur le bouton Démarrer"), on(First, QStringLiteral("zs3"))),
        click(QStringLiteral("Clique sur un endroit vide du bureau"), at(First, QRect(700, 100, 10, 10))).asMistake(),
        click(QStringLiteral("Ouvre « Imprimantes et télécopieurs »"), on(First, QStringLiteral("zs5"))),
        rightClick(QStringLiteral("Clique droit sur l'imprimante Canon iP4200"), on(First, QStringLiteral("zs7"))),
        click(QStringLiteral("Choisis « Définir par défaut »"), on(First, QStringLiteral("zs9"))),
        rightClick(QStringLiteral("Clique droit sur l'imprimante Canon iP4200"), on(Second, QStringLiteral("zs2"))),
        click(QStringLiteral("Choisis « Propriétés »"), on(Second, QStringLiteral("zs4"))),
        click(QStringLiteral("Ouvre la liste des papiers"), on(Properties, QStringLiteral("ComboBox1"))),
        key(QStringLiteral("Descends dans la liste"), Properties, Qt::Key_Down),
        key(QStringLiteral("Descends dans la liste"), Properties, Qt::Key_Down),
        key(QStringLiteral("Descends jusqu'à « Papier photo Mat »"), Properties, Qt::Key_Down),
        key(QStringLiteral("Choisis « Papier photo Mat »"), Properties, Qt::Key_Return),
        click(QStringLiteral("Choisis la qualité « Haute »"), on(Properties, QStringLiteral("RadioButton1"), QRect(3, 6, 8, 8))),
        click(QStringLiteral("Choisis l'orientation « Paysage »"), on(Properties, QStringLiteral("RadioButton4"), QRect(3, 6, 8, 8))),
        click(QStringLiteral("Décoche « Impression niveau de gris »"), on(Properties, QStringLiteral("CheckBox2"), QRect(3, 6, 8, 8))),
        click(QStringLiteral("Clique sur OK"), on(Properties, QStringLiteral("Button3"))),
    };
}
}

static const Walkthrough::Registrar walkthrough(DefaultPrinterLayout::Competence, steps);
