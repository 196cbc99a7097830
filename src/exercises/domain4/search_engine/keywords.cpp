#include "exercises/domain4/search_engine/keywords.h"

#include "exercises/domain4/search_engine/layout.h"

namespace Keywords {

bool acceptedQuery(const QString &typed)
{
    return SearchEngineLayout::AcceptedQueries.contains(typed.toLower());
}

bool exclusionPasses(const QString &typed)
{
    const QString text = typed.toLower();
    for (const QString &word : SearchEngineLayout::ExcludedWords)
        if (!text.contains(word))
            return false;
    for (const QString &start : SearchEngineLayout::ForbiddenStarts)
        if (text.startsWith(start))
            return false;
    return true;
}
}
