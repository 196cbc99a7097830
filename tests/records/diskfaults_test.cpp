#include "brokendisk.h"

#include "records/datafolder.h"
#include "records/passwordhash.h"
#include "records/recordstore.h"
#include "support/tempdatafolder.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using Kind = BrokenDisk::Kind;
using Content = std::optional<QByteArray>;   // nullopt: no such file

// One of the program's writers, the file it changes and what was there before.
struct Writer
{
    const char *name;
    QString file;   // relative to the data folder
    std::function<void(const TempDataFolder &)> setUp;
    std::function<IoStatus()> run;
    Kind disk = Kind::Local;
};

Content contentOf(const TempDataFolder &data, const QString &file)
{
    QFile f(data.path() + file);
    if (!f.exists())
        return std::nullopt;
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// Every file in the data folder and the record folder, hidden ones included,
// relative to the data folder.
QStringList entries(const TempDataFolder &data)
{
    QStringList names;
    for (const QString &folder : {QString(), QStringLiteral("sauvegardes/")})
        for (const QString &f : QDir(data.path() + folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
            names << folder + f;
    names.sort();
    return names;
}

QString describe(const Content &c) { return c ? QStringLiteral("%1 bytes").arg(c->size()) : QStringLiteral("no file"); }

void pupilLoggedIn(const TempDataFolder &data)
{
    data.addPupil(QStringLiteral("tom"), QStringLiteral("pw"));
    login().pupilName = QStringLiteral("tom");
    ASSERT_TRUE(RecordStore::loadPupilRecord(QStringLiteral("tom")).ok());
    student().results[3] = CompetenceResult{4, true, QStringLiteral("09/12/2026"), QStringLiteral("Mme Laurent")};
}

std::array<CompetenceResult, CompetenceCount> someResults()
{
    std::array<CompetenceResult, CompetenceCount> results;
    for (int n = 1; n <= CompetenceCount; ++n)
        results[n - 1] = CompetenceResult{n, n % 4 == 0, QStringLiteral("08/12/2026"), QStringLiteral("l'administrateur")};
    return results;
}

IoStatus registerZoe() { return RecordStore::writeNewRecord(QStringLiteral("zoé"), passwordHash(QStringLiteral("z")), QStringLiteral("6B")); }

std::vector<Writer> writers()
{
    const auto none = [](const TempDataFolder &) {};
    const auto withTom = [](const TempDataFolder &data) { data.addPupil(QStringLiteral("tom"), QStringLiteral("pw")); };
    const QString zoe = QStringLiteral("sauvegardes/zoé-qib.txt");
    return {
        {"rewrite at a save", QStringLiteral("sauvegardes/tom-qib.txt"), pupilLoggedIn, [] { return RecordStore::savePupilRecord(); }},
        {"console rewrite", QStringLiteral("sauvegardes/tom-qib.txt"), withTom,
         [] {
             return RecordStore::writeRecord(QStringLiteral("tom"), {QStringLiteral("tom"), passwordHash(QStringLiteral("pw")), QStringLiteral("6A")},
                                             someResults(), GroupLabel::CompetenceAccent);
         }},
        {"creation", zoe, none, registerZoe},
        {"creation beside others", zoe, withTom, registerZoe},
        {"creation by hard link", zoe, none, registerZoe, Kind::HardLinksOnly},
        {"creation on a network share", zoe, none, registerZoe, Kind::NetworkShare},
        {"password change", QStringLiteral("sauvegardes/tom-qib.txt"), withTom,
         [] { return RecordStore::changePassword(QStringLiteral("tom"), passwordHash(QStringLiteral("neuf"))); }},
        {"class list", QStringLiteral("classes.txt"), none,
         [] { return RecordStore::saveTextList(DataFolder::classListPath(), {QStringLiteral("6ème A"), QStringLiteral("5B")}); }},
        {"administrator digest", QStringLiteral("ad.txt"), none, [] { return RecordStore::writeAdminHash(passwordHash(QStringLiteral("autre"))); }},
        {"registration allowed", QStringLiteral("sauvegardes/aaadmin-qib.bin"), none, [] { return RecordStore::allowRegistration(true); }},
        {"registration forbidden", QStringLiteral("sauvegardes/aaadmin-qib.bin"),
         [](const TempDataFolder &) { ASSERT_TRUE(RecordStore::allowRegistration(true).ok()); },
         [] { return RecordStore::allowRegistration(false); }},
        {"import replacing an account", QStringLiteral("sauvegardes/tom-qib.txt"), withTom,
         [] {
             return RecordStore::replaceWithNewRecord(QStringLiteral("tom"), QStringLiteral("tom"),
                                                      passwordHash(QStringLiteral("neuf")), QStringLiteral("5A"));
         }},
        {"deletion", QStringLiteral("sauvegardes/tom-qib.txt"), withTom, [] { return RecordStore::deleteRecordFile(QStringLiteral("tom")); }},
    };
}

// What a writer does on a sound disk: the file it leaves and the calls it makes.
struct Baseline
{
    Content before, after;
    QStringList entriesBefore;
    int calls = 0;
};

Baseline baselineOf(const Writer &w)
{
    TempDataFolder data;
    w.setUp(data);
    Baseline b{contentOf(data, w.file), std::nullopt, entries(data), 0};
    BrokenDisk disk(w.disk);
    EXPECT_TRUE(w.run().ok()) << w.name;
    b.after = contentOf(data, w.file);
    b.calls = disk.calls();
    return b;
}

// The other files stay as they were; the target is the old or the new one.
void expectOldOrNew(const TempDataFolder &data, const Writer &w, const Baseline &b, const std::string &where,
                    bool temporariesAllowed)
{
    const Content now = contentOf(data, w.file);
    EXPECT_TRUE(now == b.before || now == b.after)
        << where << ": " << describe(now).toStdString() << ", expected " << describe(b.before).toStdString()
        << " or " << describe(b.after).toStdString();
    QStringList left = entries(data), expected = b.entriesBefore;
    left.removeAll(w.file);
    expected.removeAll(w.file);
    if (temporariesAllowed)
        left.removeIf([](const QString &f) { return f.section(QLatin1Char('/'), -1).startsWith(QLatin1String(".tavelo-")); });
    EXPECT_EQ(left, expected) << where << ": nothing else is left in the folders";
}
}

// Each writer is run on a disk that fails its N-th system call, for every N it
// reaches and three errors: a failure reported leaves the old file byte for
// byte, a success the new one (a failure after the new file took its name is no
// failure of the write), and no temporary is left.
TEST(DiskFaults, EveryFailingCallLeavesTheOldFileOrReportsSuccessWithTheNewOne)
{
    int cases = 0, reportedFailures = 0;
    for (const Writer &w : writers()) {
        const Baseline b = baselineOf(w);
        ASSERT_GT(b.calls, 0) << w.name;
        ASSERT_NE(b.before, b.after) << w.name;
        for (int n = 1; n <= b.calls; ++n) {
            for (int error : {ENOSPC, EIO, EACCES}) {
                TempDataFolder data;
                w.setUp(data);
                const std::string where = std::string(w.name) + ", call " + std::to_string(n) + " fails with errno "
                                          + std::to_string(error);
                IoStatus status;
                {
                    BrokenDisk disk(w.disk);
                    disk.failCall(n, error);
                    status = w.run();
                }
                expectOldOrNew(data, w, b, where, false);
                EXPECT_TRUE(contentOf(data, w.file) == (status.ok() ? b.after : b.before))
                    << where << ": reported " << (status.ok() ? "success" : "failure") << " with "
                    << describe(contentOf(data, w.file)).toStdString();
                reportedFailures += status.ok() ? 0 : 1;
                ++cases;
            }
        }
    }
    EXPECT_GT(cases, 250) << "every writer was broken at each of its calls";
    EXPECT_GT(reportedFailures, cases / 2) << "the calls before the rename fail the write";
}

// The same writers stopped dead at their N-th call, as by a power cut: the file
// is still the old or the new one. Only a hidden temporary, never listed as a
// pupil, may remain of the writer that died; on a share without hard links the
// name claimed for a new record may remain empty.
TEST(DiskFaults, AWriterStoppedAtAnyCallLeavesTheOldOrTheNewFile)
{
    for (const Writer &w : writers()) {
        const Baseline b = baselineOf(w);
        for (int n = 1; n <= b.calls; ++n) {
            TempDataFolder data;
            w.setUp(data);
            const std::string where = std::string(w.name) + ", stopped at call " + std::to_string(n);
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                BrokenDisk disk(w.disk);
                disk.failCall(n, 0);
                w.run();
                ::_exit(3);   // the writer was expected to stop before its end
            }
            int wstatus = 0;
            ASSERT_EQ(::waitpid(child, &wstatus, 0), child);
            ASSERT_TRUE(WIFEXITED(wstatus) && WEXITSTATUS(wstatus) == 0) << where;
            if (w.disk == Kind::NetworkShare && contentOf(data, w.file) == QByteArray())
                continue;
            expectOldOrNew(data, w, b, where, true);
            EXPECT_FALSE(RecordStore::listRecordNames().join(QLatin1Char(',')).contains(QLatin1String(".tavelo")));
        }
    }
}

TEST(DiskFaults, NewRecordsOnEveryDiskAreWholeAndNeverReplaceOne)
{
    for (Kind kind : {Kind::Local, Kind::HardLinksOnly, Kind::NetworkShare}) {
        TempDataFolder data;
        BrokenDisk disk(kind);
        ASSERT_TRUE(registerZoe().ok());
        const QByteArray fresh = data.readBytes(QStringLiteral("sauvegardes/zoé-qib.txt"));
        EXPECT_EQ(fresh.count("\r\n"), 148);
        EXPECT_FALSE(QFile::permissions(data.recordPath(QStringLiteral("zoé"))) & QFile::WriteOwner);
        const IoStatus again = RecordStore::writeNewRecord(QStringLiteral("zoé"), passwordHash(QStringLiteral("other")), QStringLiteral("5A"));
        EXPECT_EQ(again.errorCode(), EEXIST);
        EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/zoé-qib.txt")), fresh);
        EXPECT_EQ(QDir(data.recordFolder()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}
