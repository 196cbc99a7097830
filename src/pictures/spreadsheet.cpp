#include "pictures/spreadsheet.h"

#include "pictures/fonts.h"
#include "pictures/kit.h"

#include <QLinearGradient>
#include <QPainter>

namespace Spreadsheet {
namespace {
const QColor BandTop(246, 246, 244);
const QColor BandBottom(228, 227, 223);
const QColor HeaderFill(232, 232, 232);
const QColor HeaderLine(170, 170, 170);

QString themeName(Tool tool)
{
    switch (tool) {
    case Tool::New: return QStringLiteral("document-new");
    case Tool::Open: return QStringLiteral("document-open");
    case Tool::Save: return QStringLiteral("document-save");
    case Tool::Mail: return QStringLiteral("mail-send");
    case Tool::EditFile: return QStringLiteral("document-edit");
    case Tool::ExportPdf: return QStringLiteral("application-pdf");
    case Tool::Print: return QStringLiteral("document-print");
    case Tool::Preview: return QStringLiteral("document-print-preview");
    case Tool::Spelling: return QStringLiteral("tools-check-spelling");
    case Tool::Cut: return QStringLiteral("edit-cut");
    case Tool::Copy: return QStringLiteral("edit-copy");
    case Tool::Paste: return QStringLiteral("edit-paste");
    case Tool::FormatPaintbrush: return QStringLiteral("draw-brush");
    case Tool::Undo: return QStringLiteral("edit-undo");
    case Tool::Redo: return QStringLiteral("edit-redo");
    case Tool::Hyperlink: return QStringLiteral("insert-link");
    case Tool::SortAscending: return QStringLiteral("view-sort-ascending");
    case Tool::SortDescending: return QStringLiteral("view-sort-descending");
    case Tool::Draw: return QStringLiteral("draw-freehand");
    case Tool::Find: return QStringLiteral("edit-find");
    case Tool::Navigator: return QStringLiteral("compass");
    case Tool::Zoom: return QStringLiteral("zoom-in");
    case Tool::Help: return QStringLiteral("help-contents");
    case Tool::Bold: return QStringLiteral("format-text-bold");
    case Tool::Italic: return QStringLiteral("format-text-italic");
    case Tool::Underline: return QStringLiteral("format-text-underline");
    case Tool::AlignLeft: return QStringLiteral("format-justify-left");
    case Tool::AlignCenter: return QStringLiteral("format-justify-center");
    case Tool::AlignRight: return QStringLiteral("format-justify-right");
    case Tool::Background: return QStringLiteral("format-fill-color");
    case Tool::FontColour: return QStringLiteral("format-text-color");
    default: return QString();
    }
}

// Tools without a theme icon are drawn as the spreadsheet writes them.
QString glyph(Tool tool)
{
    switch (tool) {
    case Tool::Currency: return QStringLiteral("€");
    case Tool::Percent: return QStringLiteral("%");
    case Tool::MoreDecimals: return QStringLiteral(".00");
    case Tool::FewerDecimals: return QStringLiteral(".0");
    default: return QString();
    }
}
}

QList<ToolSlot> toolRow(const QList<Tool> &tools, Tool anchor, const QRect &anchorRect, int pitch, int separatorWidth)
{
    int offset = 0;
    for (Tool tool : tools) {
        if (tool == anchor)
            break;
        offset += tool == Tool::Separator ? separatorWidth : pitch;
    }
    QList<ToolSlot> row;
    int x = anchorRect.left() - offset;
    for (Tool tool : tools) {
        const int width = tool == Tool::Separator ? separatorWidth : anchorRect.width();
        row.append({tool, QRect(x, anchorRect.top(), width, anchorRect.height())});
        x += tool == Tool::Separator ? separatorWidth : pitch;
    }
    return row;
}

QRect toolRect(const QList<ToolSlot> &row, Tool tool)
{
    for (const ToolSlot &slot : row)
        if (slot.tool == tool)
            return slot.rect;
    return QRect();
}

void paintToolBand(QPainter &p, const QRect &band)
{
    QLinearGradient g(band.topLeft(), band.bottomLeft());
    g.setColorAt(0, BandTop);
    g.setColorAt(1, BandBottom);
    p.fillRect(band, g);
    p.setPen(QColor(205, 204, 200));
    p.drawLine(band.bottomLeft(), band.bottomRight());
}

void paintChartIcon(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = r.width(), h = r.height();
    const qreal base = r.top() + h * 0.86;
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawLine(QPointF(r.left() + w * 0.12, r.top() + h * 0.12), QPointF(r.left() + w * 0.12, base));
    p.drawLine(QPointF(r.left() + w * 0.12, base), QPointF(r.right() - w * 0.08, base));
    const QColor colours[] = {QColor(0, 69, 134), QColor(255, 66, 14), QColor(255, 211, 32)};
    const qreal heights[] = {0.42, 0.66, 0.30};
    for (int i = 0; i < 3; ++i) {
        const qreal left = r.left() + w * (0.2 + i * 0.24);
        p.fillRect(QRectF(left, base - h * heights[i], w * 0.17, h * heights[i]), colours[i]);
    }
    p.setPen(QPen(QColor(87, 157, 28), 1.6));
    p.drawPolyline(QPolygonF{QPointF(r.left() + w * 0.22, r.top() + h * 0.34), QPointF(r.left() + w * 0.5, r.top() + h * 0.5),
                             QPointF(r.right() - w * 0.12, r.top() + h * 0.16)});
    p.restore();
}

void paintToolIcon(QPainter &p, Tool tool, const QRect &rect)
{
    const QRect icon(rect.center().x() - 8, rect.center().y() - 8, 16, 16);
    if (tool == Tool::Chart) {
        paintChartIcon(p, QRectF(icon).adjusted(-1, -1, 1, 1));
    } else if (tool == Tool::Borders) {
        p.setPen(QColor(60, 60, 60));
        p.setBrush(Qt::NoBrush);
        p.drawRect(icon.adjusted(1, 1, -2, -2));
        p.drawLine(icon.center().x(), icon.top() + 1, icon.center().x(), icon.bottom() - 1);
        p.drawLine(icon.left() + 1, icon.center().y(), icon.right() - 1, icon.center().y());
    } else if (!glyph(tool).isEmpty()) {
        p.setPen(QColor(40, 40, 40));
        p.setFont(pixelFont(QStringLiteral("DejaVu Sans"), 11, true));
        p.drawText(rect, Qt::AlignCenter, glyph(tool));
    } else {
        PictureKit::paintIcon(p, icon, themeName(tool));
    }
}

void paintToolRow(QPainter &p, const QList<ToolSlot> &row)
{
    for (const ToolSlot &slot : row) {
        if (slot.tool == Tool::Separator) {
            const int x = slot.rect.center().x();
            p.setPen(QColor(190, 189, 185));
            p.drawLine(x, slot.rect.top() + 3, x, slot.rect.bottom() - 3);
            p.setPen(Qt::white);
            p.drawLine(x + 1, slot.rect.top() + 3, x + 1, slot.rect.bottom() - 3);
            continue;
        }
        paintToolIcon(p, slot.tool, slot.rect);
    }
}

QStringList standardMenus()
{
    return {QStringLiteral("Fichier"), QStringLiteral("Edition"), QStringLiteral("Affichage"), QStringLiteral("Insertion"),
            QStringLiteral("Format"), QStringLiteral("Outils"), QStringLiteral("Données"), QStringLiteral("Fenêtre"),
            QStringLiteral("Aide")};
}

void paintMenuStrip(QPainter &p, const QRect &strip, const QStringList &titles)
{
    p.fillRect(strip, BandTop);
    p.setPen(Qt::black);
    p.setFont(PictureKit::uiFont(12));
    int x = strip.left() + 6;
    for (const QString &title : titles) {
        const int w = p.fontMetrics().horizontalAdvance(title) + 16;
        p.drawText(QRect(x, strip.top(), w, strip.height()), Qt::AlignCenter, title);
        x += w;
    }
}

QRect paintFormulaBar(QPainter &p, const QRect &row, const QRect &nameBox, int inputLeft, const QString &name,
                      const QString &formula)
{
    paintToolBand(p, row);
    PictureKit::paintComboBox(p, nameBox, name);
    // Function wizard, sum and equals between the name box and the input line.
    const int y = row.center().y();
    const QStringList signs{QStringLiteral("ƒx"), QStringLiteral("Σ"), QStringLiteral("=")};
    const int step = qMax(18, (inputLeft - nameBox.right() - 8) / 3);
    p.setFont(pixelFont(QStringLiteral("DejaVu Serif"), 13, FontStyle{false, true}));
    for (int i = 0; i < signs.size(); ++i) {
        p.setPen(i == 0 ? QColor(30, 60, 140) : QColor(40, 40, 40));
        p.drawText(QRect(nameBox.right() + 6 + i * step, y - 9, step, 18), Qt::AlignCenter, signs.at(i));
    }
    const QRect input(inputLeft, nameBox.top(), row.right() - inputLeft - 4, nameBox.height());
    p.setPen(QColor(150, 150, 150));
    p.setBrush(Qt::white);
    p.drawRect(input.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.setFont(PictureKit::uiFont(12));
    p.drawText(input.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, formula);
    return input;
}

int columnWidth(const Sheet &sheet, int column)
{
    const int index = column - sheet.firstColumn;
    if (sheet.columnWidths.isEmpty())
        return 80;
    return sheet.columnWidths.at(qBound(0, index, int(sheet.columnWidths.size()) - 1));
}

QString columnName(int column)
{
    QString name;
    for (int c = column; c > 0; c = (c - 1) / 26)
        name.prepend(QChar('A' + (c - 1) % 26));
    return name;
}

QRect cellRect(const Sheet &sheet, int column, int row)
{
    int x = sheet.origin.x() + sheet.headerWidth;
    for (int c = sheet.firstColumn; c < column; ++c)
        x += columnWidth(sheet, c);
    const int y = sheet.origin.y() + sheet.headerHeight + (row - 1) * sheet.rowHeight;
    return QRect(x, y, columnWidth(sheet, column), sheet.rowHeight);
}

void paintSheet(QPainter &p, const QRect &area, const Sheet &sheet)
{
    p.save();
    p.setClipRect(area);
    p.fillRect(area, Qt::white);
    const int rows = (area.bottom() - sheet.origin.y() - sheet.headerHeight) / sheet.rowHeight + 1;
    const QFont font = pixelFont(QStringLiteral("Arial"), 12);
    const QFont bold = pixelFont(QStringLiteral("Arial"), 12, true);
    // Cells, then the grid lines, then the headers over them.
    int column = sheet.firstColumn;
    for (; cellRect(sheet, column, 1).left() <= area.right(); ++column) {
        for (int row = 1; row <= rows; ++row) {
            const QRect r = cellRect(sheet, column, row);
            const Cell cell = sheet.cells.value(columnName(column) + QString::number(row));
            if (cell.background != Qt::white)
                p.fillRect(r, cell.background);
            p.setPen(sheet.gridColour);
            p.drawLine(r.topRight(), r.bottomRight());
            p.drawLine(r.bottomLeft(), r.bottomRight());
            if (!cell.text.isEmpty()) {
                // Left-aligned text runs on over the empty cells to its right.
                QRect textRect = r;
                if (cell.alignment & Qt::AlignLeft)
                    for (int next = column + 1; textRect.right() < area.right()
                         && sheet.cells.value(columnName(next) + QString::number(row)).text.isEmpty(); ++next)
                        textRect.setRight(cellRect(sheet, next, row).right());
                p.setPen(cell.colour);
                p.setFont(cell.bold ? bold : font);
                p.drawText(textRect.adjusted(3, 0, -3, 0), int(cell.alignment | Qt::AlignVCenter), cell.text);
            }
        }
        const QRect head(cellRect(sheet, column, 1).left(), sheet.origin.y(), columnWidth(sheet, column),
                         sheet.headerHeight);
        p.fillRect(head, HeaderFill);
        p.setPen(HeaderLine);
        p.drawLine(head.topRight(), head.bottomRight());
        p.drawLine(head.bottomLeft(), head.bottomRight());
        p.setPen(Qt::black);
        p.setFont(font);
        p.drawText(head, Qt::AlignCenter, columnName(column));
    }
    for (int row = 1; row <= rows; ++row) {
        const QRect head(sheet.origin.x(), cellRect(sheet, sheet.firstColumn, row).top(), sheet.headerWidth,
                         sheet.rowHeight);
        p.fillRect(head, HeaderFill);
        p.setPen(HeaderLine);
        p.drawLine(head.topRight(), head.bottomRight());
        p.drawLine(head.bottomLeft(), head.bottomRight());
        p.setPen(Qt::black);
        p.setFont(font);
        p.drawText(head, Qt::AlignCenter, QString::number(row));
    }
    const QRect corner(sheet.origin, QSize(sheet.headerWidth, sheet.headerHeight));
    p.fillRect(corner, HeaderFill);
    p.setPen(HeaderLine);
    p.drawRect(corner.adjusted(0, 0, -1, -1));
    if (!sheet.current.isEmpty()) {
        int c = 0, i = 0;
        while (i < sheet.current.size() && sheet.current.at(i).isLetter())
            c = c * 26 + (sheet.current.at(i++).toUpper().unicode() - 'A' + 1);
        const QRect r = cellRect(sheet, c, sheet.current.mid(i).toInt());
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    p.restore();
}

QList<QRect> paintSheetTabs(QPainter &p, const QRect &strip, const QStringList &tabs, int current)
{
    p.fillRect(strip, BandBottom);
    p.setPen(QColor(160, 160, 160));
    p.drawLine(strip.topLeft(), strip.topRight());
    // The four scroll arrows.
    p.setPen(QColor(70, 70, 70));
    p.setFont(pixelFont(QStringLiteral("DejaVu Sans"), 10));
    const QStringList arrows{QStringLiteral("|◀"), QStringLiteral("◀"), QStringLiteral("▶"), QStringLiteral("▶|")};
    for (int i = 0; i < arrows.size(); ++i)
        p.drawText(QRect(strip.left() + 4 + i * 18, strip.top(), 18, strip.height()), Qt::AlignCenter, arrows.at(i));
    QList<QRect> rects;
    int x = strip.left() + 84;
    p.setFont(PictureKit::uiFont(12));
    for (int i = 0; i < tabs.size(); ++i) {
        const int w = p.fontMetrics().horizontalAdvance(tabs.at(i)) + 24;
        const QRect tab(x, strip.top(), w, strip.height() - 2);
        QPolygon shape;
        shape << tab.topLeft() << tab.topRight() << QPoint(tab.right() - 5, tab.bottom())
              << QPoint(tab.left() + 5, tab.bottom());
        p.setPen(QColor(120, 120, 120));
        p.setBrush(i == current ? Qt::white : QColor(212, 211, 207));
        p.drawPolygon(shape);
        p.setPen(Qt::black);
        QFont f = PictureKit::uiFont(12, i == current);
        p.setFont(f);
        p.drawText(tab, Qt::AlignCenter, tabs.at(i));
        rects.append(tab);
        x += w - 4;
    }
    return rects;
}

void paintStatusBar(QPainter &p, const QRect &strip, const QStringList &fields)
{
    PictureKit::paintStatusBar(p, strip, fields);
}
}
