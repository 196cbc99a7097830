#pragma once
#include <QColor>
#include <QList>
#include <QPoint>
#include <QString>
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

// A photo printer seen from above and the front, a photo coming out, in 'rect'.
void paintPhotoPrinter(QPainter &painter, const QRectF &rect);
// A sheet with a small landscape drawn on it, upright or lying, centred in 'rect'.
void paintOrientationPage(QPainter &painter, const QRect &rect, bool landscape);
// The tick that marks the default printer: a white check on a dark disc.
void paintDefaultTick(QPainter &painter, const QRectF &rect);

// A system folder window listing printers: its frame, a task pane on the left and
// one tile per printer (icon and name) in a row. Tiles are 'TileWidth' wide,
// 'TilePitch' apart, the first at 'FirstTile' in the window's coordinates.
namespace PrintersFolder {
constexpr QPoint FirstTile(232, 112);
constexpr int TilePitch = 88;
constexpr QSize TileSize(89, 81);
constexpr QRect tile(int index)
{
    return QRect(FirstTile.x() + index * TilePitch, FirstTile.y(), TileSize.width(), TileSize.height());
}
// The printer icon inside a tile, 48 pixels, centred at its top.
constexpr QRect icon(int index)
{
    return QRect(tile(index).left() + (TileSize.width() - 48) / 2, tile(index).top() + 4, 48, 48);
}
// A printer's kind decides its icon.
enum class Kind { Printer, NetworkPrinter, Fax, VirtualPrinter };
struct Printer
{
    QString name;
    Kind kind = Kind::Printer;
};
void paint(QPainter &painter, const QSize &size, const QString &caption, const QList<Printer> &printers);
}

}
