#include "administration/progressionsheet.h"

#include "administration/filechooser.h"
#include "administration/printing.h"
#include "records/recordstore.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace ProgressionSheet {
namespace {
constexpr int BodyPointSize = 10;
constexpr int TitlePointSize = 14;

void addLine(QTextCursor &cursor, const QString &text, Qt::Alignment alignment, int pointSize = BodyPointSize)
{
    QTextBlockFormat block;
    block.setAlignment(alignment);
    QTextCharFormat chars;
    chars.setFontPointSize(pointSize);
    if (!cursor.atStart())
        cursor.insertBlock(block, chars);
    else {
        cursor.setBlockFormat(block);
        cursor.setBlockCharFormat(chars);
    }
    cursor.insertText(text, chars);
}
}

void append(QTextCursor &cursor, const Sheet &sheet)
{
    const QString &pupilName = sheet.pupilName;
    const int score = sheet.score;
    const QStringList &rowTexts = sheet.rowTexts;
    const Qt::Alignment centre = Qt::AlignHCenter;
    const bool first = cursor.atStart();
    addLine(cursor, QStringLiteral("Exercices réussis par l'élève ") + pupilName, centre, TitlePointSize);
    if (!first) {   // every sheet on its own page
        QTextBlockFormat format = cursor.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.setBlockFormat(format);
    }
    addLine(cursor, QString(), centre);
    addLine(cursor, QStringLiteral("score : ") + QString::number(score) + QStringLiteral(" / ")
                        + QString::number(CompetenceCount), centre);
    addLine(cursor, QString(), centre);
    addLine(cursor, QString(), centre);
    addLine(cursor, QStringLiteral("Tavelo ne permet en aucun cas de délivrer le Qib !"), centre);
    addLine(cursor, QStringLiteral("Les 29 exercices proposés permettent seulement aux élèves de s'entraîner !"), centre);
    addLine(cursor, QString(), centre);
    addLine(cursor, QString(), centre);
    for (int n = 1; n <= CompetenceCount; ++n)
        addLine(cursor, QStringLiteral("Exercice ") + QString::number(n) + QLatin1Char(' ') + rowTexts.value(n - 1),
                Qt::AlignLeft);
}

void build(QTextDocument *document, const QString &pupilName, int score, const QStringList &rowTexts)
{
    document->clear();
    QTextCursor cursor(document);
    append(cursor, Sheet{pupilName, score, rowTexts});
}

QString jobTitle() { return QStringLiteral("feuille position"); }

QString pdfFileName(const QString &pupilName)
{
    return QStringLiteral("progression-") + FileChooser::safeFileName(pupilName) + QStringLiteral(".pdf");
}

void print(const QTextDocument &document, const QString &pupilName, QWidget *parent)
{
    Printing::printOrSave(Printing::Job{&document, {}, jobTitle()}, QStringLiteral("la feuille"),
                          pdfFileName(pupilName), parent);
}

void buildAll(QTextDocument *document, const QList<Sheet> &sheets)
{
    document->clear();
    QTextCursor cursor(document);
    for (const Sheet &sheet : sheets)
        append(cursor, sheet);
}
}
