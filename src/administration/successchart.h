#pragma once
#include "administration/classsheet.h"

#include <QWidget>

// The rate of success per competence of the pupils shown, as bars grouped by
// domain (one colour per domain) over a 0 .. 100 % scale. Painted by hand with
// QPainter: the same drawing shows on screen and goes to paper.
class SuccessChart : public QWidget
{
    Q_OBJECT
public:
    explicit SuccessChart(QWidget *parent = nullptr);

    void setTotals(const ClassTotals &totals);
    const ClassTotals &totals() const { return m_totals; }

    // Draws the chart of 'totals' into 'area'.
    static void paint(QPainter &painter, const QRectF &area, const ClassTotals &totals);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ClassTotals m_totals;
};
