// The mail client as the received-attachment exercise shows it: the inbox before and
// after fetching the mail, each message open, the attachment bar, the save dialog
// and the picture viewer with the opened attachment.
#include "exercises/domain5/received_attachment/layout.h"
#include "pictures/mailclient.h"
#include "pictures/pictures.h"

#include <QPainter>

using namespace ReceivedAttachmentLayout;
using namespace MailClient;

namespace {
enum class Inbox { Empty, NewMail, FirstOpen, SecondOpen };

MainView inbox(Inbox state)
{
    MainView view;
    view.account = Account;
    if (state == Inbox::Empty)
        return view;
    view.messages = {Message{FirstSubject, Sender, FirstDate, true, false},
                     Message{SecondSubject, Sender, SecondDate, true, true}};
    if (state == Inbox::NewMail)
        return view;
    view.opened = true;
    view.messages[0].unread = false;
    view.message.from = Sender + QStringLiteral(" <") + SenderAddress + QStringLiteral(">");
    view.message.to = Account;
    if (state == Inbox::FirstOpen) {
        view.selected = 0;
        view.message.subject = FirstSubject;
        view.message.date = FirstDate;
        view.message.body = FirstBody;
        return view;
    }
    view.selected = 1;
    view.messages[1].unread = false;
    view.message.subject = SecondSubject;
    view.message.date = SecondDate;
    view.message.body = SecondBody;
    view.message.attachment = AttachedFile;
    view.message.attachmentSize = AttachedSize;
    return view;
}

// A picture that is the part 'region' of the main window in the given state.
Pictures::Painter part(Inbox state, QRect region)
{
    return [state, region](QPainter &p, const QSize &) {
        paintPart(p, region, [state](QPainter &q) { paintMainWindow(q, inbox(state)); });
    };
}

void paintSaveDialog(QPainter &p, const QSize &)
{
    paintPart(p, Image7, [](QPainter &q) {
        FileDialogView v;
        v.frame = Image7;
        v.caption = QStringLiteral("Enregistrer la pièce jointe");
        v.lookIn = QStringLiteral("Mes documents");
        v.tree = TreeView1;
        v.fileName = AttachedFile;
        v.fileType = QStringLiteral("Image JPEG (*.jpg)");
        v.accept = zs8;
        v.acceptText = QStringLiteral("Enregistrer");
        paintFileDialog(q, v);
    });
}

void paintViewer(QPainter &p, const QSize &size)
{
    paintPictureViewer(p, QRect(QPoint(0, 0), size), AttachedFile);
}

Pictures::HotSpotOutline outline(const char *name, const QRect &rect, const QRect &picture)
{
    return {QString::fromLatin1(name), inPicture(rect, picture)};
}

const QString W1 = QStringLiteral("Texercice27v3/");
const QString W2 = QStringLiteral("Texercice27v3b/");

const Pictures::Registrar pictures[] = {
    Pictures::Registrar{{W1 + QStringLiteral("zs7"), zs7.size(), part(Inbox::Empty, zs7),
                         {outline("zs1", zs1, zs7), outline("zs2", zs2, zs7), outline("zs3", zs3, zs7)}}},
    Pictures::Registrar{{W1 + QStringLiteral("Image2"), Image2.size(), part(Inbox::NewMail, Image2),
                         {outline("zs4", zs4, Image2), outline("zs5", zs5, Image2)}}},
    Pictures::Registrar{{W1 + QStringLiteral("Image3"), Image3.size(), part(Inbox::FirstOpen, Image3),
                         {outline("zs6", zs6, Image3)}}},
    Pictures::Registrar{{W1 + QStringLiteral("Image4"), Image4.size(), part(Inbox::SecondOpen, Image4), {}}},
    Pictures::Registrar{{W1 + QStringLiteral("zs9"), zs9.size(), part(Inbox::SecondOpen, zs9),
                         {outline("Image6", Image6, zs9)}}},
    Pictures::Registrar{{W1 + QStringLiteral("Image6"), Image6.size(), part(Inbox::SecondOpen, Image6), {}}},
    Pictures::Registrar{{W1 + QStringLiteral("Image7"), Image7.size(), &paintSaveDialog,
                         {outline("TreeView1", TreeView1, Image7), outline("zs8", zs8, Image7)}}},
    Pictures::Registrar{{W2 + QStringLiteral("zs7"), zs7b.size(), part(Inbox::SecondOpen, zs7b), {}}},
    Pictures::Registrar{{W2 + QStringLiteral("Image4"), Image4.size(), part(Inbox::SecondOpen, Image4), {}}},
    Pictures::Registrar{{W2 + QStringLiteral("zs9"), zs9.size(), part(Inbox::SecondOpen, zs9),
                         {outline("zs10", zs10, zs9)}}},
    Pictures::Registrar{{W2 + QStringLiteral("Image5"), Image5.size(), &paintViewer, {}}},
};
}
