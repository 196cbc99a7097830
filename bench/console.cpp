// The console's two readings over many records, each against a plain read of the
// same files' bytes: the pupils of one class among 5,000 record files, the names
// of those 5,000 sorted as the lists show them, and the success statistics over
// 1,000 records.
#include "administration/consolequeries.h"
#include "records/datafolder.h"
#include "records/passwordhash.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
const QStringList Classes{QStringLiteral("6A"), QStringLiteral("6B"), QStringLiteral("5A"), QStringLiteral("5B"),
                          QStringLiteral("4A"), QStringLiteral("4B"), QStringLiteral("3A"), QStringLiteral("3B")};

// A record as the program leaves it after a few exercises: 29 groups, some acquired.
QByteArray recordBytes(int i)
{
    QByteArray bytes = "nom\r\n\xE9l\xE8ve" + QByteArray::number(i) + "\r\n"
                     + passwordHash(QString::number(i)).toLatin1() + "\r\n" + Classes.at(i % Classes.size()).toLatin1() + "\r\n";
    for (int n = 1; n <= CompetenceCount; ++n) {
        bytes += "competence " + QByteArray::number(n) + "\r\n";
        if ((i + n) % 3 == 0)
            bytes += "oui\r\n08/12/2025\r\nMme Laurent\r\n";
        else
            bytes += "non\r\n\r\n\r\n";
    }
    return bytes;
}

// A data folder with this many records, made once per size.
class Folder
{
public:
    explicit Folder(int records)
    {
        QDir(m_dir.path()).mkdir(QStringLiteral("sauvegardes"));
        const QString folder = m_dir.path() + QStringLiteral("/sauvegardes/");
        for (int i = 0; i < records; ++i) {
            const QString name = QStringLiteral("élève") + QString::number(i);
            QFile f(folder + name + QStringLiteral("-qib.txt"));
            f.open(QIODevice::WriteOnly);
            f.write(recordBytes(i));
            m_names << name;
            m_paths << f.fileName();
        }
    }
    void use() const { DataFolder::setPath(m_dir.path() + QLatin1Char('/')); }
    const QStringList &names() const { return m_names; }
    const QStringList &paths() const { return m_paths; }

private:
    QTemporaryDir m_dir;
    QStringList m_names, m_paths;
};

const Folder &folderOf(int records)
{
    static Folder listing(5000);
    static Folder statistics(1000);
    const Folder &f = records == 5000 ? listing : statistics;
    f.use();
    return f;
}

qint64 readAllBytes(const QStringList &paths)
{
    qint64 total = 0;
    for (const QString &path : paths) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            total += f.readAll().size();
    }
    return total;
}

void BM_ReadBytesOf5000(benchmark::State &state)
{
    const Folder &folder = folderOf(5000);
    for (auto _ : state)
        benchmark::DoNotOptimize(readAllBytes(folder.paths()));
}

void BM_ClassListingOver5000(benchmark::State &state)
{
    folderOf(5000);
    QStringList pupils;
    for (auto _ : state) {
        ConsoleQueries::pupilsOfClasses({QStringLiteral("6A")}, &pupils);
        benchmark::DoNotOptimize(pupils.size());
    }
    state.counters["pupils"] = double(pupils.size());
}

// The names of the 5,000 records, in the order the lists show them.
void BM_SortedNamesOf5000(benchmark::State &state)
{
    folderOf(5000);
    QStringList names;
    for (auto _ : state) {
        names = RecordStore::listRecordNames();
        benchmark::DoNotOptimize(names.size());
    }
    state.counters["pupils"] = double(names.size());
}

void BM_ReadBytesOf1000(benchmark::State &state)
{
    const Folder &folder = folderOf(1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(readAllBytes(folder.paths()));
}

void BM_StatisticsOver1000(benchmark::State &state)
{
    const Folder &folder = folderOf(1000);
    ConsoleQueries::Counters counters{};
    for (auto _ : state) {
        ConsoleQueries::countSuccesses(folder.names(), &counters);
        benchmark::DoNotOptimize(counters[0]);
    }
    state.counters["competence1"] = double(counters[0]);
}
}

BENCHMARK(BM_ReadBytesOf5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassListingOver5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortedNamesOf5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBytesOf1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatisticsOver1000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
