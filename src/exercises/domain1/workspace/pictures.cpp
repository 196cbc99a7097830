// The pictures of the workspace exercise: the desktop with its 21 icons and task bar,
// the start menu, the list of all programs, the office suite's submenu and the empty
// spreadsheet, each drawn from the window's rectangles so that every entry lies under
// its hot spot.
#include "exercises/domain1/workspace/layout.h"
#include "pictures/desktopicons.h"
#include "pictures/drawinglog.h"
#include "pictures/kit.h"
#include "pictures/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace WorkspaceLayout;
using namespace PictureKit;

namespace {
const QColor MenuBlue(30, 87, 153);
const QColor MenuPale(214, 229, 245);

void drawText(QPainter &p, const QRect &r, const QString &text, int pixels = 12, bool bold = false,
              const QColor &colour = Colours::Text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    p.setFont(uiFont(pixels, bold));
    p.setPen(colour);
    p.drawText(r, int(align), text);
}

// A submenu arrow at the right of a row.
void drawArrow(QPainter &p, const QRect &row, const QColor &colour = Colours::Text)
{
    QPainterPath a;
    const QPointF c(row.right() - 10, row.center().y());
    a.moveTo(c + QPointF(-3, -4));
    a.lineTo(c + QPointF(2, 0));
    a.lineTo(c + QPointF(-3, 4));
    a.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(a);
}

void paintDesktop(QPainter &p, const QSize &size)
{
    const QRect all(QPoint(0, 0), size);
    paintWallpaper(p, all);
    for (int i = 0; i < 21; ++i)
        // Every tile drawn as large as the largest, so that each caption has its two lines.
        DesktopIcons::paintTile(p, QRect(inPicture(iconRect(i), Image1).topLeft(), LargeIcon), Icons[i].kind,
                                QString::fromUtf8(Icons[i].caption));
    const QRect start = inPicture(Shape1, Image1);
    const QRect bar(0, start.top() - 3, size.width(), size.height() - start.top() + 3);
    paintTaskBar(p, bar, {}, -1, QStringLiteral("10:24"));
    p.fillRect(QRect(bar.left(), bar.top() + 1, 180, bar.height() - 1), QColor(35, 38, 45));
    PictureKit::paintStartButton(p, start);
}

void paintStartMenuPicture(QPainter &p, const QSize &size)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRect all(QPoint(0, 0), size);
    p.fillRect(all, Qt::white);
    // The user's band.
    const QRect head(0, 0, size.width(), 58);
    QLinearGradient band(head.topLeft(), head.bottomLeft());
    band.setColorAt(0, QColor(60, 130, 210));
    band.setColorAt(1, MenuBlue);
    p.fillRect(head, band);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(250, 210, 120));
    p.drawRoundedRect(QRect(10, 9, 40, 40), 5, 5);
    drawText(p, QRect(60, 0, 300, 58), QStringLiteral("Élève"), 16, true, Qt::white);
    // Left column: pinned and recent programs, then "all programs" at the bottom.
    const QRect allPrograms = inPicture(Shape2, Image2);
    const int columnRight = allPrograms.right() + 8;
    struct Row
    {
        DesktopIcons::Kind kind;
        const char *text;
    };
    const Row left[] = {{DesktopIcons::Kind::WebBrowser, "Internet"},
                        {DesktopIcons::Kind::TextEditor, "Courrier électronique"},
                        {DesktopIcons::Kind::MediaPlayer, "Lecteur multimédia"},
                        {DesktopIcons::Kind::PhotoEditor, "PhotoFiltre"},
                        {DesktopIcons::Kind::PdfReader, "Lecteur PDF"},
                        {DesktopIcons::Kind::TextEditor, "Bloc-notes"},
                        {DesktopIcons::Kind::FileTransfer, "Transfert FTP"}};
    int y = head.bottom() + 10;
    for (const Row &r : left) {
        DesktopIcons::paintIcon(p, QRect(12, y + 4, 32, 32), r.kind);
        drawText(p, QRect(52, y, columnRight - 56, 40), QString::fromUtf8(r.text), 12, y == head.bottom() + 10);
        y += 48;
    }
    p.fillRect(QRect(8, allPrograms.top() - 6, columnRight - 16, 1), QColor(200, 205, 215));
    drawText(p, allPrograms.adjusted(28, 0, 8, 0), AllPrograms, 11, true);
    QPainterPath go;
    const QPointF c(allPrograms.left() + 16, allPrograms.center().y());
    go.addEllipse(c, 9, 9);
    p.fillPath(go, QColor(60, 160, 60));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(c + QPointF(-4, 0), c + QPointF(4, 0));
    p.drawLine(c + QPointF(1, -3), c + QPointF(4, 0));
    p.drawLine(c + QPointF(1, 3), c + QPointF(4, 0));
    // Right column: places of the computer, on a pale blue.
    const QRect right(columnRight, head.bottom() + 1, size.width() - columnRight, allPrograms.top() - head.bottom() - 8);
    p.fillRect(right, MenuPale);
    p.fillRect(QRect(columnRight, head.bottom() + 1, 1, right.height()), QColor(150, 180, 220));
    const char *places[] = {"Mes documents", "Mes images", "Ma musique", "Poste de travail", "Favoris réseau",
                            "Panneau de configuration", "Imprimantes", "Aide et support",
                            "Rechercher", "Exécuter..."};
    const DesktopIcons::Kind placeIcons[] = {
        DesktopIcons::Kind::PersonalFolder, DesktopIcons::Kind::Folder,       DesktopIcons::Kind::Folder,
        DesktopIcons::Kind::Computer,       DesktopIcons::Kind::NetworkPlaces, DesktopIcons::Kind::Computer,
        DesktopIcons::Kind::Computer,       DesktopIcons::Kind::TextDocument, DesktopIcons::Kind::Folder,
        DesktopIcons::Kind::Folder};
    y = right.top() + 8;
    for (int i = 0; i < 10; ++i) {
        DesktopIcons::paintIcon(p, QRect(right.left() + 8, y + 4, 22, 22), placeIcons[i]);
        drawText(p, QRect(right.left() + 36, y, right.width() - 40, 30), QString::fromUtf8(places[i]), 11, i < 4,
                 MenuBlue.darker(140));
        y += 34;
    }
    // The bottom band: log off and shut down.
    const QRect bottom(columnRight, allPrograms.top() - 6, size.width() - columnRight, size.height() - allPrograms.top() + 6);
    p.fillRect(bottom, band);
    p.setBrush(QColor(230, 150, 40));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRect(bottom.left() + 8, bottom.top() + 10, 18, 18), 3, 3);
    drawText(p, QRect(bottom.left() + 30, bottom.top() + 4, 70, 30), QStringLiteral("Fermer la\nsession"), 9, false, Qt::white);
    p.setBrush(QColor(220, 60, 40));
    p.drawRoundedRect(QRect(bottom.left() + 104, bottom.top() + 10, 18, 18), 3, 3);
    drawText(p, QRect(bottom.left() + 126, bottom.top() + 4, 60, 30), QStringLiteral("Arrêter"), 10, false, Qt::white);
    p.setPen(QColor(80, 110, 160));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0, 0, -1, -1));
}

void paintMenuColumn(QPainter &p, const QSize &size, const QStringList &rows, int rowHeight, int folders,
                     const QList<DesktopIcons::Kind> &kinds, int pixels = 12)
{
    const QRect all(QPoint(0, 0), size);
    p.fillRect(all, QColor(250, 250, 251));
    p.fillRect(QRect(0, 0, 28, size.height()), MenuPale);
    for (int i = 0; i < rows.size(); ++i) {
        const QRect row(0, i * rowHeight, size.width(), rowHeight);
        const bool folder = i < folders;
        const int icon = qMin(rowHeight - 8, 22);
        DesktopIcons::paintIcon(p, QRect(4, row.top() + (rowHeight - icon) / 2, icon, icon),
                                folder ? DesktopIcons::Kind::Folder : kinds.value(i - folders, kinds.last()));
        DrawingLog::menuRow(p, row);
        // The text starts past the icon column and runs to the edge unless an arrow lies there.
        const QRect room = row.adjusted(32, 0, folder ? -18 : -6, 0);
        p.setFont(uiFont(pixels));
        DrawingLog::menuText(p, room, rows[i]);
        drawText(p, room, rows[i], pixels);
        if (folder)
            drawArrow(p, row);
    }
    p.setPen(QColor(150, 160, 175));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0, 0, -1, -1));
}

void paintPrograms(QPainter &p, const QSize &size)
{
    const QStringList rows = {OfficeFolder,
                              QStringLiteral("Accessoires"),
                              QStringLiteral("Démarrage"),
                              QStringLiteral("Jeux"),
                              QStringLiteral("Outils PDF"),
                              QStringLiteral("Multimédia"),
                              QStringLiteral("Navigateur Web"),
                              QStringLiteral("Navigateur Internet"),
                              QStringLiteral("Lecteur multimédia"),
                              QStringLiteral("Lecteur vidéo"),
                              QStringLiteral("Lecteur PDF"),
                              QStringLiteral("Médiathèque"),
                              QStringLiteral("PhotoFiltre"),
                              QStringLiteral("Visionneuse d'images"),
                              QStringLiteral("Transfert FTP"),
                              QStringLiteral("Bloc-notes"),
                              QStringLiteral("Courrier électronique"),
                              QStringLiteral("Aide et support"),
                              QStringLiteral("Assistance à distance"),
                              QStringLiteral("Catalogue en ligne"),
                              QStringLiteral("Mise à jour")};
    using K = DesktopIcons::Kind;
    paintMenuColumn(p, size, rows, ProgramRowHeight, 6,
                    {K::WebBrowser, K::InternetShortcut, K::MediaPlayer, K::VideoPlayer, K::PdfReader, K::MediaLibrary,
                     K::PhotoEditor, K::ImageViewer, K::FileTransfer, K::TextEditor, K::TextEditor, K::TextDocument,
                     K::Computer, K::WebBrowser, K::Computer});
}

void paintOfficeSubmenu(QPainter &p, const QSize &size)
{
    const QStringList rows = {QStringLiteral("OpenOffice.org Base"), SpreadsheetEntry,
                              QStringLiteral("OpenOffice.org Draw"), QStringLiteral("OpenOffice.org Impress"),
                              QStringLiteral("OpenOffice.org Math"), QStringLiteral("OpenOffice.org Writer")};
    paintMenuColumn(p, size, rows, SubmenuRowHeight, 0, {DesktopIcons::Kind::WordProcessor}, 11);
    // The spreadsheet's own icon on its row.
    const QRect row(0, SubmenuRowHeight, size.width(), SubmenuRowHeight);
    p.fillRect(QRect(4, row.top() + 2, 20, 20), QColor(250, 250, 251));
    DesktopIcons::paintIcon(p, QRect(4, row.top() + 2, 20, 20), DesktopIcons::Kind::Spreadsheet);
}

void paintSpreadsheet(QPainter &p, const QSize &size)
{
    const QRect outer(QPoint(0, 0), size);
    const QRect client = paintWindowFrame(p, outer, {SpreadsheetCaption, QStringLiteral("x-office-spreadsheet")});
    const QRect menu(client.left(), client.top(), client.width(), MenuBarHeight);
    paintMenuBar(p, menu,
                 {QStringLiteral("Fichier"), QStringLiteral("Édition"), QStringLiteral("Affichage"),
                  QStringLiteral("Insertion"), QStringLiteral("Format"), QStringLiteral("Outils"),
                  QStringLiteral("Données"), QStringLiteral("Fenêtre"), QStringLiteral("Aide")});
    const QRect tools(client.left(), menu.bottom() + 1, client.width(), 30);
    paintToolBar(p, tools,
                 {{QStringLiteral("document-new")}, {QStringLiteral("document-open")}, {QStringLiteral("document-save")},
                  ToolButton::line(), {QStringLiteral("document-print")}, {QStringLiteral("document-print-preview")},
                  ToolButton::line(), {QStringLiteral("edit-cut")}, {QStringLiteral("edit-copy")},
                  {QStringLiteral("edit-paste")}, ToolButton::line(), {QStringLiteral("edit-undo")},
                  {QStringLiteral("edit-redo")}, ToolButton::line(), {QStringLiteral("view-sort-ascending")},
                  {QStringLiteral("view-sort-descending")}, {QStringLiteral("office-chart-bar")}});
    const QRect formula(client.left(), tools.bottom() + 1, client.width(), 26);
    p.fillRect(formula, Colours::Window);
    paintTextField(p, QRect(formula.left() + 4, formula.top() + 3, 70, 20), QStringLiteral("A1"));
    drawText(p, QRect(formula.left() + 80, formula.top(), 40, 26), QStringLiteral("Σ  ="), 13);
    paintTextField(p, QRect(formula.left() + 124, formula.top() + 3, formula.width() - 130, 20));
    // The empty sheet.
    const int statusHeight = 20;
    const int tabsHeight = 22;
    const QRect grid(client.left(), formula.bottom() + 2, client.width(),
                     client.bottom() - formula.bottom() - 2 - statusHeight - tabsHeight);
    p.fillRect(grid, Qt::white);
    const int headerWidth = 36;
    const int rowHeight = 18;
    const int columnWidth = 80;
    p.fillRect(QRect(grid.left(), grid.top(), grid.width(), rowHeight), QColor(230, 232, 236));
    p.fillRect(QRect(grid.left(), grid.top(), headerWidth, grid.height()), QColor(230, 232, 236));
    p.setFont(uiFont(11));
    for (int c = 0; headerWidth + c * columnWidth < grid.width(); ++c) {
        const int x = grid.left() + headerWidth + c * columnWidth;
        p.setPen(QColor(200, 202, 206));
        p.drawLine(x, grid.top(), x, grid.bottom());
        p.setPen(Colours::Text);
        p.drawText(QRect(x, grid.top(), columnWidth, rowHeight), Qt::AlignCenter, QString(QChar(u'A' + c)));
    }
    for (int r = 0; rowHeight * (r + 1) < grid.height(); ++r) {
        const int yy = grid.top() + rowHeight * (r + 1);
        p.setPen(QColor(200, 202, 206));
        p.drawLine(grid.left(), yy, grid.right(), yy);
        p.setPen(Colours::Text);
        p.drawText(QRect(grid.left(), yy, headerWidth, rowHeight), Qt::AlignCenter, QString::number(r + 1));
    }
    // The current cell A1.
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(grid.left() + headerWidth, grid.top() + rowHeight, columnWidth, rowHeight));
    const QRect tabs(client.left(), grid.bottom() + 1, client.width(), tabsHeight);
    p.fillRect(tabs, Colours::Window);
    paintTabs(p, tabs.adjusted(60, 0, 0, 0), {QStringLiteral("Feuille1"), QStringLiteral("Feuille2"), QStringLiteral("Feuille3")}, 0);
    paintStatusBar(p, QRect(client.left(), tabs.bottom() + 1, client.width(), statusHeight),
                   {QStringLiteral("Feuille 1 / 3"), QStringLiteral("Standard"), QStringLiteral("100%"),
                    QStringLiteral("Somme=0")});
}

QList<Pictures::HotSpotOutline> outlines(const QRect &picture, std::initializer_list<std::pair<const char *, QRect>> spots)
{
    QList<Pictures::HotSpotOutline> list;
    for (const auto &[name, rect] : spots)
        list.append({QLatin1String(name), inPicture(rect, picture)});
    return list;
}

QList<Pictures::HotSpotOutline> iconOutlines()
{
    QList<Pictures::HotSpotOutline> list = outlines(Image1, {{"Shape1", Shape1}, {"Shape4", Shape4}});
    for (int i = 0; i < 21; ++i)
        list.append({i == 0 ? QStringLiteral("Icone1") : QStringLiteral("icone%1").arg(i + 1), inPicture(iconRect(i), Image1)});
    return list;
}

const Pictures::Registrar desktop{{QStringLiteral("Texercice2v3/Image1"), Image1.size(), &paintDesktop, iconOutlines()}};
const Pictures::Registrar startMenu{{QStringLiteral("Texercice2v3/Image2"), Image2.size(), &paintStartMenuPicture,
                                     outlines(Image2, {{"Shape2", Shape2}, {"Shape3", Shape3}})}};
const Pictures::Registrar programs{{QStringLiteral("Texercice2v3/Image3"), Image3.size(), &paintPrograms,
                                    outlines(Image3, {{"Shape6", Shape6}, {"Shape9", Shape9}})}};
const Pictures::Registrar submenu{{QStringLiteral("Texercice2v3/Image4"), Image4.size(), &paintOfficeSubmenu,
                                   outlines(Image4, {{"Shape7", Shape7}})}};
const Pictures::Registrar spreadsheet{{QStringLiteral("Texercice2v3/Image6"), Image6.size(), &paintSpreadsheet,
                                       outlines(Image6, {{"Shape8", Shape8}})}};
}
