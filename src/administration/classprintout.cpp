#include "administration/classprintout.h"

#include "administration/classmatrixmodel.h"
#include "administration/successchart.h"

#include <QPainter>

namespace ClassPrintout {
namespace {
constexpr double Unit = 26;        // a competence's column, in the drawing's own pixels
constexpr double RowHeight = 18;
constexpr double TitleHeight = 28;
constexpr double ChartHeight = 240;

double columnWidth(int column)
{
    switch (column) {
    case ClassResults::NameColumn:
        return 6 * Unit;
    case ClassResults::ClassColumn:
    case ClassResults::ScoreColumn:
        return 2 * Unit;
    default:
        return column >= ClassMatrixModel::FirstDomainColumn ? 1.6 * Unit : Unit;
    }
}

void paintCell(QPainter &painter, const QRectF &cell, const QString &text, const QBrush &background, bool bold,
               Qt::Alignment alignment)
{
    if (background.style() != Qt::NoBrush)
        painter.fillRect(cell, background);
    painter.setPen(QColor(0xA0, 0xA0, 0xA0));
    painter.drawRect(cell);
    QFont font = painter.font();
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(cell.adjusted(3, 0, -3, 0), int(alignment), text);
}

class TablePainter
{
public:
    TablePainter(const ClassMatrixModel &model, QPainter &painter) : m_model(model), m_painter(painter)
    {
        for (int c = 0; c < ClassMatrixModel::ColumnCount; ++c)
            if (model.filter().showsColumn(c)) {
                m_columns << c;
                m_width += columnWidth(c);
            }
    }
    double width() const { return m_width; }

    void row(double y, int row)
    {
        double x = 0;
        for (const int c : std::as_const(m_columns)) {
            const QModelIndex index = m_model.index(row, c);
            const QRectF cell(x, y, columnWidth(c), RowHeight);
            paintCell(m_painter, cell, m_model.text(row, c), index.data(Qt::BackgroundRole).value<QBrush>(),
                      m_model.isTotalsRow(row), Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
            x += cell.width();
        }
    }
    void header(double y)
    {
        double x = 0;
        for (const int c : std::as_const(m_columns)) {
            const QRectF cell(x, y, columnWidth(c), RowHeight);
            paintCell(m_painter, cell, m_model.headerData(c, Qt::Horizontal).toString(), QColor(0xE4, 0xE4, 0xE4), true,
                      Qt::AlignCenter);
            x += cell.width();
        }
    }

private:
    const ClassMatrixModel &m_model;
    QPainter &m_painter;
    QList<int> m_columns;
    double m_width = 0;
};
}

Printing::Painting table(const ClassMatrixModel &model, const QString &title)
{
    return [&model, title](QPainter &painter, const QRectF &page, const std::function<void()> &newPage) {
        TablePainter table(model, painter);
        const double scale = page.width() / table.width();
        const double pageHeight = page.height() / scale;
        painter.translate(page.topLeft());
        painter.scale(scale, scale);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        painter.setFont(font);

        double y = 0;
        const auto startPage = [&](bool first) {
            if (!first)
                newPage();
            QFont bold = font;
            bold.setBold(true);
            bold.setPixelSize(14);
            painter.setFont(bold);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(0, 0, table.width(), TitleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
            painter.setFont(font);
            table.header(TitleHeight);
            y = TitleHeight + RowHeight;
        };
        startPage(true);
        for (int r = 0; r < model.rowCount(); ++r) {
            if (y + RowHeight > pageHeight)
                startPage(false);
            table.row(y, r);
            y += RowHeight;
        }
        const ClassTotals &totals = model.totals();
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y + 4, table.width(), RowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         ClassSheet::summary(totals));
        y += RowHeight + 8;
        if (y + ChartHeight > pageHeight) {
            newPage();
            y = 0;
        }
        SuccessChart::paint(painter, QRectF(0, y, table.width(), ChartHeight), totals);
    };
}
}
