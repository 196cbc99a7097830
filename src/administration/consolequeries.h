#pragma once
#include "records/iostatus.h"
#include "records/recordstore.h"

#include <QStringList>
#include <array>

// The console's two readings over many record files: the pupils of a set of
// classes and the success counts of a selection. Kept inline so that the console
// benchmark measures exactly this code.
namespace ConsoleQueries {

using Counters = std::array<int, CompetenceCount>;

// Names of the records whose class (line 4) is exactly one of 'classes', in the
// order the folder gives them. The first unreadable record stops the listing.
inline IoStatus pupilsOfClasses(const QStringList &classes, QStringList *pupils)
{
    pupils->clear();
    if (classes.isEmpty())
        return IoStatus::success();
    QString className;
    const QStringList names = RecordStore::listRecordNames();
    for (const QString &name : names) {
        const IoStatus status = RecordStore::readRecordClass(name, &className);
        if (!status)
            return status;
        if (classes.contains(className))
            pupils->append(name);
    }
    return IoStatus::success();
}

// For each competence, how many of the pupils have it acquired ("oui").
inline IoStatus countSuccesses(const QStringList &pupils, Counters *counters)
{
    counters->fill(0);
    std::array<bool, CompetenceCount> acquired{};
    for (const QString &name : pupils) {
        const IoStatus status = RecordStore::readRecordStatuses(name, &acquired);
        if (!status)
            return status;
        for (int i = 0; i < CompetenceCount; ++i)
            (*counters)[i] += acquired[i] ? 1 : 0;
    }
    return IoStatus::success();
}

// 100 * count / total rounded to the nearest integer, halves to the even
// neighbour, in integers only (1 of 8 gives 12, 3 of 8 give 38).
constexpr int successRate(int count, int total)
{
    if (total <= 0)
        return 0;
    const long long scaled = 100LL * count;
    long long quotient = scaled / total;
    const long long twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && quotient % 2 != 0))
        ++quotient;
    return int(quotient);
}
}
