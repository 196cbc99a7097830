#pragma once
#include "administration/classresults.h"

#include <QGroupBox>

class QPushButton;
class QTableWidget;

// The console's class view: every pupil of the selected classes as a row (name,
// class, score), the 29 competences as columns headed by their codes, a tick for
// each acquired competence, and two totals rows (how many acquired it, and the
// rate). Read-only; a click on a header sorts; "Exporter..." writes the rows as
// they are shown to a file for a spreadsheet (CSV, or OpenDocument for a name
// ending in ".ods").
class ClassView : public QGroupBox
{
    Q_OBJECT
public:
    explicit ClassView(QWidget *parent);

    void setResults(const QList<PupilResults> &rows, const QStringList &classes);
    const QList<PupilResults> &rows() const { return m_rows; }
    QTableWidget *grid() const { return StringGrid2; }

    // Sorts the pupils' rows; the totals stay last.
    void sortBy(int column, Qt::SortOrder order);

    static constexpr int TotalsRows = 2;   // "Ont réussi :" and "Taux de réussite"

private slots:
    void StringGrid2HeaderClick(int column);
    void Button19Click();   // "Exporter..."

private:
    void buildHeader();
    void fill();
    void fillTotals(int firstRow);

    QTableWidget *StringGrid2 = nullptr;
    QPushButton *Button19 = nullptr;
    QList<PupilResults> m_rows;
    QStringList m_classes;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
