// The pictures of the data-security exercise: the school network's diagram, the
// log-on dialog, the desktop with the picture file, the image editor, its File
// menu, the save-as dialog on the computer's drives and on the server, and the
// start menu of the pupil's session.
#include "exercises/domain2/data_security/layout.h"
#include "pictures/fonts.h"
#include "pictures/desktop.h"
#include "pictures/imageeditor.h"
#include "pictures/kit.h"
#include "pictures/outlines.h"
#include "pictures/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace DataSecurityLayout;

namespace {

QFont font(int pixels, bool bold = false)
{
    return pixelFont(QStringLiteral("Tahoma"), pixels, bold);
}

// ---- the network diagram ------------------------------------------------------------

void paintFirewall(QPainter &p, const QRect &r)
{
    // A brick wall with a flame above it.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF wall(r.left() + 2, r.top() + r.height() * 0.45, r.width() - 4, r.height() * 0.55 - 2);
    p.fillRect(wall, QColor(178, 64, 40));
    p.setPen(QPen(QColor(240, 220, 200), 1));
    const int rows = 4;
    for (int i = 1; i < rows; ++i)
        p.drawLine(QPointF(wall.left(), wall.top() + i * wall.height() / rows),
                   QPointF(wall.right(), wall.top() + i * wall.height() / rows));
    for (int i = 0; i < rows; ++i) {
        const qreal y0 = wall.top() + i * wall.height() / rows;
        for (qreal x = wall.left() + (i % 2 ? 5 : 10); x < wall.right(); x += 10)
            p.drawLine(QPointF(x, y0), QPointF(x, y0 + wall.height() / rows));
    }
    QPainterPath flame;
    const qreal cx = r.center().x();
    flame.moveTo(cx, r.top() + 2);
    flame.cubicTo(cx + 12, r.top() + 12, cx + 10, wall.top() - 2, cx, wall.top());
    flame.cubicTo(cx - 10, wall.top() - 2, cx - 12, r.top() + 14, cx, r.top() + 2);
    QLinearGradient g(cx, r.top(), cx, wall.top());
    g.setColorAt(0, QColor(255, 220, 60));
    g.setColorAt(1, QColor(240, 90, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(flame);
    p.restore();
}

void paintCloud(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath left, middle, right;
    left.addEllipse(QRectF(r.left(), r.top() + r.height() * 0.35, r.width() * 0.45, r.height() * 0.6));
    middle.addEllipse(QRectF(r.left() + r.width() * 0.25, r.top(), r.width() * 0.5, r.height() * 0.8));
    right.addEllipse(QRectF(r.left() + r.width() * 0.55, r.top() + r.height() * 0.3, r.width() * 0.45, r.height() * 0.65));
    const QPainterPath cloud = left.united(middle).united(right);
    p.setPen(QPen(QColor(90, 130, 190), 1.5));
    p.setBrush(QColor(225, 238, 255));
    p.drawPath(cloud);
    p.setPen(QColor(30, 60, 120));
    p.setFont(font(13, true));
    p.drawText(r, Qt::AlignCenter, QStringLiteral("Internet"));
    p.restore();
}

// A file server drawn as one: a tower cabinet with drive bays and lit indicators.
void paintServerTower(QPainter &p, const QRect &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cabinet = QRectF(r).adjusted(3, 1, -3, -1);
    QLinearGradient side(cabinet.topLeft(), cabinet.topRight());
    side.setColorAt(0, QColor(70, 76, 88));
    side.setColorAt(1, QColor(40, 44, 52));
    p.setPen(QPen(QColor(20, 22, 28), 1));
    p.setBrush(side);
    p.drawRoundedRect(cabinet, 2, 2);
    p.setBrush(QColor(150, 156, 168));
    p.setPen(Qt::NoPen);
    for (int bay = 0; bay < 3; ++bay)
        p.drawRect(QRectF(cabinet.left() + 4, cabinet.top() + 5 + bay * 8, cabinet.width() - 8, 5));
    p.setBrush(QColor(90, 220, 90));
    p.drawEllipse(QPointF(cabinet.left() + 7, cabinet.bottom() - 8), 2, 2);
    p.setBrush(QColor(250, 170, 40));
    p.drawEllipse(QPointF(cabinet.left() + 13, cabinet.bottom() - 8), 2, 2);
    p.restore();
}

// A part's name, bold and word-wrapped, right against the part it names.
void paintCaption(QPainter &p, const QRect &r, const QString &text, const QColor &colour,
                  Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter)
{
    p.setPen(colour);
    p.setFont(font(12, true));
    p.drawText(r, alignment | Qt::TextWordWrap, text);
}

void paintNetwork(QPainter &p, const QSize &size)
{
    const QRect all(QPoint(0, 0), size);
    p.fillRect(all, Qt::white);
    p.setPen(QColor(120, 120, 120));
    p.drawRect(all.adjusted(0, 0, -1, -1));
    p.setPen(QColor(30, 50, 90));
    p.setFont(font(13, true));
    p.drawText(QRect(8, 4, size.width() - 16, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Réseau du collège"));

    const QRect stations = inPicture(zs1, DataSecurityLayout::Image1);
    const QRect server = inPicture(zs3, DataSecurityLayout::Image1);
    const QRect firewall = inPicture(zs4, DataSecurityLayout::Image1);
    const QRectF internet(server.center().x() - 70, firewall.bottom() + 30, 140, 70);
    const QRect office(268, 70, 110, 110);
    const int backbone = server.center().x();
    // The cables: a switch beside the server links the rooms; the firewall stands
    // between the school's network and the Internet.
    p.setRenderHint(QPainter::Antialiasing);
    QPen cable(QColor(70, 110, 170), 2);
    p.setPen(cable);
    const QPoint hub(backbone + 70, server.center().y());
    p.drawLine(QPoint(backbone, stations.bottom()), QPoint(backbone, server.top()));
    p.drawLine(server.center(), hub);
    p.drawLine(QPoint(hub.x(), hub.y()), QPoint(hub.x(), office.center().y()));
    p.drawLine(QPoint(hub.x(), office.center().y()), QPoint(office.left(), office.center().y()));
    p.drawLine(QPoint(backbone, server.bottom()), QPoint(backbone, firewall.top()));
    p.drawLine(QPointF(backbone, firewall.bottom()), QPointF(backbone, internet.top() + 8));
    p.setBrush(QColor(200, 210, 225));
    p.setPen(QColor(70, 90, 120));
    p.drawRoundedRect(QRectF(hub.x() - 12, hub.y() - 6, 24, 12), 2, 2);
    p.setRenderHint(QPainter::Antialiasing, false);

    // The teaching workstations: four computers in a room of their own.
    p.fillRect(stations.adjusted(-6, -4, 6, 4), QColor(235, 245, 235));
    for (int i = 0; i < 3; ++i)
        PictureKit::paintIcon(p, QRect(stations.left() - 4 + i * 26, stations.top() + 6 + (i % 2) * 26, 32, 32),
                              QStringLiteral("computer"));
    PictureKit::paintIcon(p, QRect(stations.left() + 18, stations.top() + 44, 32, 32), QStringLiteral("computer"));
    paintServerTower(p, server);
    paintFirewall(p, firewall);
    paintCloud(p, internet);
    // The school office: two computers and a printer in a room of their own.
    p.setPen(QPen(QColor(170, 150, 110), 1, Qt::DashLine));
    p.setBrush(QColor(252, 246, 232));
    p.drawRect(office);
    PictureKit::paintIcon(p, QRect(office.left() + 8, office.top() + 14, 40, 40), QStringLiteral("computer"));
    PictureKit::paintIcon(p, QRect(office.left() + 58, office.top() + 14, 40, 40), QStringLiteral("computer"));
    PictureKit::paintIcon(p, QRect(office.left() + 34, office.top() + 62, 36, 36), QStringLiteral("printer"));

    // Each part named as the instructions name it, beside it and clear of its hot spot.
    const int labelsRight = stations.left() - 10;
    paintCaption(p, QRect(4, stations.top() + 8, labelsRight - 4, 62), NetworkWorkstations, QColor(30, 100, 40));
    paintCaption(p, QRect(4, server.top() + 4, server.left() - 12, 44), NetworkServer, QColor(30, 60, 130));
    paintCaption(p, QRect(4, firewall.top() + 14, firewall.left() - 12, 24), NetworkFirewall, QColor(150, 40, 20));
    paintCaption(p, QRect(office.left() - 6, office.bottom() + 4, office.width() + 12, 36), NetworkOffice,
                 QColor(120, 90, 30), Qt::AlignHCenter | Qt::AlignTop);
}

// ---- the log-on dialog ----------------------------------------------------------------

void paintLogOn(QPainter &p, const QSize &size)
{
    PictureKit::WindowFrame frame;
    frame.caption = QStringLiteral("Connexion au serveur");
    frame.icon = QStringLiteral("network-server");
    frame.minimiseButton = false;
    frame.maximiseButton = false;
    PictureKit::paintWindowFrame(p, QRect(QPoint(0, 0), size), frame);
    const QRect banner(1, PictureKit::TitleBarHeight + 1, size.width() - 2, 60);
    QLinearGradient g(banner.topLeft(), banner.topRight());
    g.setColorAt(0, QColor(30, 87, 153));
    g.setColorAt(1, QColor(90, 160, 230));
    p.fillRect(banner, g);
    PictureKit::paintIcon(p, QRect(banner.left() + 14, banner.top() + 12, 36, 36), QStringLiteral("network-server"));
    p.setPen(Qt::white);
    p.setFont(font(15, true));
    p.drawText(QRect(banner.left() + 64, banner.top() + 8, banner.width() - 70, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Réseau pédagogique"));
    p.setFont(font(11));
    p.drawText(QRect(banner.left() + 64, banner.top() + 34, banner.width() - 70, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Ouverture d'une session sur le serveur de fichiers"));
    p.setPen(Qt::black);
    p.setFont(font(11));
    const struct { QRect field; const char *label; } rows[] = {
        {inPicture(edit1, DataSecurityLayout::Image2), "Nom d'utilisateur :"},
        {inPicture(edit2, DataSecurityLayout::Image2), "Mot de passe :"},
        {inPicture(edit3, DataSecurityLayout::Image2), "Se connecter à :"}};
    for (const auto &row : rows) {
        p.drawText(QRect(4, row.field.top(), row.field.left() - 8, row.field.height()), Qt::AlignVCenter | Qt::AlignRight,
                   QString::fromUtf8(row.label));
        PictureKit::paintTextField(p, row.field.adjusted(-1, -1, 1, 1));
    }
    const QRect box = inPicture(CheckBox1, DataSecurityLayout::Image2);
    p.drawText(QRect(box.right() + 6, box.top() - 3, 260, box.height() + 6), Qt::AlignVCenter,
               QStringLiteral("Mémoriser mon mot de passe"));
    const QRect ok = inPicture(zs5, DataSecurityLayout::Image2);
    PictureKit::paintButton(p, ok, QStringLiteral("OK"), true);
    PictureKit::paintButton(p, ok.translated(ok.width() + 10, 0), QStringLiteral("Annuler"));
    PictureKit::paintButton(p, ok.translated(2 * (ok.width() + 10), 0), QStringLiteral("Options <<"));
}

// ---- window 2 --------------------------------------------------------------------------

void paintDesktop(QPainter &p, const QSize &size) { Desktop::paintDesktop(p, size, Desktop::schoolIcons(true)); }
void paintEditor(QPainter &p, const QSize &size) { ImageEditor::paintSmallEditor(p, size, PictureFile); }

void paintFileMenu(QPainter &p, const QSize &size)
{
    ImageEditor::paintSmallFileMenu(p, size, ImageEditor::FileSaveAs, inPicture(W2zs3, W2Image3));
}

Desktop::SaveDialog dialog()
{
    Desktop::SaveDialog d;
    const QRect save = inPicture(W2zs6, W2Image4);
    const QRect drive = inPicture(W2zs5, W2Image4);
    d.folderBox = QRect(drive.left() + 90, 32, 300, 33);
    d.upButton = QRect(d.folderBox.right() + 8, 32, 20, 33);
    d.newFolderButton = d.upButton.translated(24, 0);
    d.viewButton = QRect(d.newFolderButton.right() + 4, 32, 40, 33);
    d.placesBar = QRect(8, 68, drive.left() - 18, 272);
    d.placeHeight = 54;
    d.list = QRect(drive.left() - 6, drive.top() - 4 - 18 * ServerDriveEntry, 737 - drive.left() - 2, 254);
    d.saveButton = save;
    d.cancelButton = save.translated(0, 32);
    d.nameField = QRect(d.list.left() + 110, save.top() + 1, save.left() - d.list.left() - 120, 22);
    d.typeField = d.nameField.translated(0, 32);
    d.fileName = PictureFile;
    return d;
}

void paintDrives(QPainter &p, const QSize &size)
{
    Desktop::SaveDialog d = dialog();
    d.folder = QStringLiteral("Poste de travail");
    d.folderIcon = QStringLiteral("computer");
    d.currentPlace = 3;
    d.entries = {qMakePair(QStringLiteral("drive-harddisk"), QStringLiteral("Disque local (C:)")),
                 qMakePair(QStringLiteral("folder-network"), ServerDrive),
                 qMakePair(QStringLiteral("media-floppy"), QStringLiteral("Disquette 3½ (A:)")),
                 qMakePair(QStringLiteral("drive-optical"), QStringLiteral("Lecteur DVD (D:)"))};
    Desktop::paintSaveDialog(p, size, d);
}

void paintServerContent(QPainter &p, const QSize &)
{
    Desktop::SaveDialog d = dialog();
    d.folder = ServerDrive;
    d.folderIcon = QStringLiteral("folder-network");
    d.entries = {qMakePair(QStringLiteral("folder"), QStringLiteral("6eme")),
                 qMakePair(QStringLiteral("folder"), QStringLiteral("5eme")),
                 qMakePair(QStringLiteral("folder"), QStringLiteral("4eme")),
                 qMakePair(QStringLiteral("folder"), QStringLiteral("3eme")),
                 qMakePair(QStringLiteral("folder"), QStringLiteral("Commun")),
                 qMakePair(QStringLiteral("folder"), QStringLiteral("Documents élèves")),
                 qMakePair(QStringLiteral("image-jpeg"), QStringLiteral("affiche.jpg")),
                 qMakePair(QStringLiteral("image-jpeg"), QStringLiteral("sortie.jpg"))};
    // The dialog drawn whole, seen through this picture's place over it.
    p.save();
    p.translate(-inPicture(W2Image5, W2Image4).topLeft());
    Desktop::paintSaveDialog(p, W2Image4.size(), d);
    p.restore();
}

void paintStartMenu(QPainter &p, const QSize &size)
{
    Desktop::paintSessionStartMenu(p, size, LogOnUser, inPicture(W2zs9, W2Image6), inPicture(W2zs10, W2Image6));
}

using Pictures::entry;

using Pictures::outlinesIn;

const Pictures::Registrar pictures[] = {
    Pictures::Registrar{entry("Texercice12v3/Image1", DataSecurityLayout::Image1.size(), &paintNetwork,
                              outlinesIn({{"zs1", zs1}, {"zs3", zs3}, {"zs4", zs4}}, DataSecurityLayout::Image1))},
    Pictures::Registrar{entry("Texercice12v3/Image2", DataSecurityLayout::Image2.size(), &paintLogOn,
                              outlinesIn({{"edit1", edit1}, {"edit2", edit2}, {"edit3", edit3}, {"CheckBox1", CheckBox1},
                                        {"zs5", zs5}}, DataSecurityLayout::Image2))},
    Pictures::Registrar{entry("Texercice12v3b/Image1", DesktopSize, &paintDesktop,
                              outlinesIn({{"zs1", W2zs1}, {"zs8", W2zs8}}, W2Image1))},
    Pictures::Registrar{entry("Texercice12v3b/Image2", W2Image2.size(), &paintEditor,
                              outlinesIn({{"zs2", W2zs2}, {"zs7", W2zs7}}, W2Image2))},
    Pictures::Registrar{entry("Texercice12v3b/Image3", W2Image3.size(), &paintFileMenu,
                              outlinesIn({{"zs3", W2zs3}}, W2Image3))},
    Pictures::Registrar{entry("Texercice12v3b/Image4", W2Image4.size(), &paintDrives,
                              outlinesIn({{"zs5", W2zs5}, {"zs6", W2zs6}}, W2Image4))},
    Pictures::Registrar{entry("Texercice12v3b/Image5", W2Image5.size(), &paintServerContent)},
    Pictures::Registrar{entry("Texercice12v3b/Image6", W2Image6.size(), &paintStartMenu,
                              outlinesIn({{"zs9", W2zs9}, {"zs10", W2zs10}}, W2Image6))},
};
}
