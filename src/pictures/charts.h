#pragma once
#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

// Charts drawn from numbers: line and column charts with their titles, axes, grid
// lines and legend, and the thumbnails of the chart types a wizard offers. The
// exercises pass their own figures, so what the pupil reads is what is judged.
namespace Charts {

struct Series
{
    QString name;
    QList<double> values;
    QColor colour;
};

struct Chart
{
    enum class Kind { Lines, Columns };
    Kind kind = Kind::Columns;
    QStringList categories;
    QList<Series> series;
    QString title;
    QString xTitle;
    QString yTitle;
    bool legend = true;
    QRect legendRect;                 // in the chart's coordinates; empty: at the right, centred
    bool horizontalGrid = true;       // lines across the value axis
    bool verticalGrid = false;
    double step = 0;                  // value-axis step; 0: chosen from the values
    QColor background = Qt::white;
    QColor plotBackground = Qt::white;
};

// A step of 1, 2 or 5 times a power of ten giving about five grid lines.
double niceStep(double maximum);
// Draws the chart in 'area'; returns the plot rectangle (inside the axes).
QRect paintChart(QPainter &painter, const QRect &area, const Chart &chart);
// The legend alone: one sample (a line with its marker, or a square) per series.
void paintLegend(QPainter &painter, const QRect &rect, const QList<Series> &series, Chart::Kind kind);

// The eight types of the wizard, in its order: two rows of four.
enum class Type { Lines, Areas, Columns, Bars, Pie, Scatter, Net, Stock };
constexpr int TypeCount = 8;
QString typeName(Type type);
void paintTypeThumbnail(QPainter &painter, const QRect &rect, Type type, bool selected = false);

// The palette series take in order.
QColor seriesColour(int index);
}
