#include "dialogs/urechercherremplacerv3.h"
#include "widgets/messagebox.h"
#include "support/pupilrobot.h"
#include "support/scriptedmessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
const QString Wrong = QStringLiteral("Fausse route ! Lisez bien...");

// An exercise window stand-in that owns the dialog, counts the wrong ways and
// judges "Remplacer tout" as told.
struct Owner
{
    Owner()
    {
        window->setObjectName(QStringLiteral("owner"));
        window->resize(400, 300);
        abandon->setObjectName(QStringLiteral("BitBtn20"));
        abandon->setGeometry(10, 10, 100, 30);
        window->show();
        dialog = new TUrechercherv3(
            window.get(),
            [this](const QString &s, const QString &r, bool c, bool w) {
                judged << QStringList{s, r, c ? QStringLiteral("casse") : QString(), w ? QStringLiteral("mots") : QString()};
                return accept;
            },
            [this](const QString &text) {
                ++errors;
                MessageBox::error(text);
            });
        dialog->showOverOwner();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        robot.setWindow(dialog);
    }
    void tick(QCheckBox *box) { robot.click(box->mapTo(dialog.data(), QPoint(8, box->height() / 2))); }
    // The robot's synthetic click does not move the focus as the window system's
    // would: the field takes it as a click gives it.
    void focus(QLineEdit *edit)
    {
        robot.click(edit);
        edit->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QPushButton *abandon = new QPushButton(QStringLiteral("Abandon"), window.get());
    QPointer<TUrechercherv3> dialog;
    PupilRobot robot;
    QList<QStringList> judged;
    bool accept = false;
    int errors = 0;
};

// A click on a row of a list, where the pupil would click.
void clickRow(QWidget *window, QListWidget *list, int row)
{
    const QRect r = list->visualItemRect(list->item(row));
    PupilRobot(window).click(list->viewport()->mapTo(window, r.center()));
}

int rowOf(QListWidget *list, const QString &text)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? -1 : list->row(found.first());
}

TUformatrechercher15v3 *openFormat(Owner &o)
{
    o.robot.click(o.dialog->Button5);
    TUformatrechercher15v3 *format = o.dialog->attributeDialog();
    EXPECT_TRUE(format);
    if (format)
        EXPECT_TRUE(QTest::qWaitForWindowActive(format));
    return format;
}
}

TEST(FindReplaceDialog, OpensOverItsOwnerWithTheInitialState)
{
    Owner o;
    EXPECT_EQ(o.dialog->windowTitle(), QStringLiteral("Rechercher et Remplacer"));
    EXPECT_EQ(o.dialog->size(), QSize(454, 423));
    EXPECT_EQ(o.dialog->Edit1->text(), QStringLiteral("Edit1"));
    EXPECT_EQ(o.dialog->Edit2->text(), QStringLiteral("Edit2"));
    EXPECT_TRUE(o.dialog->Label3->text().isEmpty());
    EXPECT_TRUE(o.dialog->Label4->text().isEmpty());
    EXPECT_EQ(o.dialog->activeSide(), TUrechercherv3::Side::Search);
    EXPECT_FALSE(o.dialog->optionsExpanded());
    EXPECT_FALSE(o.dialog->CheckBox4->isVisible());
    EXPECT_FALSE(o.dialog->Button5->isVisible());
    EXPECT_TRUE(o.dialog->Image2->isVisible());
    EXPECT_FALSE(o.dialog->Image1->isVisible());
    // The exercise window takes no input while the dialog shows; the dialog does.
    EXPECT_FALSE(o.abandon->isEnabled());
    EXPECT_TRUE(o.dialog->isEnabled());
    EXPECT_TRUE(o.dialog->Button4->isEnabled());

    ScriptedMessages boxes;
    o.robot.click(o.dialog->Button8);
    QApplication::processEvents();
    EXPECT_FALSE(o.dialog && o.dialog->isVisible());
    EXPECT_TRUE(o.abandon->isEnabled());
    EXPECT_EQ(boxes.count(), 0);
}

TEST(FindReplaceDialog, ExpandsAndCollapsesItsFurtherOptions)
{
    Owner o;
    o.robot.click(o.dialog->Button9);
    EXPECT_TRUE(o.dialog->optionsExpanded());
    for (QWidget *w : std::initializer_list<QWidget *>{o.dialog->CheckBox3, o.dialog->CheckBox4, o.dialog->CheckBox5,
                                                       o.dialog->CheckBox6, o.dialog->CheckBox7, o.dialog->Button5,
                                                       o.dialog->Button6, o.dialog->Button7, o.dialog->Button10,
                                                       o.dialog->Image1})
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_FALSE(o.dialog->Button9->isVisible());
    EXPECT_FALSE(o.dialog->Image2->isVisible());
    EXPECT_EQ(o.dialog->size(), QSize(454, 423));

    o.robot.click(o.dialog->Button10);
    EXPECT_FALSE(o.dialog->optionsExpanded());
    EXPECT_FALSE(o.dialog->CheckBox3->isVisible());
    EXPECT_TRUE(o.dialog->Button9->isVisible());
    EXPECT_TRUE(o.dialog->Image2->isVisible());
}

TEST(FindReplaceDialog, AFurtherOptionNeverStaysTickedAndCostsOneError)
{
    Owner o;
    ScriptedMessages boxes;
    o.robot.click(o.dialog->Button9);
    boxes.expect(MessageBox::Kind::Error, Wrong);
    o.tick(o.dialog->CheckBox4);   // "Vers le haut"
    EXPECT_FALSE(o.dialog->CheckBox4->isChecked());
    EXPECT_EQ(o.errors, 1);
    EXPECT_EQ(boxes.count(), 1);

    boxes.expect(MessageBox::Kind::Error, Wrong);
    o.tick(o.dialog->CheckBox7);
    EXPECT_FALSE(o.dialog->CheckBox7->isChecked());
    EXPECT_EQ(o.errors, 2);
    EXPECT_TRUE(o.dialog->isVisible());
}

TEST(FindReplaceDialog, SearchButtonsDoNothingVisible)
{
    Owner o;
    ScriptedMessages boxes;
    o.robot.click(o.dialog->Button1);
    o.robot.click(o.dialog->Button2);
    o.robot.click(o.dialog->Button3);
    EXPECT_EQ(o.errors, 0);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(o.dialog->Edit1->text(), QStringLiteral("Edit1"));
    EXPECT_TRUE(o.dialog->isVisible());
}

TEST(FindReplaceDialog, AttributesButtonIsAWrongWayAndFollowsTheActiveField)
{
    Owner o;
    ScriptedMessages boxes;
    o.robot.click(o.dialog->Button9);
    boxes.expect(MessageBox::Kind::Error, Wrong);
    o.robot.click(o.dialog->Button7);
    EXPECT_EQ(o.errors, 1);

    o.focus(o.dialog->Edit2);
    EXPECT_EQ(o.dialog->activeSide(), TUrechercherv3::Side::Replace);
    EXPECT_FALSE(o.dialog->Button7->isEnabled());
    // A button does not change the active side.
    o.robot.click(o.dialog->Button1);
    EXPECT_EQ(o.dialog->activeSide(), TUrechercherv3::Side::Replace);
    o.focus(o.dialog->Edit1);
    EXPECT_EQ(o.dialog->activeSide(), TUrechercherv3::Side::Search);
    EXPECT_TRUE(o.dialog->Button7->isEnabled());
}

TEST(FindReplaceDialog, FormatOnTheReplaceSideWritesItsLineOnOk)
{
    Owner o;
    o.robot.click(o.dialog->Button9);
    o.focus(o.dialog->Edit2);
    TUformatrechercher15v3 *format = openFormat(o);
    ASSERT_TRUE(format);
    EXPECT_EQ(format->windowTitle(), QStringLiteral("Attributs de texte (Remplacer)"));
    EXPECT_EQ(format->size(), QSize(373, 248));
    EXPECT_EQ(format->ListBox1->count(), 12);
    EXPECT_EQ(format->ListBox2->count(), 11);
    EXPECT_EQ(format->ListBox2->item(0)->text(), QStringLiteral("6"));
    EXPECT_EQ(format->ListBox2->item(10)->text(), QStringLiteral("16"));
    // The find/replace dialog takes no input meanwhile.
    EXPECT_FALSE(o.dialog->Button4->isEnabled());

    clickRow(format, format->ListBox1, 1);   // "Arial"
    clickRow(format, format->ListBox2, 6);   // "12"
    const int red = rowOf(format->ColorListBox1, QStringLiteral("Rouge"));
    ASSERT_GE(red, 0);
    clickRow(format, format->ColorListBox1, red);
    PupilRobot(format).click(format->Button1);
    QApplication::processEvents();
    EXPECT_EQ(o.dialog->Label4->text(), QStringLiteral("Arial,12,Rouge"));
    EXPECT_EQ(o.dialog->Label3->text(), QStringLiteral(",,"));
    EXPECT_EQ(o.dialog->replaceAttributes().fontRow, 1);
    EXPECT_TRUE(o.dialog->Button4->isEnabled());

    // It reopens on the rows stored for that side.
    TUformatrechercher15v3 *again = openFormat(o);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->ListBox1->currentRow(), 1);
    EXPECT_EQ(again->ListBox2->currentRow(), 6);
    EXPECT_EQ(again->ColorListBox1->currentRow(), red);
}

TEST(FindReplaceDialog, OnlyAColourShowsAfterTwoCommas)
{
    Owner o;
    o.robot.click(o.dialog->Button9);
    TUformatrechercher15v3 *format = openFormat(o);
    ASSERT_TRUE(format);
    EXPECT_EQ(format->windowTitle(), QStringLiteral("Attributs de texte (Rechercher)"));
    clickRow(format, format->ColorListBox1, rowOf(format->ColorListBox1, QStringLiteral("Rouge")));
    PupilRobot(format).click(format->Button1);
    EXPECT_EQ(o.dialog->Label3->text(), QStringLiteral(",,Rouge"));
    EXPECT_EQ(o.dialog->Label4->text(), QStringLiteral(",,"));
}

TEST(FindReplaceDialog, ResetAndNoAttributeEmptyTheActiveSide)
{
    Owner o;
    o.robot.click(o.dialog->Button9);
    TUformatrechercher15v3 *format = openFormat(o);
    ASSERT_TRUE(format);
    format->ListBox1->setCurrentRow(10);
    format->ListBox2->setCurrentRow(0);
    PupilRobot robot(format);
    robot.click(format->Button3);   // "Rétablir"
    EXPECT_TRUE(format->isVisible());
    EXPECT_EQ(format->ListBox1->currentRow(), -1);
    EXPECT_TRUE(format->ListBox1->selectedItems().isEmpty());
    EXPECT_EQ(o.dialog->searchAttributes().fontRow, -1);
    EXPECT_EQ(o.dialog->Label3->text(), QStringLiteral(",,"));

    format->ListBox1->setCurrentRow(10);
    robot.click(format->Button1);
    EXPECT_EQ(o.dialog->Label3->text(), QStringLiteral("Times New Roman,,"));
    o.robot.click(o.dialog->Button6);   // "Aucun attribut"
    EXPECT_EQ(o.dialog->Label3->text(), QStringLiteral(",,"));
    EXPECT_TRUE(o.dialog->searchAttributes().font.isEmpty());
    EXPECT_EQ(o.dialog->searchAttributes().fontRow, -1);
}

TEST(FindReplaceDialog, AttributeDialogClosesWhenAnotherWindowIsActivatedButNotForOurBoxes)
{
    Owner o;
    o.robot.click(o.dialog->Button9);
    QPointer<TUformatrechercher15v3> format = openFormat(o);
    ASSERT_TRUE(format);
    format->ListBox1->setCurrentRow(1);

    // One of the program's boxes takes the activation for a moment: it stays open.
    {
        ScriptedMessages boxes;
        boxes.answer(0).onNext([&](const MessageBox::Box &) {
            QWidget other;
            other.show();
            other.activateWindow();
            QTest::qWaitForWindowActive(&other);
            QApplication::processEvents();
        });
        MessageBox::information(QStringLiteral("..."));
    }
    QApplication::processEvents();
    ASSERT_TRUE(format);
    EXPECT_TRUE(format->isVisible());

    // A click elsewhere: it closes without writing the attribute lines.
    format->activateWindow();
    QTest::qWaitForWindowActive(format);
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QTest::qWaitForWindowActive(&elsewhere);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_TRUE(!format || !format->isVisible());
    EXPECT_TRUE(o.dialog->Label3->text().isEmpty());
    EXPECT_TRUE(o.dialog->Button4->isEnabled());
}

TEST(FindReplaceDialog, ReplaceAllHandsTheFourSettingsToTheJudge)
{
    Owner o;
    ScriptedMessages boxes;
    o.dialog->Edit1->setText(QStringLiteral("Police"));
    o.dialog->Edit2->setText(QStringLiteral("police"));
    o.tick(o.dialog->CheckBox1);
    boxes.expect(MessageBox::Kind::Error, Wrong);
    o.robot.click(o.dialog->Button4);
    ASSERT_EQ(o.judged.size(), 1);
    EXPECT_EQ(o.judged.at(0), (QStringList{QStringLiteral("Police"), QStringLiteral("police"), QStringLiteral("casse"), QString()}));
    EXPECT_EQ(o.errors, 1);
    EXPECT_TRUE(o.dialog->isVisible());
    EXPECT_EQ(o.dialog->Edit1->text(), QStringLiteral("Police"));

    o.accept = true;
    o.tick(o.dialog->CheckBox2);
    o.robot.click(o.dialog->Button4);
    ASSERT_EQ(o.judged.size(), 2);
    EXPECT_EQ(o.judged.at(1).at(3), QStringLiteral("mots"));
    EXPECT_EQ(o.errors, 1);
}

TEST(FindReplaceDialog, ClosingTheFindDialogClosesItsAttributeDialogAndFreesTheOwner)
{
    Owner o;
    o.robot.click(o.dialog->Button9);
    QPointer<TUformatrechercher15v3> format = openFormat(o);
    ASSERT_TRUE(format);
    o.dialog->close();
    QApplication::processEvents();
    EXPECT_TRUE(!format || !format->isVisible());
    EXPECT_TRUE(o.abandon->isEnabled());
}
