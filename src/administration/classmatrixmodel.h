#pragma once
#include "administration/classsheet.h"

#include <QAbstractTableModel>

// What the follow-up window keeps of its pupils: a domain (0 for all), a
// competence not yet acquired (0 for none), a score the pupils stay below
// (-1 for none).
struct ClassFilter
{
    int domain = 0;
    int notYet = 0;
    int scoreBelow = -1;

    bool keeps(const PupilResults &pupil) const;
    bool showsColumn(int column) const;   // a domain hides the others' columns
};

// The matrix of the follow-up window: one row per pupil shown (name, class,
// score, the 29 competences, a score per domain), then the two totals rows.
class ClassMatrixModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum : int { FirstDomainColumn = ClassResults::ColumnCount, ColumnCount = FirstDomainColumn + Domains::Count };
    static constexpr int TotalsRows = 2;   // "Ont réussi :" and "Taux de réussite"

    using QAbstractTableModel::QAbstractTableModel;

    void setPupils(const QList<PupilResults> &pupils);
    void setFilter(const ClassFilter &filter);
    const ClassFilter &filter() const { return m_filter; }

    const QList<PupilResults> &shown() const { return m_shown; }
    const ClassTotals &totals() const { return m_totals; }
    bool isTotalsRow(int row) const { return row >= m_shown.size(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The pupils' rows only; the totals stay last. Ties keep the names' order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return m_sortColumn; }

    // The text of a cell as shown (a tick for an acquired competence).
    QString text(int row, int column) const;

private:
    QString pupilText(const PupilResults &pupil, int column) const;
    QString totalsText(int totalsRow, int column) const;
    QVariant toolTip(int row, int column) const;
    void applyFilter();

    QList<PupilResults> m_pupils;
    QList<PupilResults> m_shown;
    ClassFilter m_filter;
    ClassTotals m_totals;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
