#pragma once
#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QStringList>

class QPainter;

// The printing family: printers, sheets of paper and the pages a print dialog and
// its preview show. Drawn with paths and gradients, never copied from a real driver.
namespace Printing {

// A desk printer seen from the front, paper in its tray, to fit 'rect'.
void paintPrinterIcon(QPainter &painter, const QRectF &rect);
// The collated copies picture of a print dialog: three overlapping sheets numbered
// 1, 2, 3, twice (two copies), inside 'rect'.
void paintPageOutlines(QPainter &painter, const QRect &rect);
// A printed page on the preview's grey background: a white sheet with its shadow
// and the lines at its top, centred, in 'colour'.
void paintPrintedPage(QPainter &painter, const QSize &size, const QStringList &lines, const QColor &colour,
                      const QFont &font);
}
