#include "exercises/domain4/library_catalogue/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace LibraryCatalogueLayout;

namespace {
const QString Desktop = QStringLiteral("Texercice21v3");
const QString Thematic = QStringLiteral("Texercice21v3a");
const QString Criteria = QStringLiteral("Texercice21v3b");
const QString Results = QStringLiteral("Texercice21v3d");
const QString Record = QStringLiteral("Texercice21v3e");

QString checkBox(int number)
{
    return QStringLiteral("CheckBox%1").arg(number);
}

// The perfect run: the catalogue started from the desktop, the novel found by its
// title and its author clicked, then the documentary books on transports searched
// by theme and their number given.
Steps steps()
{
    return {
        doubleClick(QStringLiteral("Lance le logiciel depuis le bureau"), at(Desktop, DesktopIcon)),
        click(QStringLiteral("Clique sur les onglets de la recherche thématique"), at(Thematic, ThematicSubTabs))
            .asMistake(),
        click(QStringLiteral("Ouvre l'onglet 'Recherche par critères'"), at(Thematic, ThematicToCriteria)),
        type(QStringLiteral("Tape le titre du roman"), on(Criteria, QStringLiteral("Edit1")), NovelShownTitle),
        click(QStringLiteral("Lance la recherche"), at(Criteria, CriteriaSearch)),
        click(QStringLiteral("Clique sur le nom de l'auteur"), at(Record, RecordAuthor)),
        click(QStringLiteral("Ouvre l'onglet 'Recherche thématique'"), at(Criteria, CriteriaToThematic)),
        click(QStringLiteral("Ouvre les restrictions"), at(Thematic, RestrictionsButton)),
        click(QStringLiteral("Coche 'Documentaire'"), on(Thematic, checkBox(DocumentaryBox))),
        click(QStringLiteral("Coche 'Livre'"), on(Thematic, checkBox(BookBox))),
        type(QStringLiteral("Tape le sujet"), on(Thematic, QStringLiteral("Edit1")), SubjectPlural),
        click(QStringLiteral("Lance la recherche"), at(Thematic, ThematicSearch)),
        type(QStringLiteral("Tape le nombre de livres"), on(Results, QStringLiteral("Edit1")), ResultCount),
        click(QStringLiteral("Valide ta réponse"), on(Results, QStringLiteral("Button1"))),
    };
}
}

static const Walkthrough::Registrar walkthrough(Competence, steps);
