#include "exercises/domain3/spreadsheet_formula/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
namespace L = SpreadsheetFormulaLayout;

namespace {
const QString Window = QStringLiteral("Texercice25");
// Row 17 of the sheet holds the three results, in columns B, E and H.
constexpr int ResultRow = 17;
constexpr int AverageColumn = 2;
constexpr int MinimumColumn = 5;
constexpr int MaximumColumn = 8;

// A cell of the grid (column 0 and row 0 are the headers), in the grid's pixels:
// while the error shows, the shield over the window covers it.
Target cell(int column, int row)
{
    return on(Window, QStringLiteral("t"), QRect(column * L::ColumnWidth, row * L::RowHeight, L::ColumnWidth, L::RowHeight));
}

// A double click on the result's cell opens the formula bar; the formula typed
// there is validated by Enter.
Steps formula(const QString &cellName, int column, const QString &text)
{
    return {
        doubleClick(QStringLiteral("Double-clique sur la case ") + cellName, cell(column, ResultRow))
            .waitingUpTo(2 * L::ErrorPauseMs),
        type(QStringLiteral("Tape la formule ") + text, on(Window, QStringLiteral("Edit2")), text)
            .waitingUpTo(2 * L::ErrorPauseMs),
        key(QStringLiteral("Valide par Entrée"), Window, Qt::Key_Return),
    };
}

// The perfect run: the average, the minimum and the maximum of the marks, then
// the window's own success button.
Steps steps()
{
    Steps run{
        doubleClick(QStringLiteral("Double-clique sur la case E17"), cell(MinimumColumn, ResultRow)).asMistake(),
        key(QStringLiteral("Valide sans formule"), Window, Qt::Key_Return).asMistake(),
    };
    run += formula(QStringLiteral("B17"), AverageColumn, QStringLiteral("=moyenne(A1:H15)"));
    run += formula(QStringLiteral("E17"), MinimumColumn, QStringLiteral("=min(A1:H15)"));
    run += formula(QStringLiteral("H17"), MaximumColumn, QStringLiteral("=max(A1:H15)"));
    run += click(QStringLiteral("Clique sur 'Exercice réussi.'"), on(Window, QStringLiteral("Button1")));
    return run;
}
}

static const Walkthrough::Registrar walkthrough(L::Competence, steps);
