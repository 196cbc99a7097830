// Fuzzes the record readers with arbitrary record files. The readers must agree
// with one another, and the login's reader may bring only a whole record to the
// saved form: any other file stays on disk byte for byte.
#include "records/cp1252.h"
#include "records/datafolder.h"
#include "records/recordstore.h"
#include "records/systemcalls.h"
#include "records/textfile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
// Durability is not fuzzed: a sync that does nothing keeps the runs fast.
int noSync(int) { return 0; }

void check(bool condition, const char *what)
{
    if (!condition) {
        fprintf(stderr, "record readers disagree: %s\n", what);
        abort();
    }
}

QTemporaryDir &folder()
{
    // In memory where the machine has it: a disk would flush every rewrite.
    static QTemporaryDir dir((QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath())
                             + QStringLiteral("/tavelo-fuzz-XXXXXX"));
    static bool ready = [] {
        QDir(dir.path()).mkdir(QStringLiteral("sauvegardes"));
        DataFolder::setPath(dir.path());
        SystemCalls::current().fsync = noSync;
        return true;
    }();
    (void)ready;
    return dir;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QByteArray bytes;
    check(TextFile::readBytes(path, &bytes).ok(), "file read back");
    return bytes;
}

// The first of the four header lines longer than 4096 bytes, or 4: the header
// reader gives up on such a line, which only a damaged file has.
int firstLongHeaderLine(const QByteArray &bytes)
{
    qsizetype start = 0;
    for (int i = 0; i < 4 && start < bytes.size(); ++i) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        if (end - start > 4096)
            return i;
        start = end + (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return 4;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    folder();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString name = QStringLiteral("fuzz");
    const QString path = RecordStore::recordPath(name);
    writeFile(path, bytes);

    RecordContent content;
    check(RecordStore::readRecord(name, &content).ok(), "full read");
    RecordHeader header;
    check(RecordStore::readRecordHeader(name, &header).ok(), "header read");
    QString className;
    check(RecordStore::readRecordClass(name, &className).ok(), "class read");
    std::array<bool, CompetenceCount> acquired;
    check(RecordStore::readRecordStatuses(name, &acquired).ok(), "status read");
    for (int i = 0; i < CompetenceCount; ++i)
        check(acquired[i] == content.results[i].acquired, "statuses and full reader");
    const int longLine = firstLongHeaderLine(bytes);
    const auto expected = [longLine](int line, const QString &full) { return line < longLine ? full : QString(); };
    check(header.name == expected(1, content.header.name), "name and full reader");
    check(header.hash == expected(2, content.header.hash), "digest and full reader");
    check(header.className == expected(3, content.header.className), "class and full reader");
    check(className == header.className, "class reader and header reader");

    // The console's quick reading: the folder reader's bytes, cut without copies.
    RecordStore::RecordFolderReader reader;
    QByteArrayView read;
    check(reader.read(name, &read).ok() && read == QByteArrayView(bytes), "folder reader and the file");
    constexpr int Quick = 120;
    std::array<QByteArrayView, Quick> quick;
    const int found = RecordStore::splitLines(read, quick.data(), Quick);
    const QStringList whole = TextFile::splitLines(bytes);
    check(found == int(qMin<qsizetype>(whole.size(), Quick)), "quick and whole line counts");
    for (int i = 0; i < Quick; ++i)
        check(Cp1252::decode(quick[i]) == (i < whole.size() ? whole.at(i) : QString()), "quick and whole lines");

    login().pupilName = name;
    bool rewritten = false;
    check(RecordStore::loadPupilRecord(name, &rewritten).ok(), "login read");
    for (int i = 0; i < CompetenceCount; ++i)
        check(student().results[i].acquired == content.results[i].acquired, "login and full reader");
    const QByteArray after = readFile(path);
    if (!rewritten) {
        check(after == bytes, "a file not rewritten is left as it is");
    } else {
        check(after.count("\r\n") == 120 && after.startsWith("nom\r\n"), "a rewritten record is whole");
        RecordContent again;
        check(RecordStore::readRecord(name, &again).ok(), "rewritten read");
        check(again.header.hash == content.header.hash && again.header.className == content.header.className,
              "the rewrite keeps the header");
        for (int i = 0; i < CompetenceCount; ++i)
            check(again.results[i].acquired == content.results[i].acquired
                      && again.results[i].date == content.results[i].date
                      && again.results[i].validator == content.results[i].validator,
                  "the rewrite keeps the results");
    }
    return 0;
}
