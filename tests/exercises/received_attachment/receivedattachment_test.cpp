// The received-attachment exercise (competence 5.2), played by the pupil robot.
#include "support/boardrun.h"
#include "support/exercisefixture.h"
#include "support/textrecorder.h"
#include "support/treepick.h"

#include "exercises/domain5/received_attachment/layout.h"
#include "exercises/domain5/received_attachment/u27v3.h"
#include "exercises/domain5/received_attachment/u27v3b.h"
#include "pictures/mailclient.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/foldertree.h"
#include "widgets/picturebox.h"

using namespace ReceivedAttachmentLayout;
using MessageBox::Kind;

namespace {
const QStringList TargetPath{QStringLiteral("C:\\"), QStringLiteral("mes documents"), QStringLiteral("Email"),
                             QStringLiteral("pieces jointes")};

// The pupil's gestures in the two windows, for whichever fixture holds the robot.
struct Pupil
{
    PupilRobot &robot;

    Texercice27v3 *first() const { return qobject_cast<Texercice27v3 *>(PupilRobot::topWindow(QStringLiteral("Texercice27v3"))); }
    Texercice27v3b *second() const { return qobject_cast<Texercice27v3b *>(PupilRobot::topWindow(QStringLiteral("Texercice27v3b"))); }

    void readBothMessages()
    {
        robot.setWindow(first());
        robot.click(zs2.center());
        robot.click(zs4.center());
        robot.click(zs6.center());
    }
    void menuOn(const QRect &entry, const QString &item)
    {
        robot.rightClick(entry.center());
        ASSERT_TRUE(openMenu()) << "no context menu";
        ASSERT_TRUE(chooseInMenu(item));
    }
    void saveInto(const QStringList &path)
    {
        pickInTree(robot, first()->TreeView1, path);
        robot.click(zs8.center());
    }
    void reachSecondWindow()
    {
        readBothMessages();
        menuOn(Image6, MenuSaveAs);
        saveInto(TargetPath);
        flushDeletes();
        robot.setWindow(second());
    }
};

class ReceivedAttachmentExercise : public ExerciseFixture
{
protected:
    ReceivedAttachmentExercise() : ExerciseFixture(Competence) {}
    void SetUp() override
    {
        ExerciseFixture::SetUp();
        launch();
        robot.setWindow(pupil.first());
    }
    Pupil pupil{robot};
};
}

TEST(ReceivedAttachmentFromTheBoard, APerfectRunRecordsTheCompetenceAndRetourMenuSavesIt)
{
    BoardRun board;
    ASSERT_TRUE(board.launch(Competence, QStringLiteral("Texercice27v3")));
    Pupil pupil{board.robot};
    auto *w1 = pupil.first();
    ASSERT_TRUE(w1);
    pupil.robot.setWindow(w1);
    EXPECT_EQ(w1->consigne3->text(), CheckMail);
    EXPECT_TRUE(w1->consigne4->text().isEmpty());
    EXPECT_EQ(pupil.robot.widgetAt(zs2.center()), w1->zs2);
    pupil.robot.click(zs2.center());
    EXPECT_EQ(w1->consigne3->text(), ReadInOrder);
    EXPECT_TRUE(w1->Image2->isVisible());
    EXPECT_EQ(pupil.robot.widgetAt(zs4.center()), w1->zs4);
    pupil.robot.click(zs4.center());
    EXPECT_TRUE(w1->Image3->isVisible());
    EXPECT_FALSE(w1->Image2->isVisible());
    pupil.robot.click(zs6.center());
    EXPECT_TRUE(w1->Image4->isVisible());
    EXPECT_EQ(w1->consigne3->text(), SaveAttachment);
    EXPECT_EQ(w1->consigne4->text(), SaveWhere);
    pupil.menuOn(Image6, MenuSaveAs);
    EXPECT_TRUE(w1->TreeView1->isVisible());
    EXPECT_FALSE(w1->Image6->isVisible());
    EXPECT_FALSE(w1->zs9->isVisible());
    pupil.saveInto(TargetPath);
    flushDeletes();
    EXPECT_FALSE(board.form.isVisible()) << "the hand-over keeps the board hidden";
    auto *w2 = pupil.second();
    ASSERT_TRUE(w2);
    EXPECT_EQ(PupilRobot::topWindow(QStringLiteral("Texercice27v3")), nullptr);
    EXPECT_EQ(w2->consigne3->text(), OpenAttachment);

    pupil.robot.setWindow(w2);
    QString labelDuringBox;
    bool pictureShown = false;
    board.boxes.expect(Kind::Information, CommonTexts::SuccessBox).onNext([&](const MessageBox::Box &) {
        labelDuringBox = w2->consigne3->text();
        pictureShown = w2->Image5->isVisible();
    });
    pupil.menuOn(zs10, MenuOpen);
    EXPECT_EQ(labelDuringBox, CommonTexts::SuccessLabel);
    EXPECT_TRUE(pictureShown);
    flushDeletes();
    EXPECT_TRUE(board.form.isVisible());
    EXPECT_EQ(board.resultText(Competence), QStringLiteral("réussi le 09/12/2026\n(Mme Okafor)"));
    EXPECT_EQ(board.score(), QStringLiteral("score : 1 / 29"));
    EXPECT_FALSE(board.buttonShown(Competence));
    EXPECT_FALSE(board.record().contains(board.acquiredGroup(Competence))) << "memory only until the next save";
    board.backToMenu();
    EXPECT_TRUE(board.record().contains(board.acquiredGroup(Competence)));
}

TEST_F(ReceivedAttachmentExercise, TheNewerMessageFirstCountsOneErrorAndTheRunFailsAtOpening)
{
    robot.click(zs2.center());
    boxes.expect(Kind::Error, NotInOrder);
    robot.click(zs5.center());
    EXPECT_EQ(errors(), 1);
    // The newer message stays unopened until the older one has been read.
    EXPECT_FALSE(pupil.first()->Image3->isVisible());
    EXPECT_FALSE(pupil.first()->Image4->isVisible());
    robot.click(zs4.center());
    robot.click(zs6.center());
    pupil.menuOn(Image6, MenuSaveAs);
    pupil.saveInto(TargetPath);
    flushDeletes();
    robot.setWindow(pupil.second());
    QString labelDuringBox;
    boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([&](const MessageBox::Box &) {
        labelDuringBox = pupil.second()->consigne3->text();
    });
    pupil.menuOn(zs10, MenuOpen);
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 1 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(ReceivedAttachmentExercise, WrongRoutesOfTheFirstWindowCountAndChangeNothing)
{
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(QPoint(300, 70));   // the tool bar
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(zs3.center());      // the folder pane
    EXPECT_EQ(errors(), 2);
    EXPECT_EQ(pupil.first()->consigne3->text(), CheckMail);
    robot.click(zs2.center());
    // Once the mail is in, the get-mail button is part of the wrong tool bar.
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(zs2.center());
    EXPECT_EQ(errors(), 3);
    EXPECT_TRUE(pupil.first()->zs4->isVisible());
}

TEST_F(ReceivedAttachmentExercise, TheAttachmentHasNoMenuBeforeTheSecondMessageIsOpen)
{
    robot.click(zs2.center());
    robot.click(zs4.center());
    robot.rightClick(Image6.center());
    EXPECT_EQ(openMenu(), nullptr);
    EXPECT_EQ(boxes.count(), 0);
    robot.click(zs6.center());
    robot.rightClick(Image6.center());
    QMenu *menu = openMenu();
    ASSERT_TRUE(menu);
    QStringList items;
    for (QAction *a : menu->actions())
        items << a->text();
    EXPECT_EQ(items, (QStringList{MenuOpen, MenuSaveAs, MenuDelete}));
    menu->close();
}

TEST_F(ReceivedAttachmentExercise, OpeningOrDeletingInsteadOfSavingCountsWithTheirOwnBoxes)
{
    pupil.readBothMessages();
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    pupil.menuOn(Image6, MenuOpen);
    boxes.expect(Kind::Error, DeleteRefused);
    pupil.menuOn(Image6, MenuDelete);
    EXPECT_EQ(errors(), 2);
    EXPECT_TRUE(pupil.first()->Image6->isVisible()) << "the attachment is still there";
}

TEST_F(ReceivedAttachmentExercise, SavingIntoAnyOtherFolderOrNoneIsRefusedAndCounted)
{
    pupil.readBothMessages();
    pupil.menuOn(Image6, MenuSaveAs);
    FolderTree *tree = pupil.first()->TreeView1;
    // All folded at start; nothing selected.
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        EXPECT_FALSE(tree->topLevelItem(i)->isExpanded());
    EXPECT_FALSE(tree->hasSelection());
    // With no entry selected the save button is a wrong folder, not a crash.
    boxes.expect(Kind::Error, WrongFolder);
    robot.click(zs8.center());
    EXPECT_EQ(errors(), 1);
    boxes.expect(Kind::Error, WrongFolder);
    pupil.saveInto(TargetPath.mid(0, 3));   // "Email", the parent
    EXPECT_EQ(errors(), 2);
    EXPECT_TRUE(pupil.first()->isVisible());
    // The only "pieces jointes" of the tree is the target.
    EXPECT_EQ(tree->findItems(TargetFolder, Qt::MatchExactly | Qt::MatchRecursive).size(), 1);
    robot.click(treeEntryPoint(tree, tree->itemAt(TargetPath), pupil.first()));
    robot.click(zs8.center());
    flushDeletes();
    EXPECT_TRUE(pupil.second());
    EXPECT_EQ(ExerciseSession::current()->errorCount(), 2) << "the count carries over";
}

TEST_F(ReceivedAttachmentExercise, TheSecondWindowCountsClicksOutsideTheMessageAndWrongMenuItems)
{
    pupil.reachSecondWindow();
    Texercice27v3b *w2 = pupil.second();
    ASSERT_TRUE(w2);
    // The message and the attachment bar take clicks silently.
    robot.click(QPoint(500, 300));
    robot.click(QPoint(240, 620));
    EXPECT_EQ(boxes.count(), 0);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(QPoint(100, 500));   // the folder pane of the screenshot
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    pupil.menuOn(zs10, MenuSaveAs);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    pupil.menuOn(zs10, MenuDelete);
    EXPECT_EQ(errors(), 3);
    EXPECT_FALSE(w2->Image5->isVisible());
}

TEST_F(ReceivedAttachmentExercise, AbandonAndAltF4AtEveryWindowBringTheBoardBackUnchanged)
{
    for (int place = 0; place < 6; ++place) {
        if (place > 0) {
            launch();
            robot.setWindow(pupil.first());
        }
        const bool second = place >= 4;
        if (place == 2 || place == 3) {
            pupil.readBothMessages();
            pupil.menuOn(Image6, MenuSaveAs);
        }
        if (second)
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

TEST(ReceivedAttachmentPictures, HotSpotsLieOnTheDrawnButtonsRowsAndEntry)
{
    using namespace MailClient;
    EXPECT_TRUE(zs2.contains(mainButton(MainButton::GetMail).center()));
    EXPECT_TRUE(zs4.contains(messageRow(0).center()));
    EXPECT_TRUE(zs5.contains(messageRow(1).center()));
    EXPECT_TRUE(zs6.contains(messageRow(1).center()));
    EXPECT_TRUE(Image6.contains(AttachmentEntry.center()));
    EXPECT_TRUE(zs10.contains(AttachmentEntry.center()));
    EXPECT_TRUE(zs9.contains(AttachmentEntry.center()));
    EXPECT_TRUE(zs3.contains(folderRow(1).center())) << "the inbox lies in the folder pane";
    // The rows and the bar lie inside the pictures that show them.
    EXPECT_TRUE(Image4.contains(messageRow(1)));
    EXPECT_TRUE(Image3.contains(messageRow(1).adjusted(2, 0, -8, 0)));
}

TEST(ReceivedAttachmentPictures, ThePicturesShowTheMailTheExerciseSpeaksOf)
{
    const QString list = TextRecorder::of(QStringLiteral("Texercice27v3/Image2")).join(QLatin1Char('|'));
    for (const QString &text : {FirstSubject, SecondSubject, Sender, FirstDate, SecondDate})
        EXPECT_TRUE(list.contains(text)) << text.toStdString();
    const QStringList second = TextRecorder::of(QStringLiteral("Texercice27v3/Image4"));
    EXPECT_TRUE(second.contains(SecondSubject));
    for (const QString &picture : {QStringLiteral("Texercice27v3/zs9"), QStringLiteral("Texercice27v3/Image6"),
                                   QStringLiteral("Texercice27v3b/zs9")})
        EXPECT_TRUE(TextRecorder::of(picture).contains(AttachedFile)) << picture.toStdString();
    const QStringList dialog = TextRecorder::of(QStringLiteral("Texercice27v3/Image7"));
    EXPECT_TRUE(dialog.contains(AttachedFile)) << "the file name is filled in";
    EXPECT_TRUE(dialog.contains(QStringLiteral("Enregistrer")));
    EXPECT_TRUE(TextRecorder::of(QStringLiteral("Texercice27v3/zs7")).contains(QStringLiteral("Relever")));
    EXPECT_TRUE(TextRecorder::of(QStringLiteral("Texercice27v3b/Image5")).join(QLatin1Char('|')).contains(AttachedFile));
}
