#include "exercises/domain5/address_book/u29v3.h"

#include "exercises/domain5/address_book/contactlist.h"
#include "exercises/domain5/address_book/layout.h"
#include "exercises/domain5/address_book/u29v3b.h"
#include "pictures/fonts.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using namespace AddressBookLayout;

namespace {
HotSpot *spot(const char *name, const QRect &rect, QWidget *window, bool visible)
{
    auto *hotSpot = new HotSpot(QString::fromLatin1(name), rect, window);
    hotSpot->setVisible(visible);
    return hotSpot;
}

QLineEdit *cardField(const char *name, const QRect &rect, QWidget *window)
{
    auto *edit = place(new QLineEdit(window), name, rect);
    edit->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    edit->hide();
    return edit;
}
}

Texercice29v3::Texercice29v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice29v3"), Window1Size)
{
    setWindowTitle(QStringLiteral("exercice 29v3"));
    const QString prefix = QStringLiteral("Texercice29v3/");
    Image1 = new PictureBox(prefix + QStringLiteral("Image1"), QStringLiteral("Image1"),
                            AddressBookLayout::Image1, this);
    zs1 = spot("zs1", AddressBookLayout::zs1, this, true);
    zs2 = spot("zs2", AddressBookLayout::zs2, this, true);
    Image2 = new PictureBox(prefix + QStringLiteral("Image2"), QStringLiteral("Image2"),
                            AddressBookLayout::Image2, this);
    Image2->hide();
    zs3 = spot("zs3", AddressBookLayout::zs3, this, false);
    zs4 = spot("zs4", AddressBookLayout::zs4, this, false);
    zs6 = spot("zs6", AddressBookLayout::zs6, this, false);
    Image3 = new PictureBox(prefix + QStringLiteral("Image3"), QStringLiteral("Image3"),
                            AddressBookLayout::Image3, this);
    Image3->hide();
    zs5 = spot("zs5", AddressBookLayout::zs5, this, false);

    InstructionBubble *bubble = placeBubble(Mascot1, Bubble1);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), AddressBookLayout::consigne3, OpenBook);
    consigne4 = bubble->addLabel(QStringLiteral("consigne4"), AddressBookLayout::consigne4);
    placeAbandon(QStringLiteral("BitBtn20"), AddressBookLayout::BitBtn20);

    // Lists and fields lie above every hot spot.
    ListBox1 = place(new QListWidget(this), "ListBox1", AddressBookLayout::ListBox1);
    ListBox1->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    ListBox1->setFrameShape(QFrame::NoFrame);
    for (const Person &person : Contacts)
        addEntry(person.name, person.address);
    ListBox1->hide();
    Edit1 = cardField("Edit1", AddressBookLayout::Edit1, this);
    Edit2 = cardField("Edit2", AddressBookLayout::Edit2, this);
    Edit3 = cardField("Edit3", AddressBookLayout::Edit3, this);
    Edit3->setReadOnly(true);
    Edit4 = cardField("Edit4", AddressBookLayout::Edit4, this);

    for (HotSpot *wrong : {zs1, zs3})
        connect(wrong, &HotSpot::clicked, this, &Texercice29v3::wrongRoute);
    connect(zs2, &HotSpot::clicked, this, &Texercice29v3::zs2Click);
    connect(zs4, &HotSpot::clicked, this, &Texercice29v3::zs4Click);
    connect(zs5, &HotSpot::clicked, this, &Texercice29v3::zs5Click);
    connect(zs6, &HotSpot::clicked, this, &Texercice29v3::zs6Click);
    connect(Edit1, &QLineEdit::textChanged, this, &Texercice29v3::NameChange);
    connect(Edit2, &QLineEdit::textChanged, this, &Texercice29v3::NameChange);
}

void Texercice29v3::addEntry(const QString &name, const QString &address)
{
    ListBox1->addItem(ContactList::bookEntry(name, address, ListBox1->font()));
}

void Texercice29v3::wrongRoute()
{
    session()->wrong(CommonTexts::WrongWay);
}

void Texercice29v3::zs2Click()
{
    Image2->show();
    zs3->show();
    zs4->show();
    ListBox1->show();
    ListBox1->setCurrentRow(0);
    zs1->hide();
    zs2->hide();
    consigne3->setText(AddContact);
    consigne4->setText(ContactLine);
}

void Texercice29v3::zs4Click()
{
    zs3->hide();
    zs4->hide();
    ListBox1->hide();
    Image3->show();
    for (QLineEdit *edit : {Edit1, Edit2, Edit3, Edit4}) {
        edit->clear();
        edit->show();
    }
    zs5->show();
    Edit1->setFocus();
}

void Texercice29v3::NameChange()
{
    Edit3->setText(Edit1->text() + QStringLiteral("  ") + Edit2->text());
}

void Texercice29v3::zs5Click()
{
    // The display name is not examined.
    if (Edit1->text() != NewFirstName || Edit2->text() != NewLastName || Edit4->text() != NewContact.address) {
        session()->wrong(BadCard);
        return;
    }
    Image3->hide();
    for (QLineEdit *edit : {Edit1, Edit2, Edit3, Edit4})
        edit->hide();
    zs5->hide();
    addEntry(NewContact.name, NewContact.address);
    ListBox1->show();
    ListBox1->setCurrentRow(0);
    consigne3->setText(CloseBook);
    consigne4->clear();
    zs6->show();
}

void Texercice29v3::zs6Click()
{
    session()->handOver(this, session()->window<Texercice29v3b>());
}

static const ExerciseRegistry::Registrar registrar(Competence,
                                                   ExerciseSession::launcher<Texercice29v3, Texercice29v3b>(Competence));
