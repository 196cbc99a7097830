#pragma once
#include <QString>
#include <array>
#include <optional>

// The numbers of the spreadsheet formula exercise, without any window: 120 marks in
// 8 columns (A to H) of 15 rows, the three target cells and their formulas, and how
// numbers are written in the cells (decimal comma, whatever the system's locale).
namespace FormulaSheet {

constexpr int Columns = 8;
constexpr int Rows = 15;
constexpr int MarkCount = Columns * Rows;
// Marks by column then row: marks[(column - 1) * Rows + (row - 1)].
using Marks = std::array<double, MarkCount>;

// Marks (r + 6) / 2 with r uniform in 0..74: 3 to 40 in steps of one half.
Marks drawMarks();
double markFor(int r);

enum class Target { Average, Minimum, Maximum };
constexpr int TargetRow = 17;
int targetColumn(Target target);               // 2 (B), 5 (E), 8 (H)
QString nameBoxText(Target target);            // "B 17", "E 17", "H 17"
QString expectedFormula(Target target);        // "=MOYENNE(A1:H15)" ...
// The target a cell stands for, if any.
std::optional<Target> targetAt(int column, int row);
std::optional<Target> targetNamed(const QString &nameBox);

// Upper-cases the ASCII letters a to z only; nothing else changes.
QString upperAscii(const QString &text);
bool accepts(Target target, const QString &typed);

// The shortest general form, 15 significant digits at most, decimal comma.
QString format(double value);
// Reads a cell back with the same separator; an unreadable cell counts 0.
double parse(const QString &text);

// The mean truncated (not rounded) to two decimals: trunc(sum / 1.2) / 100.
double truncatedMean(double sumOfMarks);
}
