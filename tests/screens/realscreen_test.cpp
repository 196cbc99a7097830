// On a 1366 x 768 X server, exercise windows are shown scaled to fit, and a pupil
// who clicks with the real pointer where he sees each element plays them through.
// The outer test starts the server and runs the inner ones in a process of their
// own, on that server; without Xvfb or xdotool it is skipped.
#include "screens/realmouse.h"
#include "screens/smallscreen.h"
#include "support/exercisefixture.h"

#include "exercises/domain4/web_browser/browsermenu.h"
#include "exercises/domain4/web_browser/browserscreen.h"
#include "exercises/domain4/web_browser/layout.h"
#include "shell/exercise/exercisescreen.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/messagebox.h"
#include "widgets/spinedit.h"
#include "widgets/windowplacement.h"

#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace {

const QString Display = QStringLiteral(":23");

bool inner() { return onSmallScreen(); }

TEST(SmallScreen, ExerciseWindowsFitAndPlayWithTheRealMouse)
{
    if (inner())
        GTEST_SKIP() << "this is the inner process";
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "Xvfb or xdotool is not installed";

    QProcess server;
    server.start(xvfb, {Display, QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1366x768x24"),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    ASSERT_TRUE(server.waitForStarted());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), Display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QString::fromLatin1(SmallScreenMarker), QStringLiteral("1"));
    // The server is ready when a client can ask it its size.
    bool ready = false;
    for (int attempt = 0; attempt < 100 && !ready; ++attempt) {
        QProcess probe;
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral("xdotool"), {QStringLiteral("getdisplaygeometry")});
        ready = probe.waitForFinished(1000) && probe.exitCode() == 0;
        if (!ready)
            server.waitForFinished(50);   // gives the server time without a bare sleep
    }
    ASSERT_TRUE(ready) << "the X server did not start";
    ASSERT_EQ(server.state(), QProcess::Running)
        << "display " << Display.toStdString() << " is taken by another X server";

    QProcess tests;
    tests.setProcessEnvironment(env);
    tests.setProcessChannelMode(QProcess::MergedChannels);
    tests.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=OnSmallScreen*")});
    const bool finished = tests.waitForFinished(240000);
    const QByteArray output = tests.readAll();
    server.terminate();
    server.waitForFinished(3000);
    ASSERT_TRUE(finished) << output.constData();
    EXPECT_EQ(tests.exitCode(), 0) << output.constData();
    EXPECT_TRUE(output.contains("[  PASSED  ]")) << output.constData();
    EXPECT_FALSE(output.contains("SKIPPED")) << output.constData();
}

class OnSmallScreen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!inner())
            GTEST_SKIP() << "runs on the small screen only";
        WindowFit::setEnabled(true);
    }
    void TearDown() override { WindowFit::setEnabled(false); }
};

TEST_F(OnSmallScreen, EveryFirstWindowLiesInsideTheScreen)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), QSize(1366, 768));
    TempDataFolder data;
    ScriptedMessages boxes;
    boxes.allowUnexpected();
    StandInBoard board;
    int launched = 0;
    for (int n = 1; n <= 29; ++n) {
        if (!ExerciseRegistry::launch(n, &board))
            continue;
        ++launched;
        QApplication::processEvents();
        ExerciseSession *session = ExerciseSession::current();
        ASSERT_TRUE(session);
        for (QWidget *w : session->windows()) {
            if (w->isVisible()) {
                expectInsideScreen(w);
                if (w->height() > 740)
                    EXPECT_LT(WindowFit::scaleOf(w), 1.0) << w->objectName().toStdString() << " is too tall to show as it is";
                EXPECT_GE(WindowFit::scaleOf(w), WindowFit::MinimumScale);
            } else {
                // A later window of the chain, created at launch: it will fit too.
                const QSize frame = w->size() + QSize(0, (w->windowFlags() & Qt::FramelessWindowHint) ? 0 : WindowFit::TitleBarAllowance);
                const WindowFit::Fit fit = WindowFit::fitIn(frame, WindowFit::availableArea());
                EXPECT_TRUE(fit.fits) << w->objectName().toStdString();
                EXPECT_LE((QSizeF(frame) * fit.scale).height(), 768.0) << w->objectName().toStdString();
            }
        }
        session->abandon();
        flushDeletes();
        EXPECT_TRUE(board.isVisible());
        EXPECT_EQ(PupilRobot::topWindow(), nullptr);
    }
    EXPECT_GT(launched, 0);
}

// Clicks, with the real pointer, the first push button of the modal window that
// opens while `open` runs; closes it if the click fails, so nothing waits forever.
bool answerWithTheMouse(RealMouse &mouse, const std::function<void()> &open)
{
    bool clicked = false;
    QTimer::singleShot(0, [&] {
        QWidget *box = nullptr;
        RealMouse::waitFor([&] { return (box = QApplication::activeModalWidget()) && box->isVisible(); });
        auto *ok = box ? box->findChild<QPushButton *>() : nullptr;
        clicked = ok && mouse.click(ok) && !box->isVisible();
        if (box && box->isVisible())
            box->close();
    });
    open();
    return clicked;
}

// Verdict boxes and simulated dialogs open over a scaled exercise window: the box
// stands over the host at its own size, the dialog is drawn in the scaled scene;
// both take the pupil's click.
TEST_F(OnSmallScreen, BoxesAndDialogsOverAScaledWindowTakeTheRealClick)
{
    QPointer<ExerciseScreen> window = new ExerciseScreen(nullptr, QStringLiteral("Tall"), QSize(939, 815));
    window->show();
    ASSERT_TRUE(RealMouse::waitFor([&] { return WindowFit::hostOf(window) && WindowFit::hostOf(window)->isVisible(); }));
    RealMouse mouse;
    EXPECT_TRUE(answerWithTheMouse(mouse, [&] {
        MessageBox::show(MessageBox::Kind::Information, QStringLiteral("Bravo exercice réussi !"), window);
    })) << "the OK button of the box did not take the click";

    QDialog *dialog = new QDialog(window);
    dialog->setWindowTitle(QStringLiteral("Rechercher"));
    dialog->resize(400, 200);
    auto *ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setGeometry(300, 160, 80, 25);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    int result = -1;
    EXPECT_TRUE(answerWithTheMouse(mouse, [&] { result = dialog->exec(); })) << "the dialog's button did not take the click";
    EXPECT_EQ(result, int(QDialog::Accepted));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    window->close();
    flushDeletes();
}

using namespace WebBrowserLayout;
using BrowserMenu::Item;

// The browser: the tallest window so far, with a real menu bar.
class OnSmallScreenBrowser : public ExerciseFixture
{
protected:
    OnSmallScreenBrowser() : ExerciseFixture(Competence) {}
    void SetUp() override
    {
        if (!inner())
            GTEST_SKIP() << "runs on the small screen only";
        WindowFit::setEnabled(true);
        ExerciseFixture::SetUp();
    }
    void TearDown() override
    {
        if (inner())
            ExerciseFixture::TearDown();
        WindowFit::setEnabled(false);
    }

    BrowserScreen *current() const
    {
        for (QWidget *w : ExerciseSession::current() ? ExerciseSession::current()->windows() : QList<QWidget *>())
            if (w->isVisible())
                if (auto *b = qobject_cast<BrowserScreen *>(w))
                    return b;
        return nullptr;
    }
    // Waits for the browser window of that number to be the one showing.
    BrowserScreen *at(int window)
    {
        RealMouse::waitFor([&] { return current() && current()->windowNumber() == window; });
        BrowserScreen *w = current();
        EXPECT_TRUE(w && w->windowNumber() == window) << "window " << window << " is not showing";
        if (w)
            expectInsideScreen(w);
        return w && w->windowNumber() == window ? w : nullptr;
    }
    void click(const QRect &inPage) { ASSERT_TRUE(mouse.click(current()->page(), inPage.center())); }
    void choose(Item item)
    {
        BrowserScreen *w = current();
        ASSERT_TRUE(w);
        ASSERT_TRUE(mouse.choose(w->menuBar(), BrowserMenu::action(w->menuBar(), item))) << int(item);
    }
    void typeInto(QWidget *field, const QString &text)
    {
        ASSERT_TRUE(field);
        ASSERT_TRUE(mouse.click(field));
        ASSERT_TRUE(RealMouse::waitFor([field] { return field->hasFocus(); })) << "the field got no focus";
        ASSERT_TRUE(mouse.key(QStringLiteral("ctrl+a")));
        ASSERT_TRUE(mouse.type(text));
    }
    QString step() const { return labelText(current(), QStringLiteral("consigne3")); }

    RealMouse mouse;
};

TEST_F(OnSmallScreenBrowser, PerfectRunWithTheRealMouseRecordsTheCompetence)
{
    launch();
    BrowserScreen *w = at(1);
    ASSERT_TRUE(w);
    EXPECT_LT(WindowFit::scaleOf(w), 1.0);
    typeInto(w->findChild<QLineEdit *>(QStringLiteral("Edit1")), LibraryAddress);
    ASSERT_TRUE(mouse.key(QStringLiteral("Return")));
    EXPECT_TRUE(step().startsWith(QStringLiteral("2:"))) << step().toStdString();
    choose(Item::BookmarkPage);
    choose(Item::NewTab);
    choose(Item::GoHistory);

    ASSERT_TRUE(at(2));
    click(HistoryYesterday.adjusted(5, 0, 0, 0));
    click(HistoryTownEntry);
    click(HistoryLibraryTab);
    typeInto(current()->findChild<QLineEdit *>(QStringLiteral("Edit1")), QStringLiteral("F11"));
    ASSERT_TRUE(mouse.click(current()->findChild<QWidget *>(QStringLiteral("Button1"))));

    ASSERT_TRUE(at(3));
    choose(Item::Options);
    click(OptionsUseCurrentPage);
    click(OptionsOk);
    choose(Item::Options);
    click(OptionsCategory[2]);
    click(OptionsBlockPopups);
    click(OptionsOk);
    click(SidePanelClose);

    ASSERT_TRUE(at(4));
    choose(Item::TextLarger);
    for (const QRect &button : {BackButton, HomeButton, ReloadButton, StopButton})
        click(button);
    choose(Item::PageSource);
    click(SourceClose);
    choose(Item::Print);
    EXPECT_TRUE(step().startsWith(QStringLiteral("17:"))) << step().toStdString();
    auto *copies = current()->findChild<SpinEdit *>(QStringLiteral("Edit1"));
    ASSERT_TRUE(copies);
    typeInto(copies->edit(), QStringLiteral("2"));
    boxes.expect(MessageBox::Kind::Information, QStringLiteral("Bravo, Exercice réussi!"));
    click(PrintOk);
    RealMouse::waitFor([this] { return form1->isVisible(); });
    expectBoardBack();
    expectRecorded();
    EXPECT_EQ(boxes.count(), 1) << "a perfect run shows no other box";
}

}
