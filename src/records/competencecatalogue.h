#pragma once
#include <QString>
#include <QStringList>

// The certificate's 29 competences, in the order of the board and of the record
// files: competence N (1 .. 29) is result N - 1 of a pupil.
struct CompetenceRow
{
    int number;
    QString code;          // "1.1" .. "5.4"
    QString statement;     // the hint of the board button, as stored
    QString handler;       // the board's click handler
    QStringList windows;   // exercise windows created at launch, the first shown
};

namespace CompetenceCatalogue {
constexpr int Count = 29;
const CompetenceRow &row(int number);   // 1 .. 29
int domainOf(int number);               // the code's first digit
}
