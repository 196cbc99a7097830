#include "pictures/wordprocessor.h"

#include "pictures/kit.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace WordProcessor {

namespace {
const QColor BarTop(246, 246, 246);
const QColor BarBottom(228, 228, 228);
const QColor BarLine(190, 190, 190);
const QColor DocumentGrey(170, 172, 178);

QString themeName(Tool tool)
{
    switch (tool) {
    case Tool::New: return QStringLiteral("document-new");
    case Tool::Open: return QStringLiteral("document-open");
    case Tool::Save: return QStringLiteral("document-save");
    case Tool::EditFile: return QStringLiteral("document-edit");
    case Tool::Mail: return QStringLiteral("mail-send");
    case Tool::ExportPdf: return QStringLiteral("document-export");
    case Tool::Print: return QStringLiteral("document-print");
    case Tool::Preview: return QStringLiteral("document-print-preview");
    case Tool::Spelling: return QStringLiteral("tools-check-spelling");
    case Tool::AutoSpelling: return QStringLiteral("format-text-underline-squiggle");
    case Tool::Cut: return QStringLiteral("edit-cut");
    case Tool::Copy: return QStringLiteral("edit-copy");
    case Tool::Paste: return QStringLiteral("edit-paste");
    case Tool::FormatPaintbrush: return QStringLiteral("draw-brush");
    case Tool::Undo: return QStringLiteral("edit-undo");
    case Tool::Redo: return QStringLiteral("edit-redo");
    case Tool::Hyperlink: return QStringLiteral("insert-link");
    case Tool::Table: return QStringLiteral("insert-table");
    case Tool::DrawFunctions: return QStringLiteral("draw-freehand");
    case Tool::FindReplace: return QString();
    case Tool::Navigator: return QStringLiteral("compass");
    case Tool::Gallery: return QStringLiteral("insert-image");
    case Tool::NonPrinting: return QStringLiteral("format-text-symbol");
    case Tool::Zoom: return QStringLiteral("zoom-in");
    case Tool::Help: return QStringLiteral("help-contextual");
    case Tool::Bold: return QStringLiteral("format-text-bold");
    case Tool::Italic: return QStringLiteral("format-text-italic");
    case Tool::Underline: return QStringLiteral("format-text-underline");
    case Tool::AlignLeft: return QStringLiteral("format-justify-left");
    case Tool::AlignCenter: return QStringLiteral("format-justify-center");
    case Tool::AlignRight: return QStringLiteral("format-justify-right");
    case Tool::Justify: return QStringLiteral("format-justify-fill");
    case Tool::Numbering: return QStringLiteral("format-list-ordered");
    case Tool::Bullets: return QStringLiteral("format-list-unordered");
    case Tool::IndentLess: return QStringLiteral("format-indent-less");
    case Tool::IndentMore: return QStringLiteral("format-indent-more");
    case Tool::TextColour: return QStringLiteral("format-text-color");
    case Tool::Highlight: return QStringLiteral("draw-highlight");
    case Tool::Image: return QStringLiteral("insert-image");
    }
    return QString();
}

void fillBar(QPainter &painter, const QRect &area)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, BarTop);
    gradient.setColorAt(1, BarBottom);
    painter.fillRect(area, gradient);
    painter.setPen(BarLine);
    painter.drawLine(area.bottomLeft(), area.bottomRight());
}

void paintButton(QPainter &painter, const ToolItem &item)
{
    if (item.down) {
        painter.setPen(QColor(120, 150, 200));
        painter.setBrush(QColor(200, 218, 245));
        painter.drawRoundedRect(QRectF(item.rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
    const int side = qMin(16, qMin(item.rect.width(), item.rect.height()) - 4);
    const QRect iconRect(item.rect.center().x() - side / 2 + 1, item.rect.center().y() - side / 2 + 1, side, side);
    icon(item.tool).paint(&painter, iconRect);
}

void paintCombo(QPainter &painter, const ToolItem &item)
{
    PictureKit::paintComboBox(painter, item.rect, item.text);
}
}

QIcon icon(Tool tool)
{
    if (tool == Tool::FindReplace) {
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintBinoculars(painter, QRectF(0, 0, 32, 32));
        return QIcon(pixmap);
    }
    QIcon themed = PictureKit::themeIcon(themeName(tool));
    if (themed.isNull() && tool == Tool::Navigator)
        themed = PictureKit::themeIcon(QStringLiteral("view-list-tree"));
    return themed;
}

void paintBinoculars(QPainter &painter, const QRectF &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / 32.0, rect.height() / 32.0);
    const QColor body(45, 52, 64);
    const QColor lensRim(90, 100, 116);
    // The two barrels, joined by the bridge.
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(4, 5, 9, 16), 3, 3);
    painter.drawRoundedRect(QRectF(19, 5, 9, 16), 3, 3);
    painter.drawRect(QRectF(12, 9, 8, 6));
    painter.setBrush(QColor(70, 80, 96));
    painter.drawRoundedRect(QRectF(13.5, 6, 5, 5), 1.5, 1.5);
    // The big front lenses.
    for (qreal cx : {8.5, 23.5}) {
        QRadialGradient glass(QPointF(cx - 1.5, 22), 6);
        glass.setColorAt(0, QColor(190, 225, 255));
        glass.setColorAt(0.6, QColor(70, 130, 200));
        glass.setColorAt(1, QColor(30, 60, 110));
        painter.setBrush(lensRim);
        painter.drawEllipse(QPointF(cx, 24), 7, 6.5);
        painter.setBrush(glass);
        painter.drawEllipse(QPointF(cx, 24), 5.2, 4.8);
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawEllipse(QPointF(cx - 2, 22.5), 1.4, 1.1);
    }
    painter.restore();
}

RowBuilder::RowBuilder(QPoint origin, QSize button, int pitch, int separatorWidth)
    : m_origin(origin), m_button(button), m_pitch(pitch), m_separator(separatorWidth), m_x(origin.x())
{
}

RowBuilder &RowBuilder::add(Tool tool, bool down)
{
    ToolItem item;
    item.kind = ToolItem::Kind::Button;
    item.tool = tool;
    item.rect = QRect(QPoint(m_x, m_origin.y()), m_button);
    item.down = down;
    m_items << item;
    m_x += m_pitch;
    return *this;
}

RowBuilder &RowBuilder::separator()
{
    ToolItem item;
    item.kind = ToolItem::Kind::Separator;
    item.rect = QRect(m_x, m_origin.y() + 2, m_separator, m_button.height() - 4);
    m_items << item;
    m_x += m_separator;
    return *this;
}

RowBuilder &RowBuilder::combo(int width, const QString &text)
{
    ToolItem item;
    item.kind = ToolItem::Kind::Combo;
    item.rect = QRect(m_x, m_origin.y() + (m_button.height() - 22) / 2, width, 22);
    item.text = text;
    m_items << item;
    m_x += width + 4;
    return *this;
}

RowBuilder &RowBuilder::skip(int pixels)
{
    m_x += pixels;
    return *this;
}

QList<ToolItem> standardBar(QPoint origin, QSize button, int pitch, bool zoomApart)
{
    RowBuilder row(origin, button, pitch, 8);
    row.add(Tool::New).add(Tool::Open).add(Tool::Save).add(Tool::EditFile).add(Tool::Mail)
        .separator()
        .add(Tool::ExportPdf).add(Tool::Print).add(Tool::Preview)
        .separator()
        .add(Tool::Spelling).add(Tool::AutoSpelling)
        .separator()
        .add(Tool::Cut).add(Tool::Copy).add(Tool::Paste).add(Tool::FormatPaintbrush)
        .separator()
        .add(Tool::Undo).add(Tool::Redo)
        .separator()
        .add(Tool::Hyperlink).add(Tool::Table).add(Tool::DrawFunctions)
        .separator()
        .add(Tool::FindReplace).add(Tool::Navigator).add(Tool::Gallery)
        .separator()
        .add(Tool::NonPrinting);
    if (zoomApart)
        row.separator();
    row.add(Tool::Zoom).add(Tool::Help);
    return row.items();
}

QRect toolRect(const QList<ToolItem> &items, Tool tool)
{
    for (const ToolItem &item : items)
        if (item.kind == ToolItem::Kind::Button && item.tool == tool)
            return item.rect;
    return QRect();
}

void paintToolBar(QPainter &painter, const QRect &area, const QList<ToolItem> &items)
{
    painter.save();
    fillBar(painter, area);
    // The grip at the bar's left end.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(160, 160, 160));
    for (int y = area.top() + 6; y < area.bottom() - 4; y += 4)
        painter.drawEllipse(QPointF(area.left() + 3.5, y), 1, 1);
    painter.translate(area.topLeft());
    for (const ToolItem &item : items) {
        switch (item.kind) {
        case ToolItem::Kind::Button:
            paintButton(painter, item);
            break;
        case ToolItem::Kind::Separator: {
            const int x = item.rect.center().x();
            painter.setPen(QColor(175, 175, 175));
            painter.drawLine(x, item.rect.top(), x, item.rect.bottom());
            painter.setPen(Qt::white);
            painter.drawLine(x + 1, item.rect.top(), x + 1, item.rect.bottom());
            break;
        }
        case ToolItem::Kind::Combo:
            paintCombo(painter, item);
            break;
        }
    }
    painter.restore();
}

void paintToolBarBackground(QPainter &painter, const QRect &area, const QList<ToolItem> &items)
{
    QList<ToolItem> withoutButtons;
    for (const ToolItem &item : items)
        if (item.kind != ToolItem::Kind::Button)
            withoutButtons << item;
    paintToolBar(painter, area, withoutButtons);
}

void paintMenuBar(QPainter &painter, const QRect &area, const QStringList &titles)
{
    PictureKit::paintMenuBar(painter, area, titles);
}

void paintRuler(QPainter &painter, const QRect &area, int textLeft, int textRight)
{
    painter.save();
    painter.fillRect(area, QColor(236, 236, 236));
    const QRect band(textLeft, area.top() + 3, textRight - textLeft, area.height() - 6);
    painter.fillRect(band, QColor(255, 255, 255));
    painter.setPen(QColor(150, 150, 150));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(band.adjusted(0, 0, -1, -1));
    QFont font = painter.font();
    font.setFamily(QStringLiteral("Arial"));
    font.setPixelSize(8);
    painter.setFont(font);
    const qreal pixelsPerCentimetre = 96 / 2.54 * 0.75;
    const int mid = band.center().y();
    int number = 1;
    for (qreal x = textLeft + pixelsPerCentimetre / 2; x < textRight - 2; x += pixelsPerCentimetre / 2) {
        const bool whole = qRound((x - textLeft) / (pixelsPerCentimetre / 2)) % 2 == 0;
        painter.setPen(QColor(90, 90, 90));
        if (whole) {
            painter.drawText(QRectF(x - 8, band.top(), 16, band.height()), Qt::AlignCenter, QString::number(number++));
        } else {
            painter.drawLine(QPointF(x, mid - 1.5), QPointF(x, mid + 1.5));
        }
    }
    // Indent markers at both ends of the text.
    painter.setPen(QColor(80, 80, 80));
    painter.setBrush(QColor(230, 230, 230));
    for (int x : {textLeft, textRight}) {
        QPolygonF marker;
        marker << QPointF(x - 4, area.bottom() - 1) << QPointF(x + 4, area.bottom() - 1) << QPointF(x, area.bottom() - 6);
        painter.drawPolygon(marker);
    }
    painter.restore();
}

void paintSheet(QPainter &painter, const QRect &sheet)
{
    painter.save();
    painter.fillRect(sheet.translated(3, 3), QColor(0, 0, 0, 70));
    painter.fillRect(sheet, QColor(255, 255, 255));
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(sheet.adjusted(0, 0, -1, -1));
    painter.restore();
}

void paintStatusBar(QPainter &painter, const QRect &area, const QStringList &fields)
{
    PictureKit::paintStatusBar(painter, area, fields);
}

void paintScrollBar(QPainter &painter, const QRect &area, Qt::Orientation orientation)
{
    // The style draws a scroll bar's parts as if it stood at the origin.
    painter.save();
    painter.translate(area.topLeft());
    PictureKit::paintScrollBar(painter, QRect(QPoint(0, 0), area.size()), orientation, 0, 0.3);
    painter.restore();
}

void paintParagraphs(QPainter &painter, const QRect &textArea, const QList<Paragraph> &paragraphs)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setTextWidth(textArea.width());
    QTextCursor cursor(&document);
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        const Paragraph &paragraph = paragraphs.at(i);
        QTextBlockFormat block;
        block.setAlignment(paragraph.alignment);
        QTextCharFormat character;
        character.setFontFamilies({paragraph.family});
        character.setFontPointSize(paragraph.pointSize);
        character.setFontWeight(paragraph.bold ? QFont::Bold : QFont::Normal);
        character.setFontItalic(paragraph.italic);
        character.setFontUnderline(paragraph.underline);
        character.setForeground(paragraph.colour);
        if (i == 0) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(character);
        } else {
            cursor.insertBlock(block, character);
        }
        cursor.insertText(paragraph.text, character);
    }
    painter.save();
    painter.translate(textArea.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), textArea.size()));
    document.drawContents(&painter, QRectF(QPointF(0, 0), QSizeF(textArea.size())));
    painter.restore();
}

QStringList standardMenus()
{
    return {QStringLiteral("Fichier"), QStringLiteral("Édition"), QStringLiteral("Affichage"),
            QStringLiteral("Insertion"), QStringLiteral("Format"), QStringLiteral("Tableau"),
            QStringLiteral("Outils"), QStringLiteral("Fenêtre"), QStringLiteral("Aide")};
}

namespace {
constexpr int MenuHeight = 20;
constexpr int RulerHeight = 18;
constexpr int StatusHeight = 20;
constexpr int ScrollThickness = 16;

// A maximised window: the title bar runs edge to edge, without a border.
PictureKit::WindowFrame frameOf(const Window &window)
{
    PictureKit::WindowFrame frame;
    frame.caption = window.title;
    frame.icon = QStringLiteral("x-office-document");
    frame.maximised = true;
    return frame;
}
}

WindowGeometry windowGeometry(const QSize &size, const Window &window)
{
    WindowGeometry g;
    g.client = PictureKit::windowFrameGeometry(QRect(QPoint(0, 0), size), frameOf(window)).client;
    int y = g.client.top();
    g.menuBar = QRect(0, y, size.width(), MenuHeight);
    y += MenuHeight;
    for (int height : window.toolBarHeights) {
        g.toolBars << QRect(0, y, size.width(), height);
        y += height;
    }
    if (window.ruler) {
        g.ruler = QRect(0, y, size.width() - ScrollThickness, RulerHeight);
        y += RulerHeight;
    }
    g.statusBar = QRect(0, size.height() - StatusHeight, size.width(), StatusHeight);
    g.document = QRect(0, y, size.width() - ScrollThickness, g.statusBar.top() - y);
    g.verticalScroll = QRect(size.width() - ScrollThickness, y, ScrollThickness, g.statusBar.top() - y);
    return g;
}

void paintWindow(QPainter &painter, const QSize &size, const Window &window)
{
    const WindowGeometry g = windowGeometry(size, window);
    painter.save();
    PictureKit::paintWindowFrame(painter, QRect(QPoint(0, 0), size), frameOf(window));
    paintMenuBar(painter, g.menuBar, window.menus);
    for (qsizetype i = 0; i < g.toolBars.size() && i < window.toolBars.size(); ++i)
        paintToolBar(painter, g.toolBars.at(i), window.toolBars.at(i));
    painter.fillRect(g.document, DocumentGrey);
    painter.save();
    painter.setClipRect(g.document);
    paintSheet(painter, window.sheet);
    paintParagraphs(painter, window.textArea, window.paragraphs);
    painter.restore();
    if (window.ruler)
        paintRuler(painter, g.ruler, window.textArea.left(), window.textArea.right());
    paintScrollBar(painter, g.verticalScroll, Qt::Vertical);
    paintStatusBar(painter, g.statusBar, window.statusFields);
    painter.setPen(QColor(80, 80, 80));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    painter.restore();
}
}
