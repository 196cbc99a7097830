#include "exercises/domain5/communication_tools/layout.h"
#include "exercises/domain5/communication_tools/quiz.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using CommunicationQuiz::Question;

namespace {
const QString FirstPage = QStringLiteral("Texercice26v3");
const QString SecondPage = QStringLiteral("Texercice26v3b");
constexpr int ArrowWidth = 16;   // a drop-down's arrow button

// The right answers of one page, question by question: a drop-down's entry, or the
// "vrai" / "faux" button of a pair (the "vrai" buttons come first, then the "faux").
void answerPage(Steps &run, const QString &window, const QList<Question> &questions)
{
    using CommunicationToolsLayout::ComboSize;
    constexpr int Pairs = 4;
    int combos = 0;
    int pairs = 0;
    for (const Question &q : questions) {
        const QString name = QStringLiteral("Réponds : ") + q.text.left(60);
        if (q.isChoice()) {
            // Opened by its arrow: the list's entry then never lies under the opening click.
            const QRect arrow(ComboSize.width() - ArrowWidth, 0, ArrowWidth, ComboSize.height());
            run << chooseEntry(name, on(window, QStringLiteral("ComboBoxEx%1").arg(++combos), arrow), q.answer);
        } else {
            const int number = ++pairs + (q.answer == CommunicationToolsLayout::TrueText ? 0 : Pairs);
            run << click(name, on(window, QStringLiteral("BitBtn%1").arg(number)));
        }
    }
}

// The perfect run: the eight right answers, "Suite", then the eight of the second page.
Steps steps()
{
    Steps run;
    // A click on a heading's picture answers nothing.
    run << click(QStringLiteral("Clique sur l'image 'Services'"),
                 at(FirstPage, CommunicationToolsLayout::headingRect(0)))
               .asMistake();
    answerPage(run, FirstPage, CommunicationQuiz::firstPage());
    run << click(QStringLiteral("Clique sur le bouton Suite"), on(FirstPage, QStringLiteral("Suite")));
    answerPage(run, SecondPage, CommunicationQuiz::secondPage());
    return run;
}
}

static const Walkthrough::Registrar walkthrough(CommunicationToolsLayout::Competence, steps);
