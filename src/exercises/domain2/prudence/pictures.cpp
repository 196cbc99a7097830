// The pictures of the prudence exercise: the brick wall, the desktop and its tray,
// the antivirus settings, the start menu, control panel and security centre, the
// two documents, the secure page in its browser and the browser's Options pages.
#include "exercises/domain2/prudence/layout.h"
#include "pictures/browseroptions.h"
#include "pictures/classicbrowser.h"
#include "pictures/fonts.h"
#include "pictures/kit.h"
#include "pictures/pictures.h"
#include "pictures/tray.h"

#include <QCheckBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTabBar>

namespace {
using namespace PrudenceLayout;

QFont font(const char *family, int px, bool bold = false)
{
    return pixelFont(QString::fromLatin1(family), px, bold);
}

QRect whole(const QSize &size) { return {QPoint(0, 0), size}; }

// ---- The brick wall -----------------------------------------------------------------

void paintBricks(QPainter &p, const QSize &size)
{
    p.fillRect(whole(size), QColor(214, 210, 202));   // the mortar
    constexpr int brickHeight = 20, brickWidth = 54, joint = 3;
    int row = 0;
    for (int y = 0; y < size.height(); y += brickHeight + joint, ++row) {
        const int offset = row % 2 ? -brickWidth / 2 : 0;
        for (int x = offset; x < size.width(); x += brickWidth + joint) {
            const QRect brick(x, y, brickWidth, brickHeight);
            QLinearGradient g(brick.topLeft(), brick.bottomRight());
            const int shade = 246 + ((x * 7 + y * 13) % 9);
            g.setColorAt(0, QColor(std::min(255, shade), std::min(255, shade), std::min(255, shade - 4)));
            g.setColorAt(1, QColor(236, 234, 228));
            p.fillRect(brick, g);
        }
    }
}

// ---- The desktop, tray and antivirus --------------------------------------------------

void paintDesktop2(QPainter &p, const QSize &size) { Tray::paintDesktop(p, size); }
void paintTray(QPainter &p, const QSize &size) { Tray::paintTray(p, size, QStringLiteral("10:24")); }

void paintAntivirusSettings(QPainter &p, const QSize &size)
{
    PictureKit::WindowFrame frame;
    frame.caption = QStringLiteral("Paramètres de l'antivirus");
    frame.maximiseButton = false;
    const QRect client = PictureKit::paintWindowFrame(p, whole(size), frame);
    // The left column of sections, the schedule section selected.
    const QRect side(client.left(), client.top(), 160, client.height());
    p.fillRect(side, QColor(232, 244, 236));
    Tray::paintAntivirusShield(p, QRectF(side.left() + 58, side.top() + 12, 44, 50));
    p.setFont(PictureKit::uiFont(12));
    const char *sections[] = {"Protection", "Analyse", "Mise à jour", "Options", "Rapports"};
    for (int i = 0; i < 5; ++i) {
        const QRect r(side.left() + 8, side.top() + 80 + 30 * i, side.width() - 16, 26);
        if (i == 2) {
            p.fillRect(r, QColor(0, 140, 80));
            p.setPen(Qt::white);
        } else {
            p.setPen(QColor(20, 60, 30));
        }
        p.drawText(r.adjusted(10, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(sections[i]));
    }
    const QRect body = client.adjusted(side.width() + 14, 10, -14, -10);
    p.setPen(PictureKit::Colours::Text);
    p.setFont(PictureKit::uiFont(16, true));
    p.drawText(QRect(body.left(), body.top(), body.width(), 24), Qt::AlignLeft, QStringLiteral("Mise à jour"));
    p.setFont(PictureKit::uiFont(12));
    PictureKit::paintGroupBox(p, QRect(body.left(), body.top() + 34, body.width(), 86), QStringLiteral("Mode de mise à jour"));
    PictureKit::paintRadioButton(p, QRect(body.left() + 12, body.top() + 56, 300, 20), QStringLiteral("Automatique"), false);
    PictureKit::paintRadioButton(p, QRect(body.left() + 12, body.top() + 80, 300, 20),
                                 QStringLiteral("Selon la planification"), true);
    PictureKit::paintGroupBox(p, QRect(body.left(), body.top() + 132, body.width(), 150), QStringLiteral("Planification"));
    PictureKit::paintLabel(p, QRect(body.left() + 12, body.top() + 156, 120, 22), QStringLiteral("Fréquence :"));
    PictureKit::paintComboBox(p, QRect(body.left() + 130, body.top() + 156, 170, 22), QStringLiteral("Tous les jours"));
    PictureKit::paintLabel(p, QRect(body.left() + 12, body.top() + 188, 120, 22), QStringLiteral("Heure :"));
    PictureKit::paintSpinBox(p, QRect(body.left() + 130, body.top() + 188, 80, 22),
                             QStringLiteral("%1:%2").arg(UpdateHour, 2, 10, QLatin1Char('0'))
                                 .arg(UpdateMinute, 2, 10, QLatin1Char('0')));
    PictureKit::paintCheckBox(p, QRect(body.left() + 12, body.top() + 222, 380, 20),
                              QStringLiteral("Lancer les tâches ignorées au démarrage"), true);
    PictureKit::paintLabel(p, QRect(body.left() + 12, body.top() + 250, 400, 20),
                           QStringLiteral("Prochaine mise à jour : demain à %1:00").arg(UpdateHour, 2, 10, QLatin1Char('0')));
    PictureKit::paintButton(p, QRect(client.right() - 270, client.bottom() - 36, 80, 26), QStringLiteral("OK"), true);
    PictureKit::paintButton(p, QRect(client.right() - 182, client.bottom() - 36, 80, 26), QStringLiteral("Annuler"));
    PictureKit::paintButton(p, QRect(client.right() - 94, client.bottom() - 36, 80, 26), QStringLiteral("Appliquer"));
}

// ---- Start menu, control panel, security centre -------------------------------------

void paintStartMenu(QPainter &p, const QSize &size)
{
    const QRect r = whole(size);
    p.fillRect(r, Qt::white);
    // The user's band on top.
    QLinearGradient top(r.topLeft(), QPoint(r.left(), r.top() + 54));
    top.setColorAt(0, QColor(24, 104, 216));
    top.setColorAt(1, QColor(14, 72, 180));
    p.fillRect(QRect(0, 0, size.width(), 54), top);
    p.setPen(Qt::white);
    p.setFont(font("Tahoma", 15, true));
    PictureKit::paintIcon(p, QRect(10, 9, 36, 36), QStringLiteral("user-identity"));
    p.drawText(QRect(54, 0, 300, 54), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Élève"));
    // Two columns: programs on white, places on light blue.
    const QRect places = inPicture(QRect(ControlPanelEntry.left(), StartMenu.top() + 54, StartMenu.width() - 184,
                                         StartMenu.height() - 54 - 36), StartMenu);
    p.fillRect(places, QColor(211, 229, 250));
    p.setPen(QColor(150, 180, 220));
    p.drawLine(places.topLeft(), places.bottomLeft());
    p.setFont(font("Tahoma", 12));
    const struct { const char *icon, *text; } programs[] = {
        {"internet-web-browser", "Internet"}, {"mail-message", "Courrier électronique"},
        {"accessories-text-editor", "Traitement de texte"}, {"accessories-calculator", "Calculatrice"},
        {"applications-graphics", "Dessin"}, {"media-playback-start", "Lecteur multimédia"}};
    for (int i = 0; i < 6; ++i) {
        const QRect row(6, 62 + 40 * i, places.left() - 12, 36);
        PictureKit::paintIcon(p, QRect(row.left() + 2, row.top() + 2, 32, 32), QString::fromLatin1(programs[i].icon));
        p.setPen(Qt::black);
        p.drawText(row.adjusted(40, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(programs[i].text));
    }
    const QRect entry = inPicture(ControlPanelEntry, StartMenu);
    const struct { const char *icon, *text; } placesItems[] = {
        {"folder-documents", "Mes documents"}, {"folder-pictures", "Mes images"}, {"computer", "Poste de travail"},
        {"preferences-system", "Panneau de configuration"}, {"printer", "Imprimantes"}, {"help-contents", "Aide"},
        {"system-search", "Rechercher"}};
    for (int i = 0; i < 7; ++i) {
        const QRect row(entry.left() + 4, entry.top() + (i - 3) * 38, entry.width() - 8, entry.height());
        PictureKit::paintIcon(p, QRect(row.left(), row.top() + 4, 24, 24), QString::fromLatin1(placesItems[i].icon));
        p.setPen(QColor(0, 30, 90));
        p.setFont(font("Tahoma", 12, i == 3 || i < 3));
        p.drawText(row.adjusted(30, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(placesItems[i].text));
    }
    // The bottom band with the log-off and shut-down buttons.
    QLinearGradient bottom(QPoint(0, size.height() - 36), QPoint(0, size.height()));
    bottom.setColorAt(0, QColor(24, 104, 216));
    bottom.setColorAt(1, QColor(14, 72, 180));
    p.fillRect(QRect(0, size.height() - 36, size.width(), 36), bottom);
    p.setPen(Qt::white);
    p.setFont(font("Tahoma", 12));
    PictureKit::paintIcon(p, QRect(size.width() - 250, size.height() - 30, 24, 24), QStringLiteral("system-log-out"));
    p.drawText(QRect(size.width() - 222, size.height() - 36, 100, 36), Qt::AlignVCenter, QStringLiteral("Fermer la session"));
    PictureKit::paintIcon(p, QRect(size.width() - 110, size.height() - 30, 24, 24), QStringLiteral("system-shutdown"));
    p.drawText(QRect(size.width() - 82, size.height() - 36, 80, 36), Qt::AlignVCenter, QStringLiteral("Arrêter"));
    p.setPen(QColor(14, 72, 180));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

// A system window with a blue task pane on the left; returns the content area.
QRect paintSystemWindow(QPainter &p, const QSize &size, const QString &caption, const QString &icon,
                        const QStringList &tasks)
{
    PictureKit::WindowFrame frame;
    frame.caption = caption;
    frame.icon = icon;
    const QRect client = PictureKit::paintWindowFrame(p, whole(size), frame);
    const QRect pane(client.left(), client.top(), 190, client.height());
    QLinearGradient g(pane.topLeft(), pane.bottomLeft());
    g.setColorAt(0, QColor(122, 160, 224));
    g.setColorAt(1, QColor(99, 117, 214));
    p.fillRect(pane, g);
    const QRect box(pane.left() + 10, pane.top() + 12, pane.width() - 20, 26 + 22 * int(tasks.size()));
    p.fillRect(box, QColor(214, 223, 247));
    p.fillRect(QRect(box.left(), box.top(), box.width(), 24), Qt::white);
    p.setPen(QColor(33, 93, 198));
    p.setFont(font("Tahoma", 12, true));
    p.drawText(QRect(box.left() + 8, box.top(), box.width(), 24), Qt::AlignVCenter, QStringLiteral("Tâches"));
    p.setFont(font("Tahoma", 12));
    for (int i = 0; i < tasks.size(); ++i)
        p.drawText(QRect(box.left() + 10, box.top() + 28 + 22 * i, box.width() - 12, 20), Qt::AlignVCenter, tasks[i]);
    const QRect content = client.adjusted(pane.width(), 0, 0, 0);
    p.fillRect(content, Qt::white);
    return content;
}

void paintControlPanel(QPainter &p, const QSize &size)
{
    const QRect content = paintSystemWindow(p, size, QStringLiteral("Panneau de configuration"),
                                            QStringLiteral("preferences-system"),
                                            {QStringLiteral("Basculer vers l'affichage classique")});
    p.setPen(QColor(0, 50, 120));
    p.setFont(font("Tahoma", 19, true));
    p.drawText(QRect(content.left() + 20, content.top() + 14, content.width() - 40, 30), Qt::AlignLeft,
               QStringLiteral("Choisissez une catégorie"));
    const QRect target = inPicture(SecurityCentreEntry, ControlPanel);
    const struct { const char *icon, *text; } categories[] = {
        {"preferences-desktop-theme", "Apparence et thèmes"}, {"network-workgroup", "Connexions réseau et Internet"},
        {"applications-other", "Ajouter ou supprimer des programmes"}, {"preferences-desktop-sound", "Sons et voix"},
        {"utilities-system-monitor", "Performances et maintenance"}, {"printer", "Imprimantes et autres périphériques"},
        {"system-users", "Comptes d'utilisateurs"}, {"preferences-desktop-locale", "Date, heure et langue"},
        {"preferences-desktop-accessibility", "Options d'accessibilité"}, {"security-high", "Centre de sécurité"}};
    // Two columns; the last category, the security centre, lies at its hot spot's place.
    for (int i = 0; i < 10; ++i) {
        const int column = i % 2, row = i / 2;
        const QRect cell(column ? target.left() : target.left() - 260, target.top() + (row - 4) * 66, 240, target.height());
        PictureKit::paintIcon(p, QRect(cell.left() + 4, cell.top() + 8, 40, 40), QString::fromLatin1(categories[i].icon));
        p.setPen(QColor(0, 60, 160));
        p.setFont(font("Tahoma", 13));
        p.drawText(cell.adjusted(52, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
                   QString::fromUtf8(categories[i].text));
    }
}

void paintSecurityCentre(QPainter &p, const QSize &size)
{
    const QRect content = paintSystemWindow(p, size, QStringLiteral("Centre de sécurité"), QStringLiteral("security-high"),
                                            {QStringLiteral("Options Internet"), QStringLiteral("Mises à jour automatiques"),
                                             QStringLiteral("Pare-feu")});
    QLinearGradient band(content.topLeft(), content.topRight());
    band.setColorAt(0, QColor(20, 60, 150));
    band.setColorAt(1, QColor(80, 130, 220));
    p.fillRect(QRect(content.left(), content.top(), content.width(), 64), band);
    p.setPen(Qt::white);
    p.setFont(font("Tahoma", 21, true));
    p.drawText(QRect(content.left() + 70, content.top(), content.width(), 64), Qt::AlignVCenter,
               QStringLiteral("Centre de sécurité"));
    Tray::paintAntivirusShield(p, QRectF(content.left() + 18, content.top() + 8, 40, 48));
    p.setPen(QColor(20, 20, 20));
    p.setFont(font("Tahoma", 14, true));
    p.drawText(QRect(content.left() + 20, content.top() + 80, content.width() - 40, 24), Qt::AlignLeft,
               QStringLiteral("Fonctionnalités essentielles de sécurité"));
    const struct { const char *name, *state; } rows[] = {
        {"Pare-feu", "ACTIVÉ"}, {"Mises à jour automatiques", "ACTIVÉ"}, {"Protection antivirus", "ACTIVÉ"}};
    for (int i = 0; i < 3; ++i) {
        const QRect row(content.left() + 20, content.top() + 116 + 62 * i, content.width() - 40, 52);
        QLinearGradient g(row.topLeft(), row.bottomLeft());
        g.setColorAt(0, QColor(236, 246, 236));
        g.setColorAt(1, QColor(206, 232, 206));
        p.setPen(QColor(120, 170, 120));
        p.setBrush(g);
        p.drawRoundedRect(row, 6, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 160, 60));
        p.drawEllipse(QRect(row.left() + 12, row.top() + 14, 24, 24));
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(row.left() + 18, row.top() + 26, row.left() + 23, row.top() + 31);
        p.drawLine(row.left() + 23, row.top() + 31, row.left() + 31, row.top() + 20);
        p.setPen(QColor(20, 20, 20));
        p.setFont(font("Tahoma", 16, true));
        p.drawText(row.adjusted(48, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(rows[i].name));
        p.setPen(QColor(0, 120, 40));
        p.drawText(row.adjusted(0, 0, -16, 0), Qt::AlignVCenter | Qt::AlignRight, QString::fromUtf8(rows[i].state));
    }
    p.setPen(QColor(40, 40, 40));
    p.setFont(font("Tahoma", 12));
    p.drawText(QRect(content.left() + 20, content.top() + 320, content.width() - 40, 60), Qt::TextWordWrap,
               QStringLiteral("Le pare-feu est activé : il protège l'ordinateur en filtrant les communications "
                              "venant d'Internet ou du réseau."));
}

// ---- The two documents --------------------------------------------------------------

void paintChainLetter(QPainter &p, const QSize &size)
{
    PictureKit::WindowFrame frame;
    frame.caption = QStringLiteral("TR: TR: TR: Incroyable mais vrai !!! - Message");
    frame.icon = QStringLiteral("mail-message");
    const QRect client = PictureKit::paintWindowFrame(p, whole(size), frame);
    p.fillRect(client, Qt::white);
    p.setPen(QColor(60, 60, 60));
    p.setFont(font("Tahoma", 12));
    const QStringList head = {QStringLiteral("De :      un.ami.d.un.ami@courriel.fr"),
                              QStringLiteral("À :        toute ma liste de contacts"),
                              QStringLiteral("Objet : TR: TR: TR: Incroyable mais vrai !!!")};
    for (int i = 0; i < head.size(); ++i)
        p.drawText(QRect(client.left() + 10, client.top() + 6 + 18 * i, client.width() - 20, 18), Qt::AlignVCenter, head[i]);
    p.drawLine(client.left() + 8, client.top() + 62, client.right() - 8, client.top() + 62);
    p.setPen(Qt::black);
    p.setFont(font("Comic Sans MS", 15, true));
    p.drawText(QRect(client.left() + 10, client.top() + 70, client.width() - 20, 26), Qt::AlignCenter,
               QStringLiteral("ATTENTION : DANGER DES TÉLÉPHONES PORTABLES !"));
    // Two phones ringing round an egg.
    const QPointF c(client.center().x(), client.top() + 150);
    for (int side : {-1, 1}) {
        const QRectF phone(c.x() + side * 70 - 16, c.y() - 34, 32, 64);
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(QColor(60, 60, 70));
        p.drawRoundedRect(phone, 5, 5);
        p.setBrush(QColor(150, 200, 240));
        p.drawRect(phone.adjusted(4, 6, -4, -30));
        p.setPen(QPen(QColor(220, 40, 40), 2));
        p.setBrush(Qt::NoBrush);
        for (int k = 1; k <= 2; ++k)
            p.drawArc(QRectF(phone.center().x() - 22 * k + side * 0, phone.top() - 12 * k, 44 * k, 28 * k),
                      side > 0 ? 100 * 16 : 40 * 16, 40 * 16);
    }
    p.setPen(QPen(QColor(150, 120, 80), 2));
    p.setBrush(QColor(250, 240, 220));
    p.drawEllipse(QRectF(c.x() - 18, c.y() - 24, 36, 48));
    p.setPen(Qt::black);
    p.setFont(font("Times New Roman", 15));
    const QString text = QStringLiteral(
        "Des chercheurs ont placé un œuf entre deux téléphones portables qui se sont appelés "
        "pendant 65 minutes : au bout d'une heure, l'œuf était cuit !\n\n"
        "Imaginez ce que les ondes font à votre cerveau quand vous téléphonez...\n\n"
        "Faites suivre ce message à tous vos amis, et au moins à 10 personnes, pour les prévenir. "
        "Si vous cassez la chaîne, un malheur vous arrivera dans les 7 jours !");
    p.drawText(QRect(client.left() + 16, client.top() + 206, client.width() - 32, client.height() - 214),
               Qt::TextWordWrap, text);
}

void paintAdvertisingPopup(QPainter &p, const QSize &size)
{
    p.fillRect(whole(size), QColor(58, 110, 165));
    const QRect popup(18, 40, size.width() - 36, size.height() - 80);
    PictureKit::WindowFrame frame;
    frame.caption = QStringLiteral("*** FÉLICITATIONS *** - Fenêtre publicitaire");
    frame.maximiseButton = false;
    frame.minimiseButton = false;
    const QRect client = PictureKit::paintWindowFrame(p, popup, frame);
    QLinearGradient g(client.topLeft(), client.bottomLeft());
    g.setColorAt(0, QColor(255, 236, 0));
    g.setColorAt(1, QColor(255, 150, 0));
    p.fillRect(client, g);
    p.setPen(QColor(200, 0, 0));
    p.setFont(font("Arial", 30, true));
    p.drawText(QRect(client.left(), client.top() + 14, client.width(), 40), Qt::AlignCenter, QStringLiteral("GAGNANT !!!"));
    p.setPen(Qt::black);
    p.setFont(font("Arial", 17, true));
    p.drawText(QRect(client.left() + 16, client.top() + 64, client.width() - 32, 80), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Vous êtes le 1 000 000e visiteur !\nVous avez gagné un téléphone dernier cri !"));
    // A gift box.
    const QRect gift(client.center().x() - 50, client.top() + 156, 100, 80);
    p.fillRect(gift, QColor(200, 30, 160));
    p.fillRect(QRect(gift.center().x() - 8, gift.top(), 16, gift.height()), QColor(255, 230, 60));
    p.fillRect(QRect(gift.left(), gift.top() + 24, gift.width(), 14), QColor(255, 230, 60));
    p.setFont(font("Arial", 14));
    p.drawText(QRect(client.left() + 16, client.top() + 246, client.width() - 32, 60), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Pour recevoir votre cadeau, donnez vite votre nom, votre adresse et votre numéro de carte "
                              "bancaire. Offre valable 10 minutes seulement !"));
    const QRect claim(client.center().x() - 120, client.bottom() - 64, 240, 40);
    p.setPen(QPen(QColor(0, 90, 0), 2));
    p.setBrush(QColor(40, 190, 40));
    p.drawRoundedRect(claim, 8, 8);
    p.setPen(Qt::white);
    p.setFont(font("Arial", 18, true));
    p.drawText(claim, Qt::AlignCenter, QStringLiteral("CLIQUEZ ICI !"));
}

// ---- The browser and its secure page --------------------------------------------------

void paintSecurePage(QPainter &p, const QSize &size)
{
    using namespace ClassicBrowser;
    const QRect r = whole(size);
    // The browser's chrome, narrowed to this window; its status bar holds the padlock.
    Chrome chrome;
    chrome.width = size.width();
    chrome.height = size.height();
    chrome.url = SecureSiteUrl;
    chrome.siteColour = QColor(0, 60, 140);
    chrome.siteLetter = QLatin1Char('S');
    chrome.layout.address = QRect(151, 11, size.width() - 151 - 150, 21);
    chrome.layout.go = QRect(chrome.layout.address.right() + 6, 9, 52, 25);
    chrome.layout.search = QRect(chrome.layout.go.right() + 8, 12, size.width() - chrome.layout.go.right() - 14, 21);
    chrome.layout.statusBarTop = Padlock.top() - 2;
    const QRect page = paintChrome(p, chrome);
    // The small padlock at the end of the address.
    auto padlock = [&p](const QRectF &box) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        const qreal w = box.width();
        p.setPen(QPen(QColor(140, 110, 20), std::max(1.5, w / 8)));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(box.left() + w * 0.25, box.top() + w * 0.05, w * 0.5, w * 0.6), 0, 180 * 16);
        p.drawLine(QPointF(box.left() + w * 0.25, box.top() + w * 0.35), QPointF(box.left() + w * 0.25, box.top() + w * 0.5));
        p.drawLine(QPointF(box.right() - w * 0.25, box.top() + w * 0.35), QPointF(box.right() - w * 0.25, box.top() + w * 0.5));
        p.setPen(QPen(QColor(140, 110, 20), 1));
        p.setBrush(QColor(240, 190, 40));
        p.drawRoundedRect(QRectF(box.left() + w * 0.12, box.top() + w * 0.45, w * 0.76, w * 0.5), 2, 2);
        p.restore();
    };
    const QRect address = chrome.layout.address;
    padlock(QRectF(address.right() - 18, address.top() + 2, 16, 16));
    p.fillRect(page, Qt::white);
    const QRect banner(page.left(), page.top(), page.width(), 70);
    p.fillRect(banner, QColor(0, 35, 110));
    // A tricolour strip and the site's name; no real emblem.
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRect(banner.left() + 16 + 12 * i, banner.top() + 14, 12, 42),
                   i == 0 ? QColor(0, 60, 170) : i == 1 ? QColor(Qt::white) : QColor(220, 30, 40));
    p.setPen(Qt::white);
    p.setFont(font("Arial", 22, true));
    p.drawText(banner.adjusted(70, 6, 0, -26), Qt::AlignVCenter, QStringLiteral("service-public-famille.gouv.fr"));
    p.setFont(font("Arial", 13));
    p.drawText(banner.adjusted(70, 40, 0, 0), Qt::AlignTop, QStringLiteral("Le site officiel de l'administration pour les familles"));
    const QRect nav(page.left(), banner.bottom() + 1, page.width(), 28);
    PictureKit::paintWebNav(p, nav, {QStringLiteral("Accueil"), QStringLiteral("Mes démarches"),
                                     QStringLiteral("Mon espace personnel"), QStringLiteral("Aide"), QStringLiteral("Contact")},
                            QColor(40, 90, 170), 2);
    PictureKit::paintWebHeading(p, QPoint(page.left() + 30, nav.bottom() + 16),
                                QStringLiteral("Connexion à votre espace personnel sécurisé"), 2);
    PictureKit::paintWebParagraph(p, QRect(page.left() + 30, nav.bottom() + 52, 420, 60),
                                  QStringLiteral("Vos informations sont transmises de manière chiffrée. Saisissez votre "
                                                 "identifiant et votre mot de passe pour accéder à vos démarches."));
    const QRect form(page.left() + 30, nav.bottom() + 118, 420, 170);
    p.setPen(QColor(180, 190, 210));
    p.setBrush(QColor(244, 247, 252));
    p.drawRect(form);
    PictureKit::paintLabel(p, QRect(form.left() + 16, form.top() + 18, 120, 22), QStringLiteral("Identifiant :"));
    PictureKit::paintTextField(p, QRect(form.left() + 140, form.top() + 18, 250, 24));
    PictureKit::paintLabel(p, QRect(form.left() + 16, form.top() + 56, 120, 22), QStringLiteral("Mot de passe :"));
    PictureKit::paintTextField(p, QRect(form.left() + 140, form.top() + 56, 250, 24), QString(), false, true);
    PictureKit::paintButton(p, QRect(form.left() + 140, form.top() + 100, 120, 28), QStringLiteral("Se connecter"), true);
    PictureKit::paintWebLink(p, QPoint(form.left() + 140, form.top() + 140), QStringLiteral("Mot de passe oublié ?"), 12);
    PictureKit::paintWebImage(p, QRect(page.right() - 290, nav.bottom() + 30, 250, 170), PictureKit::WebImage::People);
    PictureKit::paintWebFooter(p, QRect(page.left(), page.bottom() - 30, page.width(), 30),
                               QStringLiteral("Mentions légales - Accessibilité - Plan du site"), QColor(0, 35, 110));
    // The status bar: the site's name and the padlock of the secure mode.
    const QRect lock = inPicture(Padlock, ImageA);
    const QRect status(0, chrome.layout.statusBarTop, size.width(), size.height() - chrome.layout.statusBarTop);
    p.fillRect(QRect(lock.left() - 200, status.top() + 3, 196, status.height() - 6), QColor(255, 250, 200));
    p.setPen(Qt::black);
    p.setFont(ClassicBrowser::uiFont(12));
    p.drawText(QRect(lock.left() - 196, status.top(), 190, status.height()), Qt::AlignVCenter | Qt::AlignRight, SecureSiteHost);
    padlock(QRectF(lock).adjusted(3, 2, -3, -4));
    p.setPen(ChromeLine);
    p.drawLine(r.topLeft(), r.topRight());
}

// ---- The Options dialog and its privacy page ----------------------------------------------

const QStringList PrivacyTabs = {QStringLiteral("Historique"), QStringLiteral("Formulaires"), QStringLiteral("Sécurité"),
                                 QStringLiteral("Sessions"), QStringLiteral("Cookies"), QStringLiteral("Cache")};
constexpr int PrivacyTabWidth = 74;

// Tabs of one width, so that the cookies tab falls where its zone is.
class EvenTabBar : public QTabBar
{
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override
    {
        return {PrivacyTabWidth, QTabBar::tabSizeHint(index).height()};
    }
};

// The privacy page's tab bar; 'origin' is the dialog's top left in the picture.
void buildPrivacyTabs(QWidget *root, const QPoint &origin, int current)
{
    auto *bar = new EvenTabBar(root);
    bar->setFont(ClassicBrowser::uiFont(10));
    bar->setElideMode(Qt::ElideNone);
    for (const QString &t : PrivacyTabs)
        bar->addTab(t);
    bar->setCurrentIndex(current);
    bar->setDrawBase(false);
    bar->adjustSize();
    // The cookies zone sits in the middle of its tab.
    const QRect cookies = inPicture(CookiesTab, OptionsDialog);
    const int left = cookies.center().x() - PrivacyTabWidth / 2 - 4 * PrivacyTabWidth;
    bar->move(origin.x() + left, origin.y() + cookies.center().y() - bar->height() / 2);
}

void paintPrivacyPage(QPainter &p, const QSize &size)
{
    BrowserOptions::paint(p, size, BrowserOptions::Panel::Privacy, QString(), [](QWidget *root) {
        buildPrivacyTabs(root, QPoint(0, 0), 0);
        const QRect body = BrowserOptions::Body;
        BrowserOptions::group(root, QRect(body.left(), body.top() + 70, body.width(), 110), QStringLiteral("Historique"));
        BrowserOptions::label(root, QRect(body.left() + 14, body.top() + 94, 480, 21),
                              QStringLiteral("Se souvenir des pages visitées pendant les 9 derniers jours"));
        BrowserOptions::check(root, body.left() + 14, body.top() + 120,
                              QStringLiteral("Conserver l'historique des formulaires"), true, 480);
        BrowserOptions::button(root, QRect(body.right() - 150, body.top() + 146, 140, 25),
                               QStringLiteral("Effacer l'historique"));
        BrowserOptions::label(root, QRect(body.left() + 4, body.top() + 196, body.width() - 8, 60),
                              QStringLiteral("Choisissez un onglet pour régler ce que le navigateur conserve de votre "
                                             "navigation."))->setWordWrap(true);
    });
}

void paintCookiesPage(QPainter &p, const QSize &size)
{
    ClassicBrowser::paintWidgets(p, whole(size), [size](QWidget *root) {
        root->setAutoFillBackground(true);
        // In the sub-page's coordinates the dialog origin lies up and to the left.
        const QPoint dialog = OptionsDialog.topLeft() - CookiesPage.topLeft();
        buildPrivacyTabs(root, dialog, 4);
        const QRect caption = inPicture(AllowCookiesCaption, CookiesPage);
        const QRect box = inPicture(AllowCookies, CookiesPage);
        BrowserOptions::group(root, QRect(8, caption.top() - 26, size.width() - 16, 120), QStringLiteral("Cookies"));
        auto *allow = BrowserOptions::check(root, box.left() - 1, caption.top(),
                                            QStringLiteral("Autoriser les sites à créer des cookies"), true, 320);
        allow->setGeometry(box.left() - 1, caption.top(), 320, caption.height());
        BrowserOptions::button(root, QRect(size.width() - 120, caption.top(), 100, 25), QStringLiteral("Exceptions..."));
        BrowserOptions::check(root, box.left() + 18, caption.top() + 28,
                              QStringLiteral("pour le site d'origine uniquement"), false, 320);
        BrowserOptions::label(root, QRect(box.left() + 18, caption.top() + 58, 160, 22), QStringLiteral("Les conserver :"));
        BrowserOptions::combo(root, QRect(box.left() + 170, caption.top() + 58, 180, 22), QStringLiteral("jusqu'à leur expiration"));
        BrowserOptions::button(root, QRect(size.width() - 170, size.height() - 40, 150, 25),
                               QStringLiteral("Afficher les cookies..."));
    });
    p.setPen(QColor(0xa0, 0xa0, 0xa0));
    p.drawRect(whole(size).adjusted(0, 0, -1, -1));
}

Pictures::Entry optionsPage(int image, BrowserOptions::Panel panel)
{
    QList<Pictures::HotSpotOutline> spots;
    for (int i = 0; i < 6; ++i)
        spots.append({QStringLiteral("zs%1").arg(i + 1), inPicture(optionsCategory(i), OptionsDialog)});
    spots.append({QStringLiteral("zs10"), inPicture(OptionsBody, OptionsDialog)});
    if (panel == BrowserOptions::Panel::Privacy)
        spots.append({QStringLiteral("zs7"), inPicture(CookiesTab, OptionsDialog)});
    Pictures::Painter painter = [panel](QPainter &p, const QSize &s) {
        if (panel == BrowserOptions::Panel::Privacy)
            paintPrivacyPage(p, s);
        else
            BrowserOptions::paint(p, s, panel, SecureSiteUrl);
    };
    return {QStringLiteral("Texercice11v3e/Image%1").arg(image), OptionsDialog.size(), painter, spots};
}

using BrowserOptions::Panel;
const Pictures::Registrar bricks{{QStringLiteral("Texercice11v3/Image1"), BrickCell, &paintBricks, {}}};
const Pictures::Registrar desktop2{{QStringLiteral("Texercice11v3b/Image1"), Window2Size, &paintDesktop2, {}}};
const Pictures::Registrar tray2{{QStringLiteral("Texercice11v3b/Image2"), Tray::Size, &paintTray,
                                 {{QStringLiteral("ZS10"), Tray::zone(AntivirusZone)}, {QStringLiteral("ZS15"), Tray::zone(ClockZone)}}}};
const Pictures::Registrar settings{{QStringLiteral("Texercice11v3b/Image3"), Image3.size(), &paintAntivirusSettings, {}}};
const Pictures::Registrar desktop3{{QStringLiteral("Texercice11v3c/Image1"), Window3Size, &paintDesktop2,
                                    {{QStringLiteral("Shape1"), StartButtonZone}}}};
const Pictures::Registrar tray3{{QStringLiteral("Texercice11v3c/Image5"), Tray::Size, &paintTray, {}}};
const Pictures::Registrar startMenu{{QStringLiteral("Texercice11v3c/Image2"), StartMenu.size(), &paintStartMenu,
                                     {{QStringLiteral("Shape2"), inPicture(ControlPanelEntry, StartMenu)}}}};
const Pictures::Registrar controlPanel{{QStringLiteral("Texercice11v3c/Image3"), ControlPanel.size(), &paintControlPanel,
                                        {{QStringLiteral("Shape3"), inPicture(SecurityCentreEntry, ControlPanel)}}}};
const Pictures::Registrar securityCentre{{QStringLiteral("Texercice11v3c/Image4"), SecurityCentre.size(), &paintSecurityCentre, {}}};
const Pictures::Registrar chainLetter{{QStringLiteral("Texercice11v3d/Image1"), Document.size(), &paintChainLetter, {}}};
const Pictures::Registrar popup{{QStringLiteral("Texercice11v3d/Image2"), Document.size(), &paintAdvertisingPopup, {}}};
const Pictures::Registrar securePage{{QStringLiteral("Texercice11v3e/ImageA"), ImageA.size(), &paintSecurePage,
                                      {{QStringLiteral("zs9"), inPicture(Padlock, ImageA)}}}};
const Pictures::Registrar options1{optionsPage(1, Panel::General)};
const Pictures::Registrar options2{optionsPage(2, Panel::General)};
const Pictures::Registrar options3{optionsPage(3, Panel::Privacy)};
const Pictures::Registrar options4{optionsPage(4, Panel::Content)};
const Pictures::Registrar options5{optionsPage(5, Panel::Tabs)};
const Pictures::Registrar options6{optionsPage(6, Panel::Downloads)};
const Pictures::Registrar options7{optionsPage(7, Panel::Advanced)};
const Pictures::Registrar cookies{{QStringLiteral("Texercice11v3e/Image8"), CookiesPage.size(), &paintCookiesPage,
                                   {{QStringLiteral("CheckBox1"), inPicture(AllowCookies, CookiesPage)},
                                    {QStringLiteral("zs8"), inPicture(AllowCookiesCaption, CookiesPage)}}}};
}
