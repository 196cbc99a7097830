#include "brokendisk.h"

#include "records/cp1252.h"
#include "records/recordstore.h"
#include "records/textfile.h"
#include "support/tempdatafolder.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray viewed(QByteArrayView bytes) { return bytes.toByteArray(); }

// Bytes of every length around the reader's buffer sizes.
QByteArray filler(qsizetype size, char seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 7 % 251);
    return bytes;
}
}

// One reader over records of every size, one after another in its one buffer:
// each read gives exactly what the whole-file read gives, and nothing of the
// record read before it.
TEST(RecordFolderReader, GivesEachRecordsBytesWhateverItsSizeAndTheOneReadBefore)
{
    TempDataFolder data;
    const QList<QPair<QString, QByteArray>> records{
        {QStringLiteral("grand"), filler(50000, 'a')},
        {QStringLiteral("vide"), QByteArray()},
        {QStringLiteral("élève Œ"), "nom\r\n\xC9l\xE8ve \x8C\r\n"},
        {QStringLiteral("juste"), filler(4095, 'b')},
        {QStringLiteral("plein"), filler(4096, 'c')},
        {QStringLiteral("..."), "trois points"},
        {QStringLiteral(" espace "), filler(7, 'd')},
        {QStringLiteral("ok 😀 ✓"), filler(9, 'e')},
    };
    for (const auto &[name, bytes] : records)
        data.writeBytes(QStringLiteral("sauvegardes/") + name + QStringLiteral("-qib.txt"), bytes);

    RecordStore::RecordFolderReader reader;
    for (int round = 0; round < 2; ++round) {
        for (const auto &[name, bytes] : records) {
            QByteArrayView read;
            ASSERT_TRUE(reader.read(name, &read).ok()) << name.toStdString();
            QByteArray whole;
            ASSERT_TRUE(TextFile::readBytes(RecordStore::recordPath(name), &whole).ok());
            EXPECT_EQ(viewed(read), bytes) << name.toStdString();
            EXPECT_EQ(viewed(read), whole) << name.toStdString();
        }
    }
    QByteArrayView read;
    EXPECT_EQ(reader.read(QStringLiteral("absent"), &read).errorCode(), ENOENT);
    EXPECT_TRUE(read.isEmpty());
}

// A record name never leads out of the record folder: one starting with "/",
// or holding "../", finds nothing even where such a file exists outside.
TEST(RecordFolderReader, ANameNeverLeadsOutOfTheRecordFolder)
{
    TempDataFolder data;
    data.writeBytes(QStringLiteral("dehors-qib.txt"), "secret");
    data.writeBytes(QStringLiteral("sauvegardes/dedans-qib.txt"), "record");
    const QString outside = QDir(data.path()).absolutePath() + QStringLiteral("/dehors");
    ASSERT_TRUE(QFile::exists(outside + QStringLiteral("-qib.txt")));
    ASSERT_TRUE(QDir(data.recordFolder()).mkdir(QStringLiteral("😀")));   // so that "😀/../../dehors" would lead out

    RecordStore::RecordFolderReader reader;
    for (const QString &name : {outside, QStringLiteral("../dehors"), QStringLiteral("/../dehors"),
                                QStringLiteral("./../dehors"), QStringLiteral("sous/dedans"),
                                QStringLiteral("/dedans"), QStringLiteral("dedans") + QChar(0) + QStringLiteral("x"),
                                QStringLiteral("😀/../../dehors")}) {
        QByteArrayView read;
        const IoStatus status = reader.read(name, &read);
        EXPECT_FALSE(status.ok()) << name.toStdString();
        EXPECT_EQ(status.errorCode(), ENOENT) << name.toStdString();
        EXPECT_NE(viewed(read), QByteArray("secret"));
    }
    QByteArrayView read;
    ASSERT_TRUE(reader.read(QStringLiteral("dedans"), &read).ok());
    EXPECT_EQ(viewed(read), QByteArray("record"));
}

// Only regular files are records: a folder or a pipe bearing a record's name is
// refused at once (a pipe would otherwise wait for a writer for ever); a link to
// a record reads as the record, as the store's own reader has it.
TEST(RecordFolderReader, ReadsOnlyRegularFiles)
{
    TempDataFolder data;
    data.addPupil(QStringLiteral("vrai"), QStringLiteral("p"));
    ASSERT_TRUE(QDir(data.recordFolder()).mkdir(QStringLiteral("dossier-qib.txt")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(data.recordPath(QStringLiteral("tube"))).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(data.recordPath(QStringLiteral("vrai")), data.recordPath(QStringLiteral("lien"))));

    RecordStore::RecordFolderReader reader;
    QByteArrayView read;
    EXPECT_EQ(reader.read(QStringLiteral("dossier"), &read).errorCode(), EISDIR);
    EXPECT_EQ(reader.read(QStringLiteral("tube"), &read).errorCode(), EACCES);
    EXPECT_FALSE(reader.read(QStringLiteral("tube"), &read).message().isEmpty());
    ASSERT_TRUE(reader.read(QStringLiteral("lien"), &read).ok());
    EXPECT_EQ(viewed(read), data.readBytes(QStringLiteral("sauvegardes/vrai-qib.txt")));
}

TEST(RecordFolderReader, AMissingRecordFolderFailsEveryRead)
{
    TempDataFolder data;
    ASSERT_TRUE(QDir(data.recordFolder()).removeRecursively());
    RecordStore::RecordFolderReader reader;
    QByteArrayView read;
    EXPECT_EQ(reader.read(QStringLiteral("tom"), &read).errorCode(), ENOENT);
    EXPECT_EQ(reader.read(QStringLiteral("tom"), &read).errorCode(), ENOENT);
}

// The reader on a disk that fails its N-th call, for every N it reaches: the
// record being read then is reported with that error and the others read whole.
TEST(RecordFolderReader, EveryFailingCallIsReported)
{
    TempDataFolder data;
    const QStringList names{QStringLiteral("anne"), QStringLiteral("bruno"), QStringLiteral("chloé")};
    for (const QString &name : names)
        data.addPupil(name, QStringLiteral("p"));
    const auto readAll = [&names](QList<IoStatus> *statuses, QList<QByteArray> *bytes) {
        RecordStore::RecordFolderReader reader;
        for (const QString &name : names) {
            QByteArrayView read;
            statuses->append(reader.read(name, &read));
            bytes->append(viewed(read));
        }
    };
    int calls = 0;
    QList<QByteArray> whole;
    {
        BrokenDisk disk;
        QList<IoStatus> statuses;
        readAll(&statuses, &whole);
        calls = disk.calls();
        for (const IoStatus &s : statuses)
            ASSERT_TRUE(s.ok());
    }
    // The folder, then for each record: its opening, two reads and its closing.
    EXPECT_EQ(calls, 1 + 4 * int(names.size()));
    for (int n = 1; n <= calls; ++n) {
        for (int error : {EIO, EACCES, ENOSPC}) {
            QList<IoStatus> statuses;
            QList<QByteArray> bytes;
            {
                BrokenDisk disk;
                disk.failCall(n, error);
                readAll(&statuses, &bytes);
            }
            int failed = 0;
            for (int i = 0; i < names.size(); ++i) {
                if (statuses.at(i).ok()) {
                    EXPECT_EQ(bytes.at(i), whole.at(i)) << "call " << n << ", record " << i;
                } else {
                    ++failed;
                    EXPECT_EQ(statuses.at(i).errorCode(), error) << "call " << n;
                    EXPECT_TRUE(bytes.at(i).isEmpty()) << "call " << n;
                }
            }
            // A broken folder fails every record; a broken record call only its record.
            EXPECT_EQ(failed, n == 1 ? int(names.size()) : 1) << "call " << n << " errno " << error;
        }
    }
}

// The quick cutting into lines looks at eight bytes at a time: wherever a CR,
// an LF or a CR LF stands around those steps, and whatever the other bytes, it
// cuts as the whole-file reader does.
TEST(RecordLines, AreCutAsTheWholeFileReaderCutsThem)
{
    std::mt19937 random(1209);
    const char alphabet[] = {'\r', '\n', 'a', '\xE9', '\x80', '\0', '\x8D', '\x8A'};
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes(std::uniform_int_distribution<int>(0, 40)(random), Qt::Uninitialized);
        const int kinds = std::uniform_int_distribution<int>(1, 8)(random);   // few kinds: many line ends
        for (char &c : bytes)
            c = alphabet[std::uniform_int_distribution<int>(0, kinds - 1)(random)];
        const QStringList whole = TextFile::splitLines(bytes);
        const int count = std::uniform_int_distribution<int>(0, 12)(random);
        std::vector<QByteArrayView> lines(count, QByteArrayView("stale"));
        const int found = RecordStore::splitLines(bytes, lines.data(), count);
        ASSERT_EQ(found, qMin<int>(int(whole.size()), count)) << bytes.toHex().constData();
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(Cp1252::decode(lines[i]), i < found ? whole.at(i) : QString()) << bytes.toHex().constData() << " line " << i;
    }
}

TEST(Cp1252, DecodesTheBytesThatLatin1LacksWhereverTheyStand)
{
    EXPECT_EQ(Cp1252::decode("\x80"), QStringLiteral("€"));
    EXPECT_EQ(Cp1252::decode("ASCII long avant \x92 et \x9C apr\xE8s \x81\x9F"),
              QStringLiteral("ASCII long avant ’ et œ après \u0081Ÿ"));
    EXPECT_EQ(Cp1252::decode("\xA0\xFF\x7F"), QStringLiteral("\u00A0\u00FF\u007F"));
    EXPECT_TRUE(Cp1252::decode(QByteArrayView()).isEmpty());
}

// Links in the record folder are read as the store's own reader reads them: one
// that ends in the folder is that record, one that leads out is refused, and the
// file outside is never read.
TEST(RecordFolderReader, FollowsALinkOnlyWhenItEndsInTheRecordFolder)
{
    TempDataFolder data;
    data.writeBytes(QStringLiteral("dehors-qib.txt"), "secret");
    data.writeBytes(QStringLiteral("sauvegardes/dedans-qib.txt"), "record");
    const auto link = [&data](const QByteArray &target, const QString &name) {
        return ::symlink(target.constData(), QFile::encodeName(data.recordPath(name)).constData()) == 0;
    };
    ASSERT_TRUE(link("dedans-qib.txt", QStringLiteral("jumeau")));
    ASSERT_TRUE(link("../dehors-qib.txt", QStringLiteral("fuite")));
    ASSERT_TRUE(link(QFile::encodeName(QDir(data.path()).absoluteFilePath(QStringLiteral("dehors-qib.txt"))),
                     QStringLiteral("fuite2")));

    RecordStore::RecordFolderReader reader;
    QByteArrayView read;
    ASSERT_TRUE(reader.read(QStringLiteral("jumeau"), &read).ok());
    EXPECT_EQ(viewed(read), QByteArray("record"));
    for (const QString &name : {QStringLiteral("fuite"), QStringLiteral("fuite2")}) {
        QByteArray whole;
        const IoStatus store = TextFile::readBytes(RecordStore::recordPath(name), &whole, TextFile::Links::WithinFolder);
        const IoStatus status = reader.read(name, &read);
        EXPECT_FALSE(status.ok()) << name.toStdString();
        EXPECT_EQ(status.errorCode(), store.errorCode()) << name.toStdString();
        EXPECT_TRUE(read.isEmpty());
    }
}
