// The origin-of-information exercise (competence 4.4), played by the pupil robot.
#include "support/exercisefixture.h"

#include "exercises/domain4/information_origin/layout.h"
#include "exercises/domain4/information_origin/legalnotice.h"
#include "exercises/domain4/information_origin/u24v3.h"
#include "widgets/instructionbubble.h"
#include "widgets/spinedit.h"

#include <QDate>
#include <QToolButton>
#include <QGroupBox>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

using namespace InformationOriginLayout;
using MessageBox::Kind;

namespace {

const QStringList ClueBoxes = {
    QStringLiteral("En effet l'adresse du site est une adresse gouvernementale! (.gouv)"),
    QStringLiteral("En effet ce logo se retrouve sur tous les sites ministériels Français"),
    QStringLiteral("En effet ce bandeau précise au visiteur qu'il se trouve un site ministériel"),
    QStringLiteral("En effet ce symbole signifie qu'il y a un Copyright sur ce site ministériel "),
};
const QRect ClueRects[4] = {AddressBar, Emblem, Banner, CopyrightNotice};

class InformationOriginExercise : public ExerciseFixture
{
protected:
    InformationOriginExercise() : ExerciseFixture(Competence) {}

    Texercice24v3 *window() const { return qobject_cast<Texercice24v3 *>(PupilRobot::topWindow()); }

    void start()
    {
        launch();
        ASSERT_TRUE(window());
        robot.setWindow(window());
    }
    QString instruction() const { return labelText(window(), QStringLiteral("consigne3")); }
    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        return window() ? window()->findChild<T *>(name) : nullptr;
    }

    void findClue(int i)
    {
        boxes.expect(Kind::Information, ClueBoxes[i]);
        if (window()->clueCounter() == 4)
            boxes.expect(Kind::Information, QStringLiteral("C'est bien, tu as retrouvé ces 4 indices"));
        robot.click(ClueRects[i].center());
    }
    void findAllClues()
    {
        for (int i = 0; i < 4; ++i)
            findClue(i);
    }
    SpinEdit *spin(const QString &field) const { return control<SpinEdit>(field); }
    // Presses a date field's up arrow 'times' times.
    void arrowUp(const QString &field, int times)
    {
        ASSERT_TRUE(spin(field)) << field.toStdString();
        for (int i = 0; i < times; ++i)
            robot.click(spin(field)->upButton());
    }
    QString fieldText(const QString &field) const { return spin(field) ? spin(field)->text() : QString(); }
    // The label shows "\r" as a line break.
    static QString shown(const QString &text) { return InstructionBubble::displayText(text); }
    void giveRightDate()
    {
        arrowUp(QStringLiteral("Edit1"), 4);
        arrowUp(QStringLiteral("Edit2"), 8);
        boxes.expect(Kind::Information, QStringLiteral("C'est la bonne date"));
        robot.click(QStringLiteral("Button1"));
    }
    void openLegalPage() { robot.click(LegalNoticeLink.center()); }

    QTextEdit *legalText() const { return control<QTextEdit>(QStringLiteral("RichEdit1")); }
    // Qt's position of the address's first character.
    int addressPosition() const
    {
        return legalText()->document()->find(WebmasterAddress).selectionStart();
    }
    void select(int qtStart, int qtLength)
    {
        QTextCursor c(legalText()->document());
        c.setPosition(qtStart);
        c.setPosition(qtStart + qtLength, QTextCursor::KeepAnchor);
        legalText()->setTextCursor(c);
        QApplication::processEvents();
    }
};

TEST_F(InformationOriginExercise, PerfectRunRecordsTheCompetence)
{
    start();
    EXPECT_EQ(instruction(),
              shown(QStringLiteral("Clique sur les 4 indices qui te permettent de penser\r\rque ce site est un site officiel")));
    findAllClues();
    EXPECT_EQ(instruction(), shown(QStringLiteral("A quelle  date a été publié le dernier article\r de ce site ? ")));
    ASSERT_TRUE(control(QStringLiteral("GroupBox1"))->isVisible());
    EXPECT_EQ(fieldText(QStringLiteral("Edit3")), QStringLiteral("2008"));
    giveRightDate();
    EXPECT_FALSE(control(QStringLiteral("GroupBox1"))->isVisible());
    EXPECT_EQ(instruction(), shown(QStringLiteral("Retrouve et sélectionne à la souris \r\rl'adresse du Webmaster de ce site")));
    openLegalPage();
    ASSERT_TRUE(legalText()->isVisible());
    boxes.expect(Kind::Information, QStringLiteral("Bravo, Exercice réussi!"));
    select(addressPosition(), WebmasterAddressLength);
    expectBoardBack();
    expectRecorded();
}

TEST_F(InformationOriginExercise, CluesCountOnceInAnyOrderBeforeTheDateOpens)
{
    start();
    for (int i : {3, 1, 0}) {
        findClue(i);
        EXPECT_FALSE(control(QStringLiteral("GroupBox1"))->isVisible());
    }
    // The hot spots are gone: a second click on the logo or the address reaches the
    // screenshot and does nothing; on the copyright it reaches the footer's links.
    robot.click(ClueRects[1].center());
    robot.click(ClueRects[0].center());
    EXPECT_EQ(window()->clueCounter(), 4);
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    robot.click(ClueRects[3].center());
    EXPECT_EQ(window()->clueCounter(), 4);
    findClue(2);
    EXPECT_EQ(window()->clueCounter(), 5);
    EXPECT_TRUE(control(QStringLiteral("GroupBox1"))->isVisible());
    EXPECT_EQ(boxes.count(), 6);
}

TEST_F(InformationOriginExercise, WrongRoutesAndWrongDatesFailAtTheSelection)
{
    start();
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    robot.click(NavColumn.center());
    findAllClues();
    // Day 5, month 9 reached with the arrows; a wrong day first.
    arrowUp(QStringLiteral("Edit1"), 3);
    arrowUp(QStringLiteral("Edit2"), 8);
    boxes.expect(Kind::Error, QStringLiteral("Mauvaise date !"));
    robot.click(QStringLiteral("Button1"));
    EXPECT_TRUE(control(QStringLiteral("GroupBox1"))->isVisible());
    arrowUp(QStringLiteral("Edit1"), 1);
    EXPECT_EQ(fieldText(QStringLiteral("Edit1")), QStringLiteral("5"));
    EXPECT_EQ(fieldText(QStringLiteral("Edit2")), QStringLiteral("9"));
    boxes.expect(Kind::Information, QStringLiteral("C'est la bonne date"));
    robot.click(QStringLiteral("Button1"));
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    robot.click(FooterLinks.topLeft() + QPoint(30, 10));
    openLegalPage();
    QString labelDuringBox;
    boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !"))
        .onNext([&](const MessageBox::Box &) { labelDuringBox = instruction(); });
    select(addressPosition(), WebmasterAddressLength);
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 3 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(InformationOriginExercise, TheDateFieldsAreReadOnly)
{
    start();
    findAllClues();
    for (const QString &name : {QStringLiteral("Edit1"), QStringLiteral("Edit2"), QStringLiteral("Edit3")}) {
        ASSERT_TRUE(spin(name));
        EXPECT_TRUE(spin(name)->edit()->isReadOnly()) << name.toStdString();
        // Typing changes nothing; the arrows stay within the field's range.
        const QString before = spin(name)->text();
        robot.type(QStringLiteral("7"), spin(name)->edit());
        EXPECT_EQ(spin(name)->text(), before);
    }
    robot.click(spin(QStringLiteral("Edit2"))->downButton());
    EXPECT_EQ(fieldText(QStringLiteral("Edit2")), QStringLiteral("1"));
    arrowUp(QStringLiteral("Edit2"), 12);
    EXPECT_EQ(fieldText(QStringLiteral("Edit2")), QStringLiteral("12"));
    arrowUp(QStringLiteral("Edit3"), 1);
    EXPECT_EQ(fieldText(QStringLiteral("Edit3")), QStringLiteral("2009"));
}

TEST_F(InformationOriginExercise, OnlyTheAddressOrTheAddressWithItsBlankIsAccepted)
{
    start();
    findAllClues();
    giveRightDate();
    openLegalPage();
    const int p = addressPosition();
    // A caret move, a part of the address, one character off, or running into the
    // next paragraph (two line breaks of two characters each, then one more): nothing.
    select(p, 0);
    select(p, WebmasterAddressLength - 1);
    select(p + 1, WebmasterAddressLength);
    select(p - 2, WebmasterAddressLength + 2);
    select(p, WebmasterAddressLength + 3);
    EXPECT_TRUE(window()) << "no verdict for a wrong selection";
    EXPECT_EQ(boxes.count(), 6);
    // The blank before it and the address.
    boxes.expect(Kind::Information, QStringLiteral("Bravo, Exercice réussi!"));
    select(p - 1, WebmasterAddressLength + 1);
    expectBoardBack();
    expectRecorded();
}

TEST_F(InformationOriginExercise, ALineBreakCountsTwoCharacters)
{
    start();
    findAllClues();
    giveRightDate();
    openLegalPage();
    const int p = addressPosition();
    // The address ends its line and an empty line follows: the address and both
    // breaks make L + 4 stored characters (accepted); one character more, L + 5.
    const QTextBlock line = legalText()->document()->findBlock(p);
    ASSERT_EQ(line.text().mid(p - line.position()), WebmasterAddress);
    ASSERT_TRUE(line.next().text().isEmpty());
    select(p, WebmasterAddressLength + 3);
    EXPECT_TRUE(window());
    boxes.expect(Kind::Information, QStringLiteral("Bravo, Exercice réussi!"));
    select(p, WebmasterAddressLength + 2);
    expectRecorded();
}

TEST_F(InformationOriginExercise, SelectingWithTheMouseEndsTheExerciseMidDrag)
{
    start();
    findAllClues();
    giveRightDate();
    openLegalPage();
    QTextEdit *text = legalText();
    QTextCursor c(text->document());
    c.setPosition(addressPosition());
    const QPoint from = text->viewport()->mapTo(window(), text->cursorRect(c).center());
    c.setPosition(addressPosition() + WebmasterAddressLength);
    const QPoint to = text->viewport()->mapTo(window(), text->cursorRect(c).center());
    boxes.expect(Kind::Information, QStringLiteral("Bravo, Exercice réussi!"));
    robot.press(from);
    robot.moveTo(to);
    robot.moveTo(to + QPoint(2, 0));   // the window is gone: nothing more happens
    robot.release(to);
    expectBoardBack();
    expectRecorded();
    EXPECT_EQ(boxes.count(), 7);
}

TEST_F(InformationOriginExercise, AbandonAndCloseBringTheBoardBack)
{
    start();
    findClue(0);
    robot.click(QStringLiteral("BitBtn20"));
    expectBoardBack();
    expectNothingRecorded();
    start();
    findAllClues();
    robot.closeWindow();
    expectBoardBack();
    expectNothingRecorded();
}

TEST(LegalNoticeText, HoldsItsHeadingsTermsAndTheAddressAtItsOffset)
{
    EXPECT_EQ(LegalNotice::headings().size(), 14);
    EXPECT_EQ(WebmasterAddress.size(), WebmasterAddressLength);
    const QString stored = LegalNotice::storedText();
    EXPECT_EQ(stored.mid(LegalNotice::webmasterOffset(), WebmasterAddressLength), WebmasterAddress);
    EXPECT_EQ(stored.mid(LegalNotice::webmasterOffset() - 21, 21), QStringLiteral("Contact webmestres : "));
    for (const QString &h : LegalNotice::headings())
        EXPECT_TRUE(LegalNotice::lines().contains(h)) << h.toStdString();
    for (const QString &t : LegalNotice::linkTerms())
        EXPECT_TRUE(stored.contains(t)) << t.toStdString();
    EXPECT_GE(LegalNotice::lines().size(), 80);
}
}

namespace {
TEST(MinistrySite, TheNewestArticleIsTheDateTheQuestionExpects)
{
    // The home page lists its articles newest first; the first is dated 5 September 2008.
    const QDate newest(Articles[0].year, Articles[0].month, Articles[0].day);
    EXPECT_EQ(newest, QDate(2008, 9, 5));
    for (const Article &a : Articles)
        EXPECT_LE(QDate(a.year, a.month, a.day), newest) << a.title;
    EXPECT_EQ(DayAnswer + QLatin1Char('/') + MonthAnswer + QLatin1Char('/') + YearAnswer, QStringLiteral("5/9/2008"));
    EXPECT_TRUE(SiteUrl.contains(QStringLiteral(".gouv.")));
}
}
