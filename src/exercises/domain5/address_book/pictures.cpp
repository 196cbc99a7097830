// The mail client as the address-book exercise shows it: the main window, the address
// book with its list empty (the real list lies over it), the new card, the
// composition window with and without its contacts sidebar, the filled address lines.
#include "exercises/domain5/address_book/layout.h"
#include "pictures/mailclient.h"
#include "pictures/pictures.h"

#include <QPainter>

using namespace AddressBookLayout;
using namespace MailClient;

namespace {
MainView mainWindow()
{
    MainView view;
    view.account = Account;
    view.height = Image1.height();
    view.messages = {
        Message{QStringLiteral("Match de handball samedi"), Contacts.at(1).name, QStringLiteral("04/12/2026 18:20"),
                false, false},
        Message{QStringLiteral("Exposé sur les jeux Olympiques"), Contacts.at(3).name,
                QStringLiteral("07/12/2026 09:45"), false, false},
    };
    return view;
}

Pictures::Painter mainPart(QRect region)
{
    return [region](QPainter &p, const QSize &) {
        paintPart(p, region, [](QPainter &q) { paintMainWindow(q, mainWindow()); });
    };
}

Pictures::Painter composePart(bool sidebar, QRect region)
{
    return [sidebar, region](QPainter &p, const QSize &) {
        paintPart(p, region, [sidebar](QPainter &q) {
            ComposeView view;
            view.origin = ComposeOrigin;
            view.from = Sender;
            view.sidebar = sidebar;
            paintComposeWindow(q, view);
        });
    };
}

void paintBook(QPainter &p, const QSize &)
{
    paintPart(p, Image2, [](QPainter &q) { paintAddressBook(q, BookOrigin, {}); });
}

void paintCard(QPainter &p, const QSize &)
{
    paintPart(p, Image3, [](QPainter &q) { paintCardDialog(q, CardOrigin); });
}

Pictures::Painter filledLine(QString type, Person person)
{
    return [type, person](QPainter &p, const QSize &size) {
        const ComposeGeometry g = composeGeometry(ComposeOrigin, true);
        paintAddressLine(p, QRect(0, 0, size.width(), g.rowHeight), {type, person.name + QStringLiteral(" <")
                                                                               + person.address + QStringLiteral(">")},
                         g.typeWidth);
    };
}

Pictures::HotSpotOutline outline(const char *name, const QRect &rect, const QRect &picture)
{
    return {QString::fromLatin1(name), inPicture(rect, picture)};
}

const QString W1 = QStringLiteral("Texercice29v3/");
const QString W2 = QStringLiteral("Texercice29v3b/");

const Pictures::Registrar pictures[] = {
    Pictures::Registrar{{W1 + QStringLiteral("Image1"), Image1.size(), mainPart(Image1),
                         {outline("zs1", zs1, Image1), outline("zs2", zs2, Image1)}}},
    Pictures::Registrar{{W1 + QStringLiteral("Image2"), Image2.size(), &paintBook,
                         {outline("zs3", zs3, Image2), outline("zs4", zs4, Image2),
                          outline("ListBox1", ListBox1, Image2), outline("zs6", zs6, Image2)}}},
    Pictures::Registrar{{W1 + QStringLiteral("Image3"), Image3.size(), &paintCard,
                         {outline("Edit1", Edit1, Image3), outline("Edit2", Edit2, Image3),
                          outline("Edit3", Edit3, Image3), outline("Edit4", Edit4, Image3),
                          outline("zs5", zs5, Image3)}}},
    Pictures::Registrar{{W2 + QStringLiteral("Image1"), Image1b.size(), mainPart(Image1b),
                         {outline("zs2", zs2b, Image1b)}}},
    Pictures::Registrar{{W2 + QStringLiteral("Image2"), Image2b.size(), composePart(false, Image2b),
                         {outline("zs3", zs3b, Image2b), outline("zs7", zs7, Image2b), outline("zs4", zs4b, Image2b)}}},
    Pictures::Registrar{{W2 + QStringLiteral("Image3"), Image3b.size(), composePart(true, Image3b),
                         {outline("ListBox1", ListBox1b, Image3b), outline("zs5", zs5b, Image3b),
                          outline("zs6", zs6b, Image3b), outline("Edit1", Edit1b, Image3b),
                          outline("Memo1", Memo1, Image3b)}}},
    Pictures::Registrar{{W2 + QStringLiteral("Image4"), Image4.size(),
                         filledLine(QStringLiteral("Pour :"), Contacts.at(MainRecipientRow)), {}}},
    Pictures::Registrar{{W2 + QStringLiteral("Image5"), Image5.size(), filledLine(QStringLiteral("Copie à :"), NewContact),
                         {}}},
};
}
