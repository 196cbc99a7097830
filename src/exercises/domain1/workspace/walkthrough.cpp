#include "exercises/domain1/workspace/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace WorkspaceLayout;

namespace {
const QString Window = QStringLiteral("Texercice2v3");

// The perfect run: the spreadsheet opened through the start menu and closed, then
// each of the seven questions answered by a double click on the first icon that fits.
Steps steps()
{
    // A wrong answer would move the quiz on: the mistake is a click beside the start button.
    Steps run{
        click(QStringLiteral("Clique sur la barre des tâches"), at(Window, Shape4)).asMistake(),
        click(QStringLiteral("Clique sur le bouton Démarrer"), on(Window, QStringLiteral("Shape1"))),
        hover(QStringLiteral("Monte dans le menu Démarrer"), on(Window, QStringLiteral("Shape3"))),
        click(QStringLiteral("Clique sur « Tous les programmes »"), on(Window, QStringLiteral("Shape2"))),
        click(QStringLiteral("Ouvre le dossier de la suite bureautique"), on(Window, QStringLiteral("Shape6"))),
        click(QStringLiteral("Lance le tableur"), on(Window, QStringLiteral("Shape7"))),
        click(QStringLiteral("Ferme le tableur"), at(Window, QRect(Image6.right() - 18, Image6.top() + 14, 4, 4))),
    };
    for (int question = 1; question <= 7; ++question) {
        for (int i = 0; i < 21; ++i) {
            if (Icons[i].answers != question)
                continue;
            run << doubleClick(QStringLiteral("Double-clique sur « %1 »").arg(QString::fromUtf8(Icons[i].caption)),
                               at(Window, iconRect(i)));
            break;
        }
    }
    return run;
}
}

static const Walkthrough::Registrar walkthrough(WorkspaceLayout::Competence, steps);
