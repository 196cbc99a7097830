#include "exercises/domain5/address_book/u29v3b.h"

#include "exercises/domain5/address_book/contactlist.h"
#include "exercises/domain5/address_book/layout.h"
#include "pictures/fonts.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/limitedmemo.h"
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

PictureBox *picture(const char *control, const QRect &rect, QWidget *window, bool visible)
{
    const QString name = QString::fromLatin1(control);
    auto *box = new PictureBox(QStringLiteral("Texercice29v3b/") + name, name, rect, window);
    box->setVisible(visible);
    return box;
}
}

Texercice29v3b::Texercice29v3b(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice29v3b"), Window2Size)
{
    setWindowTitle(QStringLiteral("exercice 29v3b"));
    Image1 = picture("Image1", Image1b, this, true);
    zs1 = spot("zs1", AddressBookLayout::zs1, this, true);
    zs2 = spot("zs2", zs2b, this, true);
    Image2 = picture("Image2", Image2b, this, false);
    zs3 = spot("zs3", zs3b, this, false);
    zs7 = spot("zs7", AddressBookLayout::zs7, this, false);
    zs4 = spot("zs4", zs4b, this, false);
    Image3 = picture("Image3", Image3b, this, false);
    zs5 = spot("zs5", zs5b, this, false);
    zs6 = spot("zs6", zs6b, this, false);
    Image4 = picture("Image4", AddressBookLayout::Image4, this, false);
    Image5 = picture("Image5", AddressBookLayout::Image5, this, false);

    InstructionBubble *bubble = placeBubble(Mascot2, Bubble2);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), consigne3b, CreateMessage);
    consigne4 = bubble->addLabel(QStringLiteral("consigne4"), consigne4b);
    consigne5 = bubble->addLabel(QStringLiteral("consigne5"), AddressBookLayout::consigne5);
    placeAbandon(QStringLiteral("BitBtn20"), BitBtn20b);

    ListBox1 = place(new QListWidget(this), "ListBox1", ListBox1b);
    ListBox1->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    ListBox1->setFrameShape(QFrame::NoFrame);
    for (const Person &person : Contacts)
        ListBox1->addItem(ContactList::sidebarEntry(person.name));
    ListBox1->addItem(ContactList::sidebarEntry(NewContact.name));
    ListBox1->setCurrentRow(-1);
    ListBox1->hide();
    Edit1 = place(new QLineEdit(this), "Edit1", Edit1b);
    Edit1->setFrame(false);
    Edit1->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    Memo1 = place(new LimitedMemo(BodyLength, this), "Memo1", AddressBookLayout::Memo1);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setFont(pixelFont(QStringLiteral("Tahoma"), 16));
    for (QWidget *field : {static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Memo1)}) {
        field->setEnabled(false);
        field->hide();
    }

    for (HotSpot *wrong : {zs1, zs3})
        connect(wrong, &HotSpot::clicked, this, &Texercice29v3b::wrongRoute);
    connect(zs2, &HotSpot::clicked, this, &Texercice29v3b::zs2Click);
    connect(zs4, &HotSpot::clicked, this, &Texercice29v3b::zs4Click);
    connect(zs5, &HotSpot::clicked, this, &Texercice29v3b::zs5Click);
    connect(zs6, &HotSpot::clicked, this, &Texercice29v3b::zs6Click);
    connect(zs7, &HotSpot::clicked, this, &Texercice29v3b::zs7Click);
}

void Texercice29v3b::wrongRoute()
{
    session()->wrong(CommonTexts::WrongWay);
}

void Texercice29v3b::setLines(const QString &first, const QString &second, const QString &third)
{
    consigne3->setText(first);
    consigne4->setText(second);
    consigne5->setText(third);
}

void Texercice29v3b::zs2Click()
{
    zs1->hide();
    zs2->hide();
    Image2->show();
    zs3->show();
    zs4->show();
    setLines(SendTo, CopyTo, WithTheBook);
}

void Texercice29v3b::zs4Click()
{
    Image3->show();
    ListBox1->show();
    if (!m_mainAdded || !m_copyAdded) {
        zs5->show();
        zs6->show();
    }
}

void Texercice29v3b::addRecipient(int acceptedRow, bool &added, PictureBox *line)
{
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    if (added || selected.isEmpty() || ListBox1->row(selected.first()) != acceptedRow) {
        wrongRoute();
        return;
    }
    added = true;
    line->show();
    if (!m_mainAdded || !m_copyAdded)
        return;
    zs5->hide();
    zs6->hide();
    setLines(TypeSubject, TypeBody, ThenSend);
    for (QWidget *field : {static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Memo1)}) {
        field->setEnabled(true);
        field->show();
    }
    ListBox1->setEnabled(false);
    zs7->show();
    Edit1->setFocus();
}

void Texercice29v3b::zs5Click()
{
    addRecipient(MainRecipientRow, m_mainAdded, Image4);
}

void Texercice29v3b::zs6Click()
{
    addRecipient(CopyRecipientRow, m_copyAdded, Image5);
}

void Texercice29v3b::zs7Click()
{
    if (Edit1->text() != Subject || Memo1->toPlainText() != Body) {
        session()->wrong(CheckText);
        return;
    }
    consigne4->clear();
    consigne5->clear();
    session()->verdict(0, CommonTexts::SuccessBox, consigne3);
}
