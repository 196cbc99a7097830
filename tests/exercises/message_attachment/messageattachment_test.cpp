// The message-with-attachment exercise (competence 5.3), played by the pupil robot.
#include "support/boardrun.h"
#include "support/exercisefixture.h"
#include "support/textrecorder.h"
#include "support/treepick.h"

#include "exercises/domain5/message_attachment/layout.h"
#include "exercises/domain5/message_attachment/u28v3.h"
#include "exercises/domain5/message_attachment/u28v3b.h"
#include "pictures/mailclient.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/foldertree.h"
#include "widgets/limitedmemo.h"
#include "widgets/picturebox.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace MessageAttachmentLayout;
using MessageBox::Kind;

namespace {
const QStringList PicturesFolder{QStringLiteral("C:\\"), QStringLiteral("velan"), QStringLiteral("2")};

struct Pupil
{
    PupilRobot &robot;

    Texercice28v3 *first() const { return qobject_cast<Texercice28v3 *>(PupilRobot::topWindow(QStringLiteral("Texercice28v3"))); }
    Texercice28v3b *second() const { return qobject_cast<Texercice28v3b *>(PupilRobot::topWindow(QStringLiteral("Texercice28v3b"))); }

    void enter(QLineEdit *edit, const QString &text)
    {
        robot.click(edit);
        edit->selectAll();
        robot.type(text, edit);
        robot.key(Qt::Key_Return, Qt::NoModifier, edit);
    }
    void writeAddress()
    {
        robot.setWindow(first());
        robot.click(zs3.center());
        enter(first()->Edit1, Recipient);
    }
    void writeAll()
    {
        writeAddress();
        enter(first()->Edit2, Subject);
        robot.type(Body, first()->Memo1);
    }
    void attach(const QString &file)
    {
        pickInTree(robot, second()->TreeView1, PicturesFolder + QStringList{file});
        robot.click(zs2b.center());
    }
    void reachSecondWindow()
    {
        writeAll();
        robot.click(zs6.center());
        flushDeletes();
        robot.setWindow(second());
    }
};

class MessageAttachmentExercise : public ExerciseFixture
{
protected:
    MessageAttachmentExercise() : ExerciseFixture(Competence) {}
    void SetUp() override
    {
        ExerciseFixture::SetUp();
        launch();
        robot.setWindow(pupil.first());
    }
    Texercice28v3 *w1() const { return pupil.first(); }
    Pupil pupil{robot};
};
}

TEST(MessageAttachmentFromTheBoard, APerfectRunRecordsTheCompetenceAndRetourMenuSavesIt)
{
    BoardRun board;
    ASSERT_TRUE(board.launch(Competence, QStringLiteral("Texercice28v3")));
    Pupil pupil{board.robot};
    Texercice28v3 *w = pupil.first();
    ASSERT_TRUE(w);
    PupilRobot &robot = pupil.robot;
    robot.setWindow(w);
    EXPECT_EQ(w->consigne3->text(), CreateMessage);
    EXPECT_FALSE(w->Image2->isVisible());
    EXPECT_EQ(robot.widgetAt(zs3.center()), w->zs3);
    robot.click(zs3.center());
    EXPECT_EQ(w->consigne3->text(), RecipientIs);
    EXPECT_TRUE(w->Image2->isVisible());
    EXPECT_FALSE(w->ListBox1->isVisible());
    EXPECT_EQ(w->ListBox1->currentItem()->text(), QStringLiteral("Pour :"));
    EXPECT_EQ(robot.widgetAt(Edit1.center()), w->Edit1);

    // The address, validated by Enter; the key's release then reaches the second line.
    robot.click(w->Edit1);
    robot.type(Recipient, w->Edit1);
    QTest::keyPress(w->Edit1, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(w->consigne3->text(), SubjectIs);
    EXPECT_FALSE(w->Edit1->isEnabled());
    EXPECT_TRUE(w->Edit3->hasFocus());
    QTest::keyRelease(w->Edit3, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(board.boxes.count(), 0) << "the Enter released in the second line counts nothing";

    pupil.enter(w->Edit2, Subject);
    EXPECT_EQ(w->consigne3->text(), WriteBody);
    EXPECT_TRUE(w->Memo1->isVisible());
    robot.click(w->Memo1);
    robot.type(Body, w->Memo1);
    EXPECT_EQ(w->consigne3->text(), AttachFile);
    EXPECT_FALSE(w->Memo1->isEnabled());
    EXPECT_FALSE(w->Edit2->isVisible());
    EXPECT_EQ(robot.widgetAt(zs6.center()), w->zs6);
    robot.click(zs6.center());
    flushDeletes();
    EXPECT_FALSE(board.form.isVisible()) << "the hand-over keeps the board hidden";
    Texercice28v3b *w2 = pupil.second();
    ASSERT_TRUE(w2);
    EXPECT_EQ(pupil.first(), nullptr);
    robot.setWindow(w2);
    EXPECT_EQ(w2->consigne3->text(), AttachFile);
    pupil.attach(AttachedFile);
    EXPECT_EQ(w2->consigne3->text(), SendIt);
    EXPECT_FALSE(w2->TreeView1->isVisible());
    EXPECT_EQ(robot.widgetAt(zs1b.center()), w2->zs1);
    QString labelDuringBox;
    board.boxes.expect(Kind::Information, CommonTexts::SuccessBox).onNext([&](const MessageBox::Box &) {
        labelDuringBox = w2->consigne3->text();
    });
    robot.click(zs1b.center());
    EXPECT_EQ(labelDuringBox, CommonTexts::SuccessLabel);
    flushDeletes();
    EXPECT_TRUE(board.form.isVisible());
    EXPECT_EQ(board.resultText(Competence), QStringLiteral("réussi le 09/12/2026\n(Mme Okafor)"));
    EXPECT_EQ(board.score(), QStringLiteral("score : 1 / 29"));
    EXPECT_FALSE(board.buttonShown(Competence));
    board.backToMenu();
    EXPECT_TRUE(board.record().contains(board.acquiredGroup(Competence)));
}

TEST_F(MessageAttachmentExercise, AnAddressDifferingInCaseOrBlanksIsRefusedAndKept)
{
    robot.click(zs3.center());
    const QString refused[] = {QStringLiteral("Julien.marchal@boitemail.fr"), Recipient + QStringLiteral(" "),
                               QStringLiteral(" ") + Recipient};
    for (const QString &address : refused) {
        boxes.expect(Kind::Error, WrongAddress);
        pupil.enter(w1()->Edit1, address);
        EXPECT_EQ(w1()->Edit1->text(), address);
        EXPECT_TRUE(w1()->Edit1->isEnabled());
    }
    EXPECT_EQ(errors(), 3);
    EXPECT_EQ(w1()->consigne3->text(), RecipientIs);
}

TEST_F(MessageAttachmentExercise, TheAddressTypeListCountsAnyTypeButPourAndClosesEachTime)
{
    robot.click(zs3.center());
    QListWidget *list = w1()->ListBox1;
    auto rowPoint = [&](int row) { return list->viewport()->mapTo(w1(), list->visualItemRect(list->item(row)).center()); };
    robot.click(zs4.center());
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->count(), 6);
    EXPECT_EQ(list->visualItemRect(list->item(1)).height(), 16);
    EXPECT_EQ(robot.widgetAt(rowPoint(0)), list->viewport());
    robot.click(rowPoint(0));
    flushDeletes();
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(errors(), 0);
    robot.click(zs4.center());
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(rowPoint(1));   // "Copie à :"
    flushDeletes();
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(errors(), 1);
}

TEST_F(MessageAttachmentExercise, TheContactsButtonAsksForTheAddressWithoutCounting)
{
    robot.click(zs3.center());
    boxes.expect(Kind::Error, TypeTheAddress);
    robot.click(zs5.center());
    boxes.expect(Kind::Error, TypeTheAddress);
    robot.click(zs5.center());
    EXPECT_EQ(errors(), 0);
}

TEST_F(MessageAttachmentExercise, EachKeyReleasedInTheSecondLineCountsAndEmptiesIt)
{
    pupil.writeAddress();
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.type(QStringLiteral("ab"), w1()->Edit3);
    EXPECT_EQ(errors(), 2);
    EXPECT_TRUE(w1()->Edit3->text().isEmpty());
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(Image3.center());   // its type selector
    EXPECT_EQ(errors(), 3);
    // A subject with a small m is not the subject.
    boxes.expect(Kind::Error, WrongSubject);
    pupil.enter(w1()->Edit2, QStringLiteral("moto à vendre"));
    EXPECT_EQ(errors(), 4);
    EXPECT_EQ(w1()->consigne3->text(), SubjectIs);
}

TEST_F(MessageAttachmentExercise, TheBodyTakesThirtySevenCharactersNoLineBreakAndCompletesOnTheSentence)
{
    pupil.writeAddress();
    pupil.enter(w1()->Edit2, Subject);
    LimitedMemo *memo = w1()->Memo1;
    robot.type(QStringLiteral("ci-joint la photo"), memo);
    robot.key(Qt::Key_Return, Qt::NoModifier, memo);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("ci-joint la photo")) << "Enter inserts no line break";
    EXPECT_TRUE(memo->isEnabled()) << "a partial text is not reported";
    memo->clear();
    robot.type(QStringLiteral("ci-joint la photo de ma moto a vendreX"), memo);
    EXPECT_EQ(memo->toPlainText().size(), BodyLength) << "a 38th character is refused";
    EXPECT_TRUE(memo->isEnabled());
    robot.click(memo);
    memo->selectAll();
    robot.type(Body);
    EXPECT_FALSE(memo->isEnabled()) << "the step completes the moment the text equals the sentence";
    // The pupil goes on typing: the focus left the disabled body, but not for "Abandon".
    robot.key(Qt::Key_Space);
    ASSERT_TRUE(w1()) << "a Space after the sentence abandoned the exercise";
    EXPECT_EQ(memo->toPlainText(), Body);
    EXPECT_EQ(w1()->consigne3->text(), AttachFile);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(errors(), 0);
}

TEST_F(MessageAttachmentExercise, WrongRoutesOfTheFirstWindowCountOneEach)
{
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(QPoint(300, 70));        // main tool bar
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(zs2.center());           // folder pane
    robot.click(zs3.center());
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(zs6.center());           // attach, before the text is written
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(QPoint(300, 274));       // the subject line, not yet open
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(zs9.center());           // the body, not yet open
    EXPECT_EQ(errors(), 5);
}

TEST_F(MessageAttachmentExercise, TheWrongFileOrNoneCountsAndTheRightOneStillLeadsToAFailureVerdict)
{
    pupil.reachSecondWindow();
    Texercice28v3b *w2 = pupil.second();
    ASSERT_TRUE(w2);
    EXPECT_FALSE(w2->TreeView1->hasSelection());
    boxes.expect(Kind::Error, WrongFile);
    robot.click(zs2b.center());          // nothing selected: a wrong file, not a crash
    boxes.expect(Kind::Error, WrongFile);
    pupil.attach(QStringLiteral("pav.jpg"));
    EXPECT_EQ(errors(), 2);
    EXPECT_EQ(w2->FileName->text(), QStringLiteral("pav.jpg")) << "the dialog names the file chosen";
    robot.click(treeEntryPoint(w2->TreeView1, w2->TreeView1->itemAt(PicturesFolder), w2));
    EXPECT_EQ(w2->FileName->text(), QStringLiteral("pav.jpg")) << "a folder leaves the name as it was";
    EXPECT_TRUE(w2->TreeView1->isVisible());
    // Seven entries in the pictures' folder, two of them blank.
    QTreeWidgetItem *folder = w2->TreeView1->itemAt(PicturesFolder);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->childCount(), 7);
    robot.click(treeEntryPoint(w2->TreeView1, w2->TreeView1->itemAt(PicturesFolder + QStringList{AttachedFile}), w2));
    robot.click(zs2b.center());
    EXPECT_EQ(w2->consigne3->text(), SendIt);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(QPoint(400, 90));        // the composition's menu bar
    QString labelDuringBox;
    boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([&](const MessageBox::Box &) {
        labelDuringBox = w2->consigne3->text();
    });
    robot.click(zs1b.center());
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 3 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(MessageAttachmentExercise, OneWrongRouteEndsInTheFailureVerdictAtSending)
{
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(zs2.center());
    pupil.reachSecondWindow();
    pupil.attach(AttachedFile);
    QString labelDuringBox;
    boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([&](const MessageBox::Box &) {
        labelDuringBox = pupil.second()->consigne3->text();
    });
    robot.click(zs1b.center());
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 1 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(MessageAttachmentExercise, AbandonAndAltF4AtEveryWindowBringTheBoardBackUnchanged)
{
    for (int place = 0; place < 6; ++place) {
        if (place > 0) {
            launch();
            robot.setWindow(pupil.first());
        }
        if (place == 2 || place == 3)
            pupil.writeAddress();
        if (place >= 4)
            pupil.reachSecondWindow();
        if (place % 2 == 0)
            robot.click(BitBtn20.center());
        else
            robot.closeWindow();
        flushDeletes();
        expectBoardBack();
        expectNothingRecorded();
        EXPECT_EQ(boxes.count(), 0) << place;
    }
}

TEST(MessageAttachmentPictures, HotSpotsAndFieldsLieOnTheDrawnButtonsAndLines)
{
    using namespace MailClient;
    const ComposeGeometry g = composeGeometry(ComposeOrigin, false);
    EXPECT_TRUE(zs3.contains(mainButton(MainButton::Write).center()));
    EXPECT_EQ(zs7, g.menuAndTools);
    EXPECT_EQ(zs3b, g.menuAndTools);
    EXPECT_TRUE(zs5.contains(composeButton(ComposeOrigin, ComposeButton::Contacts).center()));
    EXPECT_TRUE(zs6.contains(composeButton(ComposeOrigin, ComposeButton::Attach).center()));
    EXPECT_TRUE(zs1b.contains(composeButton(ComposeOrigin, ComposeButton::Send).center()));
    EXPECT_TRUE(zs4.contains(g.addressType(0).center()));
    EXPECT_TRUE(Image3.contains(g.addressType(1).center() + QPoint(4, 0)));
    EXPECT_TRUE(Edit1.contains(g.addressField(0).center()));
    EXPECT_TRUE(Edit3.contains(g.addressField(1).center()));
    EXPECT_TRUE(Edit2.intersects(g.subjectField) && Edit2.contains(g.subjectField.center()));
    EXPECT_TRUE(Memo1.contains(g.body.center()));
}

TEST(MessageAttachmentPictures, TheFilledCompositionShowsWhatThePupilTypedAndAttached)
{
    const QStringList filled = TextRecorder::of(QStringLiteral("Texercice28v3b/Image2"));
    for (const QString &text : {Recipient, Subject, Body, AttachedFile})
        EXPECT_TRUE(filled.contains(text)) << text.toStdString();
    const QStringList empty = TextRecorder::of(QStringLiteral("Texercice28v3/Image2"));
    for (const QString &text : {QStringLiteral("Envoyer"), QStringLiteral("Contacts"), QStringLiteral("Joindre"),
                                QStringLiteral("Pour :"), QStringLiteral("Sujet :")})
        EXPECT_TRUE(empty.contains(text)) << text.toStdString();
    EXPECT_FALSE(empty.contains(Recipient));
    EXPECT_TRUE(TextRecorder::of(QStringLiteral("Texercice28v3/image1")).contains(QStringLiteral("Écrire")));
    EXPECT_TRUE(TextRecorder::of(QStringLiteral("Texercice28v3b/Image4")).contains(QStringLiteral("Ouvrir")));
}
