#include "exercises/domain1/file_properties/layout.h"
#include "shell/exercise/walkthrough.h"

#include <iterator>

using namespace Walkthrough;
using namespace FilePropertiesLayout;

namespace {
const QString W1 = QStringLiteral("Texercice4v3");
const QString W2 = QStringLiteral("Texercice4v3b");
const QString W3 = QStringLiteral("Texercice4v3c");
const QString W4 = QStringLiteral("Texercice4v3d");
const QString W5 = QStringLiteral("Texercice4v3e");
const QString W6 = QStringLiteral("Texercice4v3f");
const QString W7 = QStringLiteral("Texercice4v3g");
const QString W8 = QStringLiteral("Texercice4v3h");

// One question of window 4: the previous answer rubbed out, the new one typed, validated.
Steps answerQuestion(int question)
{
    const QString answer = QString::fromUtf8(Questions[question].answer);
    Steps steps;
    if (question > 0) {
        steps << click(QStringLiteral("Clique dans la case de réponse"), on(W4, QStringLiteral("Edit2")))
              << key(QStringLiteral("Efface la réponse précédente"), W4, Qt::Key_Backspace);
    }
    steps << type(QStringLiteral("Tape ta réponse : ") + answer, on(W4, QStringLiteral("Edit2")), answer)
          << click(QStringLiteral("Clique sur Valider"), on(W4, QStringLiteral("Button1")));
    return steps;
}

// The perfect run: the drive's properties, the folder tree, test-tavelo opened, the
// four questions, the creation date column, the sort by size and the largest file,
// a new folder named textes, and Licence.txt dragged into it.
Steps steps()
{
    Steps run{
        click(QStringLiteral("Clique sur un endroit vide du bureau"), at(W1, QRect(W1zs1.topLeft(), QSize(10, 10))))
            .asMistake(),
        doubleClick(QStringLiteral("Ouvre le poste de travail"), at(W1, W1zs2)),
        rightClick(QStringLiteral("Clique droit sur le disque C:"), at(W1, W1zs3)),
        click(QStringLiteral("Choisis « Propriétés »"), at(W1, W1zs4)),
        click(QStringLiteral("Clique sur OK"), at(W1, W1zs7)),
        click(QStringLiteral("Clique sur le bouton Dossiers"), at(W2, W2zs2)),
        doubleClick(QStringLiteral("Ouvre le disque C: dans l'arborescence"), at(W2, W2zs3)),
        click(QStringLiteral("Ouvre le dossier test-tavelo"), at(W3, W3zs3)),
    };
    for (int q = 0; q < int(std::size(Questions)); ++q)
        run << answerQuestion(q);
    run << rightClick(QStringLiteral("Clique droit sur les titres des colonnes"), at(W4, W4zs2))
        << click(QStringLiteral("Choisis « Date de création »"), at(W4, W4zs3))
        << click(QStringLiteral("Clique sur le titre de colonne Taille"), at(W5, W5zs2))
        << type(QStringLiteral("Tape le nom du plus gros fichier"), on(W5, QStringLiteral("Edit1")),
                QStringLiteral("PhotoFiltre.exe"))
        << type(QStringLiteral("Tape sa taille"), on(W5, QStringLiteral("Edit2")), QStringLiteral("2657 Ko"))
        << click(QStringLiteral("Clique sur Valider"), on(W5, QStringLiteral("Button1")))
        << rightClick(QStringLiteral("Clique droit dans la liste des fichiers"), at(W6, W6zs6))
        << click(QStringLiteral("Choisis « Nouveau »"), at(W6, W6zs9))
        << click(QStringLiteral("Choisis « Dossier »"), at(W6, W6zs10))
        << click(QStringLiteral("Clique dans le nom du dossier"), on(W7, QStringLiteral("Edit1")))
        << key(QStringLiteral("Sélectionne tout le nom"), W7, Qt::Key_A, Qt::ControlModifier)
        << key(QStringLiteral("Efface le nom"), W7, Qt::Key_Backspace)
        << type(QStringLiteral("Tape le nom : textes"), on(W7, QStringLiteral("Edit1")), NewFolderName)
        << key(QStringLiteral("Appuie sur Entrée"), W7, Qt::Key_Return)
        << drag(QStringLiteral("Glisse Licence.txt sur le dossier textes"),
                at(W8, LicencePress.translated(W8zs1.topLeft())), at(W8, TextesInList.translated(W8zs1.topLeft())));
    return run;
}
}

static const Walkthrough::Registrar walkthrough(Competence, steps);
