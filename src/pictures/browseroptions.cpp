// The browser's Options dialog: its title bar, the strip of six page icons and the
// standard pages, drawn from real controls.
#include "pictures/browseroptions.h"

#include "pictures/classicbrowser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

namespace BrowserOptions {
namespace {
}

QGroupBox *group(QWidget *root, const QRect &r, const QString &title)
{
    return ClassicBrowser::placeIn(root, r, new QGroupBox(title));
}
QCheckBox *check(QWidget *root, int x, int y, const QString &text, bool checked, int width)
{
    auto *c = ClassicBrowser::placeIn(root, QRect(x, y, width, 21), new QCheckBox(text));
    c->setChecked(checked);
    return c;
}
QRadioButton *radio(QWidget *root, int x, int y, const QString &text, bool checked, int width)
{
    auto *r = ClassicBrowser::placeIn(root, QRect(x, y, width, 21), new QRadioButton(text));
    r->setChecked(checked);
    r->setAutoExclusive(false);
    return r;
}
QPushButton *button(QWidget *root, const QRect &r, const QString &text)
{
    return ClassicBrowser::placeIn(root, r, new QPushButton(text));
}
QLabel *label(QWidget *root, const QRect &r, const QString &text)
{
    return ClassicBrowser::placeIn(root, r, new QLabel(text));
}
QLineEdit *field(QWidget *root, const QRect &r, const QString &text)
{
    return ClassicBrowser::placeIn(root, r, new QLineEdit(text));
}
QComboBox *combo(QWidget *root, const QRect &r, const QString &text)
{
    auto *c = ClassicBrowser::placeIn(root, r, new QComboBox);
    c->addItem(text);
    return c;
}

namespace {
const char *const CategoryNames[6] = {"Général", "Vie privée", "Contenu", "Onglets", "Téléchargements", "Avancé"};
const char *const CategoryIcons[6] = {"preferences-system", "preferences-desktop-user-password", "text-html",
                                      "tab-new", "download", "preferences-other"};

void buildPanel(QWidget *root, Panel panel, const QString &homePage)
{
    switch (panel) {
    case Panel::General:
        group(root, QRect(8, 78, 529, 100), QStringLiteral("Page de démarrage"));
        label(root, QRect(22, 109, 70, 21), QStringLiteral("Adresse :"));
        field(root, HomePageField, homePage);
        button(root, QRect(144, 131, 97, 30), QStringLiteral("Par défaut"));
        button(root, UseCurrentPage, QStringLiteral("Page courante"));
        button(root, QRect(352, 131, 97, 30), QStringLiteral("Marque-page..."));
        group(root, QRect(8, 186, 529, 82), QStringLiteral("Téléchargements"));
        check(root, 22, 204, QStringLiteral("Afficher la fenêtre de téléchargement"), true);
        radio(root, 22, 226, QStringLiteral("Enregistrer les fichiers dans le dossier :  Bureau"), true, 360);
        button(root, QRect(430, 224, 97, 25), QStringLiteral("Parcourir..."));
        radio(root, 22, 246, QStringLiteral("Toujours demander où enregistrer les fichiers"));
        group(root, QRect(8, 276, 529, 74), QStringLiteral("Navigateur par défaut"));
        check(root, 22, 296, QStringLiteral("Vérifier au démarrage qu'il est le navigateur par défaut"), true, 420);
        button(root, QRect(380, 318, 147, 25), QStringLiteral("Vérifier maintenant"));
        break;
    case Panel::Privacy:
        group(root, QRect(8, 78, 529, 96), QStringLiteral("Historique"));
        label(root, QRect(22, 98, 260, 21), QStringLiteral("Se souvenir des pages visitées pendant les"));
        ClassicBrowser::placeIn(root, QRect(284, 98, 50, 21), new QSpinBox)->setValue(9);
        label(root, QRect(340, 98, 120, 21), QStringLiteral("derniers jours"));
        check(root, 22, 122, QStringLiteral("Conserver l'historique des formulaires et de la recherche"), true, 480);
        check(root, 22, 146, QStringLiteral("Conserver l'historique des téléchargements"), true);
        group(root, QRect(8, 182, 529, 86), QStringLiteral("Cookies"));
        check(root, 22, 202, QStringLiteral("Accepter les cookies"), true, 300);
        button(root, QRect(430, 200, 97, 25), QStringLiteral("Exceptions..."));
        label(root, QRect(40, 230, 150, 22), QStringLiteral("Les conserver jusqu'à :"));
        combo(root, QRect(190, 230, 170, 22), QStringLiteral("leur expiration"));
        button(root, QRect(380, 230, 147, 25), QStringLiteral("Afficher les cookies..."));
        group(root, QRect(8, 276, 529, 74), QStringLiteral("Données privées"));
        check(root, 22, 296, QStringLiteral("Toujours effacer mes données privées à la fermeture"), false, 420);
        button(root, QRect(280, 318, 110, 25), QStringLiteral("Paramètres..."));
        button(root, QRect(400, 318, 127, 25), QStringLiteral("Effacer maintenant"));
        break;
    case Panel::Content:
        check(root, BlockPopups.left() - 1, BlockPopups.top() - 2,
              QStringLiteral("Bloquer les fenêtres popup"), false, 300);
        button(root, QRect(430, 88, 97, 25), QStringLiteral("Exceptions..."));
        check(root, 26, 118, QStringLiteral("Charger les images automatiquement"), true, 300);
        button(root, QRect(430, 116, 97, 25), QStringLiteral("Exceptions..."));
        check(root, 26, 145, QStringLiteral("Activer JavaScript"), true, 300);
        button(root, QRect(430, 143, 97, 25), QStringLiteral("Avancé..."));
        check(root, 26, 172, QStringLiteral("Activer Java"), true, 300);
        group(root, QRect(8, 202, 529, 78), QStringLiteral("Polices et couleurs"));
        label(root, QRect(22, 224, 110, 22), QStringLiteral("Police par défaut :"));
        combo(root, QRect(134, 224, 170, 22), QStringLiteral("Times New Roman"));
        label(root, QRect(316, 224, 50, 22), QStringLiteral("Taille :"));
        combo(root, QRect(364, 224, 50, 22), QStringLiteral("16"));
        button(root, QRect(430, 222, 97, 25), QStringLiteral("Avancé..."));
        button(root, QRect(430, 250, 97, 25), QStringLiteral("Couleurs..."));
        group(root, QRect(8, 288, 529, 62), QStringLiteral("Types de fichiers"));
        label(root, QRect(22, 312, 380, 22), QStringLiteral("Choisir l'action à effectuer pour chaque type de fichier"));
        button(root, QRect(430, 310, 97, 25), QStringLiteral("Gérer..."));
        break;
    case Panel::Tabs:
        label(root, QRect(22, 86, 300, 21), QStringLiteral("Ouvrir les liens dans :"));
        radio(root, 40, 108, QStringLiteral("une nouvelle fenêtre"), true);
        radio(root, 40, 130, QStringLiteral("un nouvel onglet"));
        check(root, 22, 164, QStringLiteral("Avertir lors de la fermeture de plusieurs onglets"), true, 480);
        check(root, 22, 188, QStringLiteral("Avertir lorsque l'ouverture de plusieurs onglets peut ralentir"), true, 500);
        check(root, 22, 212, QStringLiteral("Toujours afficher la barre d'onglets"), true, 480);
        check(root, 22, 236, QStringLiteral("Ouvrir les nouveaux onglets en arrière-plan"), false, 480);
        break;
    case Panel::Downloads:
        group(root, QRect(8, 78, 529, 128), QStringLiteral("Téléchargements"));
        check(root, 22, 98, QStringLiteral("Afficher la fenêtre de téléchargement lors d'un téléchargement"), true, 500);
        check(root, 40, 120, QStringLiteral("La fermer lorsque tous les téléchargements sont terminés"), false, 480);
        radio(root, 22, 148, QStringLiteral("Enregistrer les fichiers dans le dossier :  Bureau"), true, 360);
        button(root, QRect(430, 146, 97, 25), QStringLiteral("Parcourir..."));
        radio(root, 22, 172, QStringLiteral("Toujours demander où enregistrer les fichiers"));
        group(root, QRect(8, 214, 529, 62), QStringLiteral("Types de fichiers"));
        label(root, QRect(22, 238, 380, 22), QStringLiteral("Choisir l'action pour les fichiers téléchargés"));
        button(root, QRect(430, 236, 97, 25), QStringLiteral("Gérer..."));
        break;
    case Panel::Advanced: {
        auto *tabs = ClassicBrowser::placeIn(root, QRect(8, 78, 529, 272), new QTabWidget);
        for (const char *t : {"Général", "Réseau", "Mises à jour", "Chiffrement"})
            tabs->addTab(new QWidget, QString::fromUtf8(t));
        QWidget *page = tabs->widget(0);
        group(page, QRect(8, 8, 505, 74), QStringLiteral("Accessibilité"));
        check(page, 20, 28, QStringLiteral("Toujours utiliser le curseur pour naviguer dans les pages"), false, 480);
        check(page, 20, 52, QStringLiteral("Rechercher le texte lorsque je commence à saisir"), false, 480);
        group(page, QRect(8, 90, 505, 98), QStringLiteral("Navigation"));
        check(page, 20, 110, QStringLiteral("Utiliser le défilement automatique"), true);
        check(page, 20, 134, QStringLiteral("Utiliser le défilement doux"), false);
        check(page, 20, 158, QStringLiteral("Vérifier l'orthographe pendant la saisie"), true);
        break;
    }
    }
}

void buildButtons(QWidget *root)
{
    button(root, Ok, QStringLiteral("OK"))->setDefault(true);
    button(root, Cancel, QStringLiteral("Annuler"));
    button(root, Help, QStringLiteral("Aide"));

}
}


void paint(QPainter &p, const QSize &size, Panel panel, const QString &homePage,
           const std::function<void(QWidget *root)> &body)
{
    ClassicBrowser::paintWidgets(p, QRect(QPoint(0, 0), size), [&](QWidget *root) {
        if (body)
            body(root);
        else
            buildPanel(root, panel, homePage);
        buildButtons(root);
    });
    // Title bar and the strip of categories.
    const int strip = Category[0].top();
    ClassicBrowser::paintTitleBar(p, QRect(0, 0, size.width(), strip), QStringLiteral("Options"), false);
    const QRect bar(0, strip, size.width(), 54);
    p.fillRect(bar, Qt::white);
    p.setPen(QColor(0xa0, 0xa0, 0xa0));
    p.drawLine(bar.bottomLeft(), bar.bottomRight());
    p.setFont(ClassicBrowser::uiFont(11));
    for (int i = 0; i < 6; ++i) {
        const QRect r = Category[i];
        if (i == int(panel)) {
            p.setPen(QColor(0x7d, 0xa2, 0xce));
            p.setBrush(QColor(0xdc, 0xe8, 0xf6));
            p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        }
        const QPixmap icon = QIcon::fromTheme(QString::fromLatin1(CategoryIcons[i])).pixmap(28, 28);
        p.drawPixmap(r.center().x() - 14, r.top() + 3, icon);
        p.setPen(Qt::black);
        p.drawText(QRect(r.left() - 6, r.top() + 32, r.width() + 12, 16), Qt::AlignCenter,
                   QString::fromUtf8(CategoryNames[i]));
    }
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
}

}
