// The image exercise's pictures: the desktop with the editor's shortcut, the editor
// empty and with the photograph, its menus, the five brightness versions of the
// photograph and its half-size copy.
#include "exercises/domain3/image_processing/layout.h"
#include "pictures/imageeditor.h"
#include "pictures/kit.h"
#include "pictures/photos.h"
#include "pictures/pictures.h"

#include <QPainter>

using namespace ImageProcessingLayout;

namespace {
struct Shortcut
{
    const char *icon;
    const char *caption;
};
// Row by row; the empty icon name is the image editor.
constexpr Shortcut Shortcuts[4][4] = {
    {{"user-trash", "Corbeille"}, {"computer", "Poste de travail"}, {"folder-documents", "Mes documents"},
     {"internet-web-browser", "Navigateur Internet"}},
    {{"x-office-document", "Traitement de texte"}, {"x-office-spreadsheet", "Tableur"},
     {"x-office-presentation", "Présentation"}, {"", "PhotoFiltre"}},
    {{"internet-mail", "Messagerie"}, {"accessories-calculator", "Calculatrice"},
     {"multimedia-volume-control", "Lecteur audio"}, {"help-browser", "Aide"}},
    {{"applications-games", "Jeux"}, {"office-calendar", "Agenda"}, {"office-address-book", "Carnet d'adresses"},
     {"folder", "Travaux de la classe"}}};

void paintDesktop(QPainter &p, const QSize &size)
{
    using namespace PictureKit;
    const QRect all(QPoint(0, 0), size);
    paintWallpaper(p, all);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            const Shortcut &s = Shortcuts[row][column];
            const QPoint topLeft(IconColumns[column], IconRows[row]);
            paintDesktopIcon(p, topLeft, *s.icon ? QString::fromLatin1(s.icon) : ImageEditor::Icon,
                             QString::fromUtf8(s.caption));
        }
    paintTaskBar(p, QRect(0, size.height() - TaskBarHeight, size.width(), TaskBarHeight), {});
}

void paintEmptyEditor(QPainter &p, const QSize &)
{
    ImageEditor::paintEditor(p, QString());
}

void paintOpenEditor(QPainter &p, const QSize &)
{
    ImageEditor::paintEditor(p, Caption);
}

void paintResizedEditor(QPainter &p, const QSize &)
{
    ImageEditor::paintEditor(p, Caption, QSize(400, 300));
}

Pictures::Painter menuPainter(const ImageEditor::MenuPicture &menu)
{
    return [menu](QPainter &p, const QSize &) { ImageEditor::paintMenu(p, QPoint(0, 0), menu); };
}

void paintPhoto(QPainter &p, const QSize &size, int level)
{
    p.drawImage(0, 0, Photos::sunset(size, level));
}

// A hot spot's outline in the picture's coordinates.
Pictures::HotSpotOutline outline(const char *name, const QRect &rect, const QRect &picture)
{
    return {QString::fromLatin1(name), rect.translated(-picture.topLeft())};
}

QList<Pictures::HotSpotOutline> toolOutlines()
{
    QList<Pictures::HotSpotOutline> list;
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < ImageEditor::tools(row).size(); ++i)
            list << Pictures::HotSpotOutline{ImageEditor::tools(row)[i].hint, ImageEditor::toolRects(row)[i]};
    return list;
}

struct Registrations
{
    Registrations()
    {
        Pictures::add({QStringLiteral("Texercice20v3/Image1"), WindowSize, &paintDesktop,
                       {outline("zs", zs, QRect()), outline("zs1", zs1Desktop, QRect())}});
        Pictures::add({QStringLiteral("Texercice20v3b/Image1"), ImageEditor::Size, &paintEmptyEditor,
                       {outline("zs3", zs3b, Editor), outline("zs1", zs1b, Editor), outline("zs2", zs2b, Editor)}});
        Pictures::add({QStringLiteral("Texercice20v3b/Image2"), Image2b.size(), menuPainter(ImageEditor::menu(ImageEditor::File)),
                       {outline("zs5", zs5b, Image2b)}});
        Pictures::add({QStringLiteral("Texercice20v3b/Image3"), Image3b.size(), menuPainter(ImageEditor::recentFiles()),
                       {outline("zs7", zs7b, Image3b)}});
        QList<Pictures::HotSpotOutline> editorSpots = toolOutlines();
        editorSpots << outline("zs13", ImageProcessingLayout::zs13, Editor);
        Pictures::add({QStringLiteral("Texercice20v3c/Image1"), ImageEditor::Size, &paintOpenEditor, editorSpots});
        Pictures::add({ResizedEditor, ImageEditor::Size, &paintResizedEditor, editorSpots});
        for (int level = 1; level <= 5; ++level)
            Pictures::add({QStringLiteral("Texercice20v3c/Image%1").arg(level + 1), Photo.size(),
                           [level](QPainter &p, const QSize &s) { paintPhoto(p, s, level); }, {}});
        Pictures::add({QStringLiteral("Texercice20v3c/Image17"), HalfPhoto.size(),
                       [](QPainter &p, const QSize &s) { paintPhoto(p, s, Photos::BrightestLevel); }, {}});
        for (int m = 0; m < ImageEditor::MenuCount; ++m) {
            const QRect rect = menuPicture(m);
            QList<Pictures::HotSpotOutline> spots;
            if (m == ImageEditor::File)
                spots << outline("zs63", zs63, rect);
            if (m == ImageEditor::Image)
                spots << outline("zs61", zs61, rect);
            if (m == ImageEditor::Adjust)
                spots << outline("zs60", zs60, rect);
            Pictures::add({QStringLiteral("Texercice20v3c/Image%1").arg(7 + m), rect.size(),
                           menuPainter(ImageEditor::menu(m)), spots});
        }
    }
};
const Registrations registrations;
}
