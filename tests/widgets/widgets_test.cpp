#include "support/pupilrobot.h"
#include "widgets/choicecombo.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/passwordfield.h"
#include "widgets/picturedrag.h"
#include "widgets/richoffsets.h"
#include "widgets/spinedit.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTextDocument>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(HotSpot, TurnsGesturesIntoSignalsAndLiesAboveTheBroadSpot)
{
    QWidget window;
    window.resize(300, 200);
    HotSpot broad(QStringLiteral("wrong"), QRect(0, 0, 300, 200), &window);
    HotSpot precise(QStringLiteral("zs1"), QRect(100, 50, 40, 20), &window);
    window.show();
    QSignalSpy clicked(&precise, &HotSpot::clicked), doubled(&precise, &HotSpot::doubleClicked),
        right(&precise, &HotSpot::rightClicked), pressed(&precise, &HotSpot::pressed),
        entered(&precise, &HotSpot::entered), left(&precise, &HotSpot::left), broadClicked(&broad, &HotSpot::clicked);
    PupilRobot robot(&window);
    EXPECT_EQ(robot.widgetAt({110, 60}), &precise);
    robot.click(QPoint(110, 60));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(broadClicked.count(), 0);
    robot.doubleClick({110, 60});
    EXPECT_EQ(doubled.count(), 1);
    EXPECT_EQ(clicked.count(), 2) << "a double click is one click, not two";
    robot.rightClick({110, 60});
    EXPECT_EQ(right.count(), 1);
    EXPECT_EQ(clicked.count(), 2);
    robot.hover({120, 60});
    robot.hover({10, 10});
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 1);
    robot.click(QPoint(10, 10));
    EXPECT_EQ(broadClicked.count(), 1);
    // Hidden means inert: the click reaches what lies below.
    precise.hide();
    robot.click(QPoint(110, 60));
    EXPECT_EQ(clicked.count(), 2);
    EXPECT_EQ(broadClicked.count(), 2);
    precise.setHint(QStringLiteral("ligne 1\rligne 2"));
    EXPECT_EQ(precise.toolTip(), QStringLiteral("ligne 1\nligne 2"));
}

TEST(RichOffsets, CountEveryLineBreakTwiceBothWays)
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("abc\ndef\n\ngh"));
    // Stored: a b c CR LF d e f CR LF CR LF g h
    EXPECT_EQ(RichOffsets::toStored(&doc, 0), 0);
    EXPECT_EQ(RichOffsets::toStored(&doc, 4), 5);   // 'd'
    EXPECT_EQ(RichOffsets::toStored(&doc, 9), 12);  // 'g'
    EXPECT_EQ(RichOffsets::toPosition(&doc, 5), 4);
    EXPECT_EQ(RichOffsets::toPosition(&doc, 12), 9);
    EXPECT_EQ(RichOffsets::toPosition(&doc, 4), 3) << "inside a CR LF pair falls on the break";
    EXPECT_EQ(RichOffsets::toPosition(&doc, 999), 11) << "clamped to the end";
    EXPECT_EQ(RichOffsets::storedLength(&doc), 14);
    QTextCursor c = RichOffsets::select(&doc, 5, 3);
    EXPECT_EQ(c.selectedText(), QStringLiteral("def"));
    EXPECT_EQ(RichOffsets::selectionStart(c), 5);
    EXPECT_EQ(RichOffsets::selectionLength(c), 3);
    c = RichOffsets::select(&doc, 1, 6);   // "bc" CR LF "de"
    EXPECT_EQ(c.selectedText(), QStringLiteral("bc\u2029de"));
    EXPECT_EQ(RichOffsets::selectionLength(c), 6);
    for (int pos = 0; pos <= 11; ++pos)
        EXPECT_EQ(RichOffsets::toPosition(&doc, RichOffsets::toStored(&doc, pos)), pos);
}

TEST(SpinEdit, IsJudgedAsTextAndStepsWithinItsRange)
{
    SpinEdit spin;
    spin.setRange(1, 3);
    spin.resize(60, 22);
    spin.setText(QStringLiteral("2"));
    spin.stepUp();
    spin.stepUp();
    EXPECT_EQ(spin.text(), QStringLiteral("3"));
    spin.setText(QStringLiteral("deux"));
    spin.stepDown();
    EXPECT_EQ(spin.text(), QStringLiteral("1")) << "a text that is no number starts from the low end";
    spin.setText(QStringLiteral(" 2"));
    EXPECT_EQ(spin.text(), QStringLiteral(" 2")) << "the text is kept as typed";
    spin.setReadOnly(true);
    spin.upButton()->click();
    EXPECT_EQ(spin.text(), QStringLiteral("3")) << "the arrows work on a read-only field";
}

TEST(ChoiceCombo, KnowsWhetherItsTextWasChosenFromTheList)
{
    ChoiceCombo combo;
    combo.addItems({QStringLiteral("6A"), QStringLiteral("6B")});
    combo.setPlaceholderChoice(QStringLiteral("sélectionnez..."));
    EXPECT_FALSE(combo.chosenFromList());
    EXPECT_EQ(combo.currentText(), QStringLiteral("sélectionnez..."));
    combo.lineEdit()->setText(QString());
    QTest::keyClicks(combo.lineEdit(), QStringLiteral("6A"));
    EXPECT_FALSE(combo.chosenFromList()) << "typed text is not a choice";
    emit combo.activated(1);
    EXPECT_TRUE(combo.chosenFromList());
    QTest::keyClicks(combo.lineEdit(), QStringLiteral("x"));
    EXPECT_FALSE(combo.chosenFromList());
    // An entry's text typed, then Return: the list selects that entry, yet it was typed.
    combo.lineEdit()->clear();
    QTest::keyClicks(combo.lineEdit(), QStringLiteral("6B"));
    QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(combo.currentText(), QStringLiteral("6B"));
    EXPECT_FALSE(combo.chosenFromList()) << "typed text is not a choice, even when it names an entry";
    emit combo.activated(0);
    EXPECT_TRUE(combo.chosenFromList());
}

TEST(InstructionBubble, LabelsAreBoldComicSixteenCentredWithLineBreaks)
{
    QWidget window;
    window.resize(900, 750);
    InstructionBubble bubble(&window, QRect(54, 632, 84, 100), QRect(136, 616, 465, 121), InstructionBubble::Colour::Yellow);
    QLabel *label = bubble.addLabel(QStringLiteral("Label1"), QStringLiteral("un\rdeux"));
    EXPECT_EQ(label->text(), QStringLiteral("un\ndeux"));
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->font().pixelSize(), 16);
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(bubble.shapeRect().contains(label->geometry()));
    QLabel *second = bubble.addLabel(QStringLiteral("Label2"));
    EXPECT_LT(label->geometry().bottom(), second->geometry().bottom());
    EXPECT_EQ(InstructionBubble::colourOf(InstructionBubble::Colour::Yellow), QColor(255, 255, 128));
}

TEST(PictureDrag, TheGhostFollowsThePointerAndTheDropIsWhereTheButtonIsReleased)
{
    QWidget window;
    window.resize(400, 300);
    HotSpot source(QStringLiteral("Image3"), QRect(10, 10, 50, 40), &window);
    HotSpot target(QStringLiteral("Image4"), QRect(300, 200, 60, 60), &window);
    PictureDrag drag(&window);
    QPixmap ghost(50, 40);
    ghost.fill(Qt::red);
    drag.addSource(&source, ghost);
    window.show();
    QSignalSpy dropped(&drag, &PictureDrag::dropped), wrong(&drag, &PictureDrag::wrongButton),
        moved(&drag, &PictureDrag::dragMoved);
    PupilRobot robot(&window);
    robot.press(QPoint(20, 20));
    EXPECT_TRUE(drag.isDragging());
    robot.moveTo(QPoint(200, 150));
    ASSERT_GE(moved.count(), 1);
    EXPECT_EQ(moved.last().at(1).toPoint(), QPoint(200, 150)) << "drag-over feedback in window coordinates";
    auto *shown = window.findChild<QLabel *>(QStringLiteral("dragGhost"));
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->pos(), QPoint(190, 140)) << "the ghost keeps the point where it was taken";
    robot.release(QPoint(320, 230));
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped.at(0).at(1).toPoint(), QPoint(320, 230));
    EXPECT_TRUE(target.geometry().contains(dropped.at(0).at(1).toPoint()));
    EXPECT_FALSE(shown->isVisible());
    // The right button does not drag.
    robot.press(QPoint(20, 20), Qt::RightButton);
    robot.release(QPoint(320, 230), Qt::RightButton);
    EXPECT_EQ(wrong.count(), 1);
    EXPECT_EQ(dropped.count(), 1);
}

TEST(PasswordField, ShowsAStarPerCharacterWhateverTheStyleSheets)
{
    QWidget window;
    window.setObjectName(QStringLiteral("W"));
    window.setStyleSheet(QStringLiteral("QWidget#W { background: rgb(58, 110, 165); }"));
    QLineEdit plain(&window), styled(&window);
    styled.setStyleSheet(QStringLiteral("background: yellow;"));
    makePasswordField(&plain);
    makePasswordField(&styled);
    window.show();
    for (QLineEdit *field : {&plain, &styled}) {
        QTest::keyClicks(field, QStringLiteral("a b"));
        field->insert(QStringLiteral("é"));
        EXPECT_EQ(field->text(), QStringLiteral("a bé"));
        EXPECT_EQ(field->displayText(), QStringLiteral("****"));
    }
    EXPECT_EQ(styled.grab().toImage().pixelColor(4, 4), QColor(Qt::yellow)) << "the field keeps its own look";
    // A style sheet set afterwards keeps the stars.
    plain.setStyleSheet(QStringLiteral("color: navy;"));
    EXPECT_EQ(plain.displayText(), QStringLiteral("****"));
}
