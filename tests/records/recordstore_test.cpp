#include "records/clock.h"
#include "records/cp1252.h"
#include "records/datafolder.h"
#include "records/iostatus.h"
#include "records/passwordhash.h"
#include "records/frenchorder.h"
#include "records/recordstore.h"
#include "records/textfile.h"
#include "support/tempdatafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <cerrno>
#include <gtest/gtest.h>

namespace {
QByteArray crlf(const QStringList &lines) { return TextFile::joinLines(lines); }

// A record as another copy of the program may have written it.
QByteArray recordBytes(const QString &label, int groups, const QString &status = QStringLiteral("non"))
{
    QStringList lines{QStringLiteral("nom"), QStringLiteral("élodie"), passwordHash(QStringLiteral("abc")), QStringLiteral("5A")};
    for (int n = 1; n <= groups; ++n) {
        const bool acquired = (n % 3 == 0) && status == QLatin1String("oui");
        lines << label + QString::number(n) << (acquired ? QStringLiteral("oui") : QStringLiteral("non"))
              << (acquired ? QStringLiteral("0%1/11/2026").arg(n % 9 + 1) : QString())
              << (acquired ? QStringLiteral("Mme Laurent") : QString());
    }
    return crlf(lines);
}

int lineCount(const QByteArray &bytes) { return int(bytes.count("\r\n")); }

void login(const QString &name)
{
    ::login().pupilName = name;
    ::login().recordFolder = QString();
}
}

TEST(PasswordHash, IsLowerCaseMd5OfWindows1252Bytes)
{
    EXPECT_EQ(passwordHash(QString()), QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
    EXPECT_EQ(passwordHash(QStringLiteral("é")), QStringLiteral("3406877694691ddd1dfb0aca54681407"));
    EXPECT_EQ(passwordHash(QStringLiteral("vorne")), QStringLiteral("5c40f2c430d8ad2b972544b058131dc3"));
}

TEST(Cp1252, RoundTripsTheWholeCodePageAndRefusesTheRest)
{
    EXPECT_EQ(Cp1252::encode(QStringLiteral("é€œ’")), QByteArray("\xE9\x80\x9C\x92"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(Cp1252::encode(Cp1252::decode(all)), all);
    bool ok = true;
    EXPECT_EQ(Cp1252::encode(QStringLiteral("a\u4e2db"), &ok), QByteArray("a?b"));
    EXPECT_FALSE(ok);
    EXPECT_FALSE(Cp1252::canEncode(QStringLiteral("😀")));
}

TEST(TextFile, ReadsEveryLineEndAndWritesCrLf)
{
    EXPECT_EQ(TextFile::splitLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(TextFile::splitLines("a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
    EXPECT_TRUE(TextFile::splitLines("").isEmpty());
    EXPECT_EQ(TextFile::joinLines({QStringLiteral("é"), QString()}), QByteArray("\xE9\r\n\r\n"));
}

TEST(IoStatus, SpeaksThePlatformMessages)
{
    EXPECT_EQ(IoStatus::failure(ENOENT).message(), QStringLiteral("Fichier introuvable"));
    EXPECT_EQ(IoStatus::failure(EACCES).message(), QStringLiteral("Accès au fichier refusé"));
    EXPECT_EQ(IoStatus::failure(ENOSPC).message(), QStringLiteral("Disque plein"));
    EXPECT_EQ(IoStatus::failure(EIO).message(), QStringLiteral("Erreur E/S %1").arg(EIO));
    EXPECT_TRUE(IoStatus::success().message().isEmpty());
}

TEST(RecordStore, SaveWritesTheFormatByteForByteAndLoadsBack)
{
    TempDataFolder data;
    StudentRecord &s = student();
    s.name = QStringLiteral("élodie");
    s.hash = passwordHash(QStringLiteral("secret"));
    s.className = QStringLiteral("5A");
    s.clearResults();
    s.results[21] = CompetenceResult{22, true, QStringLiteral("09/12/2026"), QStringLiteral("Mme Laurent")};
    login(QStringLiteral("élodie"));
    ASSERT_TRUE(RecordStore::savePupilRecord().ok());

    const QByteArray bytes = data.readBytes(QStringLiteral("sauvegardes/élodie-qib.txt"));
    EXPECT_EQ(lineCount(bytes), 120);
    EXPECT_TRUE(bytes.startsWith("nom\r\n\xE9lodie\r\n" + s.hash.toLatin1() + "\r\n5A\r\ncompetence 1\r\nnon\r\n\r\n\r\n"));
    EXPECT_TRUE(bytes.contains("\r\ncompetence 22\r\noui\r\n09/12/2026\r\nMme Laurent\r\ncompetence 23\r\n"));
    EXPECT_TRUE(bytes.endsWith("competence 29\r\nnon\r\n\r\n\r\n"));
    EXPECT_FALSE(QFile::permissions(data.recordPath(QStringLiteral("élodie"))) & QFile::WriteOwner) << "read-only after a write";

    s = StudentRecord{};
    bool rewritten = true;
    ASSERT_TRUE(RecordStore::loadPupilRecord(QStringLiteral("élodie"), &rewritten).ok());
    EXPECT_EQ(s.name, QStringLiteral("élodie"));
    EXPECT_EQ(s.className, QStringLiteral("5A"));
    EXPECT_TRUE(s.results[21].acquired);
    EXPECT_EQ(s.results[21].validator, QStringLiteral("Mme Laurent"));
    EXPECT_FALSE(s.results[0].acquired);
    EXPECT_EQ(s.results[28].number, 29);
    EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/élodie-qib.txt")), bytes) << "a saved record reads back the same";
}

TEST(RecordStore, EveryLabelWordLoadsAlikeAnd29GroupFilesAreRewrittenAtLogin)
{
    TempDataFolder data;
    for (const QString &label : {QStringLiteral("competence "), QStringLiteral("compétence "), QStringLiteral("exercice ")}) {
        data.writeBytes(QStringLiteral("sauvegardes/élodie-qib.txt"), recordBytes(label, 29, QStringLiteral("oui")));
        login(QStringLiteral("élodie"));
        bool rewritten = false;
        ASSERT_TRUE(RecordStore::loadPupilRecord(QStringLiteral("élodie"), &rewritten).ok());
        EXPECT_TRUE(rewritten);
        EXPECT_TRUE(student().results[2].acquired) << label.toStdString();
        EXPECT_EQ(student().results[2].date, QStringLiteral("04/11/2026"));
        EXPECT_FALSE(student().results[3].acquired);
        const QByteArray after = data.readBytes(QStringLiteral("sauvegardes/élodie-qib.txt"));
        EXPECT_EQ(lineCount(after), 120);
        EXPECT_TRUE(after.contains("\r\ncompetence 3\r\noui\r\n04/11/2026\r\n")) << "labels become competence";
    }
}

TEST(RecordStore, AFresh36GroupRecordIsLeftUntouchedAtLogin)
{
    TempDataFolder data;
    ASSERT_TRUE(RecordStore::writeNewRecord(QStringLiteral("léa"), passwordHash(QStringLiteral("x")), QStringLiteral("6B")).ok());
    const QByteArray fresh = data.readBytes(QStringLiteral("sauvegardes/léa-qib.txt"));
    EXPECT_EQ(lineCount(fresh), 148);
    EXPECT_TRUE(fresh.contains("\r\ncomp\xE9tence 36\r\nnon\r\n\r\n\r\n"));
    login(QStringLiteral("léa"));
    bool rewritten = true;
    ASSERT_TRUE(RecordStore::loadPupilRecord(QStringLiteral("léa"), &rewritten).ok());
    EXPECT_FALSE(rewritten);
    EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/léa-qib.txt")), fresh);
    ASSERT_TRUE(RecordStore::savePupilRecord().ok());
    EXPECT_EQ(lineCount(data.readBytes(QStringLiteral("sauvegardes/léa-qib.txt"))), 120);
}

TEST(RecordStore, LoadingNeverCarriesThePreviousPupilsResults)
{
    TempDataFolder data;
    student().clearResults();
    for (auto &r : student().results)
        r.acquired = true;
    // A status line that is neither "oui" nor "non", and a truncated file.
    QByteArray odd = recordBytes(QStringLiteral("competence "), 36);
    odd.replace("competence 5\r\nnon\r\n", "competence 5\r\nOUI\r\n");
    data.writeBytes(QStringLiteral("sauvegardes/odd-qib.txt"), odd);
    ASSERT_TRUE(RecordStore::loadPupilRecord(QStringLiteral("odd")).ok());
    for (const auto &r : student().results)
        EXPECT_FALSE(r.acquired) << r.number;

    for (auto &r : student().results)
        r.acquired = true;
    data.writeBytes(QStringLiteral("sauvegardes/short-qib.txt"), "nom\r\nshort\r\n");
    login(QStringLiteral("short"));
    ASSERT_TRUE(RecordStore::loadPupilRecord(QStringLiteral("short")).ok());
    EXPECT_EQ(student().name, QStringLiteral("short"));
    EXPECT_TRUE(student().hash.isEmpty());
    for (const auto &r : student().results)
        EXPECT_FALSE(r.acquired) << r.number;
}

TEST(RecordStore, LfAndCrOnlyFilesLoad)
{
    TempDataFolder data;
    QByteArray lf = recordBytes(QStringLiteral("competence "), 36, QStringLiteral("oui"));
    QByteArray cr = lf;
    lf.replace("\r\n", "\n");
    cr.replace("\r\n", "\r");
    for (const QByteArray &bytes : {lf, cr}) {
        data.writeBytes(QStringLiteral("sauvegardes/unix-qib.txt"), bytes);
        ASSERT_TRUE(RecordStore::loadPupilRecord(QStringLiteral("unix")).ok());
        EXPECT_EQ(student().className, QStringLiteral("5A"));
        EXPECT_TRUE(student().results[5].acquired);
    }
}

TEST(RecordStore, AnInterruptedRewriteLeavesTheOldFileWhole)
{
    TempDataFolder data;
    data.addPupil(QStringLiteral("tom"), QStringLiteral("pw"));
    const QByteArray before = data.readBytes(QStringLiteral("sauvegardes/tom-qib.txt"));
    login(QStringLiteral("tom"));
    ASSERT_TRUE(RecordStore::loadPupilRecord(QStringLiteral("tom")).ok());
    student().results[0].acquired = true;
    for (qint64 cut : {0, 1, 200}) {
        TextFile::failNextWriteAfter(cut);
        const IoStatus status = RecordStore::savePupilRecord();
        EXPECT_FALSE(status.ok());
        EXPECT_EQ(status.message(), QStringLiteral("Disque plein"));
        EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/tom-qib.txt")), before) << cut;
    }
    // No temporary is left behind, and nothing but the record is listed.
    EXPECT_EQ(QDir(data.recordFolder()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_EQ(RecordStore::listRecordNames(), QStringList{QStringLiteral("tom")});
    // The same failure on the password change and the administrator password.
    TextFile::failNextWriteAfter(10);
    EXPECT_FALSE(RecordStore::changePassword(QStringLiteral("tom"), passwordHash(QStringLiteral("new"))).ok());
    EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/tom-qib.txt")), before);
    const QByteArray admin = data.readBytes(QStringLiteral("ad.txt"));
    TextFile::failNextWriteAfter(3);
    EXPECT_FALSE(RecordStore::writeAdminHash(passwordHash(QStringLiteral("autre"))).ok());
    EXPECT_EQ(data.readBytes(QStringLiteral("ad.txt")), admin);
}

TEST(RecordStore, NewRecordsNeverReplaceAnExistingOne)
{
    TempDataFolder data;
    data.addPupil(QStringLiteral("Martin"), QStringLiteral("one"));
    const QByteArray first = data.readBytes(QStringLiteral("sauvegardes/Martin-qib.txt"));
    EXPECT_FALSE(RecordStore::writeNewRecord(QStringLiteral("Martin"), passwordHash(QStringLiteral("two")), QStringLiteral("6A")).ok());
    EXPECT_FALSE(RecordStore::writeNewRecord(QStringLiteral("martin"), passwordHash(QStringLiteral("two")), QStringLiteral("6A")).ok());
    EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/Martin-qib.txt")), first);
    EXPECT_FALSE(QFile::exists(data.recordPath(QStringLiteral("martin"))));
    EXPECT_EQ(RecordStore::existingNameIgnoringCase(QStringLiteral("MARTIN")), QStringLiteral("Martin"));
}

TEST(RecordStore, NamesAreTheFileNamesWithoutTheirEnding)
{
    TempDataFolder data;
    data.addPupil(QStringLiteral("nom-compose"), QStringLiteral("pw"));
    data.writeBytes(QStringLiteral("sauvegardes/-qib.txt"), recordBytes(QStringLiteral("exercice "), 29));
    data.writeBytes(QStringLiteral("sauvegardes/notes.txt"), "x");
    ASSERT_TRUE(RecordStore::allowRegistration(true).ok());
    QStringList names = RecordStore::listRecordNames();
    names.sort();
    EXPECT_EQ(names, (QStringList{QString(), QStringLiteral("nom-compose")}));
    ASSERT_TRUE(RecordStore::loadPupilRecord(QStringLiteral("nom-compose")).ok());
    EXPECT_EQ(student().name, QStringLiteral("nom-compose"));

    for (const QString &bad : {QString(), QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral("a\tb"), QStringLiteral("a\u4e2d")})
        EXPECT_FALSE(RecordStore::isValidRecordName(bad)) << bad.toStdString();
    EXPECT_TRUE(RecordStore::isValidRecordName(QStringLiteral("Zoé œuvre")));
    EXPECT_FALSE(RecordStore::writeNewRecord(QStringLiteral("../ad"), QString(), QStringLiteral("6A")).ok());
    EXPECT_FALSE(QFile::exists(data.path() + QStringLiteral("ad-qib.txt")));
}

TEST(RecordStore, NamesAWindowsServerCannotHoldOrTooLongAreNotRecordNames)
{
    for (QChar c : QStringLiteral(":*?\"<>|")) {
        EXPECT_FALSE(RecordStore::isValidRecordName(QStringLiteral("a") + c)) << QString(c).toStdString();
        EXPECT_FALSE(RecordStore::isRecordNameCharacter(c));
    }
    EXPECT_TRUE(RecordStore::isRecordNameCharacter(QLatin1Char('-')));
    // The file name holds the name and "-qib.txt", at most 255 bytes on disk.
    EXPECT_TRUE(RecordStore::isValidRecordName(QString(247, QLatin1Char('a'))));
    EXPECT_FALSE(RecordStore::isValidRecordName(QString(248, QLatin1Char('a'))));
    EXPECT_FALSE(RecordStore::isValidRecordName(QString(124, QChar(0xE9))));
    EXPECT_TRUE(RecordStore::isValidRecordName(QString(123, QChar(0xE9))));
    TempDataFolder data;
    EXPECT_FALSE(RecordStore::writeNewRecord(QString(248, QLatin1Char('a')), QString(), QStringLiteral("6A")).ok());
    EXPECT_FALSE(RecordStore::writeNewRecord(QStringLiteral("a:b"), QString(), QStringLiteral("6A")).ok());
    EXPECT_TRUE(RecordStore::listRecordNames().isEmpty());
}

TEST(RecordStore, OnlyRegularFilesArePupils)
{
    TempDataFolder data;
    data.addPupil(QStringLiteral("vrai"), QStringLiteral("p"));
    ASSERT_TRUE(QDir(data.recordFolder()).mkdir(QStringLiteral("x-qib.txt")));
    ASSERT_TRUE(QFile::link(data.recordPath(QStringLiteral("vrai")), data.recordPath(QStringLiteral("lien"))));
    ASSERT_TRUE(QFile::link(data.recordFolder() + QStringLiteral("x-qib.txt"), data.recordPath(QStringLiteral("dossier"))));
    QStringList names = RecordStore::listRecordNames();
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("lien"), QStringLiteral("vrai")}));
}

TEST(RecordStore, AFailedLoginReadLeavesNoPreviousPupilInMemory)
{
    TempDataFolder data;
    data.addPupil(QStringLiteral("ana"), QStringLiteral("p"));
    student().name = QStringLiteral("ben");
    student().hash = passwordHash(QStringLiteral("b"));
    student().className = QStringLiteral("5B");
    student().results[2] = CompetenceResult{3, true, QStringLiteral("01/12/2026"), QStringLiteral("M. Besson")};
    EXPECT_EQ(RecordStore::loadPupilRecord(QStringLiteral("absent")).message(), QStringLiteral("Fichier introuvable"));
    EXPECT_TRUE(student().name.isEmpty());
    EXPECT_TRUE(student().hash.isEmpty());
    EXPECT_TRUE(student().className.isEmpty());
    for (int n = 1; n <= CompetenceCount; ++n) {
        EXPECT_FALSE(student().results[n - 1].acquired) << n;
        EXPECT_EQ(student().results[n - 1].number, n);
        EXPECT_TRUE(student().results[n - 1].validator.isEmpty()) << n;
    }
}

TEST(RecordStore, PasswordChangeReplacesLineThreeAndKeeps120Lines)
{
    TempDataFolder data;
    data.addPupil(QStringLiteral("ana"), QStringLiteral("old"));
    data.addPupil(QStringLiteral("anatemp"), QStringLiteral("other"));
    const QByteArray neighbour = data.readBytes(QStringLiteral("sauvegardes/anatemp-qib.txt"));
    ASSERT_TRUE(RecordStore::changePassword(QStringLiteral("ana"), passwordHash(QString())).ok());
    const QByteArray after = data.readBytes(QStringLiteral("sauvegardes/ana-qib.txt"));
    EXPECT_EQ(lineCount(after), 120);
    EXPECT_TRUE(after.startsWith("nom\r\nana\r\nd41d8cd98f00b204e9800998ecf8427e\r\n6A\r\ncomp\xE9tence 1\r\n"));
    EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/anatemp-qib.txt")), neighbour) << "another pupil's record is never a temporary";
    EXPECT_TRUE(QFile::permissions(data.recordPath(QStringLiteral("ana"))) & QFile::WriteOwner);
}

TEST(DataFiles, ListsMarkerAndAdministratorPassword)
{
    TempDataFolder data;
    data.writeBytes(QStringLiteral("profs.txt"), "A\r\n\r\nC\n");
    QStringList teachers;
    ASSERT_TRUE(RecordStore::loadTextList(data.path() + QStringLiteral("profs.txt"), &teachers).ok());
    EXPECT_EQ(teachers, (QStringList{"A", "", "C"}));
    ASSERT_TRUE(RecordStore::saveTextList(data.path() + QStringLiteral("classes.txt"), {QStringLiteral("6ème A"), QStringLiteral("5B")}).ok());
    EXPECT_EQ(data.readBytes(QStringLiteral("classes.txt")), QByteArray("6\xE8me A\r\n5B\r\n"));
    QStringList missing;
    EXPECT_EQ(RecordStore::loadTextList(data.path() + QStringLiteral("absent.txt"), &missing).message(), QStringLiteral("Fichier introuvable"));

    EXPECT_FALSE(RecordStore::registrationAllowed());
    ASSERT_TRUE(RecordStore::allowRegistration(true).ok());
    EXPECT_EQ(data.readBytes(QStringLiteral("sauvegardes/aaadmin-qib.bin")), QByteArray("autorise\r\n"));
    EXPECT_TRUE(RecordStore::registrationAllowed());
    ASSERT_TRUE(RecordStore::allowRegistration(false).ok());
    EXPECT_FALSE(RecordStore::registrationAllowed());
    EXPECT_TRUE(RecordStore::allowRegistration(false).ok()) << "forbidding twice is fine";

    QString hash;
    ASSERT_TRUE(RecordStore::readAdminHash(&hash).ok());
    EXPECT_EQ(hash, passwordHash(QStringLiteral("vorne")));
    ASSERT_TRUE(RecordStore::writeAdminHash(passwordHash(QStringLiteral("neuf"))).ok());
    EXPECT_EQ(data.readBytes(QStringLiteral("ad.txt")), passwordHash(QStringLiteral("neuf")).toLatin1() + "\r\n");
}

TEST(DataFiles, TheRecordFolderIsCreatedWhenMissing)
{
    TempDataFolder data;
    QDir(data.recordFolder()).removeRecursively();
    EXPECT_TRUE(RecordStore::listRecordNames().isEmpty());
    EXPECT_TRUE(QDir(data.recordFolder()).exists());
    QDir(data.recordFolder()).removeRecursively();
    EXPECT_TRUE(RecordStore::writeNewRecord(QStringLiteral("zoe"), QString(), QStringLiteral("6A")).ok());
}

TEST(ConsoleReaders, ClassAndStatusesMatchTheFullReader)
{
    TempDataFolder data;
    data.writeBytes(QStringLiteral("sauvegardes/élodie-qib.txt"), recordBytes(QStringLiteral("exercice "), 29, QStringLiteral("oui")));
    QString className;
    ASSERT_TRUE(RecordStore::readRecordClass(QStringLiteral("élodie"), &className).ok());
    EXPECT_EQ(className, QStringLiteral("5A"));
    std::array<bool, CompetenceCount> acquired{};
    ASSERT_TRUE(RecordStore::readRecordStatuses(QStringLiteral("élodie"), &acquired).ok());
    RecordContent content;
    ASSERT_TRUE(RecordStore::readRecord(QStringLiteral("élodie"), &content).ok());
    for (int i = 0; i < CompetenceCount; ++i)
        EXPECT_EQ(acquired[i], content.results[i].acquired) << i + 1;
    EXPECT_TRUE(acquired[2]);
    RecordHeader header;
    ASSERT_TRUE(RecordStore::readRecordHeader(QStringLiteral("élodie"), &header).ok());
    EXPECT_EQ(header.name, QStringLiteral("élodie"));
    EXPECT_EQ(RecordStore::readRecordClass(QStringLiteral("personne"), &className).message(), QStringLiteral("Fichier introuvable"));
}

TEST(ConsoleReaders, AgreeWithTheFullReaderWhateverTheLineEnds)
{
    TempDataFolder data;
    QByteArray crlfBytes = recordBytes(QStringLiteral("competence "), 29, QStringLiteral("oui"));
    crlfBytes.replace("competence 7\r\nnon\r\n", "competence 7\r\nOui\r\n");
    QByteArray lf = crlfBytes, cr = crlfBytes;
    lf.replace("\r\n", "\n");
    cr.replace("\r\n", "\r");
    const QByteArray noFinalEnd = crlfBytes.left(crlfBytes.lastIndexOf("oui\r\n") + 3);   // ends on a status line
    const QByteArray truncated = crlfBytes.left(crlfBytes.indexOf("competence 10\r\n"));
    const QByteArray headerOnly("nom\r\nzoe\r\n");
    ASSERT_TRUE(crlfBytes.contains("\r\nOui\r\n"));
    ASSERT_LT(truncated.size(), crlfBytes.size());
    for (const QByteArray &bytes : {crlfBytes, lf, cr, noFinalEnd, truncated, headerOnly}) {
        data.writeBytes(QStringLiteral("sauvegardes/v-qib.txt"), bytes);
        RecordContent content;
        ASSERT_TRUE(RecordStore::readRecord(QStringLiteral("v"), &content).ok());
        std::array<bool, CompetenceCount> acquired;
        acquired.fill(true);
        ASSERT_TRUE(RecordStore::readRecordStatuses(QStringLiteral("v"), &acquired).ok());
        QString className = QStringLiteral("stale");
        ASSERT_TRUE(RecordStore::readRecordClass(QStringLiteral("v"), &className).ok());
        RecordHeader header;
        ASSERT_TRUE(RecordStore::readRecordHeader(QStringLiteral("v"), &header).ok());
        EXPECT_EQ(className, content.header.className) << bytes.size();
        EXPECT_EQ(header.name, content.header.name);
        EXPECT_EQ(header.hash, content.header.hash);
        for (int i = 0; i < CompetenceCount; ++i)
            EXPECT_EQ(acquired[i], content.results[i].acquired) << bytes.size() << " competence " << i + 1;
    }
    RecordContent content;
    data.writeBytes(QStringLiteral("sauvegardes/v-qib.txt"), noFinalEnd);
    ASSERT_TRUE(RecordStore::readRecord(QStringLiteral("v"), &content).ok());
    EXPECT_TRUE(content.results[26].acquired) << "the last line needs no line end";
    EXPECT_FALSE(content.results[6].acquired) << "status lines are compared case-sensitively";
    data.writeBytes(QStringLiteral("sauvegardes/v-qib.txt"), truncated);
    ASSERT_TRUE(RecordStore::readRecord(QStringLiteral("v"), &content).ok());
    EXPECT_TRUE(content.results[8].acquired);
    EXPECT_FALSE(content.results[11].acquired);
    EXPECT_TRUE(content.results[11].date.isEmpty()) << "lines past the end read as empty";
}

TEST(RecordStore, ConsoleWritesTwentyNineGroupsWithTheGivenLabel)
{
    TempDataFolder data;
    std::array<CompetenceResult, CompetenceCount> results;
    for (int n = 1; n <= CompetenceCount; ++n)
        results[n - 1] = CompetenceResult{n, n == 29, n == 29 ? QStringLiteral("09/12/2026") : QString(),
                                          n == 29 ? QStringLiteral("l'administrateur") : QString()};
    const RecordHeader header{QStringLiteral("Zoé"), passwordHash(QStringLiteral("z")), QStringLiteral("6B")};
    ASSERT_TRUE(RecordStore::writeRecord(QStringLiteral("Zoé"), header, results, GroupLabel::Exercice).ok());
    QByteArray bytes = data.readBytes(QStringLiteral("sauvegardes/Zoé-qib.txt"));
    EXPECT_EQ(lineCount(bytes), 120);
    EXPECT_TRUE(bytes.startsWith("nom\r\nZo\xE9\r\n"));
    EXPECT_TRUE(bytes.endsWith("exercice 29\r\noui\r\n09/12/2026\r\nl'administrateur\r\n"));
    ASSERT_TRUE(RecordStore::writeRecord(QStringLiteral("Zoé"), header, results, GroupLabel::CompetenceAccent).ok());
    bytes = data.readBytes(QStringLiteral("sauvegardes/Zoé-qib.txt"));
    EXPECT_TRUE(bytes.contains("\r\ncomp\xE9tence 1\r\nnon\r\n\r\n\r\n"));
    EXPECT_FALSE(QFile::permissions(data.recordPath(QStringLiteral("Zoé"))) & QFile::WriteOwner);

    ASSERT_TRUE(RecordStore::deleteRecordFile(QStringLiteral("Zoé")).ok());
    EXPECT_FALSE(QFile::exists(data.recordPath(QStringLiteral("Zoé"))));
    EXPECT_EQ(RecordStore::deleteRecordFile(QStringLiteral("Zoé")).message(), QStringLiteral("Fichier introuvable"));
}

TEST(RecordStore, AnInterruptedRegistrationLeavesNoRecordBehind)
{
    TempDataFolder data;
    TextFile::failNextWriteAfter(40);
    EXPECT_FALSE(RecordStore::writeNewRecord(QStringLiteral("paul"), passwordHash(QStringLiteral("p")), QStringLiteral("6A")).ok());
    EXPECT_TRUE(QDir(data.recordFolder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(RecordStore::writeNewRecord(QStringLiteral("paul"), passwordHash(QStringLiteral("p")), QStringLiteral("6A")).ok())
        << "the hook fails one write only";
}

// Names are listed as a French reader looks for them, whatever order the disk
// gives: accents and letter case aside. Hidden records are listed too.
TEST(RecordStore, ListingIsInFrenchOrderWithHiddenRecords)
{
    TempDataFolder data;
    const QStringList measured = QStringLiteral("gaëlle jules hugo farid émile inès bruno Éva Chloé david zoé Adam .cache").split(QLatin1Char(' '));
    for (const QString &name : measured)
        data.writeBytes(QStringLiteral("sauvegardes/") + name + QStringLiteral("-qib.txt"), "nom\r\n");
    data.writeBytes(QStringLiteral("sauvegardes/.tavelo-abc123"), "x");
    data.writeBytes(QStringLiteral("sauvegardes/aaadmin-qib.bin"), "autorise\r\n");
    data.writeBytes(QStringLiteral("sauvegardes/autre-qib.txt.bak"), "x");
    EXPECT_EQ(RecordStore::listRecordNames(),
              QStringLiteral(".cache Adam bruno Chloé david émile Éva farid gaëlle hugo inès jules zoé").split(QLatin1Char(' ')));

    // Names equal but for accents or case keep one order: unaccented, then lower case, first.
    QStringList twins = QStringLiteral("Éva eva Eva éva Œdipe oeil").split(QLatin1Char(' '));
    FrenchOrder::sort(&twins);
    EXPECT_EQ(twins, QStringLiteral("eva Eva éva Éva Œdipe oeil").split(QLatin1Char(' ')));
}

TEST(DataFiles, AdministratorHashIsTheFirstLineWhateverFollows)
{
    TempDataFolder data;
    data.writeBytes(QStringLiteral("ad.txt"), "0123456789abcdef0123456789abcdef\nreste\n");
    QString hash;
    ASSERT_TRUE(RecordStore::readAdminHash(&hash).ok());
    EXPECT_EQ(hash, QStringLiteral("0123456789abcdef0123456789abcdef"));
    QFile::remove(data.path() + QStringLiteral("ad.txt"));
    EXPECT_EQ(RecordStore::readAdminHash(&hash).message(), QStringLiteral("Fichier introuvable"));
    EXPECT_TRUE(hash.isEmpty());
}

TEST(DataFiles, TodayAndTheDataFolder)
{
    TempDataFolder data;
    EXPECT_EQ(Clock::todayText(), QStringLiteral("09/12/2026"));
    Clock::setFixedDate(QDate(2027, 1, 5));
    EXPECT_EQ(Clock::todayText(), QStringLiteral("05/01/2027"));
    Clock::setFixedDate(QDate());
    EXPECT_EQ(Clock::today(), QDate::currentDate());

    EXPECT_EQ(DataFolder::recordFolder(), data.path() + QStringLiteral("sauvegardes/"));
    EXPECT_EQ(DataFolder::registrationMarkerPath(), data.recordFolder() + QStringLiteral("aaadmin-qib.bin"));
    DataFolder::setPath(QString());
    EXPECT_EQ(DataFolder::path(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    DataFolder::setPath(data.path());
}

TEST(IoStatus, GroupsTheCodesAsTheUserSeesThem)
{
    for (int code : {EPERM, EROFS})
        EXPECT_EQ(IoStatus::failure(code).message(), QStringLiteral("Accès au fichier refusé")) << code;
    EXPECT_EQ(IoStatus::failure(EDQUOT).message(), QStringLiteral("Disque plein"));
    EXPECT_EQ(IoStatus::failure(ENAMETOOLONG).message(), QStringLiteral("Erreur E/S %1").arg(ENAMETOOLONG));
    EXPECT_FALSE(IoStatus::failure(0).ok()) << "a failure is never read as success";
}

// A password is digested as Windows-1252 bytes: a character outside that set
// would become '?', and "Жаба" would open the account of "????".
TEST(Passwords, CharactersOutsideWindows1252AreRefusedByName)
{
    EXPECT_TRUE(Cp1252::passwordRefusal(QStringLiteral("é€œ’ ?!09")).isEmpty());
    EXPECT_EQ(Cp1252::passwordRefusal(QStringLiteral("abЖаба")),
              QStringLiteral("Le mot de passe contient un caractère non accepté : « Ж ». "
                             "Utilisez les lettres de l'alphabet français, les chiffres et les signes du clavier."));
    EXPECT_TRUE(Cp1252::passwordRefusal(QStringLiteral("x\U0001F600")).contains(QStringLiteral("« \U0001F600 »")));
    EXPECT_TRUE(Cp1252::nameRefusal(QStringLiteral("3ème C")).isEmpty());
    EXPECT_TRUE(Cp1252::nameRefusal(QStringLiteral("Mme Łucja")).startsWith(QStringLiteral("Le nom « Mme Łucja » contient un caractère non accepté : « Ł »")));
}
