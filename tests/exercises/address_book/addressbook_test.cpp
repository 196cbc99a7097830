// The address-book exercise (competence 5.4), played by the pupil robot.
#include "support/boardrun.h"
#include "support/exercisefixture.h"
#include "support/textrecorder.h"

#include "exercises/domain5/address_book/contactlist.h"
#include "exercises/domain5/address_book/layout.h"
#include "exercises/domain5/address_book/u29v3.h"
#include "exercises/domain5/address_book/u29v3b.h"
#include "pictures/mailclient.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/limitedmemo.h"
#include "widgets/picturebox.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>

using namespace AddressBookLayout;
using MessageBox::Kind;

namespace {
struct Pupil
{
    PupilRobot &robot;

    Texercice29v3 *first() const { return qobject_cast<Texercice29v3 *>(PupilRobot::topWindow(QStringLiteral("Texercice29v3"))); }
    Texercice29v3b *second() const { return qobject_cast<Texercice29v3b *>(PupilRobot::topWindow(QStringLiteral("Texercice29v3b"))); }

    void fill(QLineEdit *edit, const QString &text)
    {
        robot.click(edit);
        edit->selectAll();
        robot.type(text, edit);
    }
    void fillCard(const QString &first, const QString &last, const QString &email)
    {
        Texercice29v3 *w = this->first();
        fill(w->Edit1, first);
        fill(w->Edit2, last);
        fill(w->Edit4, email);
        robot.click(zs5.center());
    }
    void addContact()
    {
        robot.setWindow(first());
        robot.click(zs2.center());
        robot.click(zs4.center());
        fillCard(NewFirstName, NewLastName, NewContact.address);
    }
    void reachSecondWindow()
    {
        addContact();
        robot.click(zs6.center());
        flushDeletes();
        robot.setWindow(second());
    }
    void openSidebar()
    {
        robot.click(zs2b.center());
        robot.click(zs4b.center());
    }
    void selectRow(int row)
    {
        QListWidget *list = second()->ListBox1;
        robot.click(list->viewport()->mapTo(second(), list->visualItemRect(list->item(row)).center()));
    }
    void add(int row, const QRect &button)
    {
        selectRow(row);
        robot.click(button.center());
    }
    void writeAndSend(const QString &subject, const QString &body)
    {
        fill(second()->Edit1, subject);
        robot.click(second()->Memo1);
        second()->Memo1->selectAll();
        robot.type(body, second()->Memo1);
        robot.click(zs7.center());
    }
};

class AddressBookExercise : public ExerciseFixture
{
protected:
    AddressBookExercise() : ExerciseFixture(Competence) {}
    void SetUp() override
    {
        ExerciseFixture::SetUp();
        launch();
        robot.setWindow(pupil.first());
    }
    Pupil pupil{robot};
};
}

TEST(AddressBookFromTheBoard, APerfectRunRecordsTheCompetenceAndRetourMenuSavesIt)
{
    BoardRun board;
    ASSERT_TRUE(board.launch(Competence, QStringLiteral("Texercice29v3")));
    Pupil pupil{board.robot};
    PupilRobot &robot = pupil.robot;
    Texercice29v3 *w = pupil.first();
    ASSERT_TRUE(w);
    robot.setWindow(w);
    EXPECT_EQ(w->consigne3->text(), OpenBook);
    EXPECT_EQ(robot.widgetAt(zs2.center()), w->zs2);
    robot.click(zs2.center());
    EXPECT_EQ(w->consigne3->text(), AddContact);
    EXPECT_EQ(w->consigne4->text(), QStringLiteral("lucie VIRANT  : lucie.virant@boitemail.fr"));
    ASSERT_EQ(w->ListBox1->count(), 5);
    EXPECT_EQ(w->ListBox1->currentRow(), 0);
    EXPECT_TRUE(w->ListBox1->item(3)->text().startsWith(QStringLiteral("  nadia SOREL ")));
    robot.click(zs4.center());
    EXPECT_FALSE(w->ListBox1->isVisible());
    EXPECT_TRUE(w->Image3->isVisible());
    EXPECT_EQ(robot.widgetAt(Edit4.center()), w->Edit4);
    pupil.fillCard(NewFirstName, NewLastName, NewContact.address);
    EXPECT_EQ(w->ListBox1->count(), 6);
    EXPECT_EQ(w->ListBox1->item(5)->text(),
              ContactList::bookEntry(NewContact.name, NewContact.address, w->ListBox1->font()));
    EXPECT_EQ(w->ListBox1->currentRow(), 0);
    EXPECT_EQ(w->consigne3->text(), CloseBook);
    EXPECT_TRUE(w->consigne4->text().isEmpty());
    EXPECT_EQ(robot.widgetAt(zs6.center()), w->zs6);
    robot.click(zs6.center());
    flushDeletes();
    EXPECT_FALSE(board.form.isVisible());
    Texercice29v3b *w2 = pupil.second();
    ASSERT_TRUE(w2);
    EXPECT_EQ(pupil.first(), nullptr);
    robot.setWindow(w2);
    EXPECT_EQ(w2->consigne3->text(), CreateMessage);
    EXPECT_TRUE(w2->consigne4->text().isEmpty());
    pupil.openSidebar();
    EXPECT_EQ(w2->consigne3->text(), SendTo);
    EXPECT_EQ(w2->consigne4->text(), CopyTo);
    EXPECT_EQ(w2->consigne5->text(), WithTheBook);
    ASSERT_EQ(w2->ListBox1->count(), 6);
    EXPECT_EQ(w2->ListBox1->item(5)->text(), QStringLiteral("  lucie VIRANT"));
    EXPECT_TRUE(w2->ListBox1->selectedItems().isEmpty());
    pupil.add(MainRecipientRow, zs5b);
    EXPECT_TRUE(w2->Image4->isVisible());
    EXPECT_FALSE(w2->Edit1->isVisible());
    pupil.add(CopyRecipientRow, zs6b);
    EXPECT_TRUE(w2->Image5->isVisible());
    EXPECT_EQ(w2->consigne3->text(), TypeSubject);
    EXPECT_EQ(w2->consigne4->text(), TypeBody);
    EXPECT_EQ(w2->consigne5->text(), ThenSend);
    EXPECT_FALSE(w2->ListBox1->isEnabled());
    EXPECT_FALSE(w2->zs5->isVisible());
    EXPECT_TRUE(w2->Edit1->isEnabled());
    QString labelDuringBox, secondLine;
    board.boxes.expect(Kind::Information, CommonTexts::SuccessBox).onNext([&](const MessageBox::Box &) {
        labelDuringBox = w2->consigne3->text();
        secondLine = w2->consigne4->text();
    });
    pupil.writeAndSend(Subject, Body);
    EXPECT_EQ(labelDuringBox, CommonTexts::SuccessLabel);
    EXPECT_TRUE(secondLine.isEmpty());
    flushDeletes();
    EXPECT_TRUE(board.form.isVisible());
    EXPECT_EQ(board.resultText(Competence), QStringLiteral("réussi le 09/12/2026\n(Mme Okafor)"));
    EXPECT_EQ(board.score(), QStringLiteral("score : 1 / 29"));
    board.backToMenu();
    EXPECT_TRUE(board.record().contains(board.acquiredGroup(Competence)));
}

TEST_F(AddressBookExercise, ACardWithTheSurnameInSmallLettersIsRefusedUntilCorrected)
{
    robot.click(zs2.center());
    robot.click(zs4.center());
    Texercice29v3 *w = pupil.first();
    boxes.expect(Kind::Error, BadCard);
    pupil.fillCard(NewFirstName, QStringLiteral("virant"), NewContact.address);
    EXPECT_EQ(errors(), 1);
    EXPECT_EQ(w->Edit3->text(), QStringLiteral("lucie  virant"));
    EXPECT_TRUE(w->Edit3->isReadOnly());
    EXPECT_TRUE(w->Image3->isVisible()) << "the card stays for correction";
    boxes.expect(Kind::Error, BadCard);
    pupil.fillCard(NewFirstName, NewLastName, NewContact.address + QStringLiteral(" "));
    EXPECT_EQ(errors(), 2);
    // The display name is not examined.
    pupil.fill(w->Edit4, NewContact.address);
    w->Edit3->setText(QStringLiteral("autre chose"));
    robot.click(zs5.center());
    EXPECT_EQ(w->ListBox1->count(), 6);
    EXPECT_TRUE(w->zs6->isVisible());
}

TEST_F(AddressBookExercise, AddressBookEntriesLineTheirAddressesUp)
{
    robot.click(zs2.center());
    QListWidget *list = pupil.first()->ListBox1;
    const QFontMetrics metrics(list->font());
    const int blank = metrics.horizontalAdvance(QLatin1Char(' '));
    for (int row = 0; row < list->count(); ++row) {
        const QString entry = list->item(row)->text();
        const QString address = Contacts.at(row).address;
        ASSERT_TRUE(entry.endsWith(address));
        EXPECT_TRUE(entry.startsWith(QStringLiteral("  ") + Contacts.at(row).name + QLatin1Char(' ')));
        const int column = metrics.horizontalAdvance(entry.left(entry.size() - address.size()));
        EXPECT_GE(column, ContactList::AddressColumn) << row;
        EXPECT_LT(column, ContactList::AddressColumn + blank) << row;
    }
}

TEST_F(AddressBookExercise, WrongRoutesOfTheFirstWindowCount)
{
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(QPoint(300, 70));     // main tool bar
    robot.click(zs2.center());
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(QPoint(300, 120));    // the address book's tool bar, not the new card
    EXPECT_EQ(errors(), 2);
    robot.click(zs6.center());        // the close box before the card: only the picture
    EXPECT_TRUE(pupil.first());
    EXPECT_EQ(errors(), 2);
}

TEST_F(AddressBookExercise, AddButtonsCountWithNothingOrTheWrongNameSelectedOrTwice)
{
    pupil.reachSecondWindow();
    pupil.openSidebar();
    Texercice29v3b *w2 = pupil.second();
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(zs5b.center());            // nothing selected
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(zs6b.center());
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    pupil.add(0, zs5b);                    // "gilles VARNIER" as main recipient
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    pupil.add(MainRecipientRow, zs6b);     // the main recipient as copy
    EXPECT_EQ(errors(), 4);
    EXPECT_FALSE(w2->Image4->isVisible());
    EXPECT_FALSE(w2->Image5->isVisible());
    pupil.add(MainRecipientRow, zs5b);
    EXPECT_TRUE(w2->mainRecipientAdded());
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    pupil.add(MainRecipientRow, zs5b);     // twice
    EXPECT_EQ(errors(), 5);
    EXPECT_FALSE(w2->Edit1->isVisible());
}

TEST_F(AddressBookExercise, TheCopyFirstOrderCompletesTheRecipientsToo)
{
    pupil.reachSecondWindow();
    pupil.openSidebar();
    Texercice29v3b *w2 = pupil.second();
    pupil.add(CopyRecipientRow, zs6b);
    EXPECT_TRUE(w2->copyRecipientAdded());
    EXPECT_FALSE(w2->zs7->isVisible());
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    pupil.add(CopyRecipientRow, zs6b);     // the copy twice
    pupil.add(MainRecipientRow, zs5b);
    EXPECT_TRUE(w2->zs7->isVisible());
    EXPECT_TRUE(w2->Memo1->isEnabled());
    EXPECT_EQ(w2->consigne3->text(), TypeSubject);
    EXPECT_EQ(errors(), 1);
}

TEST_F(AddressBookExercise, TheSendButtonChecksSubjectThenTextAndOneErrorFailsTheRun)
{
    pupil.reachSecondWindow();
    pupil.openSidebar();
    pupil.add(MainRecipientRow, zs5b);
    pupil.add(CopyRecipientRow, zs6b);
    Texercice29v3b *w2 = pupil.second();
    // The text field takes 45 characters at most and no line break.
    pupil.robot.click(w2->Memo1);
    pupil.robot.type(QStringLiteral("0123456789012345678901234567890123456789012345678"), w2->Memo1);
    EXPECT_EQ(w2->Memo1->toPlainText().size(), BodyLength);
    boxes.expect(Kind::Error, CheckText);
    pupil.writeAndSend(Subject + QStringLiteral(" "), Body);
    boxes.expect(Kind::Error, CheckText);
    pupil.writeAndSend(Subject, Body + QStringLiteral("."));
    EXPECT_EQ(errors(), 2);
    EXPECT_EQ(w2->consigne3->text(), TypeSubject) << "nothing else happens";
    QString labelDuringBox;
    boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([&](const MessageBox::Box &) {
        labelDuringBox = w2->consigne3->text();
    });
    pupil.writeAndSend(Subject, Body);
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 2 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(AddressBookExercise, OneWrongRouteInTheSecondWindowEndsInTheFailureVerdict)
{
    pupil.reachSecondWindow();
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(QPoint(300, 70));   // main tool bar
    pupil.openSidebar();
    pupil.add(MainRecipientRow, zs5b);
    pupil.add(CopyRecipientRow, zs6b);
    QString labelDuringBox;
    boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([&](const MessageBox::Box &) {
        labelDuringBox = pupil.second()->consigne3->text();
    });
    pupil.writeAndSend(Subject, Body);
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 1 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(AddressBookExercise, AbandonAndAltF4AtEveryWindowBringTheBoardBackUnchanged)
{
    for (int place = 0; place < 6; ++place) {
        if (place > 0) {
            launch();
            robot.setWindow(pupil.first());
        }
        if (place == 2 || place == 3) {
            robot.click(zs2.center());
            robot.click(zs4.center());
        }
        if (place >= 4) {
            pupil.reachSecondWindow();
            pupil.openSidebar();
        }
        if (place % 2 == 0)
            robot.click((place >= 4 ? BitBtn20b : BitBtn20).center());
        else
            robot.closeWindow();
        flushDeletes();
        expectBoardBack();
        expectNothingRecorded();
        EXPECT_EQ(boxes.count(), 0) << place;
    }
}

TEST(AddressBookPictures, HotSpotsAndFieldsLieOnTheDrawnButtonsFieldsAndLines)
{
    using namespace MailClient;
    const AddressBookGeometry book = addressBookGeometry(BookOrigin);
    const CardGeometry card = cardGeometry(CardOrigin);
    const ComposeGeometry side = composeGeometry(ComposeOrigin, true);
    EXPECT_TRUE(zs2.contains(mainButton(MainButton::AddressBook).center()));
    EXPECT_TRUE(zs2b.contains(mainButton(MainButton::Write).center()));
    EXPECT_TRUE(zs4.contains(book.newCard.center()));
    EXPECT_EQ(zs3, book.menuAndTools);
    EXPECT_TRUE(zs6.contains(book.closeBox.center()));
    EXPECT_EQ(ListBox1, book.list);
    EXPECT_EQ(Edit1, card.firstName);
    EXPECT_EQ(Edit2, card.lastName);
    EXPECT_EQ(Edit3, card.displayName);
    EXPECT_EQ(Edit4, card.email);
    EXPECT_TRUE(zs5.contains(card.ok.center()));
    EXPECT_TRUE(zs7.contains(composeButton(ComposeOrigin, ComposeButton::Send).center()));
    EXPECT_TRUE(zs4b.contains(composeButton(ComposeOrigin, ComposeButton::Contacts).center()));
    EXPECT_EQ(ListBox1b, side.sidebarList);
    EXPECT_EQ(zs5b, side.addToButton);
    EXPECT_EQ(zs6b, side.addCcButton);
    EXPECT_EQ(Edit1b, side.subjectField);
    EXPECT_EQ(Memo1, side.body);
    EXPECT_EQ(Image4.topLeft(), side.addressType(0).topLeft());
    EXPECT_TRUE(Image5.contains(side.addressType(1).center()));
}

TEST(AddressBookPictures, TheFilledLinesNameTheRecipientsAsTheListDoes)
{
    const QString main = TextRecorder::of(QStringLiteral("Texercice29v3b/Image4")).join(QLatin1Char('|'));
    EXPECT_TRUE(main.contains(QStringLiteral("Pour :")));
    EXPECT_TRUE(main.contains(QStringLiteral("nadia SOREL <") + Contacts.at(MainRecipientRow).address));
    const QString copy = TextRecorder::of(QStringLiteral("Texercice29v3b/Image5")).join(QLatin1Char('|'));
    EXPECT_TRUE(copy.contains(QStringLiteral("Copie à :")));
    EXPECT_TRUE(copy.contains(QStringLiteral("lucie VIRANT <") + NewContact.address));
    EXPECT_TRUE(TextRecorder::of(QStringLiteral("Texercice29v3/Image1")).contains(QStringLiteral("Adresses")));
    EXPECT_TRUE(TextRecorder::of(QStringLiteral("Texercice29v3/Image2")).contains(QStringLiteral("Nouvelle fiche")));
    const QStringList card = TextRecorder::of(QStringLiteral("Texercice29v3/Image3"));
    for (const QString &label : {QStringLiteral("Prénom :"), QStringLiteral("Nom :"), QStringLiteral("Afficher :"),
                                 QStringLiteral("Adresse électronique :"), QStringLiteral("OK")})
        EXPECT_TRUE(card.contains(label)) << label.toStdString();
    const QStringList sidebar = TextRecorder::of(QStringLiteral("Texercice29v3b/Image3"));
    EXPECT_TRUE(sidebar.contains(QStringLiteral("Pour :")));
    EXPECT_TRUE(sidebar.contains(QStringLiteral("Copie à :")));
}
