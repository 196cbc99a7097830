#include "exercises/domain2/charter/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace CharterLayout;

namespace {
const QString Window = QStringLiteral("Texercice7v3");

// The perfect run: each statement answered right as it opens, "vrai" or "faux".
// A wrong answer would use up its row; the pupil's harmless slip is a click on the
// statement itself, which answers nothing.
Steps steps()
{
    Steps run{click(QStringLiteral("Clique sur la phrase au lieu d'un bouton"),
                    on(Window, QString::fromLatin1(Rows[0].statementName)))
                  .asMistake()};
    for (int k = 0; k < 10; ++k) {
        const Row &row = Rows[k];
        const QString answer = row.answerIsTrue ? TrueText : FalseText;
        run << click(QStringLiteral("Phrase %1 : clique sur '%2'").arg(k + 1).arg(answer),
                     on(Window, QString::fromLatin1(row.answerIsTrue ? row.trueName : row.falseName)));
    }
    return run;
}
}

static const Walkthrough::Registrar walkthrough(CharterLayout::Competence, steps);
