// The e-mail client family: the main window (folders, message list, reading pane).
#include "pictures/mailclient.h"
#include "pictures/mailclient_internal.h"
#include "pictures/drawinglog.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace PictureKit;

namespace MailClient {
using namespace detail;

namespace {
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
        paintPaperClip(p, QRect(AttachmentBar.left() + 2, AttachmentBar.top() + 6, 16, 22));
        // The count fits between the clip and the attachment's box.
        p.setPen(Colours::Text);
        p.setFont(font(11));
        const QRect count(AttachmentBar.left() + 18, AttachmentBar.top(), AttachmentEntry.left() - AttachmentBar.left() - 20,
                          AttachmentBar.height());
        p.drawText(count, Qt::AlignVCenter, DrawingLog::fitted(p.fontMetrics(), QStringLiteral("1 pièce jointe"), count.width()));
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
}
