#include "administration/classmatrixmodel.h"

#include "records/competencecatalogue.h"

#include <QBrush>
#include <QFont>
#include <algorithm>

namespace {
const QColor AcquiredBackground(0xB8, 0xE0, 0xB0);
const QColor TotalsBackground(0xE4, 0xE4, 0xE4);
const QString Tick = QStringLiteral("\u2713");

bool isCompetence(int column)
{
    return column >= ClassResults::FirstCompetenceColumn && column < ClassMatrixModel::FirstDomainColumn;
}
int competenceOf(int column) { return column - ClassResults::FirstCompetenceColumn + 1; }
int domainOfColumn(int column) { return column - ClassMatrixModel::FirstDomainColumn + 1; }
}

bool ClassFilter::keeps(const PupilResults &pupil) const
{
    if (notYet > 0 && pupil.results[notYet - 1].acquired)
        return false;
    return scoreBelow < 0 || pupil.score() < scoreBelow;
}

bool ClassFilter::showsColumn(int column) const
{
    if (domain == 0 || column < ClassResults::FirstCompetenceColumn)
        return true;
    if (isCompetence(column))
        return CompetenceCatalogue::domainOf(competenceOf(column)) == domain;
    return domainOfColumn(column) == domain;
}

void ClassMatrixModel::setPupils(const QList<PupilResults> &pupils)
{
    m_pupils = pupils;
    ClassResults::sort(&m_pupils, ClassResults::NameColumn, Qt::AscendingOrder);
    if (m_sortColumn >= 0) {
        sort(m_sortColumn, m_sortOrder);
        return;
    }
    applyFilter();
}

void ClassMatrixModel::setFilter(const ClassFilter &filter)
{
    m_filter = filter;
    applyFilter();
}

void ClassMatrixModel::applyFilter()
{
    beginResetModel();
    m_shown.clear();
    for (const PupilResults &pupil : std::as_const(m_pupils))
        if (m_filter.keeps(pupil))
            m_shown.append(pupil);
    m_totals = ClassTotals::of(m_shown);
    endResetModel();
}

void ClassMatrixModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    if (column < FirstDomainColumn) {
        ClassResults::sort(&m_pupils, column, order);
    } else {
        ClassResults::sort(&m_pupils, ClassResults::NameColumn, Qt::AscendingOrder);
        const int domain = domainOfColumn(column);
        std::stable_sort(m_pupils.begin(), m_pupils.end(), [&](const PupilResults &a, const PupilResults &b) {
            const int da = Domains::acquired(a, domain), db = Domains::acquired(b, domain);
            return order == Qt::AscendingOrder ? da < db : da > db;
        });
    }
    applyFilter();
}

int ClassMatrixModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size()) + TotalsRows;
}

int ClassMatrixModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString ClassMatrixModel::pupilText(const PupilResults &pupil, int column) const
{
    switch (column) {
    case ClassResults::NameColumn:
        return pupil.name;
    case ClassResults::ClassColumn:
        return pupil.className;
    case ClassResults::ScoreColumn:
        return QString::number(pupil.score()) + QStringLiteral(" / ") + QString::number(CompetenceCount);
    default:
        if (isCompetence(column))
            return pupil.results[competenceOf(column) - 1].acquired ? Tick : QString();
        return Domains::score(pupil, domainOfColumn(column));
    }
}

QString ClassMatrixModel::totalsText(int totalsRow, int column) const
{
    const bool rates = totalsRow == 1;
    if (column == ClassResults::NameColumn)
        return rates ? ClassSheet::RateTitle : ClassSheet::AcquiredTitle;
    if (column == ClassResults::ClassColumn)
        return QString();
    if (column == ClassResults::ScoreColumn)
        return rates ? QString() : QString::number(m_totals.pupils);
    // Rates as bare percentages: "100 %" would not fit a competence's column.
    if (isCompetence(column)) {
        const int n = competenceOf(column);
        return QString::number(rates ? m_totals.competenceRate(n) : m_totals.competences[n - 1]);
    }
    const int d = domainOfColumn(column);
    return QString::number(rates ? m_totals.domainRate(d) : m_totals.domains[d - 1]);
}

QString ClassMatrixModel::text(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= ColumnCount)
        return QString();
    return isTotalsRow(row) ? totalsText(row - int(m_shown.size()), column) : pupilText(m_shown.at(row), column);
}

QVariant ClassMatrixModel::toolTip(int row, int column) const
{
    if (isTotalsRow(row)) {
        if (column == ClassResults::ScoreColumn && row == m_shown.size())
            return QStringLiteral("Inscrits");
        if (column >= FirstDomainColumn)
            return QStringLiteral("Élèves ayant tout le domaine");
        return QVariant();
    }
    const PupilResults &pupil = m_shown.at(row);
    if (column == ClassResults::NameColumn)
        return pupil.name;
    if (isCompetence(column)) {
        const CompetenceResult &result = pupil.results[competenceOf(column) - 1];
        if (result.acquired)
            return QStringLiteral("réussi le ") + result.date + QStringLiteral(" / ") + result.validator;
    }
    return QVariant();
}

QVariant ClassMatrixModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int row = index.row(), column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return text(row, column);
    case Qt::ToolTipRole:
        return toolTip(row, column);
    case Qt::TextAlignmentRole:
        return column == ClassResults::NameColumn ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (isTotalsRow(row))
            return QBrush(TotalsBackground);
        if (isCompetence(column) && m_shown.at(row).results[competenceOf(column) - 1].acquired)
            return QBrush(AcquiredBackground);
        return QVariant();
    case Qt::FontRole:
        if (isTotalsRow(row)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant ClassMatrixModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    const bool hint = role == Qt::ToolTipRole;
    if (role != Qt::DisplayRole && !hint)
        return QVariant();
    switch (section) {
    case ClassResults::NameColumn:
        return hint ? QStringLiteral("Nom de l'élève") : QStringLiteral("Nom");
    case ClassResults::ClassColumn:
        return QStringLiteral("Classe");
    case ClassResults::ScoreColumn:
        return hint ? QStringLiteral("Compétences acquises sur 29") : QStringLiteral("Score");
    default:
        if (isCompetence(section)) {
            const CompetenceRow &row = CompetenceCatalogue::row(competenceOf(section));
            return hint ? row.statement : row.code;
        }
        return hint ? Domains::name(domainOfColumn(section)) : QStringLiteral("D") + QString::number(domainOfColumn(section));
    }
}
