#include "exercises/domain4/search_engine/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace SearchEngineLayout;

namespace {
const QString Quiz = QStringLiteral("Texercice23v3");
const QString Home = QStringLiteral("Texercice23v3b");
const QString Results = QStringLiteral("Texercice23v3c");
const QString Advanced = QStringLiteral("Texercice23v3d");

constexpr int ArrowWidth = 16;   // a drop-down's arrow button
const QString Query = QStringLiteral("bateaux à voile");

// The quiz's right answers, question by question: the drop-downs in order, the
// "vrai" / "faux" pairs numbered BitBtn1 / BitBtn2, BitBtn3 / BitBtn4, ...
void answerQuiz(Steps &run)
{
    int combos = 0;
    int pairs = 0;
    for (const Question &q : Questions) {
        const QString name = QStringLiteral("Réponds : ") + QString::fromUtf8(q.text).left(60);
        const QString right = QString::fromUtf8(q.right);
        if (q.kind == Answer::Choice) {
            // Opened by its arrow: the list's first entry then lies away from the click.
            const QRect arrow(q.control.width() - ArrowWidth, 0, ArrowWidth, q.control.height());
            run << chooseEntry(name, on(Quiz, QStringLiteral("ComboBoxEx%1").arg(++combos), arrow), right);
        } else {
            const int button = 2 * pairs++ + (right == QStringLiteral("vrai") ? 1 : 2);
            run << click(name, on(Quiz, QStringLiteral("BitBtn%1").arg(button)));
        }
    }
}

// The perfect run: the quiz, then the search limited to France, then the advanced
// search that leaves out the pages about religion.
Steps steps()
{
    Steps run;
    answerQuiz(run);
    run << click(QStringLiteral("Clique sur 'J'ai de la chance'"), at(Home, HomeLucky)).asMistake()
        << type(QStringLiteral("Tape les mots clés"), on(Home, QStringLiteral("Edit1")), Query)
        << click(QStringLiteral("Choisis 'France'"), on(Home, QStringLiteral("RadioButton1")))
        << click(QStringLiteral("Lance la recherche"), at(Home, HomeSearch))
        << click(QStringLiteral("Clique sur 'Recherche avancée'"), at(Results, AdvancedLink))
        << type(QStringLiteral("Tape les mots à écarter"), on(Advanced, QStringLiteral("Edit2")),
                ExcludedWords.join(QLatin1Char(' ')))
        << click(QStringLiteral("Lance la recherche avancée"), at(Advanced, FormSearch));
    return run;
}
}

static const Walkthrough::Registrar walkthrough(Competence, steps);
