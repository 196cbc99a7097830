// The length of each exercise's demonstration at the reading pace, as the player's
// timings add it up (the run itself is played without pauses, nothing is waited).
// Each length should lie between 15 s and 3 min; the label says when one does not.
#include "benchmain.h"
#include "pictures/appearance.h"
#include "records/datafolder.h"
#include "records/recordstore.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "shell/exercise/walkthrough.h"
#include "shell/exercise/walkthroughplayer.h"
#include "support/standinboard.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {
constexpr double Shortest = 15.0;
constexpr double Longest = 180.0;

void DemonstrationLength(benchmark::State &state)
{
    const int competence = int(state.range(0));
    static StandInBoard *board = new StandInBoard;
    double seconds = 0;
    QString failure;
    for (auto _ : state) {
        ExerciseRegistry::launch(competence, board);
        WalkthroughPlayer player(Walkthrough::withoutMistakes(Walkthrough::of(competence)),
                                 WalkthroughPlayer::Pace::Instant);
        QEventLoop loop;
        QObject::connect(&player, &WalkthroughPlayer::finished, &loop, &QEventLoop::quit);
        player.start();
        loop.exec();
        seconds = double(player.plannedMsecs()) / 1000.0;
        failure = player.failure();
        if (ExerciseSession *session = ExerciseSession::current())
            session->abandon();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.counters["seconds"] = seconds;
    if (!failure.isEmpty())
        state.SetLabel("walkthrough failed: " + failure.toStdString());
    else if (seconds < Shortest || seconds > Longest)
        state.SetLabel("outside 15 s .. 3 min");
}
}

int main(int argc, char **argv)
{
    BenchApplication application(argc, argv);
    login().pupilName = QStringLiteral("banc");
    for (int n : Walkthrough::competences())
        benchmark::RegisterBenchmark(QStringLiteral("DemonstrationLength/competence_%1").arg(n).toStdString().c_str(),
                                     DemonstrationLength)
            ->Arg(n)->Iterations(1)->Unit(benchmark::kMillisecond);
    return runBenchmarks(argc, argv);
}
