#include "exercises/domain1/print_settings/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
namespace L = PrintSettingsLayout;

namespace {
const QString W = QStringLiteral("Texercice5v3");
const QString Print = QStringLiteral("Timpressionv3");
const QString Preview = QStringLiteral("Timpressionapercuv3");

// The second stanza selected with the keyboard, from the start of its first line to
// the end of its last one (the text is centred: a line's start is reached with Home).
Steps selectSecondStanza()
{
    Steps steps{
        click(QStringLiteral("Clique dans le texte"), on(W, QStringLiteral("RichEdit1"))),
        key(QStringLiteral("Remonte au début du texte"), W, Qt::Key_Home, Qt::ControlModifier),
    };
    for (int line = 0; line < L::SecondStanzaFirstLine; ++line)
        steps << key(QStringLiteral("Descends jusqu'au 2ème paragraphe"), W, Qt::Key_Down);
    steps << key(QStringLiteral("Va au début de la ligne"), W, Qt::Key_Home);
    for (int line = 1; line < L::StanzaLines; ++line)
        steps << key(QStringLiteral("Sélectionne le paragraphe ligne par ligne"), W, Qt::Key_Down, Qt::ShiftModifier);
    steps << key(QStringLiteral("Sélectionne jusqu'à la fin de sa dernière ligne"), W, Qt::Key_End, Qt::ShiftModifier);
    return steps;
}

// The perfect run: the second stanza selected, the print dialog opened from the File
// menu's preview, the colour printer, the selection and two copies, then the preview
// printed.
Steps steps()
{
    Steps run{
        click(QStringLiteral("Clique sur un autre bouton de la barre d'outils"), at(W, L::zs1)).asMistake(),
    };
    run << selectSecondStanza();
    run << chooseMenu(QStringLiteral("Choisis Fichier puis « Aperçu »"), W, {QStringLiteral("Fichier"), QStringLiteral("Aperçu")})
        << click(QStringLiteral("Ouvre la liste des imprimantes"), on(Print, QStringLiteral("ComboBox1")))
        << key(QStringLiteral("Descends jusqu'à l'imprimante couleur"), Print, Qt::Key_Down)
        << key(QStringLiteral("Choisis l'imprimante couleur"), Print, Qt::Key_Return)
        << click(QStringLiteral("Passe à 2 exemplaires"), on(Print, QStringLiteral("UpDown1Up")))
        << click(QStringLiteral("Choisis « Sélection »"), on(Print, QStringLiteral("RadioButton4")))
        << click(QStringLiteral("Clique sur Aperçu"), on(Print, QStringLiteral("Button5")))
        << click(QStringLiteral("Clique sur Imprimer"), on(Preview, QStringLiteral("Button1")));
    return run;
}
}

static const Walkthrough::Registrar walkthrough(L::Competence, steps);
