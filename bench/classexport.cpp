// The class view's export over 1,000 pupils (reading their records, building the
// file and writing it at once) against a plain read of the same records' bytes.
// Budget: the export takes at most twice the plain read.
#include "administration/classresults.h"
#include "administration/resultsexport.h"
#include "records/datafolder.h"
#include "records/passwordhash.h"
#include "records/textfile.h"

#include <QDir>
#include <QFile>
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
        DataFolder::setPath(m_dir.path() + QLatin1Char('/'));
    }
    const QStringList &names() const { return m_names; }
    const QStringList &paths() const { return m_paths; }
    QString exportPath() const { return m_dir.path() + QStringLiteral("/resultats.csv"); }

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

void BM_ExportOf1000(benchmark::State &state)
{
    const Folder &f = folder();
    QList<PupilResults> rows;
    for (auto _ : state) {
        ClassResults::read(f.names(), &rows);
        benchmark::DoNotOptimize(ResultsExport::write(f.exportPath(), rows).ok());
    }
    state.counters["pupils"] = double(rows.size());
    state.counters["bytes"] = double(QFile(f.exportPath()).size());
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
        benchmark::DoNotOptimize(ResultsExport::csvBytes(rows).size());
}

// The reading and the building of the file, without its writing.
void BM_ReadAndBuildOf1000(benchmark::State &state)
{
    const Folder &f = folder();
    QList<PupilResults> rows;
    for (auto _ : state) {
        ClassResults::read(f.names(), &rows);
        benchmark::DoNotOptimize(ResultsExport::csvBytes(rows).size());
    }
}

// The atomic write alone (temporary file, fsync, rename): the disk's share.
void BM_AtomicWriteOfTheExport(benchmark::State &state)
{
    const Folder &f = folder();
    QList<PupilResults> rows;
    ClassResults::read(f.names(), &rows);
    const QByteArray bytes = ResultsExport::csvBytes(rows);
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
BENCHMARK_MAIN();
