#include "exercises/domain1/default_printer/layout.h"
#include "pictures/desktop.h"
#include "pictures/fonts.h"
#include "pictures/kit.h"
#include "pictures/pictures.h"
#include "pictures/printing.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
namespace L = DefaultPrinterLayout;
namespace W1 = DefaultPrinterLayout::Window1;
namespace W2 = DefaultPrinterLayout::Window2;
using Printing::PrintersFolder::Kind;

// The school desktop of the work-environment exercises, its icons on their grid.
void paintDesktop(QPainter &painter, const QSize &size)
{
    Desktop::paintDesktop(painter, size, Desktop::schoolIcons(false));
}

// The start menu: the pupil's name on top, programs on the left, places and
// settings on the right, the session buttons at the bottom.
void paintStartMenu(QPainter &painter, const QSize &size)
{
    const int header = 60;
    const int footer = 44;
    const int split = 188;
    QLinearGradient top(0, 0, 0, header);
    top.setColorAt(0, QColor(24, 104, 217));
    top.setColorAt(1, QColor(14, 74, 180));
    painter.fillRect(QRect(0, 0, size.width(), header), top);
    painter.fillRect(QRect(0, size.height() - footer, size.width(), footer), top);
    painter.fillRect(QRect(0, header, split, size.height() - header - footer), Qt::white);
    painter.fillRect(QRect(split, header, size.width() - split, size.height() - header - footer), QColor(211, 229, 250));
    painter.setPen(QColor(150, 170, 210));
    painter.drawLine(split, header, split, size.height() - footer);
    PictureKit::paintIcon(painter, QRect(10, 8, 44, 44), QStringLiteral("user-identity"));
    painter.setPen(Qt::white);
    painter.setFont(pixelFont(QStringLiteral("Tahoma"), 15, true));
    painter.drawText(QRect(62, 0, 300, header), Qt::AlignVCenter, QStringLiteral("Élève"));

    const auto row = [&painter](const QRect &r, const char *icon, const QString &text, bool bold) {
        PictureKit::paintIcon(painter, QRect(r.left() + 6, r.top() + (r.height() - 24) / 2, 24, 24), QLatin1String(icon));
        painter.setPen(QColor(20, 20, 20));
        painter.setFont(pixelFont(QStringLiteral("Tahoma"), 11, bold));
        painter.drawText(r.adjusted(36, 0, -2, 0), Qt::AlignVCenter | Qt::TextWordWrap, text);
    };
    const struct
    {
        const char *icon;
        const char *text;
    } programs[] = {{"internet-web-browser", "Internet"}, {"mail-client", "Courrier électronique"},
                    {"x-office-document", "Traitement de texte"}, {"x-office-spreadsheet", "Tableur"},
                    {"applications-graphics", "Dessin"}, {"accessories-calculator", "Calculatrice"},
                    {"accessories-text-editor", "Bloc-notes"}, {"applications-all", "Tous les programmes"}};
    for (int i = 0; i < 8; ++i)
        row(QRect(2, header + 10 + i * 42, split - 4, 40), programs[i].icon, QString::fromUtf8(programs[i].text), i < 2);

    // The right column, its printers entry under its hot spot.
    const QRect printers = L::printersEntryInMenu();
    const int pitch = printers.height();
    const struct
    {
        int offset;   // rows from the printers entry
        const char *icon;
        const char *text;
    } places[] = {{-7, "folder-documents", "Mes documents"}, {-6, "folder-pictures", "Mes images"},
                  {-5, "folder-music", "Ma musique"},        {-4, "computer", "Poste de travail"},
                  {-3, "preferences-system", "Panneau de configuration"},
                  {-2, "network-wired", "Connexions réseau"}, {-1, "preferences-desktop", "Programmes par défaut"},
                  {0, "printer", "Imprimantes et télécopieurs"}, {1, "help-contents", "Aide et support"},
                  {2, "edit-find", "Rechercher"}};
    for (const auto &place : places) {
        const int gap = place.offset <= -4 ? -8 : (place.offset >= 1 ? 8 : 0);
        row(printers.translated(0, place.offset * pitch + gap), place.icon, QString::fromUtf8(place.text),
            place.offset <= -4);
    }
    painter.setPen(QColor(150, 170, 210));
    painter.drawLine(split + 8, printers.top() - 3 * pitch - 4, size.width() - 8, printers.top() - 3 * pitch - 4);
    painter.drawLine(split + 8, printers.bottom() + 5, size.width() - 8, printers.bottom() + 5);

    painter.setFont(pixelFont(QStringLiteral("Tahoma"), 11));
    PictureKit::paintIcon(painter, QRect(150, size.height() - footer + 10, 24, 24), QStringLiteral("system-log-out"));
    PictureKit::paintIcon(painter, QRect(270, size.height() - footer + 10, 24, 24), QStringLiteral("system-shutdown"));
    painter.setPen(Qt::white);
    painter.drawText(QRect(176, size.height() - footer, 92, footer), Qt::AlignVCenter, QStringLiteral("Fermer la session"));
    painter.drawText(QRect(296, size.height() - footer, 80, footer), Qt::AlignVCenter, QStringLiteral("Arrêter"));
}

QList<Printing::PrintersFolder::Printer> printers()
{
    const QStringList &names = L::printerNames();
    return {{names.at(0), Kind::Printer}, {names.at(1), Kind::NetworkPrinter}, {names.at(2), Kind::Fax},
            {names.at(3), Kind::VirtualPrinter}, {names.at(4), Kind::Printer}};
}

void paintFolder(QPainter &painter, const QSize &size)
{
    Printing::PrintersFolder::paint(painter, size, L::FolderCaption, printers());
}

void paintTick(QPainter &painter, const QSize &size)
{
    Printing::paintDefaultTick(painter, QRectF(QPointF(0, 0), size));
}

// A printer's context menu: its entries (an empty text a separator), the first in
// bold, the entry 'anchor' with its top at 'anchorTop'.
Desktop::Popup printerPopup(const QStringList &entries, int rowHeight, int separatorHeight, int anchor, int anchorTop)
{
    Desktop::Popup popup;
    for (const QString &entry : entries) {
        PictureKit::MenuItem item;
        item.text = entry;
        popup.items << (entry.isEmpty() ? PictureKit::MenuItem::line() : item);
    }
    popup.itemHeight = rowHeight;
    popup.separatorHeight = separatorHeight;
    popup.anchor = anchor;
    popup.anchorTop = anchorTop;
    popup.bold = 0;
    return popup;
}

// "Définir par défaut" under zs9.
void paintPrinterMenu(QPainter &painter, const QSize &size)
{
    Desktop::paintPopup(painter, QRect(QPoint(0, 0), size),
                        printerPopup(L::printerMenu(), L::PrinterMenuRow, 0, 1, W1::zs9.top() - W1::Image5.top()));
}

// "Propriétés", the last entry, under zs4.
void paintDefaultPrinterMenu(QPainter &painter, const QSize &size)
{
    const int last = int(L::defaultPrinterMenu().size()) - 1;
    Desktop::paintPopup(painter, QRect(QPoint(0, 0), size),
                        printerPopup(L::defaultPrinterMenu(), L::DefaultMenuRow, L::DefaultMenuSeparator, last,
                                     L::DefaultPropertiesTop));
}

QRect in(const QRect &hotSpot, const QRect &picture) { return hotSpot.translated(-picture.topLeft()); }

const Pictures::Registrar w1Desktop{{QStringLiteral("Texercice6v3/Image1"), W1::Image1.size(),
                                     &paintDesktop,
                                     {{QStringLiteral("zs1"), in(W1::zs1, W1::Image1)},
                                      {QStringLiteral("zs2"), in(W1::zs2, W1::Image1)},
                                      {QStringLiteral("zs3"), in(W1::zs3, W1::Image1)}}}};
const Pictures::Registrar w1Menu{{QStringLiteral("Texercice6v3/Image2"), W1::Image2.size(), &paintStartMenu,
                                  {{QStringLiteral("zs5"), in(W1::zs5, W1::Image2)}}}};
const Pictures::Registrar w1Folder{{QStringLiteral("Texercice6v3/Image3"), W1::Image3.size(), &paintFolder,
                                    {{QStringLiteral("zs6"), in(W1::zs6, W1::Image3)},
                                     {QStringLiteral("zs7"), in(W1::zs7, W1::Image3)}}}};
const Pictures::Registrar w1Tick{{QStringLiteral("Texercice6v3/Image4"), W1::Image4.size(), &paintTick, {}}};
const Pictures::Registrar w1Context{{QStringLiteral("Texercice6v3/Image5"), W1::Image5.size(), &paintPrinterMenu,
                                     {{QStringLiteral("zs9"), in(W1::zs9, W1::Image5)}}}};
const Pictures::Registrar w2Desktop{{QStringLiteral("Texercice6v3b/Image1"), W2::Image1.size(), &paintDesktop,
                                     {}}};
const Pictures::Registrar w2Folder{{QStringLiteral("Texercice6v3b/Image2"), W2::Image2.size(), &paintFolder,
                                    {{QStringLiteral("zs1"), in(W2::zs1, W2::Image2)},
                                     {QStringLiteral("zs2"), in(W2::zs2, W2::Image2)}}}};
const Pictures::Registrar w2Tick{{QStringLiteral("Texercice6v3b/Image3"), W2::Image3.size(), &paintTick, {}}};
const Pictures::Registrar w2Context{{QStringLiteral("Texercice6v3b/Image4"), W2::Image4.size(),
                                     &paintDefaultPrinterMenu,
                                     {{QStringLiteral("zs4"), in(W2::zs4, W2::Image4)}}}};
}
