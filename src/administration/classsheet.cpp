#include "administration/classsheet.h"

#include "administration/consolequeries.h"
#include "administration/resultsexport.h"
#include "records/competencecatalogue.h"

#include <QLocale>

namespace Domains {
const QList<int> &competences(int domain)
{
    static const std::array<QList<int>, Count> byDomain = [] {
        std::array<QList<int>, Count> lists;
        for (int n = 1; n <= CompetenceCount; ++n)
            lists[CompetenceCatalogue::domainOf(n) - 1].append(n);
        return lists;
    }();
    return byDomain.at(domain - 1);
}

QString name(int domain) { return QStringLiteral("Domaine ") + QString::number(domain); }

int acquired(const PupilResults &pupil, int domain)
{
    int count = 0;
    for (const int n : competences(domain))
        count += pupil.results[n - 1].acquired ? 1 : 0;
    return count;
}

QString score(const PupilResults &pupil, int domain)
{
    return QString::number(acquired(pupil, domain)) + QStringLiteral(" / ")
        + QString::number(competences(domain).size());
}
}

ClassTotals ClassTotals::of(const QList<PupilResults> &rows)
{
    ClassTotals totals;
    totals.pupils = int(rows.size());
    totals.competences = ClassResults::acquiredCounts(rows);
    long long scores = 0;
    for (const PupilResults &pupil : rows) {
        const int score = pupil.score();
        scores += score;
        totals.complete += score == CompetenceCount ? 1 : 0;
        for (int d = 1; d <= Domains::Count; ++d)
            totals.domains[d - 1] += Domains::acquired(pupil, d) == Domains::competences(d).size() ? 1 : 0;
    }
    totals.meanScore = rows.isEmpty() ? 0 : double(scores) / double(rows.size());
    return totals;
}

int ClassTotals::competenceRate(int n) const { return ConsoleQueries::successRate(competences[n - 1], pupils); }
int ClassTotals::domainRate(int domain) const { return ConsoleQueries::successRate(domains[domain - 1], pupils); }

namespace ClassSheet {
namespace {
SheetCell dateCell(const CompetenceResult &result)
{
    if (!result.acquired)
        return {};
    const QDate day = ClassResults::dateOf(result.date);
    if (!day.isValid())
        return SheetCell::textCell(result.date);
    return {SheetCell::Date, result.date, 0, day, false};
}

SheetRow totalsRow(const QString &title, const ClassTotals &totals, bool rates)
{
    SheetRow row{SheetCell::textCell(title, true), {}, rates ? SheetCell{} : SheetCell::numberCell(totals.pupils, true)};
    for (int n = 1; n <= CompetenceCount; ++n)
        row << SheetCell::numberCell(rates ? totals.competenceRate(n) : totals.competences[n - 1], true);
    for (int d = 1; d <= Domains::Count; ++d)
        row << SheetCell::numberCell(rates ? totals.domainRate(d) : totals.domains[d - 1], true);
    return row;
}
}

QList<SheetRow> table(const QList<PupilResults> &rows)
{
    QList<SheetRow> sheet;
    SheetRow header;
    for (const QString &title : ResultsExport::headerCells())
        header << SheetCell::textCell(title, true);
    sheet << header;
    for (const PupilResults &pupil : rows) {
        SheetRow row{SheetCell::textCell(pupil.name), SheetCell::textCell(pupil.className),
                     SheetCell::numberCell(pupil.score())};
        for (const CompetenceResult &result : pupil.results)
            row << dateCell(result);
        sheet << row;
    }
    return sheet;
}

QString title(const QStringList &classes, const QDate &date)
{
    return QStringLiteral("Suivi des classes : ") + classes.join(QStringLiteral(", ")) + QStringLiteral(" - ")
        + date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString summary(const ClassTotals &totals)
{
    return MeanTitle + QStringLiteral(" : ") + QLocale(QLocale::French).toString(totals.meanScore, 'f', 1)
        + QStringLiteral(" / ") + QString::number(CompetenceCount) + QStringLiteral("     ") + CompleteTitle
        + QStringLiteral(" : ") + QString::number(totals.complete);
}

QList<SheetRow> report(const QList<PupilResults> &rows, const QStringList &classes, const QDate &date)
{
    QList<SheetRow> sheet = table(rows);
    for (int d = 1; d <= Domains::Count; ++d)
        sheet[0] << SheetCell::textCell(Domains::name(d), true);
    for (qsizetype r = 0; r < rows.size(); ++r)
        for (int d = 1; d <= Domains::Count; ++d)
            sheet[r + 1] << SheetCell::textCell(Domains::score(rows.at(r), d));
    const ClassTotals totals = ClassTotals::of(rows);
    sheet << totalsRow(AcquiredTitle, totals, false) << totalsRow(RateTitle, totals, true);
    sheet << SheetRow{SheetCell::textCell(MeanTitle, true), {}, SheetCell::numberCell(qRound(totals.meanScore * 10) / 10.0, true)};
    sheet << SheetRow{SheetCell::textCell(CompleteTitle, true), {}, SheetCell::numberCell(totals.complete, true)};
    sheet.prepend(SheetRow{SheetCell::textCell(title(classes, date), true)});
    return sheet;
}
}
