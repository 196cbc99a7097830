#include "administration/progressionsheet.h"

#include "administration/filechooser.h"
#include "administration/printing.h"
#include "records/recordstore.h"
#include "widgets/messagebox.h"

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

void build(QTextDocument *document, const QString &pupilName, int score, const QStringList &rowTexts)
{
    document->clear();
    QTextCursor cursor(document);
    const Qt::Alignment centre = Qt::AlignHCenter;
    addLine(cursor, QStringLiteral("Exercices réussis par l'élève ") + pupilName, centre, TitlePointSize);
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

QString jobTitle() { return QStringLiteral("feuille position"); }

namespace {
// Offered when no printer is installed: the same sheet, written at once to the
// file the teacher chooses.
void offerPdf(const QTextDocument &document, const QString &pupilName, QWidget *parent)
{
    if (!MessageBox::confirm(Printing::noPrinterMessage()
                                 + QStringLiteral("\n\nVoulez-vous enregistrer la feuille dans un fichier PDF ?"),
                             parent))
        return;
    Printing::savePdf(parent, pdfFileName(pupilName), Printing::pdfBytes(document, jobTitle()));
}
}

QString pdfFileName(const QString &pupilName)
{
    return QStringLiteral("progression-") + FileChooser::safeFileName(pupilName) + QStringLiteral(".pdf");
}

void print(const QTextDocument &document, const QString &pupilName, QWidget *parent)
{
    switch (Printing::target().print(document, jobTitle())) {
    case Printing::Outcome::Printed:
        break;
    case Printing::Outcome::NoDefaultPrinter:
        offerPdf(document, pupilName, parent);
        break;
    case Printing::Outcome::Failed:
        MessageBox::error(Printing::failureMessage(), parent);
        break;
    }
}
}
