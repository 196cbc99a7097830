#include "administration/successchart.h"

#include "records/competencecatalogue.h"

#include <QPainter>

namespace {
const std::array<QColor, Domains::Count> DomainColours{QColor(0x3A, 0x7B, 0xC8), QColor(0xE0, 0x8A, 0x1E),
                                                       QColor(0x3D, 0xA0, 0x5A), QColor(0xB8, 0x45, 0xA0),
                                                       QColor(0xC8, 0x3C, 0x3C)};
constexpr double GroupGap = 1.0;   // in bar widths, between two domains
}

SuccessChart::SuccessChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SuccessChart"));
    setMinimumHeight(160);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void SuccessChart::setTotals(const ClassTotals &totals)
{
    m_totals = totals;
    update();
}

void SuccessChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, rect(), m_totals);
}

void SuccessChart::paint(QPainter &painter, const QRectF &area, const ClassTotals &totals)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(qBound(8, int(area.height() / 18), 13));
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double line = metrics.height();

    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), line), Qt::AlignCenter,
                     QStringLiteral("Taux de réussite par compétence (") + QString::number(totals.pupils)
                         + QStringLiteral(" élèves)"));
    const double axisWidth = metrics.horizontalAdvance(QStringLiteral("100 %")) + 6;
    const QRectF plot(area.left() + axisWidth, area.top() + line * 1.5, area.width() - axisWidth - 4,
                      area.height() - line * 4);
    if (plot.width() <= 0 || plot.height() <= 0) {
        painter.restore();
        return;
    }

    for (int percent = 0; percent <= 100; percent += 25) {
        const double y = plot.bottom() - plot.height() * percent / 100.0;
        painter.setPen(QPen(percent == 0 ? Qt::black : QColor(0xD0, 0xD0, 0xD0), 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), y - line / 2, axisWidth - 4, line), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(percent) + QStringLiteral(" %"));
    }

    const double slotCount = CompetenceCount + GroupGap * (Domains::Count - 1);
    const double slot = plot.width() / slotCount;
    double x = plot.left();
    for (int d = 1; d <= Domains::Count; ++d) {
        const double groupLeft = x;
        for (const int n : Domains::competences(d)) {
            const int rate = totals.competenceRate(n);
            const double h = plot.height() * rate / 100.0;
            const QRectF bar(x + slot * 0.15, plot.bottom() - h, slot * 0.7, h);
            painter.fillRect(bar, DomainColours[d - 1]);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(x, plot.bottom() + 1, slot, line), Qt::AlignCenter, CompetenceCatalogue::row(n).code);
            if (slot > metrics.horizontalAdvance(QStringLiteral("100")))
                painter.drawText(QRectF(x, bar.top() - line, slot, line), Qt::AlignCenter, QString::number(rate));
            x += slot;
        }
        painter.setPen(DomainColours[d - 1].darker(130));
        painter.drawText(QRectF(groupLeft, plot.bottom() + line + 1, x - groupLeft, line), Qt::AlignCenter,
                         Domains::name(d));
        x += slot * GroupGap;
    }
    painter.restore();
}
