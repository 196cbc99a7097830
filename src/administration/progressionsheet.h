#pragma once
#include <QString>
#include <QStringList>

class QTextCursor;
class QTextDocument;
class QWidget;

// The pupil's progression sheet: a title with his name, his score, the notice
// that the training delivers no certificate, then one line per exercise.
namespace ProgressionSheet {

struct Sheet
{
    QString pupilName;
    int score = 0;
    QStringList rowTexts;   // the 29 result labels as the console shows them
};

void append(QTextCursor &cursor, const Sheet &sheet);

// rowTexts: the 29 result labels as the console shows them.
void build(QTextDocument *document, const QString &pupilName, int score, const QStringList &rowTexts);

QString jobTitle();   // "feuille position"

// The sheets one after the other, each starting a new page.
void buildAll(QTextDocument *document, const QList<Sheet> &sheets);

// Prints on the default printer, without dialog. When there is none, the box that
// says so offers to save the sheet as a PDF file instead, named after the pupil.
void print(const QTextDocument &document, const QString &pupilName, QWidget *parent);

// "progression-<name>.pdf", fit for a file name.
QString pdfFileName(const QString &pupilName);
}
