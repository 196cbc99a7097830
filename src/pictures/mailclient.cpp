// The e-mail client family: an unbranded desktop mail program drawn with the kit.
#include "pictures/mailclient.h"

#include "pictures/kit.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace PictureKit;

namespace MailClient {
namespace {
const QColor TitleTop(0x3d, 0x5a, 0x86);
const QColor TitleBottom(0x27, 0x3f, 0x66);
const QColor PaneBack(0xf6, 0xf7, 0xf9);
const QColor Line(0xc9, 0xcd, 0xd2);
const QColor Selection(0xcf, 0xe3, 0xf7);
const QColor Unread(0x2e, 0x8b, 0x3e);

QFont font(int pixels, bool bold = false)
{
    return uiFont(pixels, bold);
}

// The text of messages, as the program shows mail.
QFont mailFont(int pixels = 13)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(pixels);
    return f;
}

class Saved
{
public:
    explicit Saved(QPainter &p) : m_p(p) { m_p.save(); }
    ~Saved() { m_p.restore(); }

private:
    QPainter &m_p;
};

// A title bar of the program's windows, 22 pixels high; returns its close box.
QRect paintTitleBar(QPainter &p, const QRect &bar, const QString &caption, const QString &icon, bool buttons = true)
{
    Saved s(p);
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0, TitleTop);
    g.setColorAt(1, TitleBottom);
    p.fillRect(bar, g);
    paintIcon(p, QRect(bar.left() + 4, bar.top() + 3, 16, 16), icon);
    p.setPen(Qt::white);
    p.setFont(font(12, true));
    p.drawText(bar.adjusted(24, 0, -80, 0), Qt::AlignVCenter | Qt::AlignLeft, caption);
    const QRect close(bar.right() - 21, bar.top() + 2, 19, bar.height() - 4);
    QList<QRect> boxes{close};
    if (buttons)
        boxes << close.translated(-21, 0) << close.translated(-40, 0);
    for (int i = 0; i < boxes.size(); ++i) {
        const QRect &b = boxes[i];
        p.setPen(QColor(0x1b, 0x2c, 0x48));
        p.setBrush(i == 0 ? QColor(0xc8, 0x4b, 0x3c) : QColor(0x4f, 0x6f, 0xa0));
        p.drawRoundedRect(QRectF(b).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.setPen(QPen(Qt::white, 1.6));
        const QPointF c = QRectF(b).center();
        if (i == 0) {
            p.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
            p.drawLine(c + QPointF(4, -4), c + QPointF(-4, 4));
        } else if (i == 1) {
            p.drawRect(QRectF(c.x() - 4, c.y() - 4, 8, 8));
        } else {
            p.drawLine(c + QPointF(-4, 4), c + QPointF(4, 4));
        }
    }
    return close;
}

// A large tool button: its icon above its caption.
void paintToolButton(QPainter &p, const QRect &r, const QString &icon, const QString &text, bool enabled = true)
{
    Saved s(p);
    paintIcon(p, QRect(r.center().x() - 12, r.top() + 4, 24, 24), icon);
    if (!enabled)
        p.fillRect(QRect(r.center().x() - 12, r.top() + 4, 24, 24), QColor(239, 240, 241, 150));
    p.setPen(enabled ? Colours::Text : Colours::Disabled);
    // The caption shrinks rather than run into its neighbours.
    int pixels = 10;
    while (pixels > 8 && QFontMetrics(font(pixels)).horizontalAdvance(text) > r.width() - 2)
        --pixels;
    p.setFont(font(pixels));
    p.drawText(QRect(r.left() - 1, r.top() + 30, r.width() + 2, 16), Qt::AlignCenter, text);
}

void paintToolBackground(QPainter &p, const QRect &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xf8, 0xf9, 0xfa));
    g.setColorAt(1, QColor(0xe4, 0xe7, 0xea));
    p.fillRect(r, g);
    p.setPen(Line);
    p.drawLine(r.bottomLeft(), r.bottomRight());
}

void paintPaperClip(QPainter &p, const QRect &r)
{
    Saved s(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x55, 0x5b, 0x63), 1.4));
    p.setBrush(Qt::NoBrush);
    const qreal x = r.center().x() - 3, y = r.top() + 3, h = r.height() - 6;
    QPainterPath clip;
    clip.moveTo(x + 6, y + h * 0.35);
    clip.lineTo(x + 6, y + h - 3);
    clip.arcTo(QRectF(x, y + h - 6, 6, 6), 0, -180);
    clip.lineTo(x, y + 3);
    clip.arcTo(QRectF(x, y, 4.5, 4.5), 180, -180);
    clip.lineTo(x + 4.5, y + h - 4);
    p.drawPath(clip);
}

void paintSearchField(QPainter &p, const QRect &r, const QString &placeholder)
{
    Saved s(p);
    p.setPen(Line);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    paintIcon(p, QRect(r.left() + 4, r.center().y() - 7, 14, 14), QStringLiteral("edit-find"));
    p.setPen(QColor(0x90, 0x94, 0x99));
    p.setFont(font(11));
    p.drawText(r.adjusted(22, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, placeholder);
}

struct ButtonSpec
{
    const char *icon;
    const char *text;
};

const ButtonSpec MainButtons[] = {
    {"mail-receive", "Relever"},        {"mail-message-new", "Écrire"},   {"address-book-new", "Adresses"},
    {"mail-reply-sender", "Répondre"},  {"mail-reply-all", "Rép. tous"}, {"mail-forward", "Transférer"},
    {"mail-mark-important", "Étiquette"}, {"edit-delete", "Supprimer"},   {"mail-mark-junk", "Indésirable"},
    {"document-print", "Imprimer"},     {"process-stop", "Arrêter"},
};

struct FolderSpec
{
    const char *icon;
    const char *text;
};
const FolderSpec Folders[] = {
    {"mail-folder-inbox", "Courrier entrant"}, {"document-edit", "Brouillons"}, {"text-x-generic-template", "Modèles"},
    {"mail-folder-sent", "Envoyés"},          {"folder", "Archives"},         {"mail-mark-junk", "Indésirables"},
    {"user-trash", "Corbeille"},
};

void paintFolderPane(QPainter &p, const MainView &view)
{
    Saved s(p);
    p.fillRect(FolderPane, PaneBack);
    p.setPen(Colours::Text);
    p.setFont(font(12, true));
    p.drawText(QRect(8, FolderPane.top() + 6, 180, 22), Qt::AlignVCenter, QStringLiteral("Tous les dossiers"));
    paintIcon(p, QRect(8, folderRow(0).top() + 3, 16, 16), QStringLiteral("mail-message"));
    p.setFont(font(12, true));
    const QRect accountRow = folderRow(0).adjusted(28, 0, 0, 0);
    p.drawText(accountRow, Qt::AlignVCenter,
               QFontMetrics(p.font()).elidedText(view.account, Qt::ElideRight, accountRow.width()));
    int unread = 0;
    for (const Message &m : view.messages)
        unread += m.unread ? 1 : 0;
    for (int i = 0; i < int(std::size(Folders)); ++i) {
        const QRect row = folderRow(i + 1);
        const bool current = QString::fromUtf8(Folders[i].text) == view.folder;
        if (current)
            p.fillRect(QRect(0, row.top(), FolderPane.width(), row.height()), Selection);
        paintIcon(p, QRect(row.left() + 6, row.top() + 3, 16, 16), QString::fromUtf8(Folders[i].icon));
        QString text = QString::fromUtf8(Folders[i].text);
        if (current && unread > 0)
            text += QStringLiteral(" (%1)").arg(unread);
        p.setFont(font(12, current && unread > 0));
        p.setPen(Colours::Text);
        p.drawText(row.adjusted(28, 0, 0, 0), Qt::AlignVCenter, text);
    }
    const QRect local = folderRow(int(std::size(Folders)) + 1);
    paintIcon(p, QRect(8, local.top() + 3, 16, 16), QStringLiteral("folder-network"));
    p.setFont(font(12, true));
    p.drawText(local.adjusted(28, 0, 0, 0), Qt::AlignVCenter, QStringLiteral("Dossiers locaux"));
    p.setFont(font(12));
    const QStringList locals{QStringLiteral("Corbeille"), QStringLiteral("Boîte d'envoi")};
    for (int i = 0; i < locals.size(); ++i) {
        const QRect row = folderRow(int(std::size(Folders)) + 2 + i);
        paintIcon(p, QRect(row.left() + 6, row.top() + 3, 16, 16),
                  i == 0 ? QStringLiteral("user-trash") : QStringLiteral("mail-folder-outbox"));
        p.drawText(row.adjusted(28, 0, 0, 0), Qt::AlignVCenter, locals.at(i));
    }
    p.setPen(Line);
    p.drawLine(FolderPane.right() + 1, FolderPane.top(), FolderPane.right() + 1, FolderPane.bottom());
}

// Columns of the message list.
constexpr int ClipColumn = 226;
constexpr int SubjectColumn = 248;
constexpr int DotColumn = 500;
constexpr int FromColumn = 522;
constexpr int DateColumn = 684;
constexpr int ColumnsEnd = 812;

void paintMessageList(QPainter &p, const MainView &view)
{
    Saved s(p);
    // The quick filter bar.
    const QRect filter(200, 100, 745, 34);
    p.fillRect(filter, PaneBack);
    p.setFont(font(11));
    p.setPen(Colours::Text);
    int x = 208;
    const QStringList chips{QStringLiteral("Non lus"), QStringLiteral("Suivis"), QStringLiteral("Contacts"),
                            QStringLiteral("Étiquettes"), QStringLiteral("Pièces jointes")};
    for (const QString &chip : chips) {
        const int w = QFontMetrics(p.font()).horizontalAdvance(chip) + 18;
        p.setPen(Line);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(x + 0.5, filter.top() + 6.5, w, 21), 4, 4);
        p.setPen(Colours::Text);
        p.drawText(QRect(x, filter.top() + 6, w, 22), Qt::AlignCenter, chip);
        x += w + 6;
    }
    paintSearchField(p, QRect(700, filter.top() + 6, 236, 22), QStringLiteral("Filtrer ces messages <Ctrl+Maj+K>"));

    // Header.
    p.fillRect(ListHeader, QColor(0xee, 0xf0, 0xf2));
    p.setPen(Line);
    p.drawLine(ListHeader.bottomLeft(), ListHeader.bottomRight());
    p.setFont(font(11));
    const struct { int left; int right; const char *title; } columns[] = {
        {204, ClipColumn - 2, ""}, {ClipColumn, SubjectColumn - 2, ""}, {SubjectColumn, DotColumn - 2, "Sujet"},
        {DotColumn, FromColumn - 2, ""}, {FromColumn, DateColumn - 2, "Expéditeur"}, {DateColumn, ColumnsEnd, "Date"},
        {ColumnsEnd + 2, 929, ""}};
    for (const auto &c : columns) {
        p.setPen(Colours::Text);
        p.drawText(QRect(c.left + 4, ListHeader.top(), c.right - c.left - 4, ListHeader.height()), Qt::AlignVCenter,
                   QString::fromUtf8(c.title));
        p.setPen(Line);
        p.drawLine(c.right + 1, ListHeader.top() + 4, c.right + 1, ListHeader.bottom() - 4);
    }
    paintPaperClip(p, QRect(ClipColumn, ListHeader.top() + 2, 20, 18));
    p.fillRect(QRect(929, ListHeader.top(), 16, 76), QColor(0xe8, 0xea, 0xec));

    // Rows.
    p.fillRect(QRect(200, ListHeader.bottom() + 1, 729, ReadingPane.top() - 3 - ListHeader.bottom()), Qt::white);
    for (int i = 0; i < view.messages.size(); ++i) {
        const Message &m = view.messages.at(i);
        const QRect row = messageRow(i);
        if (i == view.selected)
            p.fillRect(row, Selection);
        if (m.attachment)
            paintPaperClip(p, QRect(ClipColumn, row.top() + 1, 20, row.height() - 2));
        p.setFont(font(12, m.unread));
        p.setPen(Colours::Text);
        p.drawText(QRect(SubjectColumn + 4, row.top(), DotColumn - SubjectColumn - 6, row.height()), Qt::AlignVCenter,
                   m.subject);
        p.drawText(QRect(FromColumn + 4, row.top(), DateColumn - FromColumn - 6, row.height()), Qt::AlignVCenter,
                   m.from);
        p.drawText(QRect(DateColumn + 4, row.top(), ColumnsEnd - DateColumn - 6, row.height()), Qt::AlignVCenter,
                   m.date);
        // The read mark: a green dot while unread, a small grey one once read.
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(m.unread ? Unread : QColor(0xb8, 0xbc, 0xc1));
        const qreal radius = m.unread ? 4.5 : 2.5;
        p.drawEllipse(QPointF(DotColumn + 10, row.center().y() + 0.5), radius, radius);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    p.setPen(Line);
    p.drawLine(200, ReadingPane.top() - 2, 945, ReadingPane.top() - 2);
}

void paintReadingPane(QPainter &p, const MainView &view)
{
    Saved s(p);
    p.fillRect(ReadingPane, Qt::white);
    if (!view.opened)
        return;
    const OpenedMessage &m = view.message;
    const QRect headers(200, ReadingPane.top(), 745, 80);
    p.fillRect(headers, PaneBack);
    p.setPen(Line);
    p.drawLine(headers.bottomLeft(), headers.bottomRight());
    const struct { const char *label; QString value; } rows[] = {
        {"De", m.from}, {"Sujet", m.subject}, {"Pour", m.to}};
    for (int i = 0; i < 3; ++i) {
        const int y = headers.top() + 6 + i * 23;
        p.setPen(QColor(0x6a, 0x6f, 0x75));
        p.setFont(font(12));
        p.drawText(QRect(206, y, 56, 20), Qt::AlignVCenter | Qt::AlignRight, QString::fromUtf8(rows[i].label));
        p.setPen(Colours::Text);
        p.setFont(font(12, i == 1));
        p.drawText(QRect(270, y, 520, 20), Qt::AlignVCenter, rows[i].value);
    }
    p.setFont(font(12));
    p.drawText(QRect(700, headers.top() + 6, 225, 20), Qt::AlignVCenter | Qt::AlignRight, m.date);
    // The reply and forward buttons of the header area.
    const QStringList actions{QStringLiteral("Répondre"), QStringLiteral("Transférer"), QStringLiteral("Archiver")};
    int x = 640;
    for (const QString &a : actions) {
        const QRect b(x, headers.top() + 52, 88, 22);
        paintButton(p, b, a);
        x += 92;
    }
    p.setFont(mailFont());
    p.setPen(Colours::Text);
    p.drawText(QRect(214, headers.bottom() + 12, 700, 100), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m.body);

    if (!m.attachment.isEmpty()) {
        p.fillRect(AttachmentBar, PaneBack);
        p.setPen(Line);
        p.drawLine(AttachmentBar.topLeft(), AttachmentBar.topRight());
        paintPaperClip(p, QRect(AttachmentBar.left() + 6, AttachmentBar.top() + 6, 20, 22));
        p.setPen(Colours::Text);
        p.setFont(font(11, true));
        p.drawText(QRect(AttachmentBar.left() + 24, AttachmentBar.top(), 80, AttachmentBar.height()),
                   Qt::AlignVCenter, QStringLiteral("1 pièce jointe"));
        const QRect entry = AttachmentEntry;
        p.setPen(Line);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(entry).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        paintIcon(p, QRect(entry.left() + 6, entry.top() + 4, 18, 18), QStringLiteral("image-x-generic"));
        p.setPen(Colours::Text);
        p.setFont(font(12));
        p.drawText(entry.adjusted(30, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft, m.attachment);
        p.setPen(QColor(0x6a, 0x6f, 0x75));
        p.drawText(entry.adjusted(30, 0, -8, 0), Qt::AlignVCenter | Qt::AlignRight, m.attachmentSize);
    }
}
}


QRect mainButton(MainButton button)
{
    return QRect(1 + 56 * int(button), ToolBar.top(), 56, ToolBar.height());
}

QRect folderRow(int index)
{
    return QRect(4, 144 + 22 * index, FolderPane.width() - 8, 22);
}

QRect messageRow(int index)
{
    return QRect(200, 158 + 22 * index, 729, 22);
}

void translateForPart(QPainter &painter, const QRect &region)
{
    painter.translate(-region.topLeft());
}

void paintMainWindow(QPainter &p, const MainView &view)
{
    Saved s(p);
    p.fillRect(QRect(QPoint(0, 0), MainSize), Colours::Window);
    const QString caption = view.folder + (view.account.isEmpty() ? QString() : QStringLiteral(" - ") + view.account)
                            + QStringLiteral(" - Messagerie");
    paintTitleBar(p, QRect(0, 0, MainSize.width(), TitleHeight), caption, QStringLiteral("internet-mail"));
    paintMenuBar(p, MenuBar,
                 {QStringLiteral("&Fichier"), QStringLiteral("É&dition"), QStringLiteral("&Affichage"),
                  QStringLiteral("A&ller"), QStringLiteral("&Messages"), QStringLiteral("&Outils"), QStringLiteral("&?")});
    paintToolBackground(p, ToolBar);
    for (int i = 0; i < int(std::size(MainButtons)); ++i) {
        const QRect r = mainButton(MainButton(i));
        const bool needsMessage = i >= int(MainButton::Reply) && i <= int(MainButton::Print);
        paintToolButton(p, r, QString::fromLatin1(MainButtons[i].icon), QString::fromUtf8(MainButtons[i].text),
                        !needsMessage || view.opened);
    }
    // The small arrow of the get-mail button's own menu.
    const QRect getMail = mainButton(MainButton::GetMail);
    p.setPen(Colours::Text);
    p.setBrush(Colours::Text);
    const QPoint a(getMail.right() - 6, getMail.top() + 16);
    p.drawPolygon(QPolygon{a, a + QPoint(6, 0), a + QPoint(3, 3)});
    paintSearchField(p, QRect(680, ToolBar.top() + 14, 250, 24), QStringLiteral("Rechercher <Ctrl+K>"));
    p.fillRect(QRect(0, 97, MainSize.width(), 3), QColor(0xd6, 0xd9, 0xdc));

    paintFolderPane(p, view);
    paintMessageList(p, view);
    paintReadingPane(p, view);

    // The counts only where the list holds mail: the pictures laid over this one
    // change the list, not the status bar.
    QStringList sections{QStringLiteral("Terminé")};
    if (!view.messages.isEmpty()) {
        int unread = 0;
        for (const Message &m : view.messages)
            unread += m.unread ? 1 : 0;
        sections << QStringLiteral("Non lus : %1").arg(unread) << QStringLiteral("Total : %1").arg(view.messages.size());
    }
    paintStatusBar(p, QRect(0, view.height - StatusBar.height(), StatusBar.width(), StatusBar.height()), sections);
}

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

// ---- file dialogs ----------------------------------------------------------------------

QRect fileNameField(const FileDialogView &v)
{
    const int left = v.tree.left() + 100;
    return QRect(left, v.accept.top() + 6, v.accept.left() - 10 - left, 22);
}

void paintFileDialog(QPainter &p, const FileDialogView &v)
{
    Saved s(p);
    const QRect f = v.frame;
    p.fillRect(f, Colours::Window);
    p.setPen(QColor(0x1b, 0x2c, 0x48));
    p.drawRect(f.adjusted(0, 0, -1, -1));
    paintTitleBar(p, QRect(f.left(), f.top(), f.width(), TitleHeight), v.caption, QStringLiteral("document-open"),
                  false);
    p.setPen(Colours::Text);
    p.setFont(font(11));
    p.setFont(font(10));
    p.drawText(QRect(f.left() + 6, f.top() + 30, v.tree.left() - f.left() - 8, 22), Qt::AlignVCenter,
               v.lookInLabel);
    paintComboBox(p, QRect(v.tree.left(), f.top() + 30, v.tree.width() - 90, 22), v.lookIn);
    const QStringList tools{QStringLiteral("go-previous"), QStringLiteral("go-up"), QStringLiteral("folder-new"),
                            QStringLiteral("view-list-details")};
    for (int i = 0; i < tools.size(); ++i)
        paintIcon(p, QRect(v.tree.right() - 84 + 22 * i, f.top() + 33, 16, 16), tools.at(i));
    // The places bar.
    const QRect places(f.left() + 6, v.tree.top(), v.tree.left() - f.left() - 12, v.tree.height());
    p.fillRect(places, QColor(0x9a, 0xa9, 0xbd));
    const struct { const char *icon; const char *text; } spots[] = {
        {"document-open-recent", "Documents récents"}, {"user-desktop", "Bureau"}, {"folder-documents", "Mes documents"},
        {"computer", "Poste de travail"}, {"folder-network", "Favoris réseau"}};
    for (int i = 0; i < 5; ++i) {
        const QRect r(places.left(), places.top() + 6 + 56 * i, places.width(), 54);
        paintIcon(p, QRect(r.center().x() - 14, r.top() + 2, 28, 28), QString::fromLatin1(spots[i].icon));
        p.setPen(Qt::white);
        p.setFont(font(10));
        p.drawText(QRect(r.left(), r.top() + 30, r.width(), 24), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                   QString::fromUtf8(spots[i].text));
    }
    p.fillRect(v.tree, Qt::white);
    p.setPen(Line);
    p.drawRect(v.tree.adjusted(-1, -1, 0, 0));
    // File name and type rows, the accept and cancel buttons at right.
    const int labelsLeft = v.tree.left();
    const QRect nameRow = fileNameField(v);
    p.setPen(Colours::Text);
    p.setFont(font(11));
    p.drawText(QRect(labelsLeft, nameRow.top(), 98, 22), Qt::AlignVCenter, QStringLiteral("Nom du fichier :"));
    paintComboBox(p, nameRow, QString(), true);
    p.setPen(Colours::Text);
    p.setFont(font(12));
    p.drawText(nameRow.adjusted(5, 0, -20, 0), Qt::AlignVCenter | Qt::AlignLeft, v.fileName);
    p.setFont(font(11));
    const QRect typeRow = nameRow.translated(0, 38);
    p.setPen(Colours::Text);
    p.drawText(QRect(labelsLeft, typeRow.top(), 98, 22), Qt::AlignVCenter, QStringLiteral("Type :"));
    paintComboBox(p, typeRow, v.fileType);
    paintButton(p, v.accept, v.acceptText, true);
    paintButton(p, QRect(v.accept.left(), v.accept.bottom() + 5, v.accept.width(), 30), QStringLiteral("Annuler"));
}

// ---- picture viewer --------------------------------------------------------------------

void paintPhotograph(QPainter &p, const QRect &r)
{
    Saved s(p);
    p.setClipRect(r);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(0x5d, 0x9c, 0xe0));
    sky.setColorAt(0.6, QColor(0xc6, 0xe2, 0xf5));
    p.fillRect(r, sky);
    const qreal w = r.width(), h = r.height(), x0 = r.left(), y0 = r.top();
    // Sun and a cloud.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe0, 0x6a));
    p.drawEllipse(QPointF(x0 + w * 0.82, y0 + h * 0.16), h * 0.07, h * 0.07);
    p.setBrush(QColor(255, 255, 255, 220));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(x0 + w * (0.22 + 0.05 * i), y0 + h * (0.18 + (i % 2) * 0.02)), h * 0.06, h * 0.045);
    // Mountains with snow caps.
    const struct { qreal left, peak, right, height; QColor colour; } mountains[] = {
        {-0.1, 0.25, 0.6, 0.55, QColor(0x6b, 0x7f, 0x99)},
        {0.3, 0.62, 1.1, 0.62, QColor(0x58, 0x6d, 0x88)},
    };
    for (const auto &m : mountains) {
        const QPointF base1(x0 + w * m.left, y0 + h * 0.72), top(x0 + w * m.peak, y0 + h * (0.72 - m.height * 0.8)),
            base2(x0 + w * m.right, y0 + h * 0.72);
        p.setBrush(m.colour);
        p.drawPolygon(QPolygonF{base1, top, base2});
        p.setBrush(Qt::white);
        const qreal t = 0.22;
        p.drawPolygon(QPolygonF{top, top + (base1 - top) * t, top + (base2 - top) * t * 0.8 + QPointF(-6, 4),
                                top + (base2 - top) * t});
    }
    // Meadow, a path and fir trees.
    QLinearGradient meadow(QPointF(x0, y0 + h * 0.68), QPointF(x0, y0 + h));
    meadow.setColorAt(0, QColor(0x7c, 0xb3, 0x42));
    meadow.setColorAt(1, QColor(0x4e, 0x86, 0x2c));
    p.setBrush(meadow);
    QPainterPath ground;
    ground.moveTo(x0, y0 + h * 0.72);
    ground.cubicTo(x0 + w * 0.3, y0 + h * 0.66, x0 + w * 0.6, y0 + h * 0.76, x0 + w, y0 + h * 0.7);
    ground.lineTo(x0 + w, y0 + h);
    ground.lineTo(x0, y0 + h);
    p.drawPath(ground);
    p.setBrush(QColor(0xd9, 0xc2, 0x8f));
    QPainterPath path;
    path.moveTo(x0 + w * 0.47, y0 + h * 0.72);
    path.cubicTo(x0 + w * 0.5, y0 + h * 0.8, x0 + w * 0.35, y0 + h * 0.9, x0 + w * 0.3, y0 + h);
    path.lineTo(x0 + w * 0.45, y0 + h);
    path.cubicTo(x0 + w * 0.5, y0 + h * 0.9, x0 + w * 0.53, y0 + h * 0.8, x0 + w * 0.49, y0 + h * 0.72);
    p.drawPath(path);
    for (int i = 0; i < 6; ++i) {
        const qreal tx = x0 + w * (0.06 + 0.15 * i + (i > 2 ? 0.1 : 0)), ty = y0 + h * (0.8 + 0.03 * (i % 2));
        const qreal th = h * 0.16;
        p.setBrush(QColor(0x5a, 0x3b, 0x22));
        p.drawRect(QRectF(tx - 2, ty, 4, th * 0.2));
        p.setBrush(QColor(0x2f, 0x6b, 0x2a));
        p.drawPolygon(QPolygonF{QPointF(tx - th * 0.3, ty), QPointF(tx, ty - th), QPointF(tx + th * 0.3, ty)});
    }
    // A small group of hikers on the path.
    const QColor coats[] = {QColor(0xd3, 0x3b, 0x3b), QColor(0x2f, 0x5f, 0xc8), QColor(0xf0, 0xa0, 0x20)};
    for (int i = 0; i < 3; ++i) {
        const qreal hx = x0 + w * (0.44 + 0.035 * i), hy = y0 + h * (0.8 + 0.02 * i);
        p.setBrush(coats[i]);
        p.drawRoundedRect(QRectF(hx - 4, hy, 8, h * 0.05), 2, 2);
        p.setBrush(QColor(0xf1, 0xc2, 0x9b));
        p.drawEllipse(QPointF(hx, hy - 3), 3.5, 3.5);
    }
}

void paintPictureViewer(QPainter &p, const QRect &f, const QString &fileName)
{
    Saved s(p);
    p.fillRect(f, Colours::Window);
    p.setPen(QColor(0x1b, 0x2c, 0x48));
    p.drawRect(f.adjusted(0, 0, -1, -1));
    paintTitleBar(p, QRect(f.left(), f.top(), f.width(), TitleHeight),
                  fileName + QStringLiteral(" - Visionneuse d'images"), QStringLiteral("image-x-generic"));
    paintMenuBar(p, QRect(f.left() + 1, f.top() + 22, f.width() - 2, 24),
                 {QStringLiteral("&Fichier"), QStringLiteral("É&dition"), QStringLiteral("&Image"),
                  QStringLiteral("&Affichage"), QStringLiteral("&?")});
    paintToolBar(p, QRect(f.left() + 1, f.top() + 46, f.width() - 2, 34),
                 {ToolButton{QStringLiteral("document-open")}, ToolButton{QStringLiteral("document-save")},
                  ToolButton{QStringLiteral("document-print")}, ToolButton::line(),
                  ToolButton{QStringLiteral("zoom-in")}, ToolButton{QStringLiteral("zoom-out")},
                  ToolButton{QStringLiteral("zoom-fit-best")}, ToolButton::line(),
                  ToolButton{QStringLiteral("object-rotate-left")}, ToolButton{QStringLiteral("object-rotate-right")}});
    const QRect canvas(f.left() + 1, f.top() + 81, f.width() - 2, f.height() - 81 - 22);
    p.fillRect(canvas, QColor(0x3a, 0x3d, 0x41));
    const QRect photo(canvas.left() + 40, canvas.top() + 30, canvas.width() - 80, canvas.height() - 60);
    p.fillRect(photo.translated(4, 4), QColor(0, 0, 0, 90));
    paintPhotograph(p, photo);
    paintStatusBar(p, QRect(f.left() + 1, f.bottom() - 21, f.width() - 2, 21),
                   {fileName, QStringLiteral("1024 x 768 pixels"), QStringLiteral("100 %")});
}
}
