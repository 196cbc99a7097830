#pragma once
#include <QString>

// The two judgements of the search engine exercise, on the texts as typed.
namespace Keywords {
// One of the accepted queries about sailing boats (lower-cased, nothing trimmed).
bool acceptedQuery(const QString &typed);
// The excluded words contain every religious word (as substrings, in any order) and
// do not begin with the searched words themselves.
bool exclusionPasses(const QString &typed);
}
