#include "pictures/charts.h"

#include "pictures/fonts.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace Charts {
namespace {
const QColor Axis(80, 80, 80);
const QColor Grid(190, 190, 190);

QString number(double v)
{
    return QString::number(v, 'g', 10).replace(QLatin1Char('.'), QLatin1Char(','));
}

void paintMarker(QPainter &p, QPointF at, const QColor &colour, int index)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const QRectF r(at.x() - 3.5, at.y() - 3.5, 7, 7);
    if (index % 2 == 0) {
        p.drawRect(r);
    } else {
        QPolygonF diamond{QPointF(at.x(), r.top() - 0.5), QPointF(r.right() + 0.5, at.y()), QPointF(at.x(), r.bottom() + 0.5),
                          QPointF(r.left() - 0.5, at.y())};
        p.drawPolygon(diamond);
    }
}
}

QColor seriesColour(int index)
{
    static const QColor palette[] = {QColor(0, 69, 134), QColor(255, 66, 14), QColor(255, 211, 32),
                                     QColor(87, 157, 28),  QColor(126, 0, 33), QColor(131, 202, 255)};
    return palette[index % 6];
}

double niceStep(double maximum)
{
    if (maximum <= 0)
        return 1;
    const double raw = maximum / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}

void paintLegend(QPainter &p, const QRect &rect, const QList<Series> &series, Chart::Kind kind)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    const QFont font = pixelFont(QStringLiteral("Arial"), 12);
    p.setFont(font);
    const int line = qMax(16, (rect.height() - 8) / qMax(1, int(series.size())));
    for (int i = 0; i < series.size(); ++i) {
        const int y = rect.top() + 4 + i * line + line / 2;
        const QColor colour = series.at(i).colour.isValid() ? series.at(i).colour : seriesColour(i);
        if (kind == Chart::Kind::Lines) {
            p.setPen(QPen(colour, 2));
            p.drawLine(QPointF(rect.left() + 6, y), QPointF(rect.left() + 30, y));
            paintMarker(p, QPointF(rect.left() + 18, y), colour, i);
        } else {
            p.fillRect(QRectF(rect.left() + 10, y - 5, 10, 10), colour);
        }
        p.setPen(Qt::black);
        p.drawText(QRect(rect.left() + 36, y - line / 2, rect.width() - 40, line), Qt::AlignVCenter | Qt::AlignLeft,
                   series.at(i).name);
    }
    p.restore();
}

QRect paintChart(QPainter &p, const QRect &area, const Chart &chart)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, chart.background);
    const QFont titleFont = pixelFont(QStringLiteral("Arial"), 15, true);
    const QFont axisTitleFont = pixelFont(QStringLiteral("Arial"), 12, true);
    const QFont labelFont = pixelFont(QStringLiteral("Arial"), 11);

    double maximum = 0;
    for (const Series &s : chart.series)
        for (double v : s.values)
            maximum = std::max(maximum, v);
    const double step = chart.step > 0 ? chart.step : niceStep(maximum);
    const double top = std::max(step, std::ceil(maximum / step) * step);

    // Room around the plot for the titles, the labels and the legend.
    const int titleHeight = chart.title.isEmpty() ? 8 : 28;
    const int xTitleHeight = chart.xTitle.isEmpty() ? 0 : 18;
    const int yTitleWidth = chart.yTitle.isEmpty() ? 0 : 18;
    p.setFont(labelFont);
    const int labelWidth = p.fontMetrics().horizontalAdvance(number(top)) + 8;
    QRect legend = chart.legendRect.translated(area.topLeft());
    if (chart.legend && legend.isEmpty()) {
        const int h = 10 + 18 * int(chart.series.size());
        legend = QRect(area.right() - 96, area.center().y() - h / 2, 90, h);
    }
    const int right = chart.legend ? legend.left() - 10 : area.right() - 12;
    const QRect plot(area.left() + 8 + yTitleWidth + labelWidth, area.top() + titleHeight,
                     right - (area.left() + 8 + yTitleWidth + labelWidth),
                     area.height() - titleHeight - 22 - xTitleHeight);

    if (!chart.title.isEmpty()) {
        p.setPen(Qt::black);
        p.setFont(titleFont);
        p.drawText(QRect(area.left(), area.top() + 4, area.width(), titleHeight - 4), Qt::AlignCenter, chart.title);
    }
    p.fillRect(plot, chart.plotBackground);
    // Value axis with its grid lines and labels.
    p.setFont(labelFont);
    for (double v = 0; v <= top + step / 2; v += step) {
        const qreal y = plot.bottom() - (v / top) * plot.height();
        if (chart.horizontalGrid && v > 0) {
            p.setPen(QPen(Grid, 1));
            p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        }
        p.setPen(Axis);
        p.drawLine(QPointF(plot.left() - 3, y), QPointF(plot.left(), y));
        p.drawText(QRectF(plot.left() - labelWidth - 2, y - 8, labelWidth - 2, 16), Qt::AlignRight | Qt::AlignVCenter,
                   number(v));
    }
    const int count = int(chart.categories.size());
    const qreal slot = count > 0 ? qreal(plot.width()) / count : plot.width();
    if (chart.verticalGrid) {
        p.setPen(QPen(Grid, 1));
        for (int i = 1; i < count; ++i)
            p.drawLine(QPointF(plot.left() + i * slot, plot.top()), QPointF(plot.left() + i * slot, plot.bottom()));
    }
    // The series.
    const int seriesCount = std::max<int>(1, int(chart.series.size()));
    for (int s = 0; s < chart.series.size(); ++s) {
        const Series &series = chart.series.at(s);
        const QColor colour = series.colour.isValid() ? series.colour : seriesColour(s);
        QPolygonF line;
        for (int i = 0; i < series.values.size() && i < count; ++i) {
            const qreal h = series.values.at(i) / top * plot.height();
            if (chart.kind == Chart::Kind::Columns) {
                const qreal width = slot * 0.6 / seriesCount;
                const qreal left = plot.left() + i * slot + slot * 0.2 + s * width;
                p.fillRect(QRectF(left, plot.bottom() - h, width, h), colour);
            } else {
                line << QPointF(plot.left() + (i + 0.5) * slot, plot.bottom() - h);
            }
        }
        if (chart.kind == Chart::Kind::Lines) {
            p.setPen(QPen(colour, 2));
            p.drawPolyline(line);
            for (const QPointF &point : line)
                paintMarker(p, point, colour, s);
        }
    }
    // Axes, category labels and titles.
    p.setPen(QPen(Axis, 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    p.setFont(labelFont);
    for (int i = 0; i < count; ++i)
        p.drawText(QRectF(plot.left() + i * slot, plot.bottom() + 3, slot, 16), Qt::AlignCenter, chart.categories.at(i));
    p.setPen(Qt::black);
    p.setFont(axisTitleFont);
    if (!chart.xTitle.isEmpty())
        p.drawText(QRect(plot.left(), plot.bottom() + 20, plot.width(), xTitleHeight), Qt::AlignCenter, chart.xTitle);
    if (!chart.yTitle.isEmpty()) {
        p.save();
        p.translate(area.left() + 6 + yTitleWidth / 2.0, plot.center().y());
        p.rotate(-90);
        p.drawText(QRectF(-plot.height() / 2.0, -9, plot.height(), 18), Qt::AlignCenter, chart.yTitle);
        p.restore();
    }
    if (chart.legend)
        paintLegend(p, legend, chart.series, chart.kind);
    p.restore();
    return plot;
}

QString typeName(Type type)
{
    switch (type) {
    case Type::Lines: return QStringLiteral("Ligne");
    case Type::Areas: return QStringLiteral("Zone");
    case Type::Columns: return QStringLiteral("Colonne");
    case Type::Bars: return QStringLiteral("Barre");
    case Type::Pie: return QStringLiteral("Secteur");
    case Type::Scatter: return QStringLiteral("XY (dispersion)");
    case Type::Net: return QStringLiteral("Toile");
    case Type::Stock: return QStringLiteral("Cours");
    }
    return QString();
}

void paintTypeThumbnail(QPainter &p, const QRect &rect, Type type, bool selected)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(selected ? QColor(61, 174, 233) : QColor(170, 170, 170));
    p.setBrush(selected ? QColor(220, 238, 250) : QColor(Qt::white));
    p.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    const QRectF r = QRectF(rect).adjusted(8, 7, -8, -7);
    const QColor a = seriesColour(0), b = seriesColour(1), c = seriesColour(2);
    const qreal w = r.width(), h = r.height();
    auto at = [&](qreal x, qreal y) { return QPointF(r.left() + x * w, r.top() + y * h); };
    switch (type) {
    case Type::Lines:
        p.setPen(QPen(a, 2));
        p.drawPolyline(QPolygonF{at(0, 0.7), at(0.35, 0.35), at(0.65, 0.55), at(1, 0.1)});
        p.setPen(QPen(b, 2));
        p.drawPolyline(QPolygonF{at(0, 0.95), at(0.35, 0.7), at(0.65, 0.85), at(1, 0.5)});
        break;
    case Type::Areas: {
        QPolygonF back{at(0, 1), at(0, 0.5), at(0.3, 0.2), at(0.6, 0.4), at(1, 0.1), at(1, 1)};
        QPolygonF front{at(0, 1), at(0, 0.8), at(0.35, 0.6), at(0.7, 0.75), at(1, 0.55), at(1, 1)};
        p.setPen(Qt::NoPen);
        p.setBrush(a);
        p.drawPolygon(back);
        p.setBrush(b);
        p.drawPolygon(front);
        break;
    }
    case Type::Columns: {
        const qreal heights[] = {0.55, 0.85, 0.4, 0.7};
        for (int i = 0; i < 4; ++i)
            p.fillRect(QRectF(r.left() + i * w / 4 + w / 16, r.bottom() - heights[i] * h, w / 8, heights[i] * h),
                       i % 2 ? b : a);
        break;
    }
    case Type::Bars: {
        const qreal widths[] = {0.6, 0.9, 0.45, 0.75};
        for (int i = 0; i < 4; ++i)
            p.fillRect(QRectF(r.left(), r.top() + i * h / 4 + h / 16, widths[i] * w, h / 8), i % 2 ? b : a);
        break;
    }
    case Type::Pie: {
        const qreal side = std::min(w, h);
        const QRectF disc(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(a);
        p.drawPie(disc, 90 * 16, -140 * 16);
        p.setBrush(b);
        p.drawPie(disc, -50 * 16, -130 * 16);
        p.setBrush(c);
        p.drawPie(disc, -180 * 16, -90 * 16);
        break;
    }
    case Type::Scatter: {
        const QPointF points[] = {at(0.1, 0.8), at(0.25, 0.55), at(0.4, 0.65), at(0.55, 0.35), at(0.7, 0.45), at(0.85, 0.15)};
        for (int i = 0; i < 6; ++i)
            paintMarker(p, points[i], i % 2 ? b : a, i);
        break;
    }
    case Type::Net: {
        const QPointF centre = r.center();
        const qreal radius = std::min(w, h) / 2;
        QPolygonF web, data;
        for (int i = 0; i < 5; ++i) {
            const qreal angle = -M_PI / 2 + i * 2 * M_PI / 5;
            const QPointF tip(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
            web << tip;
            const qreal k = 0.45 + 0.1 * ((i * 3) % 5);
            data << QPointF(centre.x() + k * radius * std::cos(angle), centre.y() + k * radius * std::sin(angle));
            p.setPen(QPen(Grid, 1));
            p.drawLine(centre, tip);
        }
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(web);
        p.setPen(QPen(a, 2));
        p.drawPolygon(data);
        break;
    }
    case Type::Stock:
        for (int i = 0; i < 4; ++i) {
            const qreal x = r.left() + (i + 0.5) * w / 4;
            const qreal high = 0.1 + 0.15 * (i % 3), low = 0.75 + 0.05 * (i % 2);
            p.setPen(QPen(Axis, 1));
            p.drawLine(QPointF(x, r.top() + high * h), QPointF(x, r.top() + low * h));
            p.fillRect(QRectF(x - 4, r.top() + (high + 0.15) * h, 8, (low - high - 0.3) * h), i % 2 ? b : a);
        }
        break;
    }
    p.setPen(QPen(Axis, 1));
    if (type != Type::Pie && type != Type::Net) {
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.topLeft());
    }
    p.restore();
}
}
