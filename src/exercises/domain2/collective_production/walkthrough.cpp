#include "exercises/domain2/collective_production/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace CollectiveLayout;

namespace {
const QString Sentence = QStringLiteral("Texercice13v3");
const QString Home = QStringLiteral("Texercice13v3a");
const QString Private = QStringLiteral("Texercice13v3c");
const QString Editor = QStringLiteral("Texercice13v3d");
const QString Article = QStringLiteral("Texercice13v3e");

// The sentence's lists open on two rows: a word further down is reached with the
// arrow keys in the open list, then taken with Entrée.
constexpr int RowsInSight = 2;
const QRect ListArrow{SentenceListSize.width() - 12, 4, 8, SentenceListSize.height() - 8};

// The list opened by a click, then the word taken with the arrow keys and Entrée.
void chooseByKeys(Steps &run, const Target &list, const QString &word, int row)
{
    run << click(QStringLiteral("Ouvre la liste"), list);
    // The open list takes the focus on its first row: each arrow goes one row down.
    for (int k = 0; k < row; ++k)
        run << key(QStringLiteral("Descends dans la liste jusqu'à '%1'").arg(word), Sentence, Qt::Key_Down);
    run << key(QStringLiteral("Choisis '%1' avec Entrée").arg(word), Sentence, Qt::Key_Return);
}

void chooseWord(Steps &run, int list)
{
    const Target combo = on(Sentence, QStringLiteral("ComboBox%1").arg(list + 1), ListArrow);
    const QString word = SentenceAnswers[list];
    const int row = int(SentenceRows.indexOf(word));
    if (row < RowsInSight)
        run << chooseEntry(QStringLiteral("Choisis '%1' dans la liste").arg(word), combo, word);
    else
        chooseByKeys(run, combo, word, row);
}

// The perfect run: the sentence completed, the wikis' definition found; on the
// collaborative site, the private area opened with the account given, a new article
// written and saved, then published; the site then shows the proposed article and
// the exercise ends by itself a few seconds later.
Steps steps()
{
    Steps run{click(QStringLiteral("Valide la phrase sans la compléter"), on(Sentence, QStringLiteral("Button1"))).asMistake()};
    for (int list = 0; list < 4; ++list)
        chooseWord(run, list);
    run << click(QStringLiteral("Clique sur 'Valider'"), on(Sentence, QStringLiteral("Button1")));
    // This list opens over itself, under the pointer: a click at once on a row would
    // only close it again; the keys choose.
    chooseByKeys(run, on(Sentence, QStringLiteral("ComboBoxEx1")), Wikis, 0);
    run << click(QStringLiteral("Clique sur 'Valider'"), on(Sentence, QStringLiteral("Button2")))
        << click(QStringLiteral("Clique sur '%1'").arg(PrivateAreaText), at(Home, PrivateLink))
        << type(QStringLiteral("Tape le login"), on(Home, QStringLiteral("Edit1")), Account)
        << type(QStringLiteral("Tape le mot de passe"), on(Home, QStringLiteral("Edit2")), Password)
        << click(QStringLiteral("Clique sur 'Valider'"), at(Home, LoginButton))
        << click(QStringLiteral("Ouvre la rubrique '%1'").arg(RubricName), at(Private, RubricLink))
        << click(QStringLiteral("Clique sur 'Écrire un nouvel article'"), at(Private, NewArticleButton))
        << type(QStringLiteral("Tape le titre"), on(Editor, QStringLiteral("Edit1")), ArticleTitle)
        << type(QStringLiteral("Tape le texte de l'article"), on(Editor, QStringLiteral("Edit2")), ArticleText)
        << click(QStringLiteral("Clique sur 'Enregistrer'"), at(Editor, SaveButton))
        << click(QStringLiteral("Clique sur 'Demander la publication de cet article'"), at(Article, PublishButton));
    return run;
}
}

static const Walkthrough::Registrar walkthrough(CollectiveLayout::Competence, steps);
