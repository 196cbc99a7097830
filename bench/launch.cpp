// From the click on a competence to its first window painted, pictures included
// (the picture cache is emptied before each launch so drawing is counted).
#include "benchmain.h"
#include "pictures/appearance.h"
#include "pictures/pictures.h"
#include "records/datafolder.h"
#include "records/recordstore.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/messagebox.h"
#include "widgets/windowplacement.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {
class SilentBoxes : public MessageBox::Responder
{
public:
    int answer(const MessageBox::Box &) override { return 0; }
};

QWidget *board()
{
    static QWidget *w = [] {
        auto *b = new QWidget;
        b->setObjectName(QStringLiteral("form1"));
        for (int n = 1; n <= 29; ++n)
            (new QWidget(b))->setObjectName(QStringLiteral("ex%1").arg(n));
        return b;
    }();
    return w;
}

void LaunchToFirstPaint(benchmark::State &state)
{
    const int competence = int(state.range(0));
    for (auto _ : state) {
        Pictures::clearCache();
        // The board saves the record before every launch.
        RecordStore::savePupilRecord();
        ExerciseRegistry::launch(competence, board());
        ExerciseSession *session = ExerciseSession::current();
        QWidget *first = session ? session->windows().value(0) : nullptr;
        // On a small screen the pupil sees the window through its scaled host.
        if (QWidget *host = first ? WindowFit::hostOf(first) : nullptr)
            first = host;
        if (first)
            benchmark::DoNotOptimize(first->grab());
        state.PauseTiming();
        if (session)
            session->abandon();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
}

int main(int argc, char **argv)
{
    BenchApplication application(argc, argv);
    login().pupilName = QStringLiteral("banc");
    SilentBoxes boxes;
    MessageBox::setResponder(&boxes);
    for (int n = 1; n <= 29; ++n)
        if (ExerciseRegistry::has(n))
            benchmark::RegisterBenchmark(QStringLiteral("LaunchToFirstPaint/competence_%1").arg(n).toStdString().c_str(),
                                         LaunchToFirstPaint)
                ->Arg(n)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)->Iterations(10);
    // The same launches on a 1366 x 768 laptop, where tall windows are shown scaled.
    for (int n = 1; n <= 29; ++n)
        if (ExerciseRegistry::has(n))
            benchmark::RegisterBenchmark(QStringLiteral("LaunchToFirstPaintOnALaptop/competence_%1").arg(n).toStdString().c_str(),
                                         [](benchmark::State &state) {
                                             WindowFit::setEnabled(true);
                                             WindowFit::setAvailableAreaForTests(QRect(0, 0, 1366, 728));
                                             LaunchToFirstPaint(state);
                                             WindowFit::setAvailableAreaForTests(std::nullopt);
                                             WindowFit::setEnabled(false);
                                         })
                ->Arg(n)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)->Iterations(10);
    const int result = runBenchmarks(argc, argv);
    MessageBox::setResponder(nullptr);
    return result;
}
