#include "exercises/domain2/document_rights/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace DocumentRightsLayout;

namespace {
const QString Window = QStringLiteral("Texercice9v3");

// The perfect run: the right disc for each of the nine questions. After a right
// "ça dépend !" the discs are greyed while the justification is read, so the next
// answer waits for them. A wrong disc would use up its question; the pupil's
// harmless slip is a click on the question's text.
Steps steps()
{
    Steps run{click(QStringLiteral("Clique sur le texte de la question"), at(Window, Memo2)).asMistake()};
    bool afterJustification = false;
    for (int k = 0; k < 9; ++k) {
        const Choice &choice = Choices[Questions[k].right];
        Step step = click(QStringLiteral("Question %1 : clique sur '%2'").arg(k + 1).arg(choice.text),
                          on(Window, QString::fromLatin1(choice.hotSpot)));
        run << (afterJustification ? step.waitingUpTo(JustificationMs + 2000) : step);
        afterJustification = Questions[k].right == Depends;
    }
    return run;
}
}

static const Walkthrough::Registrar walkthrough(DocumentRightsLayout::Competence, steps);
