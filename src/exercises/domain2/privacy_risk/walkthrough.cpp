#include "exercises/domain2/privacy_risk/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace PrivacyRiskLayout;

namespace {
const QString Window = QStringLiteral("Texercice8v3");

// The perfect run: for each of the ten situations, the right sign. A wrong sign
// would use up its question; the pupil's harmless slip is a click on the
// situation's text.
Steps steps()
{
    Steps run{click(QStringLiteral("Clique sur le texte de la situation"), at(Window, Memo2)).asMistake()};
    for (int k = 0; k < 10; ++k) {
        const bool danger = Questions[k].right == Danger;
        run << click(danger ? QStringLiteral("Question %1 : clique sur le panneau 'DANGER'").arg(k + 1)
                            : QStringLiteral("Question %1 : clique sur le panneau 'Risque' barré").arg(k + 1),
                     at(Window, danger ? Image3 : Image4));
    }
    return run;
}
}

static const Walkthrough::Registrar walkthrough(PrivacyRiskLayout::Competence, steps);
