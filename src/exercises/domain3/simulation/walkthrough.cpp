#include "exercises/domain3/simulation/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
namespace L = SimulationLayout;

namespace {
const QString Films = QStringLiteral("Texercice19v3");
const QString Cloze = QStringLiteral("Texercice19v3b");
constexpr int ArrowWidth = 16;   // a list's arrow, at its right end

QString button(int n)
{
    return QStringLiteral("Button%1").arg(n);
}

// A list shows two rows at a time: the pupil opens it by its arrow (it opens on
// its first row), goes down to the row with the keys and takes it with Enter.
Steps choose(int list, const char *answer)
{
    const QString word = QString::fromUtf8(answer);
    Steps run{click(QStringLiteral("Ouvre la liste du trou %1").arg(list + 1),
                    on(Cloze, QStringLiteral("ComboBox%1").arg(list + 1),
                       QRect(L::GapWidth - ArrowWidth, 0, ArrowWidth, L::GapHeight)))};
    for (int row = 0; row < L::GapRows.indexOf(word); ++row)
        run += key(QStringLiteral("Descends jusqu'à '%1'").arg(word), Cloze, Qt::Key_Down);
    run += key(QStringLiteral("Choisis '%1'").arg(word), Cloze, Qt::Key_Return);
    return run;
}

// The perfect run: each film named by its button as it plays, then the five gaps
// filled from their lists and "Valider".
Steps steps()
{
    Steps run;
    for (int i = 0; i < 6; ++i) {
        const int right = L::Films[i].rightButton;
        if (i == 0)
            run += click(QStringLiteral("Clique sur un autre bouton"), on(Films, button(L::Films[1].rightButton)))
                       .asMistake();
        run += click(QStringLiteral("Clique sur '%1'").arg(L::ButtonCaptions[right - 1].trimmed()),
                     on(Films, button(right)));
    }
    for (int gap = 0; gap < 5; ++gap)
        run += choose(gap, L::Gaps[gap].answer);
    run += click(QStringLiteral("Clique sur 'Valider'"), on(Cloze, QStringLiteral("Button1")));
    return run;
}
}

static const Walkthrough::Registrar walkthrough(L::Competence, steps);
