#include "administration/classresults.h"

#include "records/cp1252.h"
#include "records/textfile.h"

#include <QByteArrayView>
#include <QCollator>
#include <QLocale>
#include <algorithm>

int PupilResults::score() const
{
    return int(std::count_if(results.begin(), results.end(), [](const CompetenceResult &r) { return r.acquired; }));
}

namespace ClassResults {

namespace {
constexpr int HeaderLines = 4;      // "nom", name, digest, class
constexpr int LinesPerGroup = 4;    // label, status, date, validator
constexpr int LinesRead = HeaderLines + LinesPerGroup * CompetenceCount;

// One record read straight from its bytes, with what the store's whole read gives
// (lines ended by CR LF, LF or a lone CR; groups by position; a line past the end
// is empty), but without building a string for each of its lines: the class
// view and the export read hundreds of records at once.
// The texts last read, per line of a group: the pupils of a class mostly share
// their validators and many dates, and a text equal to the last one is shared
// instead of decoded again.
struct LastTexts
{
    std::array<QString, CompetenceCount> dates, validators;
};

bool sameAscii(QByteArrayView bytes, const QString &text)
{
    if (bytes.size() != text.size())
        return false;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (uchar(bytes[i]) >= 0x80 || text.at(i).unicode() != uchar(bytes[i]))
            return false;
    return true;
}

QString decoded(QByteArrayView line)
{
    return line.isEmpty() ? QString() : Cp1252::decode(QByteArray::fromRawData(line.data(), line.size()));
}

QString decodedOrLast(QByteArrayView line, QString *last)
{
    if (line.isEmpty())
        return QString();
    if (!sameAscii(line, *last))
        *last = decoded(line);
    return *last;
}

IoStatus readPupil(const QString &recordName, PupilResults *pupil, LastTexts *last)
{
    QByteArray bytes;
    const IoStatus status = TextFile::readBytes(RecordStore::recordPath(recordName), &bytes, TextFile::Links::WithinFolder);
    if (!status)
        return status;
    std::array<QByteArrayView, LinesRead> lines{};
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    int count = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < size && count < LinesRead; ++i) {
        if (data[i] != '\r' && data[i] != '\n')
            continue;
        lines[count++] = QByteArrayView(data + start, i - start);
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (count < LinesRead && start < size)
        lines[count++] = QByteArrayView(data + start, size - start);
    pupil->recordName = recordName;
    pupil->name = lines[1].isEmpty() ? recordName : decoded(lines[1]);
    pupil->className = decoded(lines[3]);
    for (int n = 1; n <= CompetenceCount; ++n) {
        const int label = HeaderLines + LinesPerGroup * (n - 1);
        pupil->results[n - 1] = CompetenceResult{n, lines[label + 1] == QByteArrayView("oui"),
                                                 decodedOrLast(lines[label + 2], &last->dates[n - 1]),
                                                 decodedOrLast(lines[label + 3], &last->validators[n - 1])};
    }
    return status;
}
}

IoStatus read(const QStringList &pupils, QList<PupilResults> *rows)
{
    rows->clear();
    QList<PupilResults> read(pupils.size());
    LastTexts last;
    for (qsizetype i = 0; i < pupils.size(); ++i) {
        const IoStatus status = readPupil(pupils.at(i), &read[i], &last);
        if (!status)
            return status;
    }
    *rows = std::move(read);
    return IoStatus::success();
}

Counts acquiredCounts(const QList<PupilResults> &rows)
{
    Counts counts{};
    for (const PupilResults &row : rows)
        for (int i = 0; i < CompetenceCount; ++i)
            counts[i] += row.results[i].acquired ? 1 : 0;
    return counts;
}

QDate dateOf(const QString &recordDate)
{
    if (recordDate.size() != 10 || recordDate.at(2) != QLatin1Char('/') || recordDate.at(5) != QLatin1Char('/'))
        return QDate();
    const auto number = [&recordDate](int from, int length) {
        int value = 0;
        for (int i = from; i < from + length; ++i) {
            const char16_t c = recordDate.at(i).unicode();
            if (c < '0' || c > '9')
                return -1;
            value = value * 10 + (c - '0');
        }
        return value;
    };
    const int day = number(0, 2), month = number(3, 2), year = number(6, 4);
    if (day < 0 || month < 0 || year < 0)
        return QDate();
    return QDate(year, month, day);   // invalid for 31/02
}

namespace {
// -1, 0 or 1 as the competence of column 'column' orders a before b.
int compareCompetence(const CompetenceResult &a, const CompetenceResult &b)
{
    if (a.acquired != b.acquired)
        return a.acquired ? 1 : -1;
    if (!a.acquired)
        return 0;
    const QDate da = dateOf(a.date);
    const QDate db = dateOf(b.date);
    if (da != db)   // an unreadable date counts as the earliest
        return (!da.isValid() || (db.isValid() && da < db)) ? -1 : 1;
    return 0;
}
}

void sort(QList<PupilResults> *rows, int column, Qt::SortOrder order)
{
    QCollator collator{QLocale(QLocale::French, QLocale::France)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);   // "6B" before "6C", "Léa 2" before "Léa 10"
    const auto byName = [&collator](const PupilResults &a, const PupilResults &b) {
        return collator.compare(a.name, b.name);
    };
    const auto key = [&](const PupilResults &a, const PupilResults &b) -> int {
        switch (column) {
        case NameColumn:
            return byName(a, b);
        case ClassColumn:
            return collator.compare(a.className, b.className);
        case ScoreColumn:
            return a.score() - b.score();
        default:
            if (column >= FirstCompetenceColumn && column < ColumnCount) {
                const int i = column - FirstCompetenceColumn;
                return compareCompetence(a.results[i], b.results[i]);
            }
            return 0;
        }
    };
    std::stable_sort(rows->begin(), rows->end(), [&](const PupilResults &a, const PupilResults &b) {
        int c = key(a, b);
        if (order == Qt::DescendingOrder)
            c = -c;
        if (c == 0 && column != NameColumn)
            c = byName(a, b);
        return c < 0;
    });
}
}
