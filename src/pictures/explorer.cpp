// The file explorer family: frame, menus, tool bar, address bar, task pane or
// folder tree, tiles or details list; the dragged-file picture; a drive's space.
#include "pictures/explorer.h"
#include "pictures/fonts.h"

#include "pictures/kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace Explorer {
namespace {

class Saved
{
public:
    explicit Saved(QPainter &p) : m_p(p) { m_p.save(); }
    ~Saved() { m_p.restore(); }

private:
    QPainter &m_p;
};

QFont font(int pixels = 11, bool bold = false)
{
    return pixelFont(QStringLiteral("Tahoma"), pixels, bold);
}

const QColor Selection(51, 153, 255);
const QColor PaneLine(172, 168, 153);

void paintMenuBar(QPainter &p, int width)
{
    const QRect bar(1, MenuTop, width - 2, MenuHeight);
    p.fillRect(bar, QColor(241, 239, 226));
    p.setFont(font(12));
    p.setPen(Qt::black);
    p.drawText(FileMenuTitle.adjusted(0, 3, 0, -1), Qt::AlignCenter, QStringLiteral("Fichier"));
    int x = FileMenuTitle.right() + 1;
    for (const char *t : {"Edition", "Affichage", "Favoris", "Outils", "?"}) {
        const QString title = QString::fromUtf8(t);
        const int w = QFontMetrics(p.font()).horizontalAdvance(title) + 16;
        p.drawText(QRect(x, bar.top(), w, bar.height()), Qt::AlignCenter, title);
        x += w;
    }
}

void paintToolButton(QPainter &p, const QRect &r, const QString &icon, const QString &text, bool enabled = true)
{
    PictureKit::paintIcon(p, QRect(r.left() + 4, r.top() + (r.height() - 24) / 2, 24, 24), icon);
    if (!text.isEmpty()) {
        p.setPen(enabled ? Qt::black : QColor(160, 160, 160));
        p.setFont(font(12));
        p.drawText(r.adjusted(32, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    }
}

void paintToolBar(QPainter &p, int width, bool treeShown)
{
    const QRect bar(1, ToolBarTop, width - 2, ToolBarHeight);
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0, QColor(250, 249, 244));
    g.setColorAt(1, QColor(232, 229, 214));
    p.fillRect(bar, g);
    paintToolButton(p, QRect(4, FoldersButton.top(), 96, FoldersButton.height()), QStringLiteral("go-previous"),
                    QStringLiteral("Précédente"));
    paintToolButton(p, QRect(102, FoldersButton.top(), 34, FoldersButton.height()), QStringLiteral("go-next"), {});
    paintToolButton(p, QRect(140, FoldersButton.top(), 34, FoldersButton.height()), QStringLiteral("go-up"), {});
    p.fillRect(QRect(180, bar.top() + 6, 1, bar.height() - 12), QColor(190, 186, 170));
    paintToolButton(p, QRect(186, FoldersButton.top(), 104, FoldersButton.height()), QStringLiteral("edit-find"),
                    QStringLiteral("Rechercher"));
    if (treeShown) {
        p.setPen(QColor(150, 150, 150));
        p.setBrush(QColor(224, 221, 205));
        p.drawRect(FoldersButton.adjusted(0, 2, -1, -3));
    }
    paintToolButton(p, FoldersButton, QStringLiteral("folder-open"), QStringLiteral("Dossiers"));
    p.fillRect(QRect(FoldersButton.right() + 4, bar.top() + 6, 1, bar.height() - 12), QColor(190, 186, 170));
    paintToolButton(p, QRect(FoldersButton.right() + 10, FoldersButton.top(), 48, FoldersButton.height()),
                    QStringLiteral("view-list-details"), QStringLiteral("▾"));
}

void paintAddressBar(QPainter &p, int width, const View &view)
{
    const QRect bar(1, AddressTop, width - 2, PaneTop - AddressTop);
    p.fillRect(bar, QColor(241, 239, 226));
    p.setFont(font(11));
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRect(6, bar.top(), 52, bar.height()), Qt::AlignVCenter, QStringLiteral("Adresse"));
    const QRect field(60, bar.top() + 1, width - 130, bar.height() - 2);
    p.fillRect(field, Qt::white);
    p.setPen(QColor(127, 157, 185));
    p.drawRect(field.adjusted(0, 0, -1, -1));
    PictureKit::paintIcon(p, QRect(field.left() + 3, field.top() + 1, 14, 14), view.icon);
    p.setPen(Qt::black);
    p.drawText(field.adjusted(21, 0, -18, 0), Qt::AlignVCenter, view.address);
    p.drawText(QRect(field.right() - 16, field.top(), 16, field.height()), Qt::AlignCenter, QStringLiteral("▾"));
    const QRect go(field.right() + 6, bar.top() + 1, 54, bar.height() - 2);
    PictureKit::paintIcon(p, QRect(go.left(), go.top(), 15, 15), QStringLiteral("go-next"));
    p.drawText(go.adjusted(20, 0, 0, 0), Qt::AlignVCenter, QStringLiteral("OK"));
}

void paintTaskPane(QPainter &p, const QRect &pane)
{
    QLinearGradient g(pane.topLeft(), pane.bottomLeft());
    g.setColorAt(0, QColor(123, 162, 231));
    g.setColorAt(1, QColor(99, 117, 214));
    p.fillRect(pane, g);
    const struct { const char *title; QList<const char *> links; } boxes[] = {
        {"Gestion du système", {"Afficher les informations système", "Ajouter ou supprimer des programmes",
                                "Modifier un paramètre"}},
        {"Autres emplacements", {"Favoris réseau", "Mes documents", "Documents partagés", "Panneau de configuration"}},
        {"Détails", {"Poste de travail", "Dossier système"}}};
    int y = pane.top() + 12;
    for (const auto &box : boxes) {
        const QRect head(pane.left() + 12, y, pane.width() - 24, 24);
        QLinearGradient hg(head.topLeft(), head.topRight());
        hg.setColorAt(0, Qt::white);
        hg.setColorAt(1, QColor(198, 211, 247));
        p.fillRect(head, hg);
        p.setPen(QColor(33, 93, 198));
        p.setFont(font(11, true));
        p.drawText(head.adjusted(8, 0, 0, 0), Qt::AlignVCenter, QString::fromUtf8(box.title));
        const int h = 10 + int(box.links.size()) * 18;
        const QRect body(head.left(), head.bottom() + 1, head.width(), h);
        p.fillRect(body, QColor(214, 223, 247));
        p.setFont(font(11));
        int ly = body.top() + 6;
        for (const char *link : box.links) {
            p.drawText(QRect(body.left() + 10, ly, body.width() - 14, 16), Qt::AlignVCenter,
                       QFontMetrics(p.font()).elidedText(QString::fromUtf8(link), Qt::ElideRight, body.width() - 14));
            ly += 18;
        }
        y = body.bottom() + 14;
    }
}

void paintExpander(QPainter &p, const QRect &cell, Expander expander)
{
    if (expander == Expander::None)
        return;
    const QRect box(cell.left() - 13, cell.top() + (cell.height() - 9) / 2, 9, 9);
    p.setPen(QColor(148, 148, 148));
    p.setBrush(Qt::white);
    p.drawRect(box);
    p.setPen(Qt::black);
    const int cy = box.top() + 4;
    p.drawLine(box.left() + 2, cy, box.right() - 2, cy);
    if (expander == Expander::Collapsed)
        p.drawLine(box.left() + 4, box.top() + 2, box.left() + 4, box.bottom() - 2);
}

void paintTree(QPainter &p, const QRect &pane, const View &view)
{
    p.fillRect(pane, Qt::white);
    const QRect head(pane.left(), pane.top(), pane.width(), 20);
    p.fillRect(head, QColor(241, 239, 226));
    p.setPen(Qt::black);
    p.setFont(font(11));
    p.drawText(head.adjusted(6, 0, 0, 0), Qt::AlignVCenter, QStringLiteral("Dossiers"));
    p.drawText(head.adjusted(0, 0, -6, 0), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("×"));
    Saved saved(p);
    p.setClipRect(pane.adjusted(0, 21, 0, 0));
    // The dotted lines of the tree, then the items.
    for (int i = 0; i < view.treeItems.size(); ++i) {
        const TreeItem &item = view.treeItems[i];
        const int width = QFontMetrics(font(11)).horizontalAdvance(item.text) + 24;
        const QRect cell = treeCell(i, item.depth, width);
        if (item.depth > 0) {
            QPen dotted(QColor(160, 160, 160), 1, Qt::DotLine);
            p.setPen(dotted);
            const int x = cell.left() - 9;
            p.drawLine(x, cell.center().y(), cell.left() - 1, cell.center().y());
            // Up to the parent (the closest item above at a smaller depth).
            int parent = i - 1;
            while (parent >= 0 && view.treeItems[parent].depth >= item.depth)
                --parent;
            const int top = parent >= 0 ? treeCell(parent, 0).bottom() : cell.top();
            p.drawLine(x, top, x, cell.center().y());
        }
        paintExpander(p, cell, item.expander);
        PictureKit::paintIcon(p, QRect(cell.left() + 1, cell.top(), 16, 16), item.icon);
        const QRect text(cell.left() + 20, cell.top(), width - 22, cell.height());
        if (item.selected) {
            p.fillRect(text.adjusted(-2, 0, 2, 0), Selection);
            p.setPen(Qt::white);
        } else {
            p.setPen(Qt::black);
        }
        p.setFont(font(11));
        p.drawText(text, Qt::AlignVCenter, item.text);
    }
}

void paintHeader(QPainter &p, const View &view, int width)
{
    const QRect bar = headerBar(view, width);
    p.fillRect(bar, QColor(235, 234, 219));
    p.setFont(font(11));
    for (int c = 0; c < view.columns.size(); ++c) {
        const QRect s = headerSection(view, c);
        if (c == view.sortColumn)
            p.fillRect(s, QColor(222, 223, 216));
        p.setPen(QColor(203, 199, 184));
        p.drawLine(s.right(), s.top() + 3, s.right(), s.bottom() - 3);
        p.setPen(Qt::white);
        p.drawLine(s.right() + 1, s.top() + 3, s.right() + 1, s.bottom() - 3);
        p.setPen(Qt::black);
        p.drawText(s.adjusted(6, 0, -6, 0),
                   Qt::AlignVCenter | (view.columns[c].alignRight ? Qt::AlignRight : Qt::AlignLeft),
                   view.columns[c].title);
        if (c == view.sortColumn) {
            // The sort mark: a small chevron pointing up (ascending) at the top.
            const QPointF m(s.center().x(), s.top() + 3.5);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(QColor(80, 80, 80), 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygonF{{m.x() - 4, m.y() + 2.5}, {m.x(), m.y() - 1}, {m.x() + 4, m.y() + 2.5}});
            p.setRenderHint(QPainter::Antialiasing, false);
        }
    }
    p.fillRect(QRect(bar.left(), bar.bottom(), bar.width(), 1), QColor(214, 210, 194));
}

void paintDetails(QPainter &p, const QRect &pane, const View &view)
{
    p.fillRect(pane, Qt::white);
    paintHeader(p, view, pane.right() + 1);
    Saved saved(p);
    p.setClipRect(pane.adjusted(0, HeaderHeight, 0, 0));
    p.setFont(font(11));
    for (int r = 0; r < view.rows.size(); ++r) {
        const Row &row = view.rows[r];
        const QRect name = nameCell(view, r);
        PictureKit::paintIcon(p, QRect(name.left() + 1, name.top(), 16, 16), row.icon);
        for (int c = 0; c < view.columns.size() && c < row.cells.size(); ++c) {
            const QRect s = headerSection(view, c);
            QRect cell(s.left() + 6, name.top(), s.width() - 12, RowHeight);
            if (c == 0) {
                cell = QRect(name.left() + 20, name.top(), s.width() - 26, RowHeight);
                if (r == view.editingRow)
                    continue;
                if (r == view.selectedRow) {
                    const int w = std::min(cell.width(), QFontMetrics(p.font()).horizontalAdvance(row.cells[c]) + 4);
                    p.fillRect(QRect(cell.left() - 2, cell.top() + 1, w, cell.height() - 2), Selection);
                    p.setPen(Qt::white);
                } else {
                    p.setPen(Qt::black);
                }
            } else {
                p.setPen(Qt::black);
            }
            const Qt::Alignment align = view.columns[c].alignRight ? Qt::AlignRight : Qt::AlignLeft;
            p.drawText(cell, Qt::AlignVCenter | align,
                       QFontMetrics(p.font()).elidedText(row.cells[c], Qt::ElideRight, cell.width()));
        }
        if (r == view.editingRow) {
            const QRect box = nameEditBox(view, r);
            p.fillRect(box, QColor(49, 106, 197));
            p.setPen(Qt::black);
            p.setBrush(Qt::NoBrush);
            p.drawRect(box.adjusted(-1, -1, 0, 0));
        }
    }
}

void paintTiles(QPainter &p, const QRect &pane, const View &view)
{
    p.fillRect(pane, Qt::white);
    for (int g = 0; g < view.groups.size(); ++g) {
        const TileGroup &group = view.groups[g];
        const QRect first = tileRect(view, g, 0);
        const QRect title(first.left() - 4, first.top() - 30, pane.right() - first.left() - 12, 18);
        p.setPen(Qt::black);
        p.setFont(font(11, true));
        p.drawText(title, Qt::AlignVCenter, group.title);
        QLinearGradient line(title.bottomLeft(), title.bottomRight());
        line.setColorAt(0, QColor(112, 191, 255));
        line.setColorAt(1, Qt::white);
        p.fillRect(QRect(title.left(), title.bottom() + 1, title.width(), 2), line);
        for (int t = 0; t < group.tiles.size(); ++t) {
            const QRect r = tileRect(view, g, t);
            const Tile &tile = group.tiles[t];
            PictureKit::paintIcon(p, QRect(r.left() + 2, r.top() + 1, 32, 32), tile.icon);
            p.setPen(Qt::black);
            p.setFont(font(11));
            p.drawText(QRect(r.left() + 40, r.top() + 1, r.width() - 42, 16), Qt::AlignVCenter, tile.name);
            p.setPen(QColor(120, 120, 120));
            p.drawText(QRect(r.left() + 40, r.top() + 16, r.width() - 42, 16), Qt::AlignVCenter, tile.detail);
        }
    }
}
}

int contentLeft(const View &view) { return view.tree ? ListLeftWithTree : TaskPaneWidth + 1; }

QRect headerBar(const View &view, int width)
{
    return QRect(contentLeft(view), PaneTop, width - contentLeft(view), HeaderHeight);
}

QRect headerSection(const View &view, int column)
{
    int x = contentLeft(view);
    for (int c = 0; c < column && c < view.columns.size(); ++c)
        x += view.columns[c].width;
    const int w = column < view.columns.size() ? view.columns[column].width : 0;
    return QRect(x, PaneTop, w, HeaderHeight);
}

QRect rowRect(const View &view, int row, int width)
{
    return QRect(contentLeft(view), PaneTop + HeaderHeight + 1 + RowHeight * row, width - contentLeft(view), RowHeight);
}

QRect nameCell(const View &view, int row)
{
    const QRect r = rowRect(view, row, 0);
    const int w = view.columns.isEmpty() ? 120 : view.columns[0].width;
    return QRect(r.left() + 4, r.top(), w - 8, RowHeight);
}

QRect nameEditBox(const View &view, int row)
{
    const QRect name = nameCell(view, row);
    return QRect(name.left() + 15, name.top() - 2, 111, 21);
}

QRect treeCell(int index, int depth, int textWidth)
{
    return QRect(8 + TreeIndent * depth, TreeTop + TreeRowHeight * index, textWidth, TreeRowHeight);
}

QRect tileRect(const View &view, int group, int index)
{
    const int left = contentLeft(view) + (view.tree ? 2 : 15);
    return QRect(left + index * (TileSize.width() + 12), 166 + group * 74, TileSize.width(), TileSize.height());
}

void paint(QPainter &painter, const QSize &size, const View &view)
{
    Saved saved(painter);
    PictureKit::WindowFrame frame;
    frame.caption = view.caption;
    frame.icon = view.icon;
    PictureKit::paintWindowFrame(painter, QRect(QPoint(0, 0), size), frame);
    paintMenuBar(painter, size.width());
    paintToolBar(painter, size.width(), view.tree);
    paintAddressBar(painter, size.width(), view);
    const int bottom = size.height() - StatusHeight;
    if (view.tree) {
        paintTree(painter, QRect(1, PaneTop, TreePaneWidth, bottom - PaneTop), view);
        painter.fillRect(QRect(TreePaneWidth + 1, PaneTop, ListLeftWithTree - TreePaneWidth - 1, bottom - PaneTop),
                         QColor(236, 233, 216));
    } else {
        paintTaskPane(painter, QRect(1, PaneTop, TaskPaneWidth, bottom - PaneTop));
    }
    const QRect pane(contentLeft(view), PaneTop, size.width() - 1 - contentLeft(view), bottom - PaneTop);
    if (view.details)
        paintDetails(painter, pane, view);
    else
        paintTiles(painter, pane, view);
    painter.setPen(PaneLine);
    painter.drawLine(pane.topLeft(), pane.bottomLeft());
    // Status bar.
    const QRect status(1, bottom, size.width() - 2, StatusHeight - 1);
    painter.fillRect(status, QColor(241, 239, 226));
    painter.setPen(QColor(60, 60, 60));
    painter.setFont(font(11));
    painter.drawText(status.adjusted(6, 0, 0, 0), Qt::AlignVCenter, view.status);
    painter.drawText(status.adjusted(0, 0, -20, 0), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("Poste de travail"));
}

void paintDraggedFile(QPainter &painter, const QSize &size, const QString &icon, const QString &name)
{
    Saved saved(painter);
    painter.fillRect(QRect(0, 0, 18, size.height()), QColor(255, 255, 255, 120));
    PictureKit::paintIcon(painter, QRect(1, (size.height() - 16) / 2, 16, 16), icon);
    painter.setFont(font(11));
    painter.setPen(QColor(0, 0, 0, 170));
    painter.drawText(QRect(20, 0, size.width() - 20, size.height()), Qt::AlignVCenter, name);
}

void paintDriveSpace(QPainter &painter, const QRect &rect, const DriveSpace &space)
{
    Saved saved(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor usedColour(0, 0, 255);
    const QColor freeColour(255, 0, 255);
    painter.setFont(font(11));
    auto legend = [&](int y, const QColor &colour, const QString &what, const QString &bytes, const QString &value) {
        if (colour.isValid()) {
            painter.setPen(Qt::black);
            painter.setBrush(colour);
            painter.drawRect(QRectF(rect.left() + 6.5, y + 2.5, 12, 12));
        }
        painter.setPen(Qt::black);
        painter.drawText(QRect(rect.left() + 26, y, 120, 18), Qt::AlignVCenter, what);
        painter.drawText(QRect(rect.left() + 150, y, 130, 18), Qt::AlignVCenter | Qt::AlignRight, bytes);
        painter.drawText(QRect(rect.left() + 290, y, rect.width() - 296, 18), Qt::AlignVCenter | Qt::AlignRight, value);
    };
    legend(rect.top() + 4, usedColour, QStringLiteral("Espace utilisé :"), space.usedBytes, space.used);
    legend(rect.top() + 24, freeColour, QStringLiteral("Espace libre :"), space.freeBytes, space.free);
    painter.setPen(QColor(160, 160, 160));
    painter.drawLine(rect.left() + 6, rect.top() + 47, rect.right() - 6, rect.top() + 47);
    legend(rect.top() + 52, QColor(), QStringLiteral("Capacité :"), space.capacityBytes, space.capacity);

    // The pie, a flat disc with its thickness below.
    const qreal depth = 14;
    const qreal pieW = std::min({rect.width() * 0.5, 170.0, (rect.height() - 80 - depth - 20) / 0.42});
    const qreal pieH = pieW * 0.42;
    const QRectF top(rect.center().x() - pieW / 2, rect.top() + 80, pieW, pieH);
    const int usedAngle = int(360 * 16 * space.usedFraction);
    for (int d = int(depth); d >= 1; --d) {
        const QRectF layer = top.translated(0, d);
        painter.setPen(Qt::NoPen);
        painter.setBrush(freeColour.darker(160));
        painter.drawPie(layer, 0, 360 * 16 - usedAngle);
        painter.setBrush(usedColour.darker(160));
        painter.drawPie(layer, 360 * 16 - usedAngle, usedAngle);
    }
    painter.setPen(QPen(Qt::black, 0.8));
    painter.setBrush(freeColour);
    painter.drawPie(top, 0, 360 * 16 - usedAngle);
    painter.setBrush(usedColour);
    painter.drawPie(top, 360 * 16 - usedAngle, usedAngle);
    painter.setPen(Qt::black);
    painter.setFont(font(11));
    painter.drawText(QRect(rect.left(), int(top.bottom() + depth + 2), rect.width(), 18), Qt::AlignCenter, space.label);
}

void paintDriveProperties(QPainter &painter, const QSize &size, const DriveSpace &space, const QRect &okButton)
{
    Saved saved(painter);
    PictureKit::WindowFrame frame;
    frame.caption = QStringLiteral("Propriétés de ") + space.name;
    frame.icon = QStringLiteral("drive-harddisk");
    frame.minimiseButton = false;
    frame.maximiseButton = false;
    const QRect client = PictureKit::paintWindowFrame(painter, QRect(QPoint(0, 0), size), frame);
    const QStringList tabs{QStringLiteral("Général"), QStringLiteral("Outils"), QStringLiteral("Matériel"),
                           QStringLiteral("Partage"), QStringLiteral("Quota")};
    const QRect page = PictureKit::paintTabWidget(
        painter, QRect(client.left() + 8, client.top() + 8, client.width() - 16, okButton.top() - client.top() - 18),
        tabs, 0);
    painter.setFont(font(11));
    PictureKit::paintIcon(painter, QRect(page.left() + 14, page.top() + 12, 32, 32), QStringLiteral("drive-harddisk"));
    PictureKit::paintTextField(painter, QRect(page.left() + 70, page.top() + 16, page.width() - 90, 22),
                               QStringLiteral("SYSTEME"));
    painter.setPen(QColor(160, 160, 160));
    painter.drawLine(page.left() + 10, page.top() + 54, page.right() - 10, page.top() + 54);
    painter.setPen(Qt::black);
    painter.drawText(QRect(page.left() + 16, page.top() + 60, 140, 18), Qt::AlignVCenter, QStringLiteral("Type :"));
    painter.drawText(QRect(page.left() + 160, page.top() + 60, 200, 18), Qt::AlignVCenter, QStringLiteral("Disque local"));
    painter.drawText(QRect(page.left() + 16, page.top() + 80, 140, 18), Qt::AlignVCenter,
                     QStringLiteral("Système de fichiers :"));
    painter.drawText(QRect(page.left() + 160, page.top() + 80, 200, 18), Qt::AlignVCenter, QStringLiteral("NTFS"));
    painter.setPen(QColor(160, 160, 160));
    painter.drawLine(page.left() + 10, page.top() + 104, page.right() - 10, page.top() + 104);
    paintDriveSpace(painter, QRect(page.left() + 10, page.top() + 110, page.width() - 20, 200), space);
    painter.setPen(QColor(160, 160, 160));
    painter.drawLine(page.left() + 10, page.bottom() - 56, page.right() - 10, page.bottom() - 56);
    PictureKit::paintCheckBox(painter, QRect(page.left() + 16, page.bottom() - 48, page.width() - 30, 18),
                              QStringLiteral("Compresser le lecteur pour augmenter l'espace disque"), false);
    PictureKit::paintCheckBox(painter, QRect(page.left() + 16, page.bottom() - 26, page.width() - 30, 18),
                              QStringLiteral("Indexer le contenu pour accélérer la recherche"), true);
    PictureKit::paintButton(painter, okButton, QStringLiteral("OK"), true);
    PictureKit::paintButton(painter, okButton.translated(okButton.width() + 8, 0), QStringLiteral("Annuler"));
    PictureKit::paintButton(painter, okButton.translated(2 * (okButton.width() + 8), 0), QStringLiteral("Appliquer"));
}
}
