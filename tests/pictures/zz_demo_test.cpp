#include "pictures/browser.h"
#include "pictures/kit.h"
#include <QImage>
#include <QPainter>
#include <QTreeWidget>
#include <QHeaderView>
#include <gtest/gtest.h>
using namespace PictureKit;
TEST(Demo, Sheet)
{
    QImage img(1100, 1500, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(118, 124, 152));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Browser::Chrome c;
    c.tabs = {{"Connexion - Espace des certifications"}, {"Nouvel onglet", QColor(200,80,60)}};
    c.url = "https://certif.college-exemple.fr/connexion";
    Browser::Geometry g = Browser::paintBrowser(p, QRect(10, 10, 833, 441), c);
    QRect below = Browser::paintSchoolSiteHeader(p, g.content, "Espace des certifications", "Collège Jean Moulin");
    paintWebHeading(p, below.topLeft() + QPoint(20, 14), "Identification", 1);
    paintTextField(p, QRect(below.left()+40, below.top()+70, 160, 24), "martin.dup", true);
    paintTextField(p, QRect(below.left()+40, below.top()+100, 160, 24), "secret", false, true);
    paintButton(p, QRect(below.left()+40, below.top()+130, 90, 26), "Envoyer", true);
    QRect para = paintWebParagraph(p, QRect(below.left()+260, below.top()+60, 300, 100), "Bienvenue sur le site des certifications du collège. Connecte-toi avec ton identifiant pour continuer.");
    paintWebLink(p, QPoint(para.left(), para.bottom()+6), "Mot de passe oublié ?");
    paintWebImage(p, QRect(below.left()+600, below.top()+60, 160, 110), WebImage::Building);

    Browser::Chrome c2; c2.caption = "Bibliothèque - Navigateur Web"; c2.menuBar = true; c2.highlightedMenu = 3; c2.sidePanel = true; c2.sidePanelItems = {"> Aujourd'hui", "Recherche", "> Hier", "La bibliothèque municipale", "Mairie de la ville"}; c2.statusBar = true; c2.statusText = "Terminé"; c2.bookmarksBar = true; c2.bookmarks = {"Collège", "Mairie"}; c2.url = "www.bibliotheque-exemple.fr"; c2.secure = false; c2.searchText="romans";
    Browser::Geometry g2 = Browser::paintBrowser(p, QRect(10, 470, 900, 500), c2);
    Browser::paintSearchHome(p, g2.content, "Trouvetout");
    QList<MenuItem> items = {{"&Nouvel onglet", "Ctrl+T", "tab-new"}, {"Nouvelle &fenêtre", "Ctrl+N", "window-new"}, MenuItem::line(), {"&Imprimer...", "Ctrl+P", "document-print"}, {"Options", "", "", false, true, true}, {"Historique", "", "", false, false, false, true}, {"Désactivé", "", "", false, false, false, false, false}};
    paintMenu(p, g2.menus[3].bottomLeft() + QPoint(0, 1), items, 3);

    // controls
    QRect f = paintWindowFrame(p, QRect(10, 990, 500, 330), {"Propriétés de Document.odt", "document-properties"});
    QRect page = paintTabWidget(p, f.adjusted(8, 8, -8, -50), {"Général", "Sécurité", "Détails"}, 0);
    paintCheckBox(p, QRect(page.left()+10, page.top()+10, 200, 22), "Lecture seule", true);
    paintRadioButton(p, QRect(page.left()+10, page.top()+36, 200, 22), "Masqué", false);
    paintComboBox(p, QRect(page.left()+10, page.top()+64, 180, 26), "Portrait");
    paintSpinBox(p, QRect(page.left()+200, page.top()+64, 80, 26), "2");
    paintGroupBox(p, QRect(page.left()+10, page.top()+100, 300, 80), "Attributs");
    paintProgressBar(p, QRect(page.left()+20, page.top()+130, 200, 20), 60);
    paintScrollBar(p, QRect(page.right()-16, page.top(), 16, page.height()), Qt::Vertical, 0.3, 0.4);
    paintButton(p, QRect(f.right()-180, f.bottom()-36, 80, 28), "OK", true);
    paintButton(p, QRect(f.right()-90, f.bottom()-36, 80, 28), "Annuler");
    QRect f2 = paintWindowFrame(p, QRect(520, 990, 560, 330), {"Explorateur", "system-file-manager"});
    paintMenuBar(p, QRect(f2.left(), f2.top(), f2.width(), MenuBarHeight), {"&Fichier", "&Édition", "&Affichage"}, 1);
    paintToolBar(p, QRect(f2.left(), f2.top()+24, f2.width(), 34), {{"document-new"}, {"document-open"}, {"document-save"}, ToolButton::line(), {"edit-cut"}, {"edit-copy", "", false, true}, {"edit-paste"}, ToolButton::line(), {"format-text-bold"}, {"go-previous", "Précédent"}});
    QTreeWidget tree; tree.setHeaderLabels({"Nom", "Taille"});
    auto *docs = new QTreeWidgetItem(&tree, {"Documents", ""}); docs->setIcon(0, themeIcon("folder"));
    auto *f1 = new QTreeWidgetItem(docs, {"lettre.odt", "12 Ko"}); f1->setIcon(0, themeIcon("application-vnd.oasis.opendocument.text"));
    docs->setExpanded(true);
    paintWidget(p, tree, QRect(f2.left()+4, f2.top()+62, 300, 200));
    paintStatusBar(p, QRect(f2.left(), f2.bottom()-21, f2.width(), 22), {"2 éléments", "12 Ko"});
    paintWallpaper(p, QRect(10, 1330, 700, 160));
    paintDesktopIcon(p, QPoint(20, 1336), "user-home", "Dossier personnel", true);
    paintDesktopIcon(p, QPoint(100, 1336), "user-trash", "Corbeille");
    auto tb = paintTaskBar(p, QRect(10, 1450, 700, TaskBarHeight), {"Explorateur", "Traitement de texte"}, 0);
    paintStartMenu(p, tb.startButton.topLeft() + QPoint(0, -2), {{"Traitement de texte", "", "accessories-text-editor"}, {"Navigateur Web", "", "internet-web-browser"}, MenuItem::line(), {"Éteindre", "", "system-shutdown", false, false, false, true}}, 1);
    paintDocumentPage(p, QRect(720, 1330, 370, 160), QSize(200, 260));
    paintMascot(p, QRect(920, 20, 84, 100));
    paintAbandonGlyph(p, QRect(1020, 20, 20, 20));
    p.end();
    img.save("/tmp/kitdemo.png");
}
