#include "administration/resultsexport.h"

#include "administration/filechooser.h"
#include "administration/odsexport.h"
#include "administration/xlsxexport.h"
#include "records/competencecatalogue.h"
#include "records/textfile.h"

#include <QFileInfo>

#include <cerrno>

namespace ResultsExport {
namespace {
constexpr char Separator = ';';
const QByteArray LineEnd("\r\n");
const QByteArray ByteOrderMark("\xEF\xBB\xBF");

bool looksLikeFormula(const QString &text)
{
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    return first == QLatin1Char('=') || first == QLatin1Char('+') || first == QLatin1Char('-')
        || first == QLatin1Char('@') || first == QLatin1Char('\t') || first == QLatin1Char('\r');
}

// Appends one cell; plain ASCII that needs neither quotes nor the formula guard
// (dates, codes, most names) goes in without a temporary.
void appendCell(QByteArray *out, const QString &text)
{
    bool plain = !looksLikeFormula(text);
    for (qsizetype i = 0; plain && i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        plain = c >= 0x20 && c < 0x80 && c != Separator && c != '"';
    }
    if (!plain) {
        out->append(csvCell(text));
        return;
    }
    for (const QChar c : text)
        out->append(char(c.unicode()));
}
}

QString fileFilters()
{
    return QStringLiteral("Fichiers CSV (*.csv);;Classeurs OpenDocument (*.ods);;Classeurs XLSX (*.xlsx)");
}

QStringList headerCells()
{
    QStringList cells{QStringLiteral("Nom"), QStringLiteral("Classe"),
                      QStringLiteral("Score sur ") + QString::number(CompetenceCount)};
    for (int n = 1; n <= CompetenceCount; ++n)
        cells << CompetenceCatalogue::row(n).code;
    return cells;
}

Format formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QStringLiteral("ods"), Qt::CaseInsensitive) == 0)
        return Format::OpenDocument;
    if (suffix.compare(QStringLiteral("xlsx"), Qt::CaseInsensitive) == 0)
        return Format::Xlsx;
    return Format::Csv;
}

QString exportedDate(const QString &recordDate)
{
    if (!ClassResults::dateOf(recordDate).isValid())
        return recordDate;
    // "dd/MM/yyyy" -> "yyyy-MM-dd" by moving the characters: the same length.
    QString iso(10, QLatin1Char('-'));
    QChar *out = iso.data();
    const QChar *in = recordDate.constData();
    for (int i = 0; i < 4; ++i)
        out[i] = in[6 + i];
    out[5] = in[3];
    out[6] = in[4];
    out[8] = in[0];
    out[9] = in[1];
    return iso;
}

QByteArray csvCell(const QString &text)
{
    QByteArray cell = (looksLikeFormula(text) ? QLatin1Char('\'') + text : text).toUtf8();
    if (cell.contains(Separator) || cell.contains('"') || cell.contains('\r') || cell.contains('\n')) {
        cell.replace("\"", "\"\"");
        cell = '"' + cell + '"';
    }
    return cell;
}

QByteArray csvBytes(const QList<SheetRow> &sheet)
{
    QByteArray out = ByteOrderMark;
    out.reserve(256 + sheet.size() * (40 + CompetenceCount * 4));
    for (const SheetRow &row : sheet) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                out.append(Separator);
            const SheetCell &cell = row.at(i);
            switch (cell.kind) {
            case SheetCell::Empty:
                break;
            case SheetCell::Text:
                appendCell(&out, cell.text);
                break;
            case SheetCell::Number:   // a decimal comma, as the semicolons ask
                out.append(QByteArray::number(cell.number, 'g', 12).replace('.', ','));
                break;
            case SheetCell::Date:
                appendCell(&out, exportedDate(cell.text));
                break;
            }
        }
        out.append(LineEnd);
    }
    return out;
}

QString defaultFileName(const QStringList &classes, const QDate &date)
{
    const QString joined = FileChooser::safeFileName(classes.join(QLatin1Char('-')));
    QString name = QStringLiteral("resultats-");
    if (!joined.isEmpty())
        name += joined + QLatin1Char('-');
    return name + date.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".csv");
}

IoStatus write(const QString &path, const QList<SheetRow> &sheet)
{
    QByteArray bytes;
    switch (formatOf(path)) {
    case Format::Csv:
        return TextFile::writeAtomically(path, csvBytes(sheet), false);
    case Format::OpenDocument:
        bytes = OdsExport::spreadsheet(sheet);
        break;
    case Format::Xlsx: {
        const IoStatus status = XlsxExport::workbook(sheet, &bytes);
        if (!status)
            return status;
        break;
    }
    }
    if (bytes.isEmpty())   // beyond what a zip without its 64-bit extension holds
        return IoStatus::failure(EFBIG);
    return TextFile::writeAtomically(path, bytes, false);
}
}
