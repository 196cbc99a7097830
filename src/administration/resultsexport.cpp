#include "administration/resultsexport.h"

#include "administration/filechooser.h"
#include "records/competencecatalogue.h"
#include "records/textfile.h"

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

void appendLine(QByteArray *out, const QList<QByteArray> &cells)
{
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out->append(Separator);
        out->append(cells.at(i));
    }
    out->append(LineEnd);
}
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

QByteArray csvBytes(const QList<PupilResults> &rows)
{
    QByteArray out = ByteOrderMark;
    out.reserve(64 + rows.size() * (32 + CompetenceCount * 11));
    QList<QByteArray> cells{csvCell(QStringLiteral("Nom")), csvCell(QStringLiteral("Classe")),
                            csvCell(QStringLiteral("Score sur 29"))};
    for (int n = 1; n <= CompetenceCount; ++n)
        cells << csvCell(CompetenceCatalogue::row(n).code);
    appendLine(&out, cells);
    for (const PupilResults &row : rows) {
        cells = {csvCell(row.name), csvCell(row.className), QByteArray::number(row.score())};
        for (const CompetenceResult &result : row.results)
            cells << (result.acquired ? csvCell(result.date) : QByteArray());
        appendLine(&out, cells);
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

IoStatus write(const QString &path, const QList<PupilResults> &rows)
{
    return TextFile::writeAtomically(path, csvBytes(rows), false);
}
}
