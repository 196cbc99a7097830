// Windows larger than the screen are shown scaled down as a whole, headless: the
// screen's available area is given by the test.
#include "support/pupilrobot.h"
#include "support/standinboard.h"
#include "support/scriptedmessages.h"
#include "support/tempdatafolder.h"

#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisescreen.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/windowplacement.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGraphicsView>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using WindowFit::fitIn;

// The largest exercise windows, and a browser window with its menu bar and title.
const QSize Widest(1008, 769);
const QSize Tallest(939, 815);
// The tallest exercise window of all: the desktop of the storage exercise.
constexpr int TallestExerciseHeight = 829;
const QSize TitledBrowser(936, 768 + WindowFit::TitleBarAllowance);

// A laptop of 1366 x 768 with a 40-pixel task bar; 1920 x 1080 at 125 %, in
// logical pixels, with its task bar.
const QRect Laptop(0, 0, 1366, 728);
const QRect FullHdAt125(0, 0, 1536, 832);
const QRect SchoolScreen(0, 0, 1280, 994);
const QRect Netbook(0, 0, 1024, 560);

QSize scaled(QSize frame, qreal scale) { return (QSizeF(frame) * scale).toSize(); }

TEST(WindowFitScale, WindowsThatFitKeepTheirSize)
{
    for (QSize frame : {Widest, Tallest, TitledBrowser, QSize(792, 576)})
        EXPECT_EQ(fitIn(frame, SchoolScreen).scale, 1.0) << frame.width() << "x" << frame.height();
    EXPECT_EQ(fitIn(QSize(792, 576), Laptop).scale, 1.0) << "the main window fits a laptop";
}

TEST(WindowFitScale, TooLargeWindowsShrinkInsideTheAreaWithTheMargin)
{
    for (const QRect &area : {Laptop, FullHdAt125}) {
        for (QSize frame : {Widest, Tallest, TitledBrowser}) {
            const WindowFit::Fit fit = fitIn(frame, area);
            const QSize shown = scaled(frame, fit.scale);
            EXPECT_TRUE(fit.fits);
            EXPECT_LE(shown.height(), area.height() - 2 * WindowFit::Margin);
            EXPECT_LE(shown.width(), area.width() - 2 * WindowFit::Margin);
            // No smaller than needed: one more per cent would overflow one side.
            const QSize bigger = scaled(frame, fit.scale + 0.01);
            EXPECT_TRUE(bigger.height() > area.height() - 2 * WindowFit::Margin
                        || bigger.width() > area.width() - 2 * WindowFit::Margin
                        || fit.scale == 1.0);
        }
    }
    EXPECT_LT(fitIn(Tallest, FullHdAt125).scale, 1.0) << "815 pixels do not fit under a 125 % task bar";
}

TEST(WindowFitScale, TextNeverShrinksBelowSevenTenths)
{
    const WindowFit::Fit fit = fitIn(Tallest, Netbook);
    EXPECT_EQ(fit.scale, WindowFit::MinimumScale);
    EXPECT_FALSE(fit.fits);
    EXPECT_EQ(fitIn(Tallest, QRect()).scale, 1.0) << "no screen known: as it is";
}

TEST(WindowPlacement, CentredAndNeverAboveOrLeftOfTheArea)
{
    EXPECT_EQ(WindowFit::centredIn(QSize(800, 600), QRect(0, 0, 1280, 1024)), QPoint(240, 212));
    EXPECT_EQ(WindowFit::centredIn(QSize(800, 600), QRect(100, 30, 1280, 994)), QPoint(340, 227));
    // Too large: the caption and the left edge stay on the screen.
    EXPECT_EQ(WindowFit::centredIn(QSize(1100, 700), QRect(0, 30, 1024, 530)), QPoint(0, 30));
}

// An exercise window of the tallest size with a button at its bottom right.
class TallWindow : public ExerciseScreen
{
public:
    TallWindow() : ExerciseScreen(nullptr, QStringLiteral("TallWindow"), Tallest)
    {
        button = new QPushButton(QStringLiteral("Fin"), this);
        button->setGeometry(600, 770, 89, 25);   // left of the Abandon button
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
    }
    QPushButton *button;
    int clicks = 0;
};

class WindowFitHost : public ::testing::Test
{
protected:
    void SetUp() override { WindowFit::setEnabled(true); }
    void TearDown() override
    {
        WindowFit::setEnabled(false);
        WindowFit::setAvailableAreaForTests(std::nullopt);
        flushDeletes();
    }
};

TEST_F(WindowFitHost, ATooTallWindowIsShownScaledAndClicksLandWhereItIsSeen)
{
    WindowFit::setAvailableAreaForTests(Laptop);
    QPointer<TallWindow> window = new TallWindow;
    window->show();
    QApplication::processEvents();
    auto *host = qobject_cast<QGraphicsView *>(WindowFit::hostOf(window));
    ASSERT_TRUE(host);
    EXPECT_TRUE(host->isVisible());
    EXPECT_TRUE(window->isVisible());
    const qreal scale = WindowFit::scaleOf(window);
    EXPECT_LT(scale, 1.0);
    EXPECT_GE(scale, WindowFit::MinimumScale);
    EXPECT_TRUE(Laptop.contains(host->frameGeometry())) << "the host lies inside the area";
    EXPECT_EQ(window->size(), Tallest) << "the window keeps its own coordinates";

    // The button's centre, where the pupil sees it on the host.
    const QPoint seen = host->viewport()->mapFromGlobal(WindowFit::toScreen(window->button, window->button->rect().center()));
    EXPECT_NEAR(seen.x(), (600 + 44) * scale, 1.5);
    EXPECT_NEAR(seen.y(), (770 + 12) * scale, 1.5);
    PupilRobot robot(host);
    const QPoint onHost = host->viewport()->mapTo(host, seen);
    EXPECT_EQ(robot.widgetAt(onHost), host->viewport()) << "the host's view receives the pupil's clicks";
    robot.click(onHost);
    EXPECT_EQ(window->clicks, 1);
    // Just outside the scaled button, nothing.
    robot.click(QPoint(int((600 - 4) * scale), onHost.y()));
    EXPECT_EQ(window->clicks, 1);

    // Hidden and shown again with the window; closing the window takes the host away.
    window->hide();
    EXPECT_FALSE(host->isVisible());
    window->show();
    EXPECT_TRUE(host->isVisible());
    QPointer<QWidget> hostAlive = host;
    window->close();
    flushDeletes();
    EXPECT_TRUE(window.isNull()) << "the window frees itself";
    EXPECT_TRUE(hostAlive.isNull()) << "its host goes with it";
}

TEST_F(WindowFitHost, WhenAListOfAScaledWindowClosesTheKeysReachTheWindowAgain)
{
    WindowFit::setAvailableAreaForTests(Laptop);
    QPointer<TallWindow> window = new TallWindow;
    auto *list = new QComboBox(window);
    list->addItems({QStringLiteral("Les Wikis"), QStringLiteral("Les blogs"), QStringLiteral("Les forums")});
    list->setGeometry(100, 100, 160, 22);
    window->show();
    QApplication::processEvents();
    QWidget *host = WindowFit::hostOf(window);
    ASSERT_TRUE(host);
    host->activateWindow();
    list->setFocus();
    QApplication::processEvents();
    // The keys reach the host the pupil sees, which hands them to the window.
    const auto key = [host](Qt::Key k) {
        QTest::keyClick(host, k);
        QApplication::processEvents();
    };
    for (Qt::Key closing : {Qt::Key_Escape, Qt::Key_Return}) {
        key(Qt::Key_F4);
        ASSERT_TRUE(list->view()->isVisible()) << "F4 opens the list";
        key(closing);
        ASSERT_FALSE(list->view()->isVisible());
        const int before = list->currentIndex();
        key(Qt::Key_Down);
        EXPECT_EQ(list->currentIndex(), before + 1) << "after the list closed by " << closing;
    }
    window->close();
}

TEST_F(WindowFitHost, ClosingTheHostIsClosingTheWindow)
{
    WindowFit::setAvailableAreaForTests(Laptop);
    QPointer<TallWindow> window = new TallWindow;
    window->show();
    QApplication::processEvents();
    QPointer<QWidget> host = WindowFit::hostOf(window);
    ASSERT_TRUE(host);
    host->close();   // Alt+F4 on the host
    flushDeletes();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(host.isNull());
}

TEST_F(WindowFitHost, WindowsThatFitAndWindowsOfTestsAreNotHosted)
{
    WindowFit::setAvailableAreaForTests(SchoolScreen);
    auto *fits = new TallWindow;
    fits->show();
    EXPECT_EQ(WindowFit::hostOf(fits), nullptr);
    EXPECT_EQ(WindowFit::scaleOf(fits), 1.0);
    EXPECT_EQ(fits->pos(), WindowFit::centredIn(fits->frameGeometry().size(), SchoolScreen));
    fits->close();

    WindowFit::setEnabled(false);
    WindowFit::setAvailableAreaForTests(Laptop);
    auto *off = new TallWindow;
    off->show();
    EXPECT_EQ(WindowFit::hostOf(off), nullptr) << "without fitting a window is never hosted";
    off->close();
}

TEST_F(WindowFitHost, OnASchoolScreenNoExerciseWindowIsScaled)
{
    WindowFit::setAvailableAreaForTests(SchoolScreen);
    TempDataFolder data;
    ScriptedMessages boxes;
    boxes.allowUnexpected();
    StandInBoard board;
    for (int n = 1; n <= 29; ++n) {
        if (!ExerciseRegistry::launch(n, &board))
            continue;
        QApplication::processEvents();
        ExerciseSession *session = ExerciseSession::current();
        ASSERT_TRUE(session);
        for (QWidget *w : session->windows()) {
            EXPECT_EQ(WindowFit::hostOf(w), nullptr) << n << " " << w->objectName().toStdString();
            const QSize frame = w->size() + QSize(0, (w->windowFlags() & Qt::FramelessWindowHint) ? 0 : WindowFit::TitleBarAllowance);
            EXPECT_EQ(fitIn(frame, SchoolScreen).scale, 1.0) << n << " " << w->objectName().toStdString();
            EXPECT_LE(w->height(), TallestExerciseHeight) << "taller than the tallest window the fit was designed for";
        }
        session->abandon();
        flushDeletes();
    }
}

}

namespace {

TEST_F(WindowFitHost, OtherWindowsFollowTheSameRule)
{
    WindowFit::setAvailableAreaForTests(QRect(0, 0, 1366, 700));
    // A console-like window with a title bar, too tall for this screen.
    QPointer<QWidget> console = new QWidget;
    console->setAttribute(Qt::WA_DeleteOnClose);
    console->setWindowTitle(QStringLiteral("Administration"));
    console->setFixedSize(793, 689);
    console->show();
    QApplication::processEvents();
    QWidget *host = WindowFit::hostOf(console);
    ASSERT_TRUE(host) << "the console is shown scaled";
    EXPECT_TRUE(host->isVisible());
    EXPECT_EQ(host->windowTitle(), QStringLiteral("Administration"));
    EXPECT_FALSE(host->windowFlags() & Qt::FramelessWindowHint) << "it keeps its title bar";
    EXPECT_LT(WindowFit::scaleOf(console), 1.0);

    // A dialog over a scaled window is a window of its own, at its size, with its
    // caption; a menu of the scaled window is drawn in its scene.
    auto *dialog = new QWidget(console, Qt::Dialog);
    dialog->setWindowTitle(QStringLiteral("Rechercher"));
    dialog->resize(400, 300);
    dialog->show();
    auto *menu = new QMenu(console);
    menu->addAction(QStringLiteral("Couper"));
    menu->popup(console->mapToGlobal(QPoint(20, 20)));
    QApplication::processEvents();
    EXPECT_FALSE(dialog->graphicsProxyWidget()) << "the dialog is not drawn inside the scaled window";
    EXPECT_EQ(WindowFit::hostOf(dialog), nullptr);
    EXPECT_EQ(dialog->size(), QSize(400, 300));
    EXPECT_TRUE(menu->graphicsProxyWidget()) << "the menu opens inside the scaled window";
    EXPECT_EQ(WindowFit::hostOf(menu), host);
    menu->close();
    dialog->close();
    console->close();

    // The background covers the screen on purpose; small windows are left alone.
    auto *background = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint);
    background->setAttribute(Qt::WA_DeleteOnClose);
    background->setGeometry(0, 0, 1366, 768);
    background->show();
    auto *small = new QWidget;
    small->setAttribute(Qt::WA_DeleteOnClose);
    small->setFixedSize(406, 233);
    small->show();
    QApplication::processEvents();
    EXPECT_EQ(WindowFit::hostOf(background), nullptr);
    EXPECT_EQ(WindowFit::hostOf(small), nullptr);
    background->close();
    small->close();
}

}
