#include "exercises/domain3/chart/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
namespace L = ChartLayout;

namespace {
const QString Window = QStringLiteral("Texercice18v3");
constexpr int TickWidth = 16;   // a check box's square, at the left of its caption

// A cell of the sheet (column 0 and row 0 are the headers), in client pixels.
Target cell(int column, int row)
{
    int left = L::StringGrid1.left() + L::HeaderWidth;
    for (int c = 1; c < column; ++c)
        left += L::columnWidth(c);
    const int width = column == 0 ? L::HeaderWidth : L::columnWidth(column);
    return at(Window, QRect(column == 0 ? L::StringGrid1.left() : left, L::StringGrid1.top() + row * L::RowHeight,
                            width, L::RowHeight));
}
Target page(const QRect &inPageRect)
{
    return at(Window, L::inPage(inPageRect));
}
Step tick(const QString &name, const QRect &boxInPage)
{
    return click(name, page(QRect(boxInPage.topLeft(), QSize(TickWidth, boxInPage.height()))));
}
// A title field holds its placeholder: the pupil selects it all, deletes it and types the new text.
Steps retype(const QString &name, const QString &field, const QString &text)
{
    return {
        click(name, on(Window, field)),
        key(name, Window, Qt::Key_A, Qt::ControlModifier),
        key(name, Window, Qt::Key_Delete),
        type(name, on(Window, field), text),
    };
}
// A column of the table typed from its top cell down, each text ended by Enter.
Steps column(int column, const QStringList &texts)
{
    Steps run;
    for (int i = 0; i < texts.size(); ++i) {
        run += type(QStringLiteral("Tape '%1' dans la cellule").arg(texts.at(i)), cell(column, L::TableTop + i),
                    texts.at(i));
        run += key(QStringLiteral("Valide par Entrée"), Window, Qt::Key_Return);
    }
    return run;
}

// The perfect run: the table typed in A5:B8, the range selected, the chart
// wizard's three pages filled, then "Créer".
Steps steps()
{
    Steps run = column(1, L::Components) + column(2, L::Quantities);
    run += {
        drag(QStringLiteral("Sélectionne la plage A5:B8"), cell(1, L::TableTop),
             cell(2, L::TableTop + int(L::Quantities.size()) - 1)),
        click(QStringLiteral("Clique sur l'icône du diagramme"), at(Window, L::zs3)),
        tick(QStringLiteral("Coche 'Première colonne comme étiquette'"), L::CheckBox2InPage),
        click(QStringLiteral("Clique sur 'Suivant'"), page(L::NextButton)),
        click(QStringLiteral("Choisis un autre type de diagramme"), page(L::typeZone(0))).asMistake(),
        click(QStringLiteral("Choisis le diagramme en colonnes"), page(L::typeZone(L::ColumnType))),
        tick(QStringLiteral("Coche 'Titre'"), L::CheckBox3InPage),
    };
    run += retype(QStringLiteral("Tape le titre principal"), QStringLiteral("Edit4"), L::MainTitle);
    run += tick(QStringLiteral("Coche 'Axe X'"), L::CheckBox5InPage);
    run += retype(QStringLiteral("Tape le titre de l'axe X"), QStringLiteral("Edit5"), L::XTitle);
    run += tick(QStringLiteral("Coche 'Axe Y'"), L::CheckBox6InPage);
    run += retype(QStringLiteral("Tape le titre de l'axe Y"), QStringLiteral("Edit6"), L::YTitle);
    run += {
        tick(QStringLiteral("Coche l'axe Y à afficher"), L::CheckBox8InPage),
        click(QStringLiteral("Clique sur 'Créer'"), page(L::CreateButton)),
    };
    return run;
}
}

static const Walkthrough::Registrar walkthrough(L::Competence, steps);
