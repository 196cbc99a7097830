#include "exercises/domain3/find_replace/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;

namespace {
const QString Window = QStringLiteral("Texercice15v3");
const QString Tool = QStringLiteral("TUrechercherv3");
// A check box's square, at the left of its caption.
constexpr QRect Tick(0, 0, 16, 22);

// A field of the tool holds its own name: the pupil selects it all, deletes it and types the new text.
Steps retype(const QString &name, const QString &field, const QString &text)
{
    return {
        click(name, on(Tool, field)),
        key(name, Tool, Qt::Key_A, Qt::ControlModifier),
        key(name, Tool, Qt::Key_Delete),
        type(name, on(Tool, field), text),
    };
}

// The perfect run: the binoculars, "Police" replaced by itself with the case
// respected and whole words only, then "Remplacer tout".
Steps steps()
{
    Steps run{
        click(QStringLiteral("Clique sur les jumelles"), at(Window, FindReplaceLayout::zs1)),
        click(QStringLiteral("Remplace tout sans rien régler"), on(Tool, QStringLiteral("Button4"))).asMistake(),
    };
    run += retype(QStringLiteral("Tape le mot à rechercher : Police"), QStringLiteral("Edit1"),
                  QStringLiteral("Police"));
    run += retype(QStringLiteral("Tape le mot qui le remplace : Police"), QStringLiteral("Edit2"),
                  QStringLiteral("Police"));
    run += {
        click(QStringLiteral("Coche 'Respecter la casse'"), on(Tool, QStringLiteral("CheckBox1"), Tick)),
        click(QStringLiteral("Coche 'Mots entiers uniquement'"), on(Tool, QStringLiteral("CheckBox2"), Tick)),
        click(QStringLiteral("Clique sur 'Remplacer tout'"), on(Tool, QStringLiteral("Button4"))),
    };
    return run;
}
}

static const Walkthrough::Registrar walkthrough(FindReplaceLayout::Competence, steps);
