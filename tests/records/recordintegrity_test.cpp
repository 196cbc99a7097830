#include "records/datafolder.h"
#include "records/passwordhash.h"
#include "records/recordstore.h"
#include "records/systemcalls.h"
#include "records/textfile.h"
#include "support/tempdatafolder.h"

#include <QDir>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QByteArray savedRecord(const QString &name, const QString &className, const QString &validator = QStringLiteral("Mme Laurent"))
{
    QStringList lines{QStringLiteral("nom"), name, passwordHash(QStringLiteral("pw")), className};
    for (int n = 1; n <= CompetenceCount; ++n)
        lines << QStringLiteral("competence %1").arg(n) << (n % 2 ? QStringLiteral("oui") : QStringLiteral("non"))
              << QStringLiteral("0%1/12/2026").arg(n % 9 + 1) << validator;
    return TextFile::joinLines(lines);
}

QStringList recordFolderFiles(const TempDataFolder &data)
{
    QStringList files = QDir(data.recordFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    files.sort();
    return files;
}

// A record read back from disk is one that some writer wrote whole.
bool isWhole(const QByteArray &bytes, const QString &name)
{
    const QStringList lines = TextFile::splitLines(bytes);
    return bytes.endsWith("\r\n") && lines.size() == 120 && lines.at(1) == name && lines.at(119).startsWith(QLatin1String("w"));
}

// Runs `work` in a child process started when `go` is written to; gives its pid.
pid_t startChild(int goPipe, const std::function<bool()> &work)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        char c;
        const bool started = ::read(goPipe, &c, 1) == 1;
        ::_exit(started && work() ? 0 : 1);
    }
    return pid;
}

bool exitedWell(pid_t pid)
{
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
}

TEST(DamagedRecords, AreReadAsFarAsTheyGoAndLeftOnDiskAsTheyAre)
{
    TempDataFolder data;
    const QByteArray whole = savedRecord(QStringLiteral("tom"), QStringLiteral("6A"));
    QByteArray odd = whole;
    odd.replace("competence 3\r\noui\r\n", "competence 3\r\nOUI\r\n");
    QByteArray upper = whole;
    upper.replace(passwordHash(QStringLiteral("pw")).toLatin1(), passwordHash(QStringLiteral("pw")).toUpper().toLatin1());
    const struct { const char *what; QByteArray bytes; int acquiredUpTo; } damaged[] = {
        {"empty file", QByteArray(), 0},
        {"cut inside the digest", whole.left(20), 0},
        {"cut after the class", whole.left(whole.indexOf("competence 1\r\n")), 0},
        {"cut inside the last validator", whole.chopped(5), 29},
        {"cut inside the 10th group", whole.left(whole.indexOf("competence 10\r\n") + 15), 9},
        {"a status neither oui nor non", odd, 29},
        {"a digest in capitals", upper, 29},
    };
    for (const auto &d : damaged) {
        data.writeBytes(QStringLiteral("sauvegardes/tom-qib.txt"), d.bytes);
        login().pupilName = QStringLiteral("tom");
        for (auto &r : student().results)
            r.acquired = true;
        bool rewritten = true;
        ASSERT_TRUE(RecordStore::loadPupilRecord(QStringLiteral("tom"), &rewritten).ok()) << d.what;
        EXPECT_FALSE(rewritten) << d.what;
        EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/tom-qib.txt")), d.bytes) << d.what << ": left as it is";
        for (int n = 1; n <= CompetenceCount; ++n)
            EXPECT_EQ(student().results[n - 1].acquired, n % 2 == 1 && n <= d.acquiredUpTo && !(n == 3 && d.bytes == odd))
                << d.what << ", competence " << n;
    }
    // The whole record itself is still brought to the saved form.
    QByteArray accented = whole;
    accented.replace("competence ", "comp\xE9tence ");
    data.writeBytes(QStringLiteral("sauvegardes/tom-qib.txt"), accented);
    bool rewritten = false;
    ASSERT_TRUE(RecordStore::loadPupilRecord(QStringLiteral("tom"), &rewritten).ok());
    EXPECT_TRUE(rewritten);
    EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/tom-qib.txt")), whole);
}

TEST(HeaderReader, StaysFastOnHugeLinesAndReadsNoMoreThanTheHeader)
{
    TempDataFolder data;
    const QByteArray huge(10 * 1024 * 1024, 'x');
    QByteArray longGroup = savedRecord(QStringLiteral("ana"), QStringLiteral("5B"));
    longGroup.replace("01/12/2026", huge);   // a 10 MB date line after the header
    data.writeBytes(QStringLiteral("sauvegardes/ana-qib.txt"), longGroup);
    data.writeBytes(QStringLiteral("sauvegardes/big-qib.txt"), "nom\r\n" + huge + "\r\n" + passwordHash(QStringLiteral("pw")).toLatin1() + "\r\n6A\r\n");
    data.writeBytes(QStringLiteral("ad.txt"), huge);

    QElapsedTimer timer;
    timer.start();
    QString className;
    ASSERT_TRUE(RecordStore::readRecordClass(QStringLiteral("ana"), &className).ok());
    EXPECT_EQ(className, QStringLiteral("5B"));
    RecordHeader header;
    ASSERT_TRUE(RecordStore::readRecordHeader(QStringLiteral("big"), &header).ok());
    ASSERT_TRUE(RecordStore::readRecordClass(QStringLiteral("big"), &className).ok());
    QString hash = QStringLiteral("stale");
    ASSERT_TRUE(RecordStore::readAdminHash(&hash).ok());
    EXPECT_LT(timer.elapsed(), 50) << "ms to read three headers of 10 MB records";
    // A header line of megabytes is damage: it and what follows read as empty,
    // so no password can match it.
    EXPECT_TRUE(header.name.isEmpty());
    EXPECT_TRUE(header.hash.isEmpty());
    EXPECT_TRUE(className.isEmpty());
    EXPECT_TRUE(hash.isEmpty());
}

TEST(HeaderReader, ALineEndSplitAcrossReadsCountsOnce)
{
    TempDataFolder data;
    // The CR of the name's CR LF is the last byte of the first read, its LF the first of the next.
    for (int nameLength : {4089, 4090, 4091}) {
        const QString name(nameLength, QLatin1Char('n'));
        data.writeBytes(QStringLiteral("sauvegardes/n-qib.txt"), TextFile::joinLines({QStringLiteral("nom"), name, QStringLiteral("h"), QStringLiteral("4C")}));
        RecordHeader header;
        ASSERT_TRUE(RecordStore::readRecordHeader(QStringLiteral("n"), &header).ok());
        EXPECT_EQ(header.name, name) << nameLength;
        EXPECT_EQ(header.hash, QStringLiteral("h")) << nameLength;
        EXPECT_EQ(header.className, QStringLiteral("4C")) << nameLength;
    }
}

namespace {
// Plays the other workstation: just before this one's record gets its name, a
// case twin appears in the folder.
int renameAfterTwinAppears(const char *from, const char *to)
{
    QFile twin(DataFolder::recordFolder() + QStringLiteral("ZOE-qib.txt"));
    twin.open(QIODevice::WriteOnly);
    twin.write(TextFile::joinLines({QStringLiteral("nom"), QStringLiteral("ZOE")}));
    twin.close();
    return SystemCalls::system().renameNoReplace(from, to);
}
}

TEST(CaseTwins, ARecordCreatedBesideATwinThatJustAppearedIsRemoved)
{
    TempDataFolder data;
    SystemCalls::current().renameNoReplace = renameAfterTwinAppears;
    const IoStatus status = RecordStore::writeNewRecord(QStringLiteral("zoe"), passwordHash(QStringLiteral("z")), QStringLiteral("6A"));
    SystemCalls::current() = SystemCalls::system();
    EXPECT_EQ(status.errorCode(), EEXIST);
    EXPECT_EQ(status.message(), QStringLiteral("Accès au fichier refusé"));
    EXPECT_EQ(recordFolderFiles(data), QStringList{QStringLiteral("ZOE-qib.txt")});
}

TEST(CaseTwins, TwoWorkstationsRegisteringAtOnceNeverLeaveTwoRecords)
{
    for (int round = 0; round < 40; ++round) {
        TempDataFolder data;
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        const auto registering = [](const char *name) {
            return [name] { return RecordStore::writeNewRecord(QLatin1String(name), passwordHash(QStringLiteral("z")), QStringLiteral("6A")).ok(); };
        };
        const pid_t lower = startChild(go[0], registering("zoe"));
        const pid_t upper = startChild(go[0], registering("ZOE"));
        ASSERT_EQ(::write(go[1], "gg", 2), 2);
        const int succeeded = int(exitedWell(lower)) + int(exitedWell(upper));
        ::close(go[0]);
        ::close(go[1]);
        EXPECT_LE(succeeded, 1) << "round " << round;
        EXPECT_EQ(recordFolderFiles(data).size(), succeeded) << "round " << round << ": " << recordFolderFiles(data).join(QLatin1Char(' ')).toStdString();
    }
}

namespace {
int syncNothing(int) { return 0; }
}

// Two workstations rewriting records while a third reads them: every read sees
// one writer's record whole, and at the end each file is whole with no temporary
// left. First both rewrite one record, then each its own.

TEST(Concurrency, TwoWritersAndAReaderNeverSeeATornRecord)
{
    constexpr int Rewrites = 1000;
    // What readers see depends on the renames alone; waiting for the disk at each
    // rewrite would only make the test slow.
    SystemCalls::current().fsync = syncNothing;
    for (bool sameRecord : {true, false}) {
        TempDataFolder data;
        const QStringList names = sameRecord ? QStringList{QStringLiteral("tom"), QStringLiteral("tom")}
                                             : QStringList{QStringLiteral("tom"), QStringLiteral("ana")};
        for (const QString &name : names)
            data.writeBytes(QStringLiteral("sauvegardes/%1-qib.txt").arg(name), savedRecord(name, QStringLiteral("6A"), QStringLiteral("w0")));
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        std::vector<pid_t> writers;
        for (int w = 0; w < 2; ++w) {
            const QString name = names.at(w);
            writers.push_back(startChild(go[0], [name, w] {
                for (int i = 1; i <= Rewrites; ++i) {
                    const QByteArray bytes = savedRecord(name, QStringLiteral("6A"), QStringLiteral("w%1 %2").arg(w).arg(i));
                    if (!TextFile::writeAtomically(RecordStore::recordPath(name), bytes, true))
                        return false;
                }
                return true;
            }));
        }
        ASSERT_EQ(::write(go[1], "gg", 2), 2);
        int reads = 0, torn = 0;
        for (;;) {
            int alive = 0;
            for (pid_t pid : writers) {
                siginfo_t info{};
                alive += ::waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
            }
            if (alive == 0)
                break;
            for (const QString &name : names) {
                QByteArray bytes;
                const IoStatus status = TextFile::readBytes(RecordStore::recordPath(name), &bytes);
                ++reads;
                torn += !status.ok() || !isWhole(bytes, name);
            }
        }
        for (pid_t pid : writers)
            EXPECT_TRUE(exitedWell(pid)) << "every rewrite succeeded";
        ::close(go[0]);
        ::close(go[1]);
        EXPECT_EQ(torn, 0) << "of " << reads << " reads";
        EXPECT_GT(reads, 10);
        for (const QString &name : names)
            EXPECT_TRUE(isWhole(data.readBytes(QStringLiteral("sauvegardes/%1-qib.txt").arg(name)), name));
        QStringList expected;
        for (const QString &name : names)
            if (!expected.contains(name + QStringLiteral("-qib.txt")))
                expected << name + QStringLiteral("-qib.txt");
        expected.sort();
        EXPECT_EQ(recordFolderFiles(data), expected) << "no stray temporary";
    }
    SystemCalls::current() = SystemCalls::system();
}

TEST(Temporaries, ThoseOfAWriterStoppedLongAgoAreRemovedAtTheNextWriteAndNothingElse)
{
    TempDataFolder data;
    // Only the first one is named as the writer names its temporaries.
    const QStringList old{QStringLiteral(".tavelo-old12345"), QStringLiteral(".tavelo-zoe-qib.txt"),
                          QStringLiteral(".tavelo-OLD12345"), QStringLiteral(".tavelo-old123456")};
    for (const QString &name : old) {
        data.writeBytes(QStringLiteral("sauvegardes/") + name, "nom\r\n");
        QFile file(data.recordFolder() + name);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-2 * 3600), QFileDevice::FileModificationTime));
    }
    data.writeBytes(QStringLiteral("sauvegardes/.tavelo-now12345"), "another workstation writing");
    data.writeBytes(QStringLiteral("sauvegardes/.cache-qib.txt"), "nom\r\n");
    ASSERT_TRUE(RecordStore::writeNewRecord(QStringLiteral("tom"), passwordHash(QStringLiteral("pw")), QStringLiteral("6A")).ok());
    EXPECT_EQ(recordFolderFiles(data).join(QLatin1Char(' ')),
              QStringLiteral(".cache-qib.txt .tavelo-OLD12345 .tavelo-now12345 .tavelo-old123456 .tavelo-zoe-qib.txt tom-qib.txt"));
    EXPECT_EQ(RecordStore::listRecordNames().join(QLatin1Char(' ')), QStringLiteral(".cache .tavelo-zoe tom"));

    // No new record may be named so: a hidden file, and no name a pupil types.
    EXPECT_FALSE(RecordStore::isValidRecordName(QStringLiteral(".tavelo-léo")));
    EXPECT_FALSE(RecordStore::writeNewRecord(QStringLiteral(".léo"), passwordHash(QStringLiteral("pw")), QStringLiteral("6A")).ok());
    EXPECT_FALSE(QFile::exists(data.recordPath(QStringLiteral(".léo"))));
}
