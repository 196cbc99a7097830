// The prudence exercise (competence 2.5), its five windows played by the pupil robot.
#include "support/pupilmenus.h"
#include "support/exercisefixture.h"

#include "exercises/domain2/prudence/layout.h"
#include "exercises/domain2/prudence/u11v3.h"
#include "exercises/domain2/prudence/u11v3b.h"
#include "exercises/domain2/prudence/u11v3c.h"
#include "exercises/domain2/prudence/u11v3d.h"
#include "exercises/domain2/prudence/u11v3e.h"
#include "pictures/tray.h"
#include "records/clock.h"
#include "shell/exercise/exercisesession.h"
#include "support/standinboard.h"
#include "widgets/disc.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"
#include "widgets/spinedit.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

using namespace PrudenceLayout;
using MessageBox::Kind;
using Item = Texercice11v3e::Item;

namespace {

const QDate Today(2026, 12, 9);

class PrudenceExercise : public ExerciseFixture
{
protected:
    PrudenceExercise() : ExerciseFixture(Competence) {}
    void SetUp() override
    {
        Clock::setFixedDate(Today);
        ExerciseFixture::SetUp();
    }
    void TearDown() override
    {
        ExerciseFixture::TearDown();
        Clock::setFixedDate(QDate());
    }

    template <class W>
    W *showing()
    {
        QApplication::processEvents();
        auto *w = qobject_cast<W *>(PupilRobot::topWindow());
        EXPECT_TRUE(w) << "expected " << W::staticMetaObject.className();
        robot.setWindow(w);
        return w;
    }

    // ---- window 1
    void pair(int term, int definition)
    {
        robot.click(termCheck(term).center());
        robot.click(definitionCheck(definition).center());
    }
    static int rightDefinitionOf(int term)
    {
        for (int j = 8; j <= 14; ++j)
            if (Definitions[j - 8].rightTerm == term)
                return j;
        return -1;
    }
    void matchAll()
    {
        launch();
        showing<Texercice11v3>();
        boxes.expect(Kind::Information, MatchSuccess);
        for (int k = 1; k <= 7; ++k)
            pair(k, rightDefinitionOf(k));
        EXPECT_EQ(boxes.count(), 1);
        boxes.clear();
    }

    // ---- window 2
    static void stepTo(PupilRobot &robot, SpinEdit *field, int value)
    {
        const int from = field->text().toInt();
        for (int i = from; i < value; ++i)
            robot.click(field->upButton());
        for (int i = from; i > value; --i)
            robot.click(field->downButton());
        EXPECT_EQ(field->text(), QString::number(value));
    }
    void enterDate(Texercice11v3b *w, int day, int month, int year)
    {
        stepTo(robot, w->Edit1, day);
        stepTo(robot, w->Edit2, month);
        stepTo(robot, w->Edit3, year);
        robot.click(w->Button3);
    }
    void enterHour(Texercice11v3b *w, int hour, int minute)
    {
        stepTo(robot, w->Edit4, hour);
        stepTo(robot, w->Edit5, minute);
        robot.click(w->Button4);
    }
    QPoint zone2(int n) const { return Tray::zone(n).translated(TrayArea2.topLeft()).center(); }
    void chooseAntivirusItem(Texercice11v3b *w, const QString &caption)
    {
        EXPECT_EQ(robot.widgetAt(zone2(AntivirusZone)), w->zones[AntivirusZone - 1]);
        robot.rightClick(zone2(AntivirusZone));
        EXPECT_TRUE(w->PopupMenu1->isVisible());
        PupilMenus::chooseInPopup({caption});
    }
    void playAntivirus()
    {
        auto *w = showing<Texercice11v3b>();
        robot.click(w->Button1);
        enterDate(w, Today.day(), Today.month(), Today.year());
        chooseAntivirusItem(w, QStringLiteral("Configuration"));
        enterHour(w, UpdateHour, UpdateMinute);
    }

    // ---- window 3
    void playFirewall()
    {
        auto *w = showing<Texercice11v3c>();
        robot.click(StartButtonZone.center());
        robot.click(ControlPanelEntry.center());
        robot.click(SecurityCentreEntry.center());
        robot.click(w->Button1);
    }

    // ---- window 4
    void answerDocument(Texercice11v3d *w, const QString &kind)
    {
        const QList<QListWidgetItem *> found = w->ListBox1->findItems(kind, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        const QRect r = w->ListBox1->visualItemRect(found[0]);
        robot.click(w->ListBox1->viewport()->mapTo(w, r.center()));
        robot.click(w->Button1);
    }
    void playDocuments()
    {
        auto *w = showing<Texercice11v3d>();
        answerDocument(w, QStringLiteral("Hoax"));
        answerDocument(w, QStringLiteral("Spam"));
    }

    // ---- window 5: coordinates are those of the page under the menu bar
    Texercice11v3e *aimBrowser()
    {
        auto *w = showing<Texercice11v3e>();
        if (w)
            robot.setWindow(w->client());
        return w;
    }
    void choose(Texercice11v3e *w, Item item)
    {
        PupilMenus::choose(w, w->menuAction(item));
        QApplication::processEvents();
    }
    void openCookies(Texercice11v3e *w)
    {
        robot.click(w->Button1);
        robot.press(Padlock.center());
        robot.release(Padlock.center());
        choose(w, Item::Options);
        robot.click(optionsCategory(1).center());
        robot.click(CookiesTab.center());
    }
};

}

TEST_F(PrudenceExercise, ThePerfectRunRecordsTheCompetence)
{
    matchAll();
    playAntivirus();
    playFirewall();
    playDocuments();
    Texercice11v3e *w = aimBrowser();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), BrowserCaption);
    // Titled, yet centred like the borderless windows.
    const QPoint offCentre = w->frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
    openCookies(w);
    EXPECT_EQ(robot.widgetAt(AllowCookies.center()), w->CheckBox1);
    EXPECT_TRUE(w->CheckBox1->isChecked());
    QString label;
    boxes.expect(Kind::Information, CommonTexts::SuccessBox).onNext([&](const MessageBox::Box &) {
        label = w->consigne3->text();
    });
    robot.click(AllowCookies.center());
    EXPECT_EQ(label, CommonTexts::SuccessLabel);
    expectBoardBack();
    expectRecorded();
}

// ---- window 1 ------------------------------------------------------------------------

TEST_F(PrudenceExercise, ARightPairDrawsAGreenLineAndTheColumnsTakeTurns)
{
    launch();
    auto *w = showing<Texercice11v3>();
    EXPECT_EQ(w->Label2->text(), MatchInstruction);
    EXPECT_EQ(w->Shape1->colour(), QColor(0, 255, 0));
    EXPECT_FALSE(w->r[7]->isEnabled()) << "the definitions wait for a word";
    robot.click(termCheck(1).center());   // "Spam"
    EXPECT_FALSE(w->r[0]->isEnabled());
    EXPECT_FALSE(w->r[1]->isEnabled()) << "the words wait for a definition";
    EXPECT_TRUE(w->r[11]->isEnabled());
    EXPECT_EQ(w->Shape2->colour(), QColor(0, 255, 0));
    EXPECT_EQ(w->Shape1->colour(), QColor(Qt::white));
    robot.click(definitionCheck(12).center());   // unsolicited mail
    ASSERT_EQ(w->lines().size(), 1);
    EXPECT_EQ(w->lines()[0].line, QLine(QPoint(214, 115), QPoint(303, 315)));
    EXPECT_EQ(w->lines()[0].colour, QColor(0, 170, 0));
    // The line is on the window, and stays after a repaint.
    w->repaint();
    const QColor mid = w->grab().toImage().pixelColor(QPoint(258, 215));
    EXPECT_TRUE(mid.green() > 120 && mid.red() < 80) << mid.name().toStdString();
    // Ticked boxes stay ticked and dead; the other words open again.
    EXPECT_TRUE(w->r[0]->isChecked());
    robot.click(termCheck(1).center());
    EXPECT_TRUE(w->r[0]->isChecked());
    EXPECT_TRUE(w->r[1]->isEnabled());
    EXPECT_FALSE(w->r[11]->isEnabled());
    EXPECT_EQ(w->pairsMade(), 1);
}

TEST_F(PrudenceExercise, TwoSwappedPairsFailTheMatchingWithTwoErrors)
{
    launch();
    auto *w = showing<Texercice11v3>();
    for (int k = 1; k <= 5; ++k)
        pair(k, rightDefinitionOf(k));
    pair(6, rightDefinitionOf(7));
    EXPECT_EQ(w->lines().last().colour, QColor(230, 0, 0));
    EXPECT_EQ(boxes.count(), 0) << "a wrong pair is only a red line";
    QString label;
    boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([&](const MessageBox::Box &) { label = w->Label2->text(); });
    pair(7, rightDefinitionOf(6));
    EXPECT_EQ(label, QStringLiteral("Il faudra recommencer : 2 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

// ---- window 2 ------------------------------------------------------------------------

TEST_F(PrudenceExercise, TheTooltipsShowTodayAndTheAntivirusDateIsJudgedByItsNumbers)
{
    matchAll();
    auto *w = showing<Texercice11v3b>();
    EXPECT_EQ(errors(), 0);
    EXPECT_EQ(w->zones[AntivirusZone - 1]->toolTip(),
              QStringLiteral("Kaspersky antivirus (6.0.1)\nDate des signatures :09/12/2026\n"));
    EXPECT_EQ(w->zones[ClockZone - 1]->toolTip(), QStringLiteral("Mercredi 09/12/2026"));
    EXPECT_EQ(w->zones[6]->toolTip(), QStringLiteral("volume"));
    // Each icon of the picture lies under its zone.
    for (int n = 1; n <= 15; ++n)
        EXPECT_EQ(robot.widgetAt(zone2(n)), w->zones[n - 1]) << n;

    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(w->Button2);
    EXPECT_EQ(errors(), 1);
    robot.click(w->Button1);
    ASSERT_EQ(w->step(), Texercice11v3b::Step::Date);
    EXPECT_TRUE(w->GroupBox1->isVisible());
    EXPECT_FALSE(w->Button1->isVisible());
    EXPECT_EQ(w->Label2->text(), DateInstruction);
    EXPECT_EQ(w->Edit3->text(), QStringLiteral("2008"));
    // One day off; then the month and day swapped (a day-first date read month-first
    // would be another day); then a day that does not exist.
    for (auto [day, month] : {std::pair{8, 12}, std::pair{12, 9}, std::pair{31, 2}}) {
        boxes.expect(Kind::Error, WrongDate);
        enterDate(w, day, month, 2026);
        EXPECT_EQ(w->step(), Texercice11v3b::Step::Date) << day << "/" << month;
    }
    EXPECT_EQ(errors(), 4);
    enterDate(w, 9, 12, 2026);
    EXPECT_EQ(w->step(), Texercice11v3b::Step::Hour);
    EXPECT_FALSE(w->GroupBox1->isVisible());
    EXPECT_TRUE(w->GroupBox2->isVisible());
    EXPECT_EQ(w->Label2->text(), HourInstruction);
}

TEST_F(PrudenceExercise, TheAntivirusMenuCostsNothingBeforeTheHourAndOneErrorIn)
{
    matchAll();
    auto *w = showing<Texercice11v3b>();
    chooseAntivirusItem(w, QStringLiteral("Recherche de virus"));
    chooseAntivirusItem(w, QStringLiteral("Configuration"));
    EXPECT_FALSE(w->Image3->isVisible());
    robot.click(w->Button1);
    chooseAntivirusItem(w, QStringLiteral("Quitter"));
    EXPECT_EQ(errors(), 0);
    EXPECT_EQ(boxes.count(), 0);
    enterDate(w, 9, 12, 2026);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    chooseAntivirusItem(w, QStringLiteral("Recherche de virus"));
    EXPECT_EQ(errors(), 1);
    chooseAntivirusItem(w, QStringLiteral("Configuration"));
    EXPECT_TRUE(w->Image3->isVisible());
    // The hour: 7 with 0 minutes only.
    boxes.expect(Kind::Error, WrongHour);
    enterHour(w, 7, 1);
    boxes.expect(Kind::Error, WrongHour);
    enterHour(w, 8, 0);
    EXPECT_EQ(errors(), 3);
    enterHour(w, 7, 0);
    showing<Texercice11v3c>();
    EXPECT_EQ(errors(), 3) << "the later windows keep the count";
}

// ---- windows 3 and 4 -----------------------------------------------------------------

TEST_F(PrudenceExercise, TheFirewallIsFoundThroughTheStartMenuAndTheControlPanel)
{
    matchAll();
    playAntivirus();
    auto *w = showing<Texercice11v3c>();
    EXPECT_EQ(w->consigne3->text(), FirewallLook);
    EXPECT_EQ(w->zones[0]->toolTip(), WirelessHint);
    EXPECT_TRUE(w->zones[1]->toolTip().isEmpty());
    EXPECT_NE(robot.widgetAt(ControlPanelEntry.center()), w->Shape2) << "no entry before the menu opens";
    robot.click(StartButtonZone.center());
    EXPECT_TRUE(w->Image2->isVisible());
    robot.click(StartButtonZone.center());   // the start button toggles its menu
    EXPECT_FALSE(w->Image2->isVisible());
    EXPECT_FALSE(w->Shape2->isVisible());
    robot.click(StartButtonZone.center());
    EXPECT_EQ(robot.widgetAt(ControlPanelEntry.center()), w->Shape2);
    robot.click(ControlPanelEntry.center());
    EXPECT_TRUE(w->Image3->isVisible());
    EXPECT_FALSE(w->Shape1->isVisible());
    EXPECT_EQ(robot.widgetAt(SecurityCentreEntry.center()), w->Shape3);
    robot.click(SecurityCentreEntry.center());
    EXPECT_TRUE(w->Image4->isVisible());
    EXPECT_EQ(w->consigne3->text(), FirewallQuestion);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(w->Button2);
    EXPECT_EQ(errors(), 1);
    robot.click(w->Button1);
    auto *d = showing<Texercice11v3d>();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->consigne3->text(), DocumentQuestion);
}

TEST_F(PrudenceExercise, SpamThenHoaxForTheFirstDocumentCostsOneErrorAndPasses)
{
    matchAll();
    playAntivirus();
    playFirewall();
    auto *w = showing<Texercice11v3d>();
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(w->Button1);   // nothing chosen
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    answerDocument(w, QStringLiteral("Spam"));
    EXPECT_EQ(w->documentIndex(), 1);
    answerDocument(w, QStringLiteral("Hoax"));
    EXPECT_EQ(w->documentIndex(), 2);
    EXPECT_FALSE(w->Image1->isVisible());
    EXPECT_TRUE(w->Image2->isVisible());
    answerDocument(w, QStringLiteral("Spam"));
    EXPECT_TRUE(showing<Texercice11v3e>());
    EXPECT_EQ(errors(), 2);
}

// ---- window 5 ------------------------------------------------------------------------

TEST_F(PrudenceExercise, TheBrowserCountsEarlyOptionsTheEditMenuAndTheDialogBody)
{
    matchAll();
    playAntivirus();
    playFirewall();
    playDocuments();
    Texercice11v3e *w = aimBrowser();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->consigne3->text(), SecureQuestion);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    choose(w, Item::Options);   // before "Oui"
    EXPECT_FALSE(w->pages[0]->isVisible());
    robot.click(w->Button1);
    EXPECT_EQ(w->consigne3->text(), QStringLiteral("Clique sur l'élément signifiant\n\"en Mode sécurisé\""));
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    choose(w, Item::Options);   // before the padlock
    EXPECT_EQ(errors(), 2);
    EXPECT_EQ(robot.widgetAt(Padlock.center()), w->zs9);
    robot.press(Padlock.center());
    robot.release(Padlock.center());
    EXPECT_EQ(w->consigne3->text(), CookiesInstruction);
    EXPECT_FALSE(w->zs9->isVisible());
    // Inert items cost nothing; other items and opening "Edition" cost one each.
    choose(w, Item::Print);
    choose(w, Item::FullScreen);
    EXPECT_EQ(errors(), 2);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    choose(w, Item::PageSource);
    QMenu *edit = w->menuBar()->findChild<QMenu *>(QStringLiteral("Edition1"));
    ASSERT_TRUE(edit);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    edit->popup(w->mapToGlobal(QPoint(60, 20)));
    QApplication::processEvents();
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(errors(), 4);

    choose(w, Item::Options);
    EXPECT_TRUE(w->pages[0]->isVisible());
    // The cookies tab is not live before the privacy page.
    EXPECT_NE(robot.widgetAt(CookiesTab.center()), w->zs7);
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(CookiesTab.center());   // the body of the first page
    robot.click(optionsCategory(2).center());
    EXPECT_TRUE(w->pages[3]->isVisible());
    EXPECT_FALSE(w->zs7->isVisible());
    robot.click(optionsCategory(1).center());
    EXPECT_TRUE(w->pages[2]->isVisible());
    EXPECT_FALSE(w->pages[3]->isVisible());
    EXPECT_EQ(robot.widgetAt(CookiesTab.center()), w->zs7);
    robot.click(CookiesTab.center());
    EXPECT_TRUE(w->Image8->isVisible());
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(CookiesPage.bottomRight() - QPoint(30, 30));   // on the sub-page picture
    robot.click(AllowCookiesCaption.center());                  // inert
    EXPECT_EQ(errors(), 6);
    // Any other page icon hides the sub-page and its box.
    robot.click(optionsCategory(0).center());
    EXPECT_FALSE(w->Image8->isVisible());
    EXPECT_FALSE(w->CheckBox1->isVisible());
}

TEST_F(PrudenceExercise, OneErrorAfterTheMatchingMakesTheLastClickFail)
{
    matchAll();
    auto *b = showing<Texercice11v3b>();
    boxes.expect(Kind::Error, CommonTexts::WrongWay);
    robot.click(b->Button2);
    robot.click(b->Button1);
    enterDate(b, 9, 12, 2026);
    chooseAntivirusItem(b, QStringLiteral("Configuration"));
    enterHour(b, 7, 0);
    playFirewall();
    playDocuments();
    Texercice11v3e *w = aimBrowser();
    ASSERT_TRUE(w);
    openCookies(w);
    QString label;
    boxes.expect(Kind::Error, CommonTexts::FailureBox).onNext([&](const MessageBox::Box &) { label = w->consigne3->text(); });
    robot.click(AllowCookies.center());
    EXPECT_EQ(label, QStringLiteral("Il faudra recommencer : 1 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(PrudenceExercise, AbandonAndCloseAtEveryWindowBringTheBoardBackUnchanged)
{
    for (int window = 1; window <= 5; ++window)
        for (int way = 0; way < 2; ++way) {
            if (window == 1)
                launch();
            else
                matchAll();
            if (window > 2)
                playAntivirus();
            if (window > 3)
                playFirewall();
            if (window > 4)
                playDocuments();
            QWidget *w = PupilRobot::topWindow();
            ASSERT_TRUE(w) << window;
            EXPECT_TRUE(w->objectName().startsWith(QStringLiteral("Texercice11v3"))) << window;
            robot.setWindow(w);
            if (way == 0)
                robot.click(qobject_cast<ExerciseScreen *>(w)->abandonButton());
            else
                robot.closeWindow();
            expectBoardBack();
            expectNothingRecorded();
            flushDeletes();
        }
}
