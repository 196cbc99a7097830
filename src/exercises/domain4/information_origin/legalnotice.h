#pragma once
#include <QString>
#include <QStringList>

class QTextEdit;
class QWidget;

// The ministry site's legal notice, shown on its legal-information page.
namespace LegalNotice {

// The text, one paragraph a line.
const QStringList &lines();
// The fourteen section headings (bold blue) and the four link-like terms (underlined).
const QStringList &headings();
const QStringList &linkTerms();
// The whole text as stored, each line break written as CR LF.
QString storedText();
// Fills the field with the text, headings in bold blue and the link-like terms
// underlined in the desktop's colour.
void fill(QTextEdit *edit);
// The legal page's read-only field ("RichEdit1"), filled and placed in its window.
QTextEdit *makeField(QWidget *parent);
// Where the webmaster's address starts in the stored text (a line break counts two).
int webmasterOffset();
}
