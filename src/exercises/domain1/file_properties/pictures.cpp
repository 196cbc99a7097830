// The pictures of the file-properties chain: the school desktop, the explorer in
// its successive states, its menus, the drive's properties and the dragged file.
#include "exercises/domain1/file_properties/layout.h"
#include "pictures/desktop.h"
#include "pictures/explorer.h"
#include "pictures/outlines.h"
#include "pictures/pictures.h"

#include <QPainter>

using namespace FilePropertiesLayout;
using Explorer::Expander;
using Explorer::TreeItem;
using PictureKit::MenuItem;

namespace {

MenuItem item(const char *text, bool submenu = false, bool enabled = true)
{
    MenuItem m;
    m.text = QString::fromUtf8(text);
    m.submenu = submenu;
    m.enabled = enabled;
    return m;
}

MenuItem ticked(const char *text)
{
    MenuItem m = item(text);
    m.checkable = true;
    m.checked = true;
    return m;
}

QString sizeText(int ko)
{
    if (ko <= 0)
        return {};
    QString digits = QString::number(ko);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(' '));
    return digits + QStringLiteral(" Ko");
}

const Explorer::DriveSpace &driveC()
{
    static const Explorer::DriveSpace space{QStringLiteral("Lecteur C:"),
                                            QStringLiteral("Disque local (C:)"),
                                            QStringLiteral("28,4 Go"),
                                            QStringLiteral("8,8 Go"),
                                            QStringLiteral("37,2 Go"),
                                            QStringLiteral("30 494 695 424 octets"),
                                            QStringLiteral("9 448 914 944 octets"),
                                            QStringLiteral("39 943 610 368 octets"),
                                            28.4 / 37.2};
    return space;
}

// ---- the folder tree -----------------------------------------------------------------

enum class TreeState { DriveClosed, DriveOpen, FolderOpen, FolderWithTextes };

QList<TreeItem> folderTree(TreeState state)
{
    QList<TreeItem> tree{
        {QStringLiteral("Bureau"), QStringLiteral("user-desktop"), 0, Expander::None, false},
        {QStringLiteral("Poste de travail"), QStringLiteral("computer"), 0, Expander::None,
         state == TreeState::DriveClosed},
        {QStringLiteral("Disquette 3½ (A:)"), QStringLiteral("media-floppy"), 1, Expander::Collapsed, false},
        {QStringLiteral("Disque local (C:)"), QStringLiteral("drive-harddisk"), 1,
         state == TreeState::DriveClosed ? Expander::Collapsed : Expander::Expanded, state == TreeState::DriveOpen},
    };
    if (state != TreeState::DriveClosed) {
        const char *folders[] = {"Applications", "Documents", "Drivers", "Images", "Intel", "Jeux", "Logiciels",
                                 "Musique", "Perso", "Programmes", "Sauvegardes", "Temp", "test-tavelo",
                                 "Utilisateurs", "Windows"};
        for (const char *f : folders) {
            const QString name = QString::fromUtf8(f);
            const bool test = name == QLatin1String("test-tavelo");
            const bool open = test && state != TreeState::DriveOpen;
            tree << TreeItem{name, QStringLiteral("folder"), 2,
                             open ? Expander::Expanded : (test ? Expander::Collapsed : Expander::None), open};
            if (open) {
                for (const FileEntry &e : TestFolder)
                    if (e.sizeKo == 0)
                        tree << TreeItem{QString::fromUtf8(e.name), QStringLiteral("folder"), 3, Expander::None, false};
                if (state == TreeState::FolderWithTextes)
                    tree << TreeItem{NewFolderName, QStringLiteral("folder"), 3, Expander::None, false};
            }
        }
    }
    tree << TreeItem{QStringLiteral("Lecteur DVD (D:)"), QStringLiteral("drive-optical"), 1, Expander::None, false}
         << TreeItem{QStringLiteral("Documents partagés"), QStringLiteral("folder-documents"), 1, Expander::None, false}
         << TreeItem{QStringLiteral("Favoris réseau"), QStringLiteral("network-workgroup"), 0, Expander::None, false}
         << TreeItem{QStringLiteral("Corbeille"), QStringLiteral("user-trash"), 0, Expander::None, false};
    return tree;
}

// ---- the views ---------------------------------------------------------------------

Explorer::View computerView(bool tree)
{
    Explorer::View v;
    v.caption = QStringLiteral("Poste de travail");
    v.address = QStringLiteral("Poste de travail");
    v.icon = QStringLiteral("computer");
    v.tree = tree;
    if (tree)
        v.treeItems = folderTree(TreeState::DriveClosed);
    v.details = false;
    v.groups = {
        {QStringLiteral("Fichiers enregistrés sur cet ordinateur"),
         {{QStringLiteral("folder-documents"), QStringLiteral("Documents partagés"), QStringLiteral("Dossier de fichiers")},
          {QStringLiteral("folder-documents"), QStringLiteral("Mes documents"), QStringLiteral("Dossier de fichiers")}}},
        {QStringLiteral("Disques durs"),
         {{QStringLiteral("drive-harddisk"), QStringLiteral("Disque local (C:)"), QStringLiteral("Disque local")}}},
        {QStringLiteral("Périphériques utilisant des supports amovibles"),
         {{QStringLiteral("media-floppy"), QStringLiteral("Disquette 3½ (A:)"), QStringLiteral("Disquette 3½ pouces")},
          {QStringLiteral("drive-optical"), QStringLiteral("Lecteur DVD (D:)"), QStringLiteral("Lecteur CD")}}},
    };
    v.status = QStringLiteral("5 objet(s)");
    return v;
}

QList<Explorer::Column> columns(bool creation)
{
    QList<Explorer::Column> c{{QStringLiteral("Nom"), 130, false},
                              {QStringLiteral("Taille"), 73, true},
                              {QStringLiteral("Type"), 130, false},
                              {QStringLiteral("Date de modification"), 128, false}};
    if (creation)
        c << Explorer::Column{QStringLiteral("Date de création"), 128, false};
    return c;
}

Explorer::View driveView()
{
    Explorer::View v;
    v.caption = QStringLiteral("Disque local (C:)");
    v.address = QStringLiteral("C:\\");
    v.icon = QStringLiteral("drive-harddisk");
    v.tree = true;
    v.treeItems = folderTree(TreeState::DriveOpen);
    v.columns = columns(false);
    const char *folders[] = {"Applications", "Documents", "Drivers", "Images", "Intel", "Jeux", "Logiciels",
                             "Musique", "Perso", "Programmes", "Sauvegardes", "Temp", "test-tavelo",
                             "Utilisateurs", "Windows"};
    int day = 3;
    for (const char *f : folders) {
        const QString date = QStringLiteral("%1/09/2009 08:%2")
                                 .arg(day, 2, 10, QLatin1Char('0'))
                                 .arg(day * 2, 2, 10, QLatin1Char('0'));
        v.rows << Explorer::Row{QStringLiteral("folder"),
                                {QString::fromUtf8(f), QString(), QStringLiteral("Dossier de fichiers"), date}};
        ++day;
    }
    v.rows << Explorer::Row{QStringLiteral("text-x-script"),
                            {QStringLiteral("autoexec.bat"), QStringLiteral("1 Ko"), QStringLiteral("Fichier de commandes"),
                             QStringLiteral("28/08/2009 10:04")}}
           << Explorer::Row{QStringLiteral("text-x-generic"),
                            {QStringLiteral("boot.ini"), QStringLiteral("1 Ko"),
                             QStringLiteral("Paramètres de configuration"), QStringLiteral("28/08/2009 10:02")}};
    v.status = QStringLiteral("17 objet(s)");
    return v;
}

enum class Listing { ByName, BySize, WithNewFolder, WithTextes, AfterMove };

Explorer::View testFolderView(bool creation, Listing listing)
{
    Explorer::View v;
    v.caption = QStringLiteral("test-tavelo");
    v.address = QStringLiteral("C:\\test-tavelo");
    v.tree = true;
    v.treeItems = folderTree(listing >= Listing::WithTextes ? TreeState::FolderWithTextes : TreeState::FolderOpen);
    v.columns = columns(creation);
    QList<FileEntry> entries(std::begin(TestFolder), std::end(TestFolder));
    if (listing != Listing::ByName) {
        std::stable_sort(entries.begin(), entries.end(), [](const FileEntry &a, const FileEntry &b) {
            if ((a.sizeKo == 0) != (b.sizeKo == 0))
                return a.sizeKo == 0;
            return a.sizeKo < b.sizeKo;
        });
        v.sortColumn = 1;
    }
    for (const FileEntry &e : entries) {
        if (listing == Listing::AfterMove && LicenceName == QLatin1String(e.name))
            continue;
        QStringList cells{QString::fromUtf8(e.name), sizeText(e.sizeKo), QString::fromUtf8(e.type),
                          QString::fromUtf8(e.modified)};
        if (creation)
            cells << QString::fromUtf8(e.created);
        v.rows << Explorer::Row{QString::fromLatin1(e.icon), cells};
    }
    if (listing >= Listing::WithNewFolder) {
        const QString name = listing == Listing::WithNewFolder ? NewFolderDefault : NewFolderName;
        QStringList cells{name, QString(), QStringLiteral("Dossier de fichiers"), QStringLiteral("09/12/2009 10:24")};
        if (creation)
            cells << QStringLiteral("09/12/2009 10:24");
        v.rows << Explorer::Row{QStringLiteral("folder"), cells};
        if (listing == Listing::WithNewFolder) {
            v.editingRow = int(v.rows.size()) - 1;
        }
    }
    v.status = QStringLiteral("%1 objet(s)").arg(v.rows.size());
    return v;
}

Pictures::Painter explorer(Explorer::View view)
{
    return [view](QPainter &p, const QSize &size) { Explorer::paint(p, size, view); };
}

// ---- menus -------------------------------------------------------------------------

void paintDriveMenu(QPainter &p, const QSize &size)
{
    Desktop::Popup popup;
    popup.items = {item("&Ouvrir"),   item("&Explorer"), item("Rec&hercher..."), MenuItem::line(),
                   item("Partage et sécurité..."), item("&Formater..."), MenuItem::line(), item("&Copier"),
                   MenuItem::line(), item("Créer un &raccourci"), item("Reno&mmer"), MenuItem::line(),
                   item("P&ropriétés")};
    popup.itemHeight = DriveMenuItemHeight;
    popup.separatorHeight = 7;
    popup.anchor = int(popup.items.size()) - 1;
    popup.anchorTop = DriveMenuPropertiesTop;
    popup.bold = 0;
    Desktop::paintPopup(p, QRect(QPoint(0, 0), size), popup);
}

void paintColumnMenu(QPainter &p, const QSize &size)
{
    Desktop::Popup popup;
    popup.items = {ticked("Nom"), ticked("Taille"), ticked("Type"), ticked("Date de modification"),
                   item("Date de création"), item("Date du dernier accès"), item("Attributs"), item("État"),
                   item("Propriétaire"), item("Auteur"), item("Titre"), item("Objet"), item("Catégorie"),
                   item("Pages"), item("Commentaires"), item("Copyright"), item("Artiste"), item("Année"),
                   MenuItem::line(), item("Autres...")};
    popup.itemHeight = ColumnMenuItemHeight;
    popup.separatorHeight = 7;
    popup.anchor = ColumnMenuCreationIndex;
    popup.anchorTop = inPicture(W4zs3, W4Image2).top() + 1;
    Desktop::paintPopup(p, QRect(QPoint(0, 0), size), popup);
}

void paintFileMenu(QPainter &p, const QSize &size)
{
    Desktop::Popup popup;
    popup.items = {item("&Nouveau", true), MenuItem::line(), item("Créer un &raccourci", false, false),
                   item("&Supprimer", false, false), item("Reno&mmer", false, false), item("P&ropriétés", false, false),
                   MenuItem::line(), item("Disque local (C:)"), item("&Fermer")};
    popup.itemHeight = 19;
    popup.separatorHeight = 7;
    popup.anchorTop = 3;
    Desktop::paintPopup(p, QRect(QPoint(0, 0), size), popup);
}

void paintNewItems(QPainter &p, const QSize &size, int firstTop)
{
    Desktop::Popup popup;
    popup.items = {item("&Dossier"), item("&Raccourci"), MenuItem::line(), item("Image bitmap"), item("Contact"),
                   item("Document texte"), item("Document RTF"), item("Document de traitement de texte"),
                   item("Feuille de calcul"), item("Présentation"), item("Dessin"), item("Son Wave"),
                   item("Dossier compressé"), item("Porte-documents")};
    popup.items[0].icon = QStringLiteral("folder");
    popup.items[1].icon = QStringLiteral("insert-link");
    popup.items[3].icon = QStringLiteral("image-bmp");
    popup.items[5].icon = QStringLiteral("text-plain");
    popup.items[7].icon = QStringLiteral("x-office-document");
    popup.items[8].icon = QStringLiteral("x-office-spreadsheet");
    popup.items[9].icon = QStringLiteral("x-office-presentation");
    popup.items[12].icon = QStringLiteral("application-zip");
    popup.itemHeight = 22;
    popup.anchorTop = firstTop;
    Desktop::paintPopup(p, QRect(QPoint(0, 0), size), popup);
}

void paintListMenu(QPainter &p, const QSize &size)
{
    Desktop::Popup popup;
    popup.items = {item("&Affichage", true), MenuItem::line(), item("&Réorganiser par", true),
                   item("Ac&tualiser"), MenuItem::line(), item("Personnaliser..."), MenuItem::line(),
                   item("C&oller", false, false), item("Coller le ra&ccourci", false, false), MenuItem::line(),
                   item("No&uveau", true), MenuItem::line(), item("P&ropriétés")};
    popup.itemHeight = 20;
    popup.separatorHeight = 4;
    popup.anchor = 10;
    popup.anchorTop = inPicture(W6zs9, W6Image3).top() + 3;
    Desktop::paintPopup(p, QRect(QPoint(0, 0), size), popup);
}

// ---- the rest ----------------------------------------------------------------------

void paintDesktopPicture(QPainter &p, const QSize &size)
{
    Desktop::paintDesktop(p, size, Desktop::schoolIcons(false));
}

void paintDiagram(QPainter &p, const QSize &size)
{
    const QRect all(QPoint(0, 0), size);
    p.fillRect(all, QColor(236, 233, 216));
    p.setPen(QColor(128, 128, 128));
    p.drawRect(all.adjusted(0, 0, -1, -1));
    Explorer::paintDriveSpace(p, all.adjusted(8, 4, -8, -4), driveC());
}

void paintProperties(QPainter &p, const QSize &size)
{
    Explorer::paintDriveProperties(p, size, driveC(), inPicture(W1zs7, W1Image3));
}

void paintDragged(QPainter &p, const QSize &size)
{
    Explorer::paintDraggedFile(p, size, QStringLiteral("text-plain"), LicenceName);
}

using Pictures::entry;

using Pictures::outlinesIn;

const Pictures::Registrar pictures[] = {
    Pictures::Registrar{entry("Texercice4v3/Image1", W1Image1.size(), &paintDesktopPicture,
                              outlinesIn({{"zs1", W1zs1}, {"zs2", W1zs2}}, W1Image1))},
    Pictures::Registrar{entry("Texercice4v3/Image4", W1Image4.size(), &paintDiagram)},
    Pictures::Registrar{entry("Texercice4v3/image2", W1image2.size(), explorer(computerView(false)),
                              outlinesIn({{"zs3", W1zs3}}, W1image2))},
    Pictures::Registrar{entry("Texercice4v3/Image6", W1Image6.size(), &paintDriveMenu,
                              outlinesIn({{"zs4", W1zs4}}, W1Image6))},
    Pictures::Registrar{entry("Texercice4v3/Image3", W1Image3.size(), &paintProperties,
                              outlinesIn({{"zs7", W1zs7}}, W1Image3))},
    Pictures::Registrar{entry("Texercice4v3b/image1", ExplorerSize, explorer(computerView(false)),
                              outlinesIn({{"zs2", W2zs2}}, ExplorerRect))},
    Pictures::Registrar{entry("Texercice4v3b/Image2", ExplorerSize, explorer(computerView(true)),
                              outlinesIn({{"zs3", W2zs3}, {"zs4", W2zs4}}, ExplorerRect))},
    Pictures::Registrar{entry("Texercice4v3c/Image2", ExplorerSize, explorer(driveView()),
                              outlinesIn({{"zs2", W3zs2}, {"zs3", W3zs3}}, ExplorerRect))},
    Pictures::Registrar{entry("Texercice4v3d/Image1", ExplorerSize, explorer(testFolderView(false, Listing::ByName)),
                              outlinesIn({{"zs2", W4zs2}}, ExplorerRect))},
    Pictures::Registrar{entry("Texercice4v3d/Image2", W4Image2.size(), &paintColumnMenu,
                              outlinesIn({{"zs3", W4zs3}}, W4Image2))},
    Pictures::Registrar{entry("Texercice4v3e/Image1", ExplorerSize, explorer(testFolderView(true, Listing::ByName)),
                              outlinesIn({{"zs2", W5zs2}}, ExplorerRect))},
    Pictures::Registrar{entry("Texercice4v3e/Image2", ExplorerSize, explorer(testFolderView(true, Listing::BySize)))},
    Pictures::Registrar{entry("Texercice4v3f/Image1", ExplorerSize, explorer(testFolderView(true, Listing::BySize)),
                              outlinesIn({{"zs2", W6zs2}, {"zs6", W6zs6}, {"zs7", W6zs7}}, ExplorerRect))},
    Pictures::Registrar{entry("Texercice4v3f/Image2", W6Image2.size(), &paintFileMenu,
                              outlinesIn({{"zs3b", W6zs3b}}, W6Image2))},
    Pictures::Registrar{entry("Texercice4v3f/Image4", W6Image4.size(),
                              [](QPainter &p, const QSize &s) { paintNewItems(p, s, inPicture(W6zs5, W6Image4).top() + 2); },
                              outlinesIn({{"zs5", W6zs5}}, W6Image4))},
    Pictures::Registrar{entry("Texercice4v3f/Image3", W6Image3.size(), &paintListMenu,
                              outlinesIn({{"zs9", W6zs9}}, W6Image3))},
    Pictures::Registrar{entry("Texercice4v3f/Image5", W6Image5.size(),
                              [](QPainter &p, const QSize &s) { paintNewItems(p, s, inPicture(W6zs10, W6Image5).top() + 2); },
                              outlinesIn({{"zs10", W6zs10}}, W6Image5))},
    Pictures::Registrar{entry("Texercice4v3g/Image1", ExplorerSize,
                              explorer(testFolderView(true, Listing::WithNewFolder)),
                              outlinesIn({{"Edit1", W7Edit1}}, ExplorerRect))},
    Pictures::Registrar{entry("Texercice4v3h/Image1", ExplorerSize, explorer(testFolderView(true, Listing::WithTextes)),
                              {{QStringLiteral("Licence"), LicencePress.translated(W8zs1.topLeft() - ExplorerOrigin)},
                               {QStringLiteral("textes"), TextesInList.translated(W8zs1.topLeft() - ExplorerOrigin)},
                               {QStringLiteral("textes (arbre)"), TextesInTree.translated(W8zs1.topLeft() - ExplorerOrigin)}})},
    Pictures::Registrar{entry("Texercice4v3h/Image2", DraggedFileSize, &paintDragged)},
    Pictures::Registrar{entry("Texercice4v3h/Image3", ExplorerSize, explorer(testFolderView(true, Listing::AfterMove)))},
};
}
