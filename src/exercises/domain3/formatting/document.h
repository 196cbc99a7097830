#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <Qt>

class QTextDocument;
class QTextEdit;

// The document of the formatting exercise: its source lines, the formatted model,
// and the two checks made on the pupil's pages.
namespace FormattingDocument {

// The six lines of page 1, plain text in the page's default font.
const QStringList &sourceLines();

// The editors' font: Times New Roman, 12 points.
QFont pageFont();

// Clears the editor and writes the six source lines in its default font.
void fillSource(QTextEdit *editor);
// Clears the editor and writes the formatted model line by line.
void fillModel(QTextEdit *editor);
// Keeps 6 pixels between the page's frame and its text on the left and right.
void applyPageMargins(QTextEdit *editor);

// The lines as the editor displays them, wrapped at its width.
QStringList displayedLines(QTextEdit *editor);
// Step 1: the first five displayed lines of both pages are equal, pairwise.
bool sameFirstLines(QTextEdit *page1, QTextEdit *page2, int count = 5);

// What a range of characters must show in step 2.
struct Expected
{
    int offset;          // a line break counts two characters
    int length;
    Qt::Alignment alignment;
    bool bold;
    bool italic;
    bool underline;
    bool red;            // exactly red; otherwise automatic colour or black
};
const QList<Expected> &formatRanges();
inline constexpr const char *ExpectedFamily = "Times New Roman";
inline constexpr qreal ExpectedPointSize = 12;

// The attributes the editor reports for a range as a whole: every character of the
// range is read (the line break that ends a range is not: it shows nothing) and the
// paragraph alignment of every paragraph it touches. 'uniform' is false when they differ.
struct Reading
{
    bool uniform = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    QString family;
    qreal pointSize = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool automaticColour = true;
    QColor colour;
};
Reading readRange(QTextEdit *editor, int offset, int length);
// The attributes at the editor's cursor or of its selection's start, as typing would use them.
Reading readCurrent(QTextEdit *editor);
bool passes(const Reading &reading, const Expected &expected);
// Step 2: the number of ranges that pass; the last range is left selected.
int passedRanges(QTextEdit *editor);
}
