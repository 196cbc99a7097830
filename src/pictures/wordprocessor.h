#pragma once
#include <QColor>
#include <QIcon>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <Qt>

class QPainter;

// The word-processor family: the pieces of an office word processor's window
// (menu bar, tool bars with their icons, font boxes, ruler, pages, status bar),
// shared by the live tool bar of the formatting exercise and by every picture of a
// word processor. Positions are returned so that hot spots and live buttons can sit
// exactly on the drawn elements.
namespace WordProcessor {

enum class Tool {
    New, Open, Save, EditFile, Mail, ExportPdf, Print, Preview, Spelling, AutoSpelling,
    Cut, Copy, Paste, FormatPaintbrush, Undo, Redo, Hyperlink, Table, DrawFunctions,
    FindReplace, Navigator, Gallery, NonPrinting, Zoom, Help,
    Bold, Italic, Underline, AlignLeft, AlignCenter, AlignRight, Justify,
    Numbering, Bullets, IndentLess, IndentMore, TextColour, Highlight, Image
};

// The tool's icon: Breeze theme icons, the binoculars of "find and replace" drawn.
QIcon icon(Tool tool);
void paintBinoculars(QPainter &painter, const QRectF &rect);

// One element of a tool bar, in the tool bar's own coordinates.
struct ToolItem
{
    enum class Kind { Button, Separator, Combo };
    Kind kind = Kind::Button;
    Tool tool = Tool::New;
    QRect rect;
    QString text;        // the combo box's text
    bool down = false;   // a toggle button shown pressed
};

// Builds a row of items from left to right.
class RowBuilder
{
public:
    // Buttons are 'button' large, 'pitch' apart; separators take 'separatorWidth'.
    RowBuilder(QPoint origin, QSize button, int pitch, int separatorWidth);
    RowBuilder &add(Tool tool, bool down = false);
    RowBuilder &separator();
    RowBuilder &combo(int width, const QString &text);
    RowBuilder &skip(int pixels);
    int x() const { return m_x; }
    QList<ToolItem> items() const { return m_items; }

private:
    QPoint m_origin;
    QSize m_button;
    int m_pitch;
    int m_separator;
    int m_x;
    QList<ToolItem> m_items;
};

// The standard tool bar of the office word processor, from 'origin' with buttons
// 'button' large and 'pitch' apart; zoomApart sets the zoom and help buttons off
// by a separator.
QList<ToolItem> standardBar(QPoint origin, QSize button, int pitch, bool zoomApart = false);

// The rectangle of a tool in a row (an empty rectangle when the row lacks it).
QRect toolRect(const QList<ToolItem> &items, Tool tool);

void paintToolBar(QPainter &painter, const QRect &area, const QList<ToolItem> &items);
// The bar alone, its separators and combo boxes but no buttons: live buttons go on it.
void paintToolBarBackground(QPainter &painter, const QRect &area, const QList<ToolItem> &items);
void paintMenuBar(QPainter &painter, const QRect &area, const QStringList &titles);
// Horizontal ruler in centimetres; the white band is the text width [textLeft, textRight].
void paintRuler(QPainter &painter, const QRect &area, int textLeft, int textRight);
// A white sheet with its shadow on the document background.
void paintSheet(QPainter &painter, const QRect &sheet);
void paintStatusBar(QPainter &painter, const QRect &area, const QStringList &fields);
void paintScrollBar(QPainter &painter, const QRect &area, Qt::Orientation orientation);

// A paragraph of a drawn page.
struct Paragraph
{
    QString text;
    Qt::Alignment alignment = Qt::AlignLeft;
    QString family = QStringLiteral("Times New Roman");
    qreal pointSize = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor colour = Qt::black;
};
// Lays the paragraphs out in 'textArea' as the editor would and draws them.
void paintParagraphs(QPainter &painter, const QRect &textArea, const QList<Paragraph> &paragraphs);

// A whole word-processor window. Rectangles are in the picture's coordinates.
struct Window
{
    QString title;
    QStringList menus;
    QList<QList<ToolItem>> toolBars;   // each in its own bar coordinates
    QList<int> toolBarHeights;
    bool ruler = true;
    QRect sheet;                       // the page, usually running off the bottom
    QRect textArea;                    // where the text is written on it
    QList<Paragraph> paragraphs;
    QStringList statusFields;
};
// The rectangles the window's parts take in a picture of this size.
struct WindowGeometry
{
    QRect client;       // under the title bar
    QRect menuBar;
    QList<QRect> toolBars;
    QRect ruler;
    QRect document;     // the grey background around the sheet
    QRect verticalScroll;
    QRect statusBar;
};
WindowGeometry windowGeometry(const QSize &size, const Window &window);
void paintWindow(QPainter &painter, const QSize &size, const Window &window);

// The usual menus of the word processor.
QStringList standardMenus();
}
