#include "exercises/domain1/storage_organisation/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace StorageLayout;

namespace {
const QString W1 = QStringLiteral("Texercice3v3");
const QString W2 = QStringLiteral("Texercice3v3b");
const QString W3 = QStringLiteral("Texercice3v3c");
const QString W4 = QStringLiteral("Texercice3v3e");

// The perfect run: the editor started from its shortcut, the recent file opened, a
// copy saved on the desktop, reopened from its icon, then the icons arranged by type.
Steps steps()
{
    return {
        click(QStringLiteral("Clique sur le bouton Démarrer"), at(W1, W1Image3)).asMistake(),
        doubleClick(QStringLiteral("Lance PhotoFiltre depuis son raccourci"), at(W1, W1Image4)),
        click(QStringLiteral("Ouvre le menu Fichier"), at(W1, W1Image10)),
        click(QStringLiteral("Choisis « Fichiers récents »"), at(W1, W1Image13)),
        click(QStringLiteral("Choisis « keyboard3v3.jpg »"), at(W1, W1Image15)),
        click(QStringLiteral("Ouvre le menu Fichier"), at(W2, W2zs2)),
        click(QStringLiteral("Choisis « Enregistrer sous »"), at(W2, W2zs3)),
        click(QStringLiteral("Choisis le Bureau"), at(W2, W2zs4)),
        click(QStringLiteral("Clique sur Enregistrer"), at(W2, W2zs11)),
        click(QStringLiteral("Ferme la fenêtre de PhotoFiltre"), at(W2, W2zs12)),
        doubleClick(QStringLiteral("Ouvre le fichier enregistré sur le bureau"), at(W3, W3zs)),
        click(QStringLiteral("Ferme la fenêtre"), at(W3, W3zs3)),
        rightClick(QStringLiteral("Clique droit sur un endroit libre du bureau"), on(W4, QStringLiteral("Image1"))),
        click(QStringLiteral("Choisis « Réorganiser les icônes par »"), at(W4, W4zs3)),
        click(QStringLiteral("Choisis « Type »"), at(W4, W4zs4)),
    };
}
}

static const Walkthrough::Registrar walkthrough(Competence, steps);
