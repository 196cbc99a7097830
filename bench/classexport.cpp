// The class follow-up over 1,000 pupils against a plain read of the same records'
// bytes: opening its window (reading every record, filling the matrix, the totals
// and the chart, painting it), and its exports (reading, building the file,
// writing it at once). Budget: each takes at most twice the plain read.
#include "benchmain.h"
#include "administration/classfollowup.h"
#include "administration/classresults.h"
#include "administration/odsexport.h"
#include "administration/resultsexport.h"
#include "administration/frozencolumnsview.h"
#include "records/datafolder.h"
#include "records/passwordhash.h"
#include "records/textfile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int Pupils = 1000;

// A record as the program leaves it after a few exercises: 29 groups, some acquired.
QByteArray recordBytes(int i)
{
    QByteArray bytes = "nom\r\n\xC9lise-" + QByteArray::number(i) + "\r\n" + passwordHash(QString::number(i)).toLatin1()
                     + "\r\n" + (i % 2 ? "6A" : "6B") + "\r\n";
    for (int n = 1; n <= CompetenceCount; ++n) {
        bytes += "competence " + QByteArray::number(n) + "\r\n";
        if ((i + n) % 3 == 0)
            bytes += "oui\r\n08/12/2025\r\nMme Laurent\r\n";
        else
            bytes += "non\r\n\r\n\r\n";
    }
    return bytes;
}

class Folder
{
public:
    Folder()
    {
        QDir(m_dir.path()).mkdir(QStringLiteral("sauvegardes"));
        const QString folder = m_dir.path() + QStringLiteral("/sauvegardes/");
        for (int i = 0; i < Pupils; ++i) {
            const QString name = QStringLiteral("élise-") + QString::number(i);
            QFile f(folder + name + QStringLiteral("-qib.txt"));
            f.open(QIODevice::WriteOnly);
            f.write(recordBytes(i));
            m_names << name;
            m_paths << f.fileName();
        }
        QFile classes(m_dir.path() + QStringLiteral("/classes.txt"));
        classes.open(QIODevice::WriteOnly);
        classes.write("6A\r\n6B\r\n");
        DataFolder::setPath(m_dir.path() + QLatin1Char('/'));
    }
    const QStringList &names() const { return m_names; }
    const QStringList &paths() const { return m_paths; }
    QString exportPath(const char *ending = "csv") const
    {
        return m_dir.path() + QStringLiteral("/resultats.") + QLatin1String(ending);
    }

private:
    QTemporaryDir m_dir;
    QStringList m_names, m_paths;
};

const Folder &folder()
{
    static Folder f;
    return f;
}

void BM_ReadBytesOf1000(benchmark::State &state)
{
    const Folder &f = folder();
    for (auto _ : state) {
        qint64 total = 0;
        for (const QString &path : f.paths()) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                total += file.readAll().size();
        }
        benchmark::DoNotOptimize(total);
    }
}

const QStringList Classes{QStringLiteral("6A"), QStringLiteral("6B")};
const QDate Day(2026, 12, 9);

void exportOf1000(benchmark::State &state, const char *ending)
{
    const Folder &f = folder();
    QList<PupilResults> rows;
    for (auto _ : state) {
        ClassResults::read(f.names(), &rows);
        benchmark::DoNotOptimize(ResultsExport::write(f.exportPath(ending), ClassSheet::report(rows, Classes, Day)).ok());
    }
    state.counters["pupils"] = double(rows.size());
    state.counters["bytes"] = double(QFile(f.exportPath(ending)).size());
}

void BM_ExportOf1000(benchmark::State &state) { exportOf1000(state, "csv"); }
void BM_OdsExportOf1000(benchmark::State &state) { exportOf1000(state, "ods"); }
void BM_XlsxExportOf1000(benchmark::State &state) { exportOf1000(state, "xlsx"); }

// The window opened on the 1,000 pupils and painted once; then scrolled to the
// end and painted again: the widgets it holds stay as many (no widget per row).
void BM_OpenFollowUpOn1000(benchmark::State &state)
{
    folder();
    int widgets = 0, widgetsAfterScrolling = 0, rows = 0;
    for (auto _ : state) {
        ClassFollowUp window(Classes);
        window.resize(1280, 1000);
        window.refresh();
        window.show();
        window.repaint();
        state.PauseTiming();
        rows = window.model()->rowCount();
        widgets = int(window.findChildren<QWidget *>().size());
        window.matrix()->verticalScrollBar()->setValue(window.matrix()->verticalScrollBar()->maximum());
        window.repaint();
        widgetsAfterScrolling = int(window.findChildren<QWidget *>().size());
        state.ResumeTiming();
    }
    state.counters["rows"] = double(rows);
    state.counters["widgets"] = double(widgets);
    state.counters["widgetsAfterScrolling"] = double(widgetsAfterScrolling);
}
}

void BM_ReadResultsOf1000(benchmark::State &state)
{
    const Folder &f = folder();
    QList<PupilResults> rows;
    for (auto _ : state) {
        ClassResults::read(f.names(), &rows);
        benchmark::DoNotOptimize(rows.size());
    }
}

// The records' bytes alone as the class reading gets them (the folder opened
// once, each record by its name in it, one buffer).
void BM_FolderReadOf1000(benchmark::State &state)
{
    const Folder &f = folder();
    for (auto _ : state) {
        qint64 total = 0;
        RecordStore::RecordFolderReader reader;
        for (const QString &name : f.names()) {
            QByteArrayView bytes;
            if (reader.read(name, &bytes).ok())
                total += bytes.size();
        }
        benchmark::DoNotOptimize(total);
    }
}

void BM_CsvOf1000(benchmark::State &state)
{
    const Folder &f = folder();
    QList<PupilResults> rows;
    ClassResults::read(f.names(), &rows);
    for (auto _ : state)
        benchmark::DoNotOptimize(ResultsExport::csvBytes(ClassSheet::report(rows, Classes, Day)).size());
}

// The reading and the building of the file, without its writing.
void BM_ReadAndBuildOf1000(benchmark::State &state)
{
    const Folder &f = folder();
    QList<PupilResults> rows;
    for (auto _ : state) {
        ClassResults::read(f.names(), &rows);
        benchmark::DoNotOptimize(ResultsExport::csvBytes(ClassSheet::report(rows, Classes, Day)).size());
    }
}

// The OpenDocument file built in memory from the sheet (content and zip).
void BM_OdsBytesOf1000(benchmark::State &state)
{
    const Folder &f = folder();
    QList<PupilResults> rows;
    ClassResults::read(f.names(), &rows);
    const QList<SheetRow> sheet = ClassSheet::report(rows, Classes, Day);
    for (auto _ : state)
        benchmark::DoNotOptimize(OdsExport::spreadsheet(sheet).size());
}

// The atomic write alone (temporary file, fsync, rename): the disk's share.
void BM_AtomicWriteOfTheExport(benchmark::State &state)
{
    const Folder &f = folder();
    QList<PupilResults> rows;
    ClassResults::read(f.names(), &rows);
    const QByteArray bytes = ResultsExport::csvBytes(ClassSheet::report(rows, Classes, Day));
    for (auto _ : state)
        benchmark::DoNotOptimize(TextFile::writeAtomically(f.exportPath(), bytes, false).ok());
}

BENCHMARK(BM_ReadAndBuildOf1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AtomicWriteOfTheExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadResultsOf1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FolderReadOf1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvOf1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBytesOf1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportOf1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OdsBytesOf1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OdsExportOf1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XlsxExportOf1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenFollowUpOn1000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    OffscreenUnlessAsked offscreen;
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
