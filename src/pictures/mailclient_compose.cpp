// The e-mail client family: the composition window.
#include "pictures/mailclient.h"
#include "pictures/mailclient_internal.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace PictureKit;

namespace MailClient {
using namespace detail;

// ---- composition window --------------------------------------------------------------

namespace {
const ButtonSpec ComposeButtons[] = {
    {"mail-send", "Envoyer"},       {"view-pim-contacts", "Contacts"}, {"tools-check-spelling", "Orthographe"},
    {"document-save", "Enregistrer"}, {"mail-attachment", "Joindre"},  {"security-high", "Sécurité"},
};
constexpr int ComposeButtonLeft[] = {6, 72, 128, 184, 240, 296};
}

QRect composeButton(const QPoint &origin, ComposeButton button)
{
    const int i = int(button);
    return QRect(origin.x() + ComposeButtonLeft[i], origin.y() + 46, 56, 51);
}

QRect ComposeGeometry::addressType(int row) const
{
    return QRect(content.left() + typeLeft, rowTop + row * rowHeight, typeWidth, rowHeight);
}

QRect ComposeGeometry::addressField(int row) const
{
    const int left = content.left() + fieldLeft;
    return QRect(left, rowTop + row * rowHeight, content.right() - 18 - left, rowHeight);
}

QRect ComposeGeometry::addressRow(int row) const
{
    return QRect(content.left() + 4, rowTop + row * rowHeight, content.width() - 20, rowHeight);
}

ComposeGeometry composeGeometry(const QPoint &origin, bool sidebar)
{
    ComposeGeometry g;
    g.frame = QRect(origin, ComposeSize);
    g.menuAndTools = QRect(origin.x() + 6, origin.y() + 22, 483, 75);
    const int bodyTop = origin.y() + 100;
    if (sidebar) {
        g.sidebar = QRect(origin.x() + 1, bodyTop, 196, ComposeSize.height() - 100 - 22);
        g.sidebarList = QRect(origin.x() + 5, origin.y() + 251, 181, 168);
        g.addToButton = QRect(origin.x() + 16, origin.y() + 422, 81, 29);
        g.addCcButton = QRect(origin.x() + 100, origin.y() + 422, 92, 29);
        g.content = QRect(origin.x() + 200, bodyTop, ComposeSize.width() - 201, g.sidebar.height());
        g.rowTop = origin.y() + 130;
        g.rowHeight = 18;
        g.typeWidth = 90;
        g.typeLeft = 15;
        g.fieldLeft = 111;
        g.subjectLabel = QRect(g.content.left() + 6, origin.y() + 209, 44, 21);
        g.subjectField = QRect(origin.x() + 256, origin.y() + 209, 377, 21);
        g.body = QRect(origin.x() + 210, origin.y() + 272, 426, 185);
    } else {
        g.content = QRect(origin.x() + 1, bodyTop, ComposeSize.width() - 2, ComposeSize.height() - 100 - 22);
        g.rowTop = origin.y() + 128;
        g.rowHeight = 19;
        g.typeWidth = 65;
        g.typeLeft = 7;
        g.fieldLeft = 140;
        g.subjectLabel = QRect(origin.x() + 6, origin.y() + 207, 44, 21);
        g.subjectField = QRect(origin.x() + 52, origin.y() + 207, 580, 21);
        g.body = QRect(origin.x() + 5, origin.y() + 269, 630, 187);
    }
    return g;
}

void paintAddressType(QPainter &p, const QRect &r, const QString &type)
{
    Saved s(p);
    p.setPen(Line);
    p.setBrush(QColor(0xf4, 0xf5, 0xf6));
    p.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(Colours::Text);
    p.setFont(mailFont(12));
    p.drawText(r.adjusted(4, 0, -14, 0), Qt::AlignVCenter | Qt::AlignLeft, type);
    p.setBrush(Colours::Text);
    p.setPen(Qt::NoPen);
    const QPoint a(r.right() - 10, r.center().y() - 1);
    p.drawPolygon(QPolygon{a, a + QPoint(7, 0), a + QPoint(3, 4)});
}

void paintAddressLine(QPainter &p, const QRect &r, const AddressLine &line, int typeWidth)
{
    Saved s(p);
    p.fillRect(r, Qt::white);
    const int h = std::min(r.height(), 18);
    paintAddressType(p, QRect(r.left(), r.top(), typeWidth, h), line.type);
    paintIcon(p, QRect(r.left() + typeWidth + 6, r.top() + 1, 16, 16), QStringLiteral("im-user"));
    p.setPen(Colours::Text);
    p.setFont(mailFont(12));
    p.drawText(QRect(r.left() + typeWidth + 26, r.top(), r.width() - typeWidth - 26, h), Qt::AlignVCenter,
               line.address);
}

void paintComposeWindow(QPainter &p, const ComposeView &view)
{
    Saved s(p);
    const ComposeGeometry g = composeGeometry(view.origin, view.sidebar);
    p.fillRect(g.frame, Colours::Window);
    p.setPen(QColor(0x1b, 0x2c, 0x48));
    p.setBrush(Qt::NoBrush);
    p.drawRect(g.frame.adjusted(0, 0, -1, -1));
    const QString caption = !view.caption.isEmpty() ? view.caption
                            : QStringLiteral("Rédaction : ")
                                  + (view.subject.isEmpty() ? QStringLiteral("(pas de sujet)") : view.subject);
    paintTitleBar(p, QRect(g.frame.left(), g.frame.top(), g.frame.width(), TitleHeight), caption,
                  QStringLiteral("mail-message-new"));
    const QPoint o = view.origin;
    paintMenuBar(p, QRect(o.x() + 1, o.y() + 22, ComposeSize.width() - 2, 24),
                 {QStringLiteral("&Fichier"), QStringLiteral("É&dition"), QStringLiteral("&Affichage"),
                  QStringLiteral("&Insertion"), QStringLiteral("F&ormat"), QStringLiteral("Op&tions"),
                  QStringLiteral("Ou&tils"), QStringLiteral("&?")});
    paintToolBackground(p, QRect(o.x() + 1, o.y() + 46, ComposeSize.width() - 2, 51));
    for (int i = 0; i < int(std::size(ComposeButtons)); ++i)
        paintToolButton(p, composeButton(o, ComposeButton(i)), QString::fromLatin1(ComposeButtons[i].icon),
                        QString::fromUtf8(ComposeButtons[i].text));
    p.setPen(Line);
    p.drawLine(o.x() + 66, o.y() + 52, o.x() + 66, o.y() + 90);

    // Sender, address rows, subject, body.
    const QRect content = g.content;
    p.fillRect(content, Colours::Window);
    p.setFont(mailFont(12));
    p.setPen(Colours::Text);
    p.drawText(QRect(content.left() + 8, g.rowTop - 27, 60, 22), Qt::AlignVCenter, QStringLiteral("De :"));
    paintComboBox(p, QRect(content.left() + 70, g.rowTop - 27, content.width() - 90, 22), view.from);
    constexpr int rows = 4;
    const int attachWidth = view.attachments.isEmpty() ? 0 : 150;
    const QRect addressArea(content.left() + 4, g.rowTop, content.width() - 20 - attachWidth, rows * g.rowHeight);
    p.fillRect(addressArea, Qt::white);
    p.setPen(Line);
    p.drawRect(addressArea.adjusted(-1, -1, 0, 0));
    for (int row = 0; row < rows; ++row) {
        const QRect type = g.addressType(row);
        p.setPen(QColor(0xe4, 0xe6, 0xe8));
        p.drawLine(addressArea.left(), type.bottom(), addressArea.right(), type.bottom());
        if (row < view.lines.size()) {
            AddressLine line = view.lines.at(row);
            paintAddressLine(p, QRect(type.left(), type.top(), addressArea.right() - type.left(), g.rowHeight - 1),
                             line, g.typeWidth);
        } else if (row == view.lines.size()) {
            paintAddressType(p, type.adjusted(0, 0, 0, -1), QStringLiteral("Pour :"));
        }
    }
    if (attachWidth > 0) {
        const QRect box(addressArea.right() + 4, g.rowTop, attachWidth - 4, rows * g.rowHeight);
        p.setPen(Line);
        p.setBrush(Qt::white);
        p.drawRect(box);
        p.setPen(Colours::Text);
        p.setFont(mailFont(11));
        p.drawText(QRect(box.left() + 4, box.top() + 1, box.width(), 16), Qt::AlignVCenter,
                   QStringLiteral("Pièces jointes :"));
        for (int i = 0; i < view.attachments.size(); ++i) {
            const QRect r(box.left() + 4, box.top() + 19 + 18 * i, box.width() - 8, 18);
            paintIcon(p, QRect(r.left(), r.top() + 1, 16, 16), QStringLiteral("image-x-generic"));
            p.setFont(mailFont(12));
            p.drawText(r.adjusted(20, 0, 0, 0), Qt::AlignVCenter, view.attachments.at(i));
        }
    }
    p.setPen(Colours::Text);
    p.setFont(mailFont(12));
    p.drawText(g.subjectLabel, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Sujet :"));
    paintTextField(p, g.subjectField, QString());
    if (!view.subject.isEmpty()) {
        p.setPen(Colours::Text);
        p.setFont(mailFont(13));
        p.drawText(g.subjectField.adjusted(4, 0, 0, 0), Qt::AlignVCenter, view.subject);
    }
    // The formatting bar above the body.
    const QRect format(g.body.left(), g.body.top() - 30, g.body.width(), 26);
    paintComboBox(p, QRect(format.left(), format.top() + 2, 130, 22), QStringLiteral("Corps du texte"));
    paintComboBox(p, QRect(format.left() + 134, format.top() + 2, 140, 22), QStringLiteral("Largeur variable"));
    const QStringList marks{QStringLiteral("G"), QStringLiteral("I"), QStringLiteral("S")};
    for (int i = 0; i < marks.size(); ++i) {
        const QRect b(format.left() + 284 + i * 26, format.top() + 2, 24, 22);
        paintButton(p, b, QString());
        QFont f = mailFont(13);
        f.setBold(i == 0);
        f.setItalic(i == 1);
        f.setUnderline(i == 2);
        p.setFont(f);
        p.setPen(Colours::Text);
        p.drawText(b, Qt::AlignCenter, marks.at(i));
    }
    p.fillRect(g.body, Qt::white);
    p.setPen(Line);
    p.drawRect(g.body.adjusted(-1, -1, 0, 0));
    if (!view.body.isEmpty()) {
        p.setPen(Colours::Text);
        p.setFont(mailFont(16));
        p.drawText(g.body.adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, view.body);
    }

    if (view.sidebar) {
        const QRect side = g.sidebar;
        p.fillRect(side, PaneBack);
        p.setPen(Line);
        p.drawLine(side.right() + 1, side.top(), side.right() + 1, side.bottom());
        p.setPen(Colours::Text);
        p.setFont(font(12, true));
        p.drawText(QRect(side.left() + 6, side.top() + 2, side.width() - 30, 22), Qt::AlignVCenter,
                   QStringLiteral("Contacts"));
        p.setFont(font(12));
        p.drawText(QRect(side.right() - 20, side.top() + 2, 16, 22), Qt::AlignCenter, QStringLiteral("×"));
        p.drawText(QRect(side.left() + 6, side.top() + 28, side.width() - 8, 18), Qt::AlignVCenter,
                   QStringLiteral("Carnet d'adresses :"));
        paintComboBox(p, QRect(side.left() + 4, side.top() + 48, side.width() - 10, 22), view.addressBook);
        p.drawText(QRect(side.left() + 6, side.top() + 76, side.width() - 8, 18), Qt::AlignVCenter,
                   QStringLiteral("Rechercher :"));
        paintSearchField(p, QRect(side.left() + 4, side.top() + 96, side.width() - 10, 22), QString());
        const QRect header(g.sidebarList.left(), g.sidebarList.top() - 22, g.sidebarList.width(), 21);
        p.fillRect(header, QColor(0xee, 0xf0, 0xf2));
        p.setPen(Line);
        p.drawRect(header.adjusted(0, 0, -1, 0));
        p.setPen(Colours::Text);
        p.drawText(header.adjusted(6, 0, 0, 0), Qt::AlignVCenter, QStringLiteral("Nom"));
        p.fillRect(g.sidebarList, Qt::white);
        p.setPen(Line);
        p.drawRect(g.sidebarList.adjusted(0, 0, -1, -1));
        p.setFont(mailFont(13));
        p.setPen(Colours::Text);
        for (int i = 0; i < view.contacts.size(); ++i)
            p.drawText(QRect(g.sidebarList.left() + 4, g.sidebarList.top() + 2 + i * 18, g.sidebarList.width() - 8,
                             18),
                       Qt::AlignVCenter, view.contacts.at(i));
        paintButton(p, g.addToButton, QStringLiteral("Pour :"));
        paintButton(p, g.addCcButton, QStringLiteral("Copie à :"));
    }
    paintStatusBar(p, QRect(o.x() + 1, g.frame.bottom() - 21, ComposeSize.width() - 2, 21), {QString()});
}
}
