#include "administration/classresults.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

int PupilResults::score() const
{
    return int(std::count_if(results.begin(), results.end(), [](const CompetenceResult &r) { return r.acquired; }));
}

namespace ClassResults {

IoStatus read(const QStringList &pupils, QList<PupilResults> *rows)
{
    rows->clear();
    QList<PupilResults> read;
    read.reserve(pupils.size());
    RecordContent content;
    for (const QString &recordName : pupils) {
        const IoStatus status = RecordStore::readRecord(recordName, &content);
        if (!status)
            return status;
        const QString name = content.header.name.isEmpty() ? recordName : content.header.name;
        read.append(PupilResults{recordName, name, content.header.className, content.results});
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

namespace {
// -1, 0 or 1 as the competence of column 'column' orders a before b.
int compareCompetence(const CompetenceResult &a, const CompetenceResult &b)
{
    if (a.acquired != b.acquired)
        return a.acquired ? 1 : -1;
    if (!a.acquired)
        return 0;
    const QDate da = QDate::fromString(a.date, QStringLiteral("dd/MM/yyyy"));
    const QDate db = QDate::fromString(b.date, QStringLiteral("dd/MM/yyyy"));
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
