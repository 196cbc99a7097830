// The pictures of the storage chain: the school desktop with and without the
// saved copy and arranged by type, the image editor, its File menu and recent
// files, the two states of the save-as dialog and the desktop's menus.
#include "exercises/domain1/storage_organisation/layout.h"
#include "pictures/desktop.h"
#include "pictures/imageeditor.h"
#include "pictures/outlines.h"
#include "pictures/pictures.h"

#include <QPainter>

using namespace StorageLayout;
using PictureKit::MenuItem;

namespace {

void paintPlainDesktop(QPainter &p, const QSize &size) { Desktop::paintDesktop(p, size, Desktop::schoolIcons(false)); }
void paintDesktopWithCopy(QPainter &p, const QSize &size) { Desktop::paintDesktop(p, size, Desktop::schoolIcons(true)); }
void paintLastDesktop(QPainter &p, const QSize &size)
{
    Desktop::paintDesktop(p, size, Desktop::schoolIcons(true),
                          Desktop::TaskBarHeight + size.height() - DesktopSize.height());
}

void paintArranged(QPainter &p, const QSize &)
{
    const QRect part = inPicture(W4Image4, DesktopRect);
    Desktop::paintDesktopPart(p, DesktopSize, part,
                              Desktop::arrangedByType(Desktop::schoolIcons(true), ArrangedFirstRow, ArrangedRows));
}

void paintEmptyEditor(QPainter &p, const QSize &size) { ImageEditor::paintSmallEditor(p, size, QString()); }
void paintEditorWithCopy(QPainter &p, const QSize &size) { ImageEditor::paintSmallEditor(p, size, SavedFile); }

void paintFileMenuRecent(QPainter &p, const QSize &size)
{
    ImageEditor::paintSmallFileMenu(p, size, ImageEditor::FileRecent, inPicture(W1Image13, W1Image11));
}

void paintFileMenuSaveAs(QPainter &p, const QSize &size)
{
    ImageEditor::paintSmallFileMenu(p, size, ImageEditor::FileSaveAs, inPicture(W2zs3, W2Image3));
}

void paintRecentFiles(QPainter &p, const QSize &size)
{
    Desktop::Popup popup;
    for (const QString &name : RecentFiles) {
        MenuItem m;
        m.text = name;
        popup.items << m;
    }
    popup.itemHeight = RecentItemHeight;
    popup.anchor = RecentIndex;
    popup.anchorTop = inPicture(W1Image15, W1Image14).top();
    Desktop::paintPopup(p, QRect(QPoint(0, 0), size), popup);
}

Desktop::SaveDialog saveDialog(const QRect &picture)
{
    Desktop::SaveDialog d;
    d.placesBar = inPicture(W2zs5, picture).adjusted(-4, -2, 4, 0);
    d.placeHeight = 68;
    d.folderBox = inPicture(W2zs6, picture);
    d.upButton = inPicture(W2zs9, picture);
    d.newFolderButton = inPicture(W2zs8, picture);
    d.viewButton = inPicture(W2zs7, picture);
    d.list = QRect(d.folderBox.left(), d.placesBar.top(), picture.width() - d.folderBox.left() - 8, 276);
    const QRect save = inPicture(W2zs11, picture);
    d.nameField = QRect(d.folderBox.left() + 104, save.top() + 2, save.left() - d.folderBox.left() - 112, 22);
    d.typeField = d.nameField.translated(0, 32);
    d.saveButton = save.adjusted(0, 0, 0, -3);
    d.cancelButton = d.saveButton.translated(0, 32);
    d.fileName = SavedFile;
    return d;
}

void paintDialogPictures(QPainter &p, const QSize &size)
{
    Desktop::SaveDialog d = saveDialog(W2Image4);
    d.folder = QStringLiteral("Mes images");
    d.folderIcon = QStringLiteral("folder-pictures");
    d.currentPlace = 2;
    for (const char *name : {"vacances.jpg", "portrait.jpg", "keyboard.jpg", "fleurs.jpg", "chateau.jpg", "logo.gif",
                             "souris.jpg", "classe.jpg", "sortie.jpg", "affiche.png", "sapin.jpg", "plage.jpg"})
        d.entries << qMakePair(QStringLiteral("image-jpeg"), QString::fromLatin1(name));
    Desktop::paintSaveDialog(p, size, d);
}

void paintDialogDesktop(QPainter &p, const QSize &size)
{
    Desktop::SaveDialog d = saveDialog(W2Image6);
    d.folder = QStringLiteral("Bureau");
    d.folderIcon = QStringLiteral("user-desktop");
    d.currentPlace = 1;
    d.fileNameSelected = true;
    for (const Desktop::Icon &icon : Desktop::schoolIcons(false))
        d.entries << qMakePair(icon.theme, icon.caption);
    Desktop::paintSaveDialog(p, size, d);
}

void paintDesktopMenu(QPainter &p, const QSize &size)
{
    Desktop::paintPopup(p, QRect(QPoint(0, 0), size), Desktop::desktopContextMenu(inPicture(W4zs3, W4Image2).top() + 2));
}

void paintArrangeMenu(QPainter &p, const QSize &size)
{
    Desktop::paintPopup(p, QRect(QPoint(0, 0), size), Desktop::arrangeIconsMenu(inPicture(W4zs4, W4Image3).top()));
}

using Pictures::entry;
using Pictures::outlinesIn;

const Pictures::Registrar pictures[] = {
    Pictures::Registrar{entry("Texercice3v3/Image1", DesktopSize, &paintPlainDesktop,
                              outlinesIn({{"Icone1", W1Icone1}, {"Image4", W1Image4}, {"Image3", W1Image3}}, DesktopRect))},
    Pictures::Registrar{entry("Texercice3v3/Image7", W1Image7.size(), &paintEmptyEditor,
                              outlinesIn({{"Image10", W1Image10}, {"Image9", W1Image9}, {"Image8", W1Image8}}, W1Image7))},
    Pictures::Registrar{entry("Texercice3v3/Image11", W1Image11.size(), &paintFileMenuRecent,
                              outlinesIn({{"Image13", W1Image13}}, W1Image11))},
    Pictures::Registrar{entry("Texercice3v3/Image14", W1Image14.size(), &paintRecentFiles,
                              outlinesIn({{"Image15", W1Image15}}, W1Image14))},
    Pictures::Registrar{entry("Texercice3v3b/image1", DesktopSize, &paintPlainDesktop)},
    Pictures::Registrar{entry("Texercice3v3b/Image2", W2Image2.size(), &paintEditorWithCopy,
                              outlinesIn({{"zs2", W2zs2}, {"zs12", W2zs12}}, W2Image2))},
    Pictures::Registrar{entry("Texercice3v3b/Image3", W2Image3.size(), &paintFileMenuSaveAs,
                              outlinesIn({{"zs3", W2zs3}}, W2Image3))},
    Pictures::Registrar{entry("Texercice3v3b/Image4", W2Image4.size(), &paintDialogPictures,
                              outlinesIn({{"zs4", W2zs4}, {"zs6", W2zs6}, {"zs9", W2zs9}, {"zs8", W2zs8},
                                        {"zs7", W2zs7}, {"zs10", W2zs10}}, W2Image4))},
    Pictures::Registrar{entry("Texercice3v3b/Image6", W2Image6.size(), &paintDialogDesktop,
                              outlinesIn({{"zs11", W2zs11}}, W2Image6))},
    Pictures::Registrar{entry("Texercice3v3c/Image1", DesktopSize, &paintDesktopWithCopy,
                              outlinesIn({{"zs", W3zs}, {"zs1", W3zs1}, {"zs2", W3zs2}}, DesktopRect))},
    Pictures::Registrar{entry("Texercice3v3c/Image4", W3Image4.size(), &paintEditorWithCopy,
                              outlinesIn({{"zs3", W3zs3}}, W3Image4))},
    Pictures::Registrar{entry("Texercice3v3e/Image1", LastDesktopRect.size(), &paintLastDesktop,
                              outlinesIn({{"zs", W4zs}, {"zs1", W4zs1}, {"zs2", W4zs2}}, LastDesktopRect))},
    Pictures::Registrar{entry("Texercice3v3e/Image2", W4Image2.size(), &paintDesktopMenu,
                              outlinesIn({{"zs3", W4zs3}}, W4Image2))},
    Pictures::Registrar{entry("Texercice3v3e/Image3", W4Image3.size(), &paintArrangeMenu,
                              outlinesIn({{"zs4", W4zs4}}, W4Image3))},
    Pictures::Registrar{entry("Texercice3v3e/Image4", W4Image4.size(), &paintArranged)},
};
}
