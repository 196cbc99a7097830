#pragma once
#include "records/iostatus.h"
#include "records/recordstore.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <array>

// What every pupil of a selection has done, read from the record files at once:
// the console's class view and the results export both stand on it.
struct PupilResults
{
    QString recordName;   // the record file's name
    QString name;         // line 2 of the record (the record's name when empty)
    QString className;    // line 4
    std::array<CompetenceResult, CompetenceCount> results;
    int score() const;    // competences acquired
};

namespace ClassResults {

using Counts = std::array<int, CompetenceCount>;

// Reads the records of 'pupils' in that order. The first unreadable record stops
// the reading and leaves *rows empty: a partial class would show wrong totals.
IoStatus read(const QStringList &pupils, QList<PupilResults> *rows);

// For each competence, how many of the rows have it acquired.
Counts acquiredCounts(const QList<PupilResults> &rows);

// A record's date "dd/MM/yyyy" read by hand (a date format parsed for every cell
// of a large class would cost more than the records' reading); invalid otherwise.
QDate dateOf(const QString &recordDate);

// The columns of the class view and of the export, in order.
enum Column { NameColumn = 0, ClassColumn = 1, ScoreColumn = 2, FirstCompetenceColumn = 3 };
constexpr int ColumnCount = FirstCompetenceColumn + CompetenceCount;

// Sorts the rows by one column: names and classes in French alphabetical order
// (accents and case aside), scores as numbers, a competence not acquired before
// acquired, earlier acquisitions first. Ties keep the names' order.
void sort(QList<PupilResults> *rows, int column, Qt::SortOrder order);
}
