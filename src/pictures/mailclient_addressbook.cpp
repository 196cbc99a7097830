// The e-mail client family: the address book and its contact card.
#include "pictures/mailclient.h"
#include "pictures/mailclient_internal.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace PictureKit;

namespace MailClient {
using namespace detail;

// ---- address book ----------------------------------------------------------------------

AddressBookGeometry addressBookGeometry(const QPoint &o)
{
    AddressBookGeometry g;
    g.frame = QRect(o, AddressBookSize);
    g.closeBox = QRect(o.x() + 728, o.y(), 25, 25);
    g.menuAndTools = QRect(o.x() + 8, o.y() + 22, 329, 75);
    g.newCard = QRect(o.x() + 8, o.y() + 46, 81, 51);
    g.books = QRect(o.x() + 4, o.y() + 102, 150, 330);
    g.listHeader = QRect(o.x() + 160, o.y() + 122, 569, 22);
    g.list = QRect(o.x() + 160, o.y() + 144, 569, 273);
    return g;
}

void paintAddressBook(QPainter &p, const QPoint &o, const QList<Contact> &contacts)
{
    Saved s(p);
    const AddressBookGeometry g = addressBookGeometry(o);
    p.fillRect(g.frame, Colours::Window);
    p.setPen(QColor(0x1b, 0x2c, 0x48));
    p.drawRect(g.frame.adjusted(0, 0, -1, -1));
    // A slightly taller title bar whose close box fills its right end.
    QLinearGradient t(g.frame.topLeft(), g.frame.topLeft() + QPoint(0, 22));
    t.setColorAt(0, TitleTop);
    t.setColorAt(1, TitleBottom);
    p.fillRect(QRect(o.x(), o.y(), AddressBookSize.width(), 22), t);
    paintIcon(p, QRect(o.x() + 4, o.y() + 3, 16, 16), QStringLiteral("address-book-new"));
    p.setPen(Qt::white);
    p.setFont(font(12, true));
    p.drawText(QRect(o.x() + 24, o.y(), 500, 22), Qt::AlignVCenter, QStringLiteral("Carnet d'adresses"));
    const QRect close = g.closeBox.adjusted(2, 2, -2, -4);
    p.setPen(QColor(0x1b, 0x2c, 0x48));
    p.setBrush(QColor(0xc8, 0x4b, 0x3c));
    p.drawRoundedRect(QRectF(close).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(QPen(Qt::white, 1.8));
    const QPointF c = QRectF(close).center();
    p.drawLine(c + QPointF(-4.5, -4.5), c + QPointF(4.5, 4.5));
    p.drawLine(c + QPointF(4.5, -4.5), c + QPointF(-4.5, 4.5));
    for (int i = 1; i <= 2; ++i) {
        const QRect b = close.translated(-22 * i, 0);
        p.setPen(QColor(0x1b, 0x2c, 0x48));
        p.setBrush(QColor(0x4f, 0x6f, 0xa0));
        p.drawRoundedRect(QRectF(b).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.setPen(QPen(Qt::white, 1.4));
        const QPointF bc = QRectF(b).center();
        if (i == 1)
            p.drawRect(QRectF(bc.x() - 4, bc.y() - 4, 8, 8));
        else
            p.drawLine(bc + QPointF(-4, 4), bc + QPointF(4, 4));
    }
    paintMenuBar(p, QRect(o.x() + 1, o.y() + 22, AddressBookSize.width() - 2, 24),
                 {QStringLiteral("&Fichier"), QStringLiteral("É&dition"), QStringLiteral("&Affichage"),
                  QStringLiteral("Ou&tils"), QStringLiteral("&?")});
    paintToolBackground(p, QRect(o.x() + 1, o.y() + 46, AddressBookSize.width() - 2, 51));
    const ButtonSpec buttons[] = {{"contact-new", "Nouvelle fiche"},
                                  {"address-book-new", "Nouvelle liste"},
                                  {"document-properties", "Propriétés"},
                                  {"mail-message-new", "Écrire"},
                                  {"edit-delete", "Supprimer"}};
    for (int i = 0; i < 5; ++i)
        paintToolButton(p, g.newCard.translated(81 * i, 0), QString::fromLatin1(buttons[i].icon),
                        QString::fromUtf8(buttons[i].text), i < 2);
    paintSearchField(p, QRect(o.x() + 520, o.y() + 60, 230, 24), QStringLiteral("Nom ou adresse"));

    // The books at left.
    p.setBrush(Qt::NoBrush);
    p.fillRect(g.books, Qt::white);
    p.setPen(Line);
    p.drawRect(g.books.adjusted(0, 0, -1, -1));
    const QStringList books{QStringLiteral("Adresses personnelles"), QStringLiteral("Adresses collectées")};
    p.setFont(font(11));
    for (int i = 0; i < books.size(); ++i) {
        const QRect r(g.books.left() + 2, g.books.top() + 4 + 22 * i, g.books.width() - 4, 22);
        if (i == 0)
            p.fillRect(r, Selection);
        paintIcon(p, QRect(r.left() + 3, r.top() + 3, 16, 16), QStringLiteral("x-office-address-book"));
        p.setPen(Colours::Text);
        p.drawText(r.adjusted(22, 0, 0, 0), Qt::AlignVCenter, books.at(i));
    }
    p.setPen(Colours::Text);
    p.setFont(font(12));
    p.drawText(QRect(g.list.left(), o.y() + 100, 400, 20), Qt::AlignVCenter,
               QStringLiteral("Adresses personnelles"));
    p.fillRect(g.listHeader, QColor(0xee, 0xf0, 0xf2));
    p.setPen(Line);
    p.drawRect(g.listHeader.adjusted(0, 0, -1, 0));
    p.setPen(Colours::Text);
    p.drawText(g.listHeader.adjusted(8, 0, 0, 0), Qt::AlignVCenter, QStringLiteral("Nom"));
    p.drawText(g.listHeader.adjusted(210, 0, 0, 0), Qt::AlignVCenter, QStringLiteral("Adresse électronique"));
    p.setPen(Line);
    p.drawLine(g.listHeader.left() + 200, g.listHeader.top() + 3, g.listHeader.left() + 200,
               g.listHeader.bottom() - 3);
    p.fillRect(g.list, Qt::white);
    p.drawRect(g.list.adjusted(0, 0, -1, -1));
    p.setFont(mailFont(13));
    p.setPen(Colours::Text);
    for (int i = 0; i < contacts.size(); ++i) {
        const QRect r(g.list.left() + 8, g.list.top() + 2 + 18 * i, 560, 18);
        p.drawText(r, Qt::AlignVCenter, contacts.at(i).name);
        p.drawText(r.adjusted(202, 0, 0, 0), Qt::AlignVCenter, contacts.at(i).address);
    }
    paintStatusBar(p, QRect(o.x() + 1, g.frame.bottom() - 21, AddressBookSize.width() - 2, 21),
                   {QStringLiteral("Adresses personnelles")});
}

// ---- contact card ----------------------------------------------------------------------

CardGeometry cardGeometry(const QPoint &o)
{
    CardGeometry g;
    g.frame = QRect(o, CardSize);
    g.firstName = QRect(o.x() + 152, o.y() + 124, 265, 21);
    g.lastName = QRect(o.x() + 153, o.y() + 150, 265, 21);
    g.displayName = QRect(o.x() + 152, o.y() + 175, 265, 21);
    g.nickname = QRect(o.x() + 152, o.y() + 201, 265, 21);
    g.email = QRect(o.x() + 152, o.y() + 268, 265, 21);
    g.ok = QRect(o.x() + 280, o.y() + 566, 81, 35);
    g.cancel = QRect(o.x() + 368, o.y() + 566, 81, 35);
    return g;
}

void paintCardDialog(QPainter &p, const QPoint &o)
{
    Saved s(p);
    const CardGeometry g = cardGeometry(o);
    p.fillRect(g.frame, Colours::Window);
    p.setPen(QColor(0x1b, 0x2c, 0x48));
    p.drawRect(g.frame.adjusted(0, 0, -1, -1));
    paintTitleBar(p, QRect(o.x(), o.y(), CardSize.width(), TitleHeight), QStringLiteral("Nouvelle fiche"),
                  QStringLiteral("contact-new"), false);
    p.setPen(Colours::Text);
    p.setFont(font(12));
    p.drawText(QRect(o.x() + 12, o.y() + 28, 430, 20), Qt::AlignVCenter,
               QStringLiteral("Ajouter à :  Adresses personnelles"));
    const QRect page = paintTabWidget(p, QRect(o.x() + 8, o.y() + 52, CardSize.width() - 16, 500),
                                      {QStringLiteral("Contact"), QStringLiteral("Adresse"), QStringLiteral("Autre")}, 0);
    paintGroupBox(p, QRect(page.left() + 6, o.y() + 98, page.width() - 12, 138), QStringLiteral("Nom"));
    paintGroupBox(p, QRect(page.left() + 6, o.y() + 244, page.width() - 12, 110), QStringLiteral("Internet"));
    paintGroupBox(p, QRect(page.left() + 6, o.y() + 362, page.width() - 12, 180), QStringLiteral("Téléphones"));
    const struct { QRect field; const char *label; } rows[] = {
        {g.firstName, "Prénom :"},  {g.lastName, "Nom :"},
        {g.displayName, "Afficher :"}, {g.nickname, "Surnom :"},
        {g.email, "Adresse électronique :"},
        {QRect(o.x() + 152, o.y() + 294, 265, 21), "Adresse secondaire :"},
    };
    for (const auto &r : rows) {
        p.setPen(Colours::Text);
        p.setFont(font(11));
        p.drawText(QRect(page.left() + 12, r.field.top(), r.field.left() - page.left() - 16, r.field.height()),
                   Qt::AlignVCenter | Qt::AlignRight, QString::fromUtf8(r.label));
        paintTextField(p, r.field);
    }
    p.setFont(font(11));
    p.drawText(QRect(page.left() + 12, o.y() + 322, 134, 22), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("Format préféré :"));
    paintComboBox(p, QRect(o.x() + 152, o.y() + 322, 160, 22), QStringLiteral("Inconnu"));
    const char *phones[] = {"Travail :", "Domicile :", "Fax :", "Pager :", "Portable :"};
    for (int i = 0; i < 5; ++i) {
        const QRect f(o.x() + 152, o.y() + 386 + 30 * i, 200, 21);
        p.setPen(Colours::Text);
        p.drawText(QRect(page.left() + 12, f.top(), 134, 21), Qt::AlignVCenter | Qt::AlignRight,
                   QString::fromUtf8(phones[i]));
        paintTextField(p, f);
    }
    paintButton(p, g.ok, QStringLiteral("OK"), true);
    paintButton(p, g.cancel, QStringLiteral("Annuler"));
}
}
