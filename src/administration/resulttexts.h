#pragma once
#include "records/recordstore.h"

#include <QString>

// The labels of a pupil's results rows, as the console's "Résultats" and the
// class follow-up's results window show them.
namespace ResultTexts {

inline const QString Administrator = QStringLiteral("l'administrateur");
inline const QString NotAcquired = QStringLiteral("non réussi");

// A row as read from the record.
inline QString acquired(const CompetenceResult &result)
{
    return result.acquired ? QStringLiteral("réussi le ") + result.date + QStringLiteral(" / ") + result.validator
                           : NotAcquired;
}

// The label of a row ticked by hand: row 2 reads "validé", rows 3 .. 29 carry two
// spaces before the validator.
inline QString tickedByHand(int n, const QString &date)
{
    if (n == 1)
        return QStringLiteral("réussi le ") + date + QStringLiteral(" / ") + Administrator;
    if (n == 2)
        return QStringLiteral("validé le ") + date + QStringLiteral(" / ") + Administrator;
    return QStringLiteral("réussi le ") + date + QStringLiteral(" /  ") + Administrator;
}
}
