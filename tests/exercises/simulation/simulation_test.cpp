// The simulation exercise (competence 3.6), played by the pupil robot with a fake
// video player; one test plays a real film made at build time.
#include "support/exercisefixture.h"
#include "support/fakevideoplayer.h"

#include "exercises/domain3/simulation/films.h"
#include "exercises/domain3/simulation/layout.h"
#include "exercises/domain3/simulation/u19v3.h"
#include "exercises/domain3/simulation/u19v3b.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/choicecombo.h"
#include "widgets/mediacontrolbar.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

using namespace SimulationLayout;
using MessageBox::Kind;

namespace {

class SimulationExercise : public ExerciseFixture
{
protected:
    SimulationExercise() : ExerciseFixture(Competence) {}

    QWidget *window() const { return PupilRobot::topWindow(); }
    Texercice19v3 *films() const { return qobject_cast<Texercice19v3 *>(window()); }
    Texercice19v3b *cloze() const { return qobject_cast<Texercice19v3b *>(window()); }
    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        return window() ? window()->findChild<T *>(name) : nullptr;
    }

    void start()
    {
        launch();
        ASSERT_TRUE(films());
        robot.setWindow(window());
        QApplication::processEvents();   // the player starts once the window shows
    }
    void clickButton(int n) { robot.click(QStringLiteral("Button%1").arg(n)); }
    void nameFilm(int step) { clickButton(Films[step - 1].rightButton); }
    void nameAllFilms()
    {
        for (int step = 1; step <= 6; ++step)
            nameFilm(step);
        ASSERT_TRUE(cloze());
        robot.setWindow(window());
        QApplication::processEvents();
    }
    // Opens the list with the mouse and picks the row.
    void choose(int list, const QString &row)
    {
        ChoiceCombo *combo = cloze()->list(list);
        robot.click(combo->mapTo(window(), QPoint(combo->width() - 8, combo->height() / 2)));
        QAbstractItemView *view = combo->view();
        ASSERT_TRUE(view->isVisible()) << "list " << list + 1 << " did not open";
        view->setCurrentIndex(view->model()->index(GapRows.indexOf(row), 0));
        QTest::keyClick(view, Qt::Key_Return);
        QApplication::processEvents();
    }
    void fillRightRows()
    {
        for (int i = 0; i < 5; ++i)
            choose(i, QString::fromUtf8(Gaps[i].answer));
    }

    FakeVideoPlayers video;
};

TEST_F(SimulationExercise, PerfectRunPlaysTheSixFilmsInTheirAreasAndRecords)
{
    start();
    EXPECT_EQ(labelText(window(), QStringLiteral("consigne3")), FilmInstruction);
    for (int step = 1; step <= 6; ++step) {
        EXPECT_EQ(films()->step(), step);
        EXPECT_EQ(films()->Panel1->geometry(), Films[step - 1].area) << step;
        EXPECT_EQ(video.last()->state(), VideoPlayer::State::Playing) << step;
        EXPECT_TRUE(video.last()->fileName().endsWith(QString::fromUtf8(Films[step - 1].file)));
        nameFilm(step);
    }
    EXPECT_EQ(video.log,
              QStringList({"open ecluse3.avi", "play", "close", "open tsunami3.avi", "play", "close",
                           "open rafale.avi", "play", "close", "open systeme solaire.avi", "play", "close",
                           "open engrenage.avi", "play", "close", "open usinage.avi", "play", "close",
                           "open usinage.avi", "play"}));
    ASSERT_TRUE(cloze());
    robot.setWindow(window());
    EXPECT_EQ(labelText(window(), QStringLiteral("consigne3")), ClozeInstruction);
    fillRightRows();
    boxes.expect(Kind::Information, QStringLiteral("Bravo, Exercice réussi!"));
    robot.click(QStringLiteral("Button1"));
    expectBoardBack();
    expectRecorded();
}

TEST_F(SimulationExercise, TheJetButtonDuringTheLockCostsAnErrorAndTheLockPlaysOn)
{
    start();
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    clickButton(3);
    EXPECT_EQ(films()->step(), 1);
    EXPECT_EQ(video.log, QStringList({"open ecluse3.avi", "play"}));
    EXPECT_TRUE(control(QStringLiteral("Button3"))->isEnabled());
    nameFilm(1);
    EXPECT_FALSE(control(QStringLiteral("Button2"))->isEnabled()) << "a right button serves once";
    // The lock's button again, now dead: nothing at all.
    clickButton(2);
    EXPECT_EQ(films()->step(), 2);
    for (int step = 2; step <= 6; ++step)
        nameFilm(step);
    ASSERT_TRUE(cloze());
    robot.setWindow(window());
    QApplication::processEvents();
    fillRightRows();
    QString labelDuringBox;
    boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !"))
        .onNext([&](const MessageBox::Box &) { labelDuringBox = labelText(window(), QStringLiteral("consigne3")); });
    robot.click(QStringLiteral("Button1"));
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 1 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(SimulationExercise, ValiderNeedsTheFiveRightRowsChosenFromTheLists)
{
    start();
    nameAllFilms();
    // Nothing chosen yet.
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    robot.click(QStringLiteral("Button1"));
    fillRightRows();
    // The empty row in one list.
    choose(2, QString());
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    robot.click(QStringLiteral("Button1"));
    // The right word typed, not chosen, is no answer.
    ChoiceCombo *third = cloze()->list(2);
    third->lineEdit()->selectAll();
    for (QChar ch : QStringLiteral("réel")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(third->lineEdit(), &press);
    }
    EXPECT_EQ(third->currentText(), QStringLiteral("réel"));
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    robot.click(QStringLiteral("Button1"));
    EXPECT_EQ(cloze()->session()->errorCount(), 3);
    choose(2, QStringLiteral("réel"));
    boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !"));
    robot.click(QStringLiteral("Button1"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(SimulationExercise, TheListsLieOverTheirGapsAndShowTwoRows)
{
    start();
    nameAllFilms();
    QTextEdit *memo = cloze()->Memo2;
    ASSERT_EQ(memo->document()->blockCount(), 10);
    for (int i = 0; i < 5; ++i) {
        ChoiceCombo *list = cloze()->list(i);
        EXPECT_EQ(list->maxVisibleItems(), 2);
        EXPECT_EQ(list->count(), 6);
        EXPECT_EQ(list->currentText(), GapPrompt);
        EXPECT_EQ(list->palette().color(QPalette::Base), QColor(255, 255, 0));
        // The list starts over the first blank of its gap, on its line.
        const QTextBlock line = memo->document()->findBlockByNumber(Gaps[i].line);
        QTextCursor c(line);
        c.setPosition(line.position() + int(QString::fromUtf8(Gaps[i].before).size()) + 1);
        const QPoint blank = memo->viewport()->mapTo(window(), memo->cursorRect(c).center());
        EXPECT_TRUE(list->geometry().adjusted(-2, -4, 2, 4).contains(blank)) << "list " << i + 1;
        EXPECT_EQ(line.text().mid(QString::fromUtf8(Gaps[i].before).size(), 10), QString(10, QLatin1Char(' ')));
    }
}

TEST(SimulationFilmSurface, TheFilmNeverLiesUnderItsControlBar)
{
    // The film plays in a native surface that would hide the bar: where the bar lies
    // over an area, the film stops above it; elsewhere it fills its area.
    for (const Film &film : Films) {
        const QRect surface = SimulationLayout::filmSurface(film.area, ControlBar).translated(film.area.topLeft());
        EXPECT_FALSE(surface.intersects(ControlBar)) << film.file;
        EXPECT_TRUE(film.area.contains(surface)) << film.file;
        if (!film.area.intersects(ControlBar))
            EXPECT_EQ(surface, film.area) << film.file;
    }
    const QRect cloze = SimulationLayout::filmSurface(ClozeArea, ClozeControlBar).translated(ClozeArea.topLeft());
    EXPECT_FALSE(cloze.intersects(ClozeControlBar));
    EXPECT_EQ(cloze.width(), ClozeArea.width());
    EXPECT_GT(cloze.height(), 400);
}

TEST_F(SimulationExercise, AMissingFilmLeavesAnEmptyAreaAndThePupilGoesOn)
{
    video.everyFileExists = false;   // the temporary data folder has no films
    start();
    EXPECT_EQ(video.last()->state(), VideoPlayer::State::Failed);
    auto *bar = control<MediaControlBar>(QStringLiteral("MediaPlayer1"));
    ASSERT_TRUE(bar);
    EXPECT_FALSE(bar->playButton()->isEnabled());
    nameAllFilms();
    fillRightRows();
    boxes.expect(Kind::Information, QStringLiteral("Bravo, Exercice réussi!"));
    robot.click(QStringLiteral("Button1"));
    expectRecorded();
}

TEST_F(SimulationExercise, TheControlBarPausesPlaysAndRestarts)
{
    start();
    auto *bar = control<MediaControlBar>(QStringLiteral("MediaPlayer1"));
    ASSERT_TRUE(bar);
    EXPECT_FALSE(bar->playButton()->isEnabled());
    robot.click(bar->pauseButton());
    EXPECT_EQ(video.last()->state(), VideoPlayer::State::Paused);
    EXPECT_TRUE(bar->playButton()->isEnabled());
    robot.click(bar->playButton());
    robot.click(bar->restartButton());
    EXPECT_EQ(video.log.mid(2), QStringList({"pause", "play", "restart"}));
    EXPECT_EQ(video.last()->state(), VideoPlayer::State::Playing);
}

TEST_F(SimulationExercise, AbandonAndCloseInBothWindowsBringTheBoardBack)
{
    start();
    nameFilm(1);
    robot.click(QStringLiteral("BitBtn1"));
    expectBoardBack();
    start();
    robot.closeWindow();
    expectBoardBack();
    start();
    nameAllFilms();
    choose(0, QStringLiteral("calculer"));
    robot.click(QStringLiteral("BitBtn1"));
    expectBoardBack();
    start();
    nameAllFilms();
    robot.closeWindow();
    expectBoardBack();
    expectNothingRecorded();
    EXPECT_EQ(boxes.count(), 0);
}

// The real player on a film made by the build: it opens without error (the
// multimedia back end may have no video output under the offscreen platform).
TEST(SimulationFilm, TheRealPlayerOpensAGeneratedFilm)
{
    const QString file = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("usinage.avi"));
    if (!QFileInfo::exists(file))
        GTEST_SKIP() << "the films are made by the build's videos target";
    QWidget area;
    area.resize(693, 441);
    VideoPlayer *player = VideoPlayer::create(&area);
    bool failed = false;
    QObject::connect(player, &VideoPlayer::failed, [&] { failed = true; });
    EXPECT_TRUE(player->open(file));
    player->play();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1500 && !failed)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_FALSE(failed) << "the film could not be played";
    EXPECT_EQ(player->state(), VideoPlayer::State::Playing);
    player->close();
    EXPECT_EQ(player->state(), VideoPlayer::State::Closed);
    // A missing file leaves the area empty and says so.
    EXPECT_FALSE(player->open(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("absent.avi"))));
    EXPECT_TRUE(failed);
    EXPECT_EQ(player->state(), VideoPlayer::State::Failed);
}
}
