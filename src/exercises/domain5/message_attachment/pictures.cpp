// The mail client as the message-with-attachment exercise shows it: the main window,
// the empty composition window, the second line's type selector, the filled
// composition with its attachment and the attach-files dialog.
#include "exercises/domain5/message_attachment/layout.h"
#include "pictures/mailclient.h"
#include "pictures/pictures.h"

#include <QPainter>

using namespace MessageAttachmentLayout;
using namespace MailClient;

namespace {
MainView mainWindow()
{
    MainView view;
    view.account = Account;
    view.height = Window1Size.height();   // the status bar whole at the window's foot
    view.messages = {
        Message{QStringLiteral("Sortie au musée vendredi"), QStringLiteral("Mme Laurent"),
                QStringLiteral("02/12/2026 17:40"), false, false},
        Message{QStringLiteral("Exposé de technologie"), QStringLiteral("Inès BERTIN"),
                QStringLiteral("05/12/2026 10:02"), false, true},
    };
    return view;
}

ComposeView emptyCompose()
{
    ComposeView view;
    view.origin = ComposeOrigin;
    view.from = Sender;
    return view;
}

ComposeView filledCompose()
{
    ComposeView view = emptyCompose();
    view.lines = {AddressLine{AddressTypes.first(), Recipient}};
    view.subject = Subject;
    view.body = Body;
    view.attachments = {AttachedFile};
    return view;
}

Pictures::Painter mainPart(QRect region)
{
    return [region](QPainter &p, const QSize &) {
        paintPart(p, region, [](QPainter &q) { paintMainWindow(q, mainWindow()); });
    };
}

Pictures::Painter composePart(bool filled, QRect region)
{
    return [filled, region](QPainter &p, const QSize &) {
        paintPart(p, region, [filled](QPainter &q) {
            paintComposeWindow(q, filled ? filledCompose() : emptyCompose());
        });
    };
}

void paintSecondLineType(QPainter &p, const QSize &size)
{
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const ComposeGeometry g = composeGeometry(ComposeOrigin, false);
    paintAddressType(p, QRect(0, 0, g.typeWidth, size.height()), AddressTypes.first());
}

void paintAttachDialog(QPainter &p, const QSize &)
{
    paintPart(p, Image4, [](QPainter &q) { paintFileDialog(q, attachDialog()); });
}

Pictures::HotSpotOutline outline(const char *name, const QRect &rect, const QRect &picture)
{
    return {QString::fromLatin1(name), inPicture(rect, picture)};
}

const QString W1 = QStringLiteral("Texercice28v3/");
const QString W2 = QStringLiteral("Texercice28v3b/");

const Pictures::Registrar pictures[] = {
    Pictures::Registrar{{W1 + QStringLiteral("image1"), image1.size(), mainPart(image1),
                         {outline("zs1", zs1, image1), outline("zs2", zs2, image1), outline("zs3", zs3, image1)}}},
    Pictures::Registrar{{W1 + QStringLiteral("Image2"), Image2.size(), composePart(false, Image2),
                         {outline("zs7", zs7, Image2), outline("zs5", zs5, Image2), outline("zs6", zs6, Image2),
                          outline("zs4", zs4, Image2), outline("Edit1", Edit1, Image2),
                          outline("Edit3", Edit3, Image2), outline("Edit2", Edit2, Image2),
                          outline("Memo1", Memo1, Image2)}}},
    Pictures::Registrar{{W1 + QStringLiteral("Image3"), Image3.size(), &paintSecondLineType, {}}},
    Pictures::Registrar{{W2 + QStringLiteral("image1"), image1b.size(), mainPart(image1b), {}}},
    Pictures::Registrar{{W2 + QStringLiteral("Image2"), Image2.size(), composePart(true, Image2),
                         {outline("zs3", zs3b, Image2), outline("zs1", zs1b, Image2)}}},
    Pictures::Registrar{{W2 + QStringLiteral("Image4"), Image4.size(), &paintAttachDialog,
                         {outline("TreeView1", TreeView1, Image4), outline("zs2", zs2b, Image4)}}},
};
}
