#include "administration/classresults.h"

#include "records/cp1252.h"

#include <QByteArrayView>
#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <cstring>
#include <string>

int PupilResults::score() const
{
    return int(std::count_if(results.begin(), results.end(), [](const CompetenceResult &r) { return r.acquired; }));
}

namespace ClassResults {

namespace {
constexpr int HeaderLines = 4;      // "nom", name, digest, class
constexpr int LinesPerGroup = 4;    // label, status, date, validator
constexpr int LinesRead = HeaderLines + LinesPerGroup * CompetenceCount;

// A text decoded once and shared while the next lines hold the same bytes: the
// pupils of a class mostly share their class, validators and many dates.
class SharedText
{
public:
    QString of(QByteArrayView line)
    {
        if (line.isEmpty())
            return QString();
        if (!m_decoded || !sameBytes(line)) {
            m_bytes.assign(line.data(), size_t(line.size()));
            m_text = Cp1252::decode(line);
            m_decoded = true;
        }
        return m_text;
    }

private:
    bool sameBytes(QByteArrayView line) const
    {
        return qsizetype(m_bytes.size()) == line.size() && std::memcmp(m_bytes.data(), line.data(), m_bytes.size()) == 0;
    }

    std::string m_bytes;
    QString m_text;
    bool m_decoded = false;
};

struct SharedTexts
{
    SharedText className;
    std::array<SharedText, CompetenceCount> dates, validators;   // per competence
};

bool isOui(QByteArrayView status)
{
    return status.size() == 3 && status[0] == 'o' && status[1] == 'u' && status[2] == 'i';
}

void fillPupil(const QString &recordName, QByteArrayView bytes, PupilResults *pupil, SharedTexts *shared)
{
    std::array<QByteArrayView, LinesRead> lines;
    RecordStore::splitLines(bytes, lines.data(), LinesRead);
    pupil->recordName = recordName;
    pupil->name = lines[1].isEmpty() ? recordName : Cp1252::decode(lines[1]);
    pupil->className = shared->className.of(lines[3]);
    for (int n = 1; n <= CompetenceCount; ++n) {
        const int label = HeaderLines + LinesPerGroup * (n - 1);
        pupil->results[n - 1] = CompetenceResult{n, isOui(lines[label + 1]),
                                                 shared->dates[n - 1].of(lines[label + 2]),
                                                 shared->validators[n - 1].of(lines[label + 3])};
    }
}
}

IoStatus read(const QStringList &pupils, QList<PupilResults> *rows)
{
    rows->clear();
    QList<PupilResults> read(pupils.size());
    RecordStore::RecordFolderReader reader;
    SharedTexts shared;
    for (qsizetype i = 0; i < pupils.size(); ++i) {
        QByteArrayView bytes;
        const IoStatus status = reader.read(pupils.at(i), &bytes);
        if (!status)
            return status;
        fillPupil(pupils.at(i), bytes, &read[i], &shared);
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
