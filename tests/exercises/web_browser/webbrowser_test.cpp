// The browser exercise (competence 4.2), played by the pupil robot from the launch.
#include "support/pupilmenus.h"
#include "support/exercisefixture.h"

#include "exercises/domain4/web_browser/browsermenu.h"
#include "exercises/domain4/web_browser/layout.h"
#include "exercises/domain4/web_browser/u22v3.h"
#include "exercises/domain4/web_browser/u22v3b.h"
#include "exercises/domain4/web_browser/u22v3c.h"
#include "exercises/domain4/web_browser/u22v3d.h"
#include "widgets/spinedit.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

using namespace WebBrowserLayout;
using BrowserMenu::Item;
using MessageBox::Kind;

namespace {

class WebBrowserExercise : public ExerciseFixture
{
protected:
    WebBrowserExercise() : ExerciseFixture(Competence) {}

    BrowserScreen *current() const { return qobject_cast<BrowserScreen *>(PupilRobot::topWindow()); }

    // Aims the robot at the page area of the window now showing (the layout's coordinates).
    BrowserScreen *aim(int window)
    {
        BrowserScreen *w = current();
        EXPECT_TRUE(w) << "no browser window is showing";
        if (!w)
            return nullptr;
        EXPECT_EQ(w->windowNumber(), window);
        robot.setWindow(w->page());
        return w;
    }

    void choose(Item item)
    {
        BrowserScreen *w = current();
        ASSERT_TRUE(w);
        QAction *a = BrowserMenu::action(w->menuBar(), item);
        ASSERT_TRUE(a) << "no menu item " << int(item) << " in window " << w->windowNumber();
        PupilMenus::choose(w, a);
        QApplication::processEvents();
    }

    QString instruction() const { return labelText(current(), QStringLiteral("consigne3")); }

    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        BrowserScreen *w = current();
        return w ? w->findChild<T *>(name) : nullptr;
    }

    void typeAddress(const QString &text)
    {
        auto *edit = control<QLineEdit>(QStringLiteral("Edit1"));
        ASSERT_TRUE(edit);
        edit->selectAll();
        robot.type(text, edit);
        robot.key(Qt::Key_Return, Qt::NoModifier, edit);
    }

    // Window 1, steps 1 to 4, done right.
    void playWindow1()
    {
        aim(1);
        typeAddress(LibraryAddress);
        choose(Item::BookmarkPage);
        choose(Item::NewTab);
        choose(Item::GoHistory);
    }
    void answerKey(const QString &key)
    {
        auto *edit = control<QLineEdit>(QStringLiteral("Edit1"));
        ASSERT_TRUE(edit);
        edit->selectAll();
        robot.type(key, edit);
        robot.click(QStringLiteral("Button1"));
    }
    void playWindow2()
    {
        aim(2);
        robot.click(HistoryYesterday.adjusted(5, 0, 0, 0).center());
        robot.click(HistoryTownEntry.center());
        robot.click(HistoryLibraryTab.center());
        answerKey(QStringLiteral("F11"));
    }
    void playWindow3()
    {
        aim(3);
        choose(Item::Options);
        robot.click(OptionsUseCurrentPage.center());
        robot.click(OptionsOk.center());
        choose(Item::Options);
        robot.click(OptionsCategory[2].center());
        robot.click(OptionsBlockPopups.center());
        robot.click(OptionsOk.center());
        robot.click(SidePanelClose.center());
    }
    void playWindow4UpToPrint()
    {
        aim(4);
        choose(Item::TextLarger);
        for (const QRect &button : {BackButton, HomeButton, ReloadButton, StopButton})
            robot.click(button.center());
        choose(Item::PageSource);
        robot.click(SourceClose.center());
        choose(Item::Print);
    }
    void setCopies(const QString &text)
    {
        auto *copies = control<SpinEdit>(QStringLiteral("Edit1"));
        ASSERT_TRUE(copies);
        copies->edit()->selectAll();
        robot.type(text, copies->edit());
    }
};

TEST_F(WebBrowserExercise, PerfectRunRecordsTheCompetence)
{
    launch();
    EXPECT_EQ(current()->objectName(), QStringLiteral("Texercice22v3"));
    EXPECT_EQ(current()->windowTitle(), QStringLiteral("Mozilla - Firefox "));
    EXPECT_EQ(instruction(), QStringLiteral("1:Saise et valide www.bnf.fr dans la barre d'adresse"));
    playWindow1();
    EXPECT_EQ(instruction(), QStringLiteral("4:Consulte les pages Webs visitées hier et clique sur le site de Quimbel"));
    playWindow2();
    EXPECT_EQ(instruction(), QStringLiteral("7:Mets cette page en page d'accueil"));
    playWindow3();
    EXPECT_EQ(instruction(), QStringLiteral("10:Augmente la taille du texte de ce site"));
    playWindow4UpToPrint();
    EXPECT_EQ(instruction(), QStringLiteral("17:Imprime en 2 exemplaires cette page Internet"));
    setCopies(QStringLiteral("2"));
    boxes.expect(Kind::Information, QStringLiteral("Bravo, Exercice réussi!"));
    robot.click(PrintOk.center());
    expectBoardBack();
    expectRecorded();
    EXPECT_EQ(boxes.count(), 1) << "a perfect run shows no other box";
}

TEST_F(WebBrowserExercise, WindowOneStepsMoveTheMarkersAndInstructions)
{
    launch();
    aim(1);
    auto marker = [this](int shape) { return control<QFrame>(QStringLiteral("Shape%1").arg(shape))->styleSheet(); };
    const QString white = marker(2);
    typeAddress(QStringLiteral("WWW.BNF.FR"));   // capitals are accepted
    EXPECT_EQ(instruction(), QStringLiteral("2:Mets cette page dans les favoris"));
    EXPECT_NE(marker(2), white);
    EXPECT_EQ(marker(3), white);
    EXPECT_FALSE(control(QStringLiteral("Edit1"))->isVisible());
    EXPECT_FALSE(control(QStringLiteral("Edit2"))->isVisible());
    EXPECT_TRUE(control(QStringLiteral("Image2"))->isVisible());

    QAction *bookmark = BrowserMenu::action(current()->menuBar(), Item::LibraryBookmark);
    EXPECT_FALSE(bookmark->isVisible());
    choose(Item::BookmarkPage);
    EXPECT_TRUE(bookmark->isVisible());
    EXPECT_EQ(bookmark->text(), LibraryAddress);
    EXPECT_EQ(instruction(), QStringLiteral("3:Crée un nouvel onglet"));
    choose(Item::NewTab);
    EXPECT_EQ(instruction(), QStringLiteral("4:Consulte les pages webs visitées hier et clique sur le site de Quimbel "));
    EXPECT_TRUE(control(QStringLiteral("Image3"))->isVisible());
    EXPECT_EQ(marker(5), white);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(WebBrowserExercise, TheMenusWorkWithTheMouse)
{
    launch();
    aim(1);
    typeAddress(LibraryAddress);
    // Click the menu title, then the item in the menu that opens.
    QMenuBar *bar = current()->menuBar();
    QAction *title = nullptr;
    for (QAction *a : bar->actions())
        if (a->text() == QStringLiteral("Marques-pages"))
            title = a;
    ASSERT_TRUE(title);
    PupilRobot(bar).click(bar->actionGeometry(title).center());
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu) << "the menu did not open";
    QAction *item = BrowserMenu::action(bar, Item::BookmarkPage);
    PupilRobot(menu).click(menu->actionGeometry(item).center());
    EXPECT_EQ(current()->step(), 3);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(WebBrowserExercise, WrongAddressesAreRefusedAndCounted)
{
    launch();
    aim(1);
    for (const QString &wrong : {QStringLiteral("http://www.bnf.fr"), QStringLiteral("www.bnf.fr/"),
                                 QStringLiteral(" www.bnf.fr"), QStringLiteral("www.bnf.fr ")}) {
        boxes.expect(Kind::Error, QStringLiteral("Erreur de saisie !"));
        typeAddress(wrong);
        EXPECT_EQ(current()->step(), 1) << wrong.toStdString();
        EXPECT_EQ(control<QLineEdit>(QStringLiteral("Edit1"))->text(), wrong) << "the field keeps its text";
    }
    // Other keys only edit: no check before Enter.
    auto *edit = control<QLineEdit>(QStringLiteral("Edit1"));
    edit->clear();
    robot.type(QStringLiteral("www.b"), edit);
    EXPECT_EQ(boxes.count(), 4);
    // Corrected, the pupil goes on; the four errors fail the exercise at the end.
    typeAddress(LibraryAddress);
    EXPECT_EQ(current()->step(), 2);
}

TEST_F(WebBrowserExercise, TypingInTheSearchBoxesCountsAndEmptiesThem)
{
    launch();
    aim(1);
    auto *query = control<QLineEdit>(QStringLiteral("Edit2"));
    auto *toolbar = control<QLineEdit>(QStringLiteral("Edit3"));
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    robot.type(QStringLiteral("b"), query);
    EXPECT_TRUE(query->text().isEmpty());
    EXPECT_TRUE(toolbar->text().isEmpty());
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    robot.type(QStringLiteral("x"), toolbar);
    EXPECT_TRUE(query->text().isEmpty());
    EXPECT_TRUE(toolbar->text().isEmpty());
    EXPECT_EQ(boxes.count(), 2) << "emptying the boxes must not count again";
}

TEST_F(WebBrowserExercise, AStepItemOutOfTurnIsAWrongRouteAndTheStepStays)
{
    launch();
    aim(1);
    typeAddress(LibraryAddress);
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    choose(Item::GoHistory);   // before the new tab
    EXPECT_EQ(current()->windowNumber(), 1);
    EXPECT_EQ(current()->step(), 2);
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    choose(Item::NewTab);      // before the bookmark
    EXPECT_EQ(current()->step(), 2);
    // Inert items do nothing at all; F11 does nothing in the first windows.
    choose(Item::Print);
    choose(Item::Options);
    robot.key(Qt::Key_F11, Qt::NoModifier, current());
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_EQ(BrowserMenu::action(current()->menuBar(), Item::FullScreen)->text(), QStringLiteral("Plein écran "));
}

TEST_F(WebBrowserExercise, OneWrongRouteAnywhereFailsAtTheEnd)
{
    launch();
    playWindow1();
    aim(2);
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    choose(Item::SaveAs);
    playWindow2();
    playWindow3();
    playWindow4UpToPrint();
    setCopies(QStringLiteral("2"));
    QString labelDuringBox;
    boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !"))
        .onNext([&](const MessageBox::Box &) { labelDuringBox = instruction(); });
    robot.click(PrintOk.center());
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 1 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(WebBrowserExercise, TheFullScreenKeyIsJudgedExactly)
{
    launch();
    playWindow1();
    aim(2);
    robot.click(HistoryYesterday.adjusted(5, 0, 0, 0).center());
    robot.click(HistoryTownEntry.center());
    robot.click(HistoryLibraryTab.center());
    EXPECT_EQ(instruction(), QStringLiteral("6:Quel raccourci clavier permet d'obtenir la page en plein écran"));
    for (const QString &wrong : {QStringLiteral("F 11"), QStringLiteral(" F11"), QStringLiteral("F11 "), QStringLiteral("?")}) {
        boxes.expect(Kind::Error, QStringLiteral("Ce n'est pas la bonne touche !"));
        answerKey(wrong);
        EXPECT_EQ(current()->windowNumber(), 2);
    }
    answerKey(QStringLiteral("f11"));
    EXPECT_EQ(current()->windowNumber(), 3);
}

TEST_F(WebBrowserExercise, HistoryHotSpotsAreRevealedInOrderAndCountOnce)
{
    launch();
    playWindow1();
    aim(2);
    // The town entry and the library tab do not react before their turn.
    robot.click(HistoryTownEntry.center());
    robot.click(HistoryLibraryTab.center());
    EXPECT_EQ(current()->step(), 4);
    EXPECT_TRUE(control(QStringLiteral("Image1"))->isVisible());
    robot.click(HistoryYesterday.adjusted(5, 0, 0, 0).center());
    EXPECT_TRUE(control(QStringLiteral("Image2"))->isVisible());
    robot.click(HistoryYesterday.adjusted(5, 0, 0, 0).center());   // disabled once clicked
    robot.click(HistoryTownEntry.center());
    EXPECT_EQ(instruction(), QStringLiteral("5:Repasse sur le site de la Bnf"));
    EXPECT_TRUE(control(QStringLiteral("Image3"))->isVisible());
    EXPECT_FALSE(control(QStringLiteral("Shape1"))->isVisible());
    robot.click(HistoryLibraryTab.center());
    EXPECT_TRUE(control(QStringLiteral("Image4"))->isVisible());
    EXPECT_TRUE(control(QStringLiteral("Shape1"))->isVisible());
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("?"));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(WebBrowserExercise, OptionsDialogBodyCountsAndIconsNever)
{
    launch();
    playWindow1();
    playWindow2();
    aim(3);
    choose(Item::Options);
    EXPECT_TRUE(control(QStringLiteral("Image2"))->isVisible());
    for (int i = 5; i >= 0; --i) {
        robot.click(OptionsCategory[i].center());
        EXPECT_TRUE(control(QStringLiteral("Image%1").arg(i + 2))->isVisible()) << i;
    }
    EXPECT_EQ(boxes.count(), 0);
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    robot.click(OptionsBody.topLeft() + QPoint(20, 200));
    // The home-page button and OK finish step 7.
    robot.click(OptionsUseCurrentPage.center());
    EXPECT_TRUE(control(QStringLiteral("Edit1"))->isVisible());
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Edit1"))->text(), LibraryUrl);
    // Another panel hides the new home page and OK; the general panel's icon alone does not.
    robot.click(OptionsCategory[0].center());
    EXPECT_TRUE(control(QStringLiteral("Edit1"))->isVisible());
    robot.click(OptionsCategory[3].center());
    EXPECT_FALSE(control(QStringLiteral("Edit1"))->isVisible());
    EXPECT_FALSE(control(QStringLiteral("zs9"))->isVisible());
    robot.click(OptionsCategory[0].center());
    robot.click(OptionsUseCurrentPage.center());
    robot.click(OptionsOk.center());
    EXPECT_EQ(instruction(), QStringLiteral("8:Bloquer toutes les fenêtres Popup "));
    EXPECT_FALSE(control(QStringLiteral("Image2"))->isVisible());
}

TEST_F(WebBrowserExercise, PopupOkShowsOnlyWhileTheBoxIsTicked)
{
    launch();
    playWindow1();
    playWindow2();
    aim(3);
    choose(Item::Options);
    robot.click(OptionsUseCurrentPage.center());
    robot.click(OptionsOk.center());
    choose(Item::Options);
    // At step 8 the general panel shows the new home page, its button and no way to skip the step.
    EXPECT_TRUE(control(QStringLiteral("Edit1"))->isVisible());
    EXPECT_TRUE(control(QStringLiteral("zs7"))->isVisible());
    EXPECT_FALSE(control(QStringLiteral("zs9"))->isVisible());
    robot.click(OptionsUseCurrentPage.center());   // again: harmless, and still no OK
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_FALSE(control(QStringLiteral("zs9"))->isVisible());
    robot.click(OptionsCategory[2].center());
    auto *box = control<QCheckBox>(QStringLiteral("CheckBox1"));
    ASSERT_TRUE(box->isVisible());
    EXPECT_FALSE(control(QStringLiteral("zs9"))->isVisible());
    robot.click(OptionsBlockPopups.center());
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(control(QStringLiteral("zs9"))->isVisible());
    robot.click(OptionsBlockPopups.center());
    EXPECT_FALSE(control(QStringLiteral("zs9"))->isVisible());
    robot.click(OptionsOk.center());   // hidden: nothing happens
    EXPECT_EQ(current()->step(), 8);
    robot.click(OptionsBlockPopups.center());
    // Leaving for another panel and coming back keeps the box ticked.
    robot.click(OptionsCategory[1].center());
    EXPECT_FALSE(box->isVisible());
    robot.click(OptionsCategory[2].center());
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(control(QStringLiteral("zs9"))->isVisible());
    robot.click(OptionsOk.center());
    EXPECT_EQ(instruction(), QStringLiteral("9:Fermer le panneau Historique"));
    EXPECT_TRUE(control(QStringLiteral("zs11"))->isVisible());
    // Options is a wrong route now; the side panel's history item (Ctrl+H) closes it.
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    choose(Item::Options);
    robot.key(Qt::Key_H, Qt::ControlModifier, current());
    EXPECT_EQ(current()->windowNumber(), 4);
}

TEST_F(WebBrowserExercise, SettingTheHomePageAgainAtStepEightStillSucceeds)
{
    launch();
    playWindow1();
    playWindow2();
    aim(3);
    choose(Item::Options);
    robot.click(OptionsUseCurrentPage.center());
    robot.click(OptionsUseCurrentPage.center());
    robot.click(OptionsOk.center());
    choose(Item::Options);
    robot.click(OptionsUseCurrentPage.center());   // the pupil makes sure of it
    robot.click(OptionsCategory[2].center());
    robot.click(OptionsBlockPopups.center());
    robot.click(OptionsCategory[0].center());
    robot.click(OptionsUseCurrentPage.center());   // once the box is ticked, OK is there
    EXPECT_TRUE(control(QStringLiteral("zs9"))->isVisible());
    robot.click(OptionsOk.center());
    robot.click(SidePanelClose.center());
    playWindow4UpToPrint();
    setCopies(QStringLiteral("2"));
    boxes.expect(Kind::Information, QStringLiteral("Bravo, Exercice réussi!"));
    robot.click(PrintOk.center());
    expectBoardBack();
    expectRecorded();
}

TEST_F(WebBrowserExercise, FullScreenIsAWrongRouteInTheLastWindows)
{
    launch();
    playWindow1();
    playWindow2();
    aim(3);
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    robot.key(Qt::Key_F11, Qt::NoModifier, current());
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    choose(Item::SidePanelHistory);   // before step 9
    EXPECT_EQ(current()->windowNumber(), 3);
    EXPECT_TRUE(BrowserMenu::action(current()->menuBar(), Item::StatusBar)->isChecked());
}

TEST_F(WebBrowserExercise, WrongCopiesAreRefusedWithoutCounting)
{
    launch();
    playWindow1();
    playWindow2();
    playWindow3();
    playWindow4UpToPrint();
    auto *copies = control<SpinEdit>(QStringLiteral("Edit1"));
    ASSERT_TRUE(copies);
    EXPECT_EQ(copies->text(), QStringLiteral("1"));
    robot.click(copies->upButton());
    robot.click(copies->upButton());
    EXPECT_EQ(copies->text(), QStringLiteral("3"));
    boxes.expect(Kind::Information, QStringLiteral("Erreur, Relis bien la consigne!"));
    robot.click(PrintOk.center());
    for (const QString &wrong : {QStringLiteral("02"), QStringLiteral(" 2"), QStringLiteral("2 ")}) {
        setCopies(wrong);
        boxes.expect(Kind::Information, QStringLiteral("Erreur, Relis bien la consigne!"));
        robot.click(PrintOk.center());
        EXPECT_EQ(current()->windowNumber(), 4);
    }
    setCopies(QStringLiteral("2"));
    boxes.expect(Kind::Information, QStringLiteral("Bravo, Exercice réussi!"));
    robot.click(PrintOk.center());
    expectBoardBack();
    expectRecorded();
}

TEST_F(WebBrowserExercise, AbandonAtEachWindowBringsTheBoardBack)
{
    for (int window = 1; window <= 4; ++window) {
        SCOPED_TRACE(window);
        launch();
        if (window > 1)
            playWindow1();
        if (window > 2)
            playWindow2();
        if (window > 3)
            playWindow3();
        BrowserScreen *w = aim(window);
        ASSERT_TRUE(w);
        QPointer<QWidget> abandon = w->findChild<QWidget *>(QStringLiteral("BitBtn20"));
        ASSERT_TRUE(abandon);
        PupilRobot windowRobot(w);
        windowRobot.click(abandon.data());
        expectBoardBack();
        expectNothingRecorded();
    }
}

TEST_F(WebBrowserExercise, TheCloseBoxAtEachWindowBringsTheBoardBack)
{
    for (int window = 1; window <= 4; ++window) {
        SCOPED_TRACE(window);
        launch();
        if (window > 1)
            playWindow1();
        if (window > 2)
            playWindow2();
        if (window > 3)
            playWindow3();
        BrowserScreen *w = aim(window);
        ASSERT_TRUE(w);
        PupilRobot(w).closeWindow();
        expectBoardBack();
        expectNothingRecorded();
    }
}

TEST_F(WebBrowserExercise, ANewLaunchStartsAfresh)
{
    launch();
    playWindow1();
    aim(2);
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    choose(Item::Undo);
    PupilRobot(current()).closeWindow();
    expectBoardBack();
    launch();
    aim(1);
    EXPECT_EQ(current()->step(), 1);
    EXPECT_FALSE(BrowserMenu::action(current()->menuBar(), Item::LibraryBookmark)->isVisible());
    playWindow1();
    playWindow2();
    playWindow3();
    playWindow4UpToPrint();
    setCopies(QStringLiteral("2"));
    boxes.expect(Kind::Information, QStringLiteral("Bravo, Exercice réussi!"));
    robot.click(PrintOk.center());
    expectRecorded();
}

TEST(WebBrowserMenus, EveryItemOfEveryWindowHasItsRole)
{
    // Every item outside a window's table is a wrong route; step items only in turn.
    EXPECT_EQ(BrowserMenu::roleOf(1, Item::NewTab, 3), BrowserMenu::Role::Step);
    EXPECT_EQ(BrowserMenu::roleOf(1, Item::NewTab, 2), BrowserMenu::Role::Wrong);
    EXPECT_EQ(BrowserMenu::roleOf(2, Item::Close, 5), BrowserMenu::Role::Inert);
    EXPECT_EQ(BrowserMenu::roleOf(1, Item::Close, 2), BrowserMenu::Role::Wrong);
    EXPECT_EQ(BrowserMenu::roleOf(3, Item::Options, 8), BrowserMenu::Role::Step);
    EXPECT_EQ(BrowserMenu::roleOf(3, Item::Options, 9), BrowserMenu::Role::Wrong);
    EXPECT_EQ(BrowserMenu::roleOf(3, Item::FullScreen, 7), BrowserMenu::Role::Wrong);
    EXPECT_EQ(BrowserMenu::roleOf(3, Item::GoHistory, 9), BrowserMenu::Role::Wrong);
    EXPECT_EQ(BrowserMenu::roleOf(4, Item::TextNormal, 12), BrowserMenu::Role::Inert);
    EXPECT_EQ(BrowserMenu::roleOf(4, Item::TextSmaller, 10), BrowserMenu::Role::Wrong);
    EXPECT_EQ(BrowserMenu::roleOf(4, Item::Print, 16), BrowserMenu::Role::Wrong);
}
}
