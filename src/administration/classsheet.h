#pragma once
#include "administration/classresults.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// The five domains of the 29 competences and the class's totals over some pupils:
// the follow-up window, its chart, its exports and its printout all count here.
namespace Domains {
constexpr int Count = 5;
// The competences (1 .. 29) of domain d (1 .. 5), in order.
const QList<int> &competences(int domain);
QString name(int domain);   // "Domaine 1"
// "4 / 6": what the pupil acquired of the domain.
QString score(const PupilResults &pupil, int domain);
int acquired(const PupilResults &pupil, int domain);
}

struct ClassTotals
{
    int pupils = 0;
    ClassResults::Counts competences{};            // pupils who acquired each competence
    std::array<int, Domains::Count> domains{};     // pupils who acquired a whole domain
    double meanScore = 0;
    int complete = 0;                              // pupils with all 29

    static ClassTotals of(const QList<PupilResults> &rows);
    int competenceRate(int n) const;   // percent, rounded as the statistics do
    int domainRate(int domain) const;
};

// A table of typed cells, written as CSV, OpenDocument or XLSX alike.
struct SheetCell
{
    enum Kind { Empty, Text, Number, Date };
    Kind kind = Empty;
    QString text;        // Text; also the shown form of a Date
    double number = 0;   // Number
    QDate date;          // Date
    bool bold = false;

    static SheetCell textCell(const QString &text, bool bold = false) { return {Text, text, 0, {}, bold}; }
    static SheetCell numberCell(double value, bool bold = false) { return {Number, {}, value, {}, bold}; }
};
using SheetRow = QList<SheetCell>;

namespace ClassSheet {
// The header and one row per pupil: name, class, score, the date each competence
// was acquired (a real date when it reads as one, the record's text otherwise).
QList<SheetRow> table(const QList<PupilResults> &rows);

// The export of the follow-up window: a title line (classes, date), the table
// with a score per domain at the end of each row, then the totals: pupils who
// acquired each competence and domain, the rate, the mean score and how many
// pupils have all 29.
QList<SheetRow> report(const QList<PupilResults> &rows, const QStringList &classes, const QDate &date);

QString title(const QStringList &classes, const QDate &date);
// "Score moyen : 17,3 / 29     Élèves ayant les 29 compétences : 2"
QString summary(const ClassTotals &totals);
inline const QString AcquiredTitle = QStringLiteral("Ont réussi :");
inline const QString RateTitle = QStringLiteral("Taux de réussite (%)");
inline const QString MeanTitle = QStringLiteral("Score moyen");
inline const QString CompleteTitle = QStringLiteral("Élèves ayant les 29 compétences");
}
