#include "brokendisk.h"

#include "records/datafolder.h"
#include "records/passwordhash.h"
#include "records/recordstore.h"
#include "records/systemcalls.h"
#include "records/textfile.h"
#include "support/linkeddatafolder.h"
#include "support/tempdatafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
using Links = TextFile::Links;

QByteArray native(const QString &path) { return QFile::encodeName(path); }

void makeLink(const QString &text, const QString &at)
{
    ASSERT_EQ(::symlink(native(text).constData(), native(at).constData()), 0) << at.toStdString();
}

QString linkText(const QString &path)
{
    char buffer[4096];
    const ssize_t n = ::readlink(native(path).constData(), buffer, sizeof buffer);
    return n < 0 ? QString() : QFile::decodeName(QByteArray(buffer, int(n)));
}

mode_t modeOf(const QString &path)
{
    struct stat info;
    return ::lstat(native(path).constData(), &info) == 0 ? info.st_mode : 0;
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

void writeFile(const QString &path, const QByteArray &bytes, mode_t mode = 0644)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
    f.close();
    ::chmod(native(path).constData(), mode);
}

QStringList entries(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// Two folders: "here" (the program's) and "there" (where the data really are).
struct TwoFolders
{
    QTemporaryDir dir;
    QString here() const { return dir.path() + QStringLiteral("/here/"); }
    QString there() const { return dir.path() + QStringLiteral("/there/"); }
    TwoFolders()
    {
        QDir(dir.path()).mkdir(QStringLiteral("here"));
        QDir(dir.path()).mkdir(QStringLiteral("there"));
    }
};

std::array<CompetenceResult, CompetenceCount> someResults()
{
    std::array<CompetenceResult, CompetenceCount> results;
    for (int n = 1; n <= CompetenceCount; ++n)
        results[n - 1] = CompetenceResult{n, n % 3 == 0, QStringLiteral("08/12/2026"), QStringLiteral("Mme Laurent")};
    return results;
}

// Stands for an account that may read the program's folder but not write it: every
// call that would create, rename or remove a name there fails with EACCES.
struct ReadOnlyProgramFolder
{
    static QByteArray &folder()
    {
        static QByteArray f;
        return f;
    }
    static bool inFolder(const char *path)
    {
        QByteArray p(path);
        const qsizetype slash = p.lastIndexOf('/');
        return slash >= 0 && p.left(slash + 1) == folder();
    }
    static int refuse()
    {
        errno = EACCES;
        return -1;
    }
    static const SystemCalls::Table &real() { return SystemCalls::system(); }
    static int open(const char *path, int flags, mode_t mode)
    {
        return (flags & (O_CREAT | O_WRONLY | O_RDWR)) && inFolder(path) ? refuse() : real().open(path, flags, mode);
    }
    static int rename(const char *from, const char *to)
    {
        return inFolder(from) || inFolder(to) ? refuse() : real().rename(from, to);
    }
    static int renameNoReplace(const char *from, const char *to)
    {
        return inFolder(from) || inFolder(to) ? refuse() : real().renameNoReplace(from, to);
    }
    static int link(const char *from, const char *to) { return inFolder(to) ? refuse() : real().link(from, to); }
    static int unlink(const char *path) { return inFolder(path) ? refuse() : real().unlink(path); }

    explicit ReadOnlyProgramFolder(const QString &programFolder)
    {
        folder() = native(programFolder);
        SystemCalls::Table t = real();
        t.open = open;
        t.rename = rename;
        t.renameNoReplace = renameNoReplace;
        t.link = link;
        t.unlink = unlink;
        SystemCalls::current() = t;
    }
    ~ReadOnlyProgramFolder() { SystemCalls::current() = SystemCalls::system(); }
};
}

// ---- TextFile: the chain of links ----------------------------------------------

TEST(LinkedFiles, AChainOfAbsoluteAndRelativeLinksIsWrittenAtItsEndAndEveryLinkStays)
{
    TwoFolders f;
    writeFile(f.there() + QStringLiteral("list.txt"), "old\r\n", 0664);
    makeLink(f.there() + QStringLiteral("list.txt"), f.there() + QStringLiteral("step2"));   // absolute
    makeLink(QStringLiteral("../there/step2"), f.here() + QStringLiteral("step1"));         // relative, from its own folder
    makeLink(QStringLiteral("step1"), f.here() + QStringLiteral("list.txt"));

    QString end;
    ASSERT_TRUE(TextFile::linkedFile(f.here() + QStringLiteral("list.txt"), &end).ok());
    EXPECT_EQ(QFileInfo(end).canonicalFilePath(), QFileInfo(f.there() + QStringLiteral("list.txt")).canonicalFilePath());
    QString plain;
    ASSERT_TRUE(TextFile::linkedFile(f.there() + QStringLiteral("list.txt"), &plain).ok());
    EXPECT_EQ(plain, f.there() + QStringLiteral("list.txt")) << "a file that is no link is itself";

    const QStringList hereBefore = entries(f.here()), thereBefore = entries(f.there());
    ASSERT_TRUE(TextFile::writeAtomically(f.here() + QStringLiteral("list.txt"), "new\r\n", false).ok());
    EXPECT_EQ(bytesOf(f.there() + QStringLiteral("list.txt")), QByteArray("new\r\n"));
    EXPECT_EQ(linkText(f.here() + QStringLiteral("list.txt")), QStringLiteral("step1"));
    EXPECT_EQ(linkText(f.here() + QStringLiteral("step1")), QStringLiteral("../there/step2"));
    EXPECT_EQ(linkText(f.there() + QStringLiteral("step2")), f.there() + QStringLiteral("list.txt"));
    EXPECT_EQ(entries(f.here()), hereBefore) << "no temporary in the link's folder";
    EXPECT_EQ(entries(f.there()), thereBefore) << "no temporary left in the target's folder";
    EXPECT_EQ(modeOf(f.there() + QStringLiteral("list.txt")) & 07777, mode_t(0664)) << "a group-writable list stays so";

    // Read-only files lose their write bits only, through the link as well.
    ASSERT_TRUE(TextFile::writeAtomically(f.here() + QStringLiteral("list.txt"), "ro\r\n", true).ok());
    EXPECT_EQ(modeOf(f.there() + QStringLiteral("list.txt")) & 07777, mode_t(0444));
    EXPECT_TRUE(S_ISLNK(modeOf(f.here() + QStringLiteral("list.txt"))));
}

TEST(LinkedFiles, TheGroupOfTheReplacedFileIsKept)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file any group";
    TwoFolders f;
    const QString list = f.there() + QStringLiteral("list.txt");
    writeFile(list, "old\r\n", 0664);
    ASSERT_EQ(::chown(native(list).constData(), uid_t(-1), gid_t(100)), 0);
    makeLink(list, f.here() + QStringLiteral("list.txt"));
    ASSERT_TRUE(TextFile::writeAtomically(f.here() + QStringLiteral("list.txt"), "new\r\n", false).ok());
    struct stat info;
    ASSERT_EQ(::stat(native(list).constData(), &info), 0);
    EXPECT_EQ(info.st_gid, gid_t(100));
    EXPECT_EQ(info.st_mode & 07777, mode_t(0664));
}

TEST(LinkedFiles, ALoopOrATooLongChainFailsAndTouchesNothing)
{
    TwoFolders f;
    makeLink(QStringLiteral("b"), f.here() + QStringLiteral("a"));
    makeLink(QStringLiteral("a"), f.here() + QStringLiteral("b"));
    makeLink(QStringLiteral("self"), f.here() + QStringLiteral("self"));
    const QStringList before = entries(f.here());
    for (const char *name : {"a", "self"}) {
        const QString path = f.here() + QLatin1String(name);
        const IoStatus written = TextFile::writeAtomically(path, "x\r\n", false);
        EXPECT_EQ(written.errorCode(), ELOOP) << name;
        EXPECT_EQ(written.message(), QStringLiteral("Erreur E/S %1").arg(ELOOP));
        QString end;
        EXPECT_EQ(TextFile::linkedFile(path, &end).errorCode(), ELOOP);
        QByteArray bytes;
        EXPECT_EQ(TextFile::readBytes(path, &bytes).errorCode(), ELOOP);
        EXPECT_EQ(TextFile::readBytes(path, &bytes, Links::WithinFolder).errorCode(), ELOOP);
        EXPECT_EQ(TextFile::writeAtomically(path, "x\r\n", false, Links::WithinFolder).errorCode(), ELOOP);
    }
    EXPECT_EQ(entries(f.here()), before);
    EXPECT_EQ(linkText(f.here() + QStringLiteral("a")), QStringLiteral("b"));

    // MaxLinks links are followed; one more is a loop for all we know.
    writeFile(f.there() + QStringLiteral("end.txt"), "end\r\n");
    QString previous = f.there() + QStringLiteral("end.txt");
    for (int i = 1; i <= TextFile::MaxLinks + 1; ++i) {
        const QString link = f.there() + QStringLiteral("l%1").arg(i);
        makeLink(previous, link);
        previous = link;
    }
    EXPECT_TRUE(TextFile::writeAtomically(f.there() + QStringLiteral("l%1").arg(TextFile::MaxLinks), "40\r\n", false).ok());
    EXPECT_EQ(bytesOf(f.there() + QStringLiteral("end.txt")), QByteArray("40\r\n"));
    EXPECT_EQ(TextFile::writeAtomically(f.there() + QStringLiteral("l%1").arg(TextFile::MaxLinks + 1), "41\r\n", false).errorCode(), ELOOP);
    EXPECT_EQ(bytesOf(f.there() + QStringLiteral("end.txt")), QByteArray("40\r\n"));
    EXPECT_TRUE(S_ISLNK(modeOf(f.there() + QStringLiteral("l%1").arg(TextFile::MaxLinks + 1))));
}

TEST(LinkedFiles, ADanglingLinkCreatesItsTargetUnlessItsFolderIsMissing)
{
    TwoFolders f;
    makeLink(f.there() + QStringLiteral("new.txt"), f.here() + QStringLiteral("new.txt"));
    ASSERT_TRUE(TextFile::writeAtomically(f.here() + QStringLiteral("new.txt"), "created\r\n", false).ok());
    EXPECT_EQ(bytesOf(f.there() + QStringLiteral("new.txt")), QByteArray("created\r\n"));
    EXPECT_EQ(modeOf(f.there() + QStringLiteral("new.txt")) & 07777, mode_t(0644));
    EXPECT_EQ(linkText(f.here() + QStringLiteral("new.txt")), f.there() + QStringLiteral("new.txt"));
    EXPECT_EQ(entries(f.here()), QStringList{QStringLiteral("new.txt")});

    makeLink(f.there() + QStringLiteral("absent/x.txt"), f.here() + QStringLiteral("lost.txt"));
    EXPECT_EQ(TextFile::writeAtomically(f.here() + QStringLiteral("lost.txt"), "x\r\n", false).message(),
              QStringLiteral("Fichier introuvable"));
    EXPECT_FALSE(QFileInfo::exists(f.there() + QStringLiteral("absent")));
    EXPECT_EQ(entries(f.here()), (QStringList{QStringLiteral("lost.txt"), QStringLiteral("new.txt")}));
}

TEST(LinkedFiles, AFolderOrADeviceAtTheEndIsNeverReplaced)
{
    TwoFolders f;
    makeLink(f.there(), f.here() + QStringLiteral("folder.txt"));
    ASSERT_EQ(::mkfifo(native(f.there() + QStringLiteral("pipe")).constData(), 0644), 0);
    makeLink(f.there() + QStringLiteral("pipe"), f.here() + QStringLiteral("pipe.txt"));
    EXPECT_EQ(TextFile::writeAtomically(f.here() + QStringLiteral("folder.txt"), "x\r\n", false).errorCode(), EISDIR);
    EXPECT_EQ(TextFile::writeAtomically(f.here() + QStringLiteral("pipe.txt"), "x\r\n", false).errorCode(), EACCES);
    EXPECT_EQ(TextFile::writeAtomically(f.there() + QStringLiteral("pipe"), "x\r\n", false).errorCode(), EACCES);
    EXPECT_TRUE(S_ISFIFO(modeOf(f.there() + QStringLiteral("pipe"))));
    EXPECT_EQ(entries(f.there()), QStringList{QStringLiteral("pipe")});
}

TEST(LinkedFiles, WithinFolderFollowsOnlyLinksThatStayInTheirFolder)
{
    TwoFolders f;
    writeFile(f.here() + QStringLiteral("inside.txt"), "inside\r\n");
    writeFile(f.there() + QStringLiteral("outside.txt"), "outside\r\n", 0444);
    makeLink(QStringLiteral("inside.txt"), f.here() + QStringLiteral("near.txt"));
    makeLink(f.there() + QStringLiteral("outside.txt"), f.here() + QStringLiteral("far.txt"));
    makeLink(QStringLiteral("../here/inside.txt"), f.here() + QStringLiteral("roundabout.txt"));   // leaves and comes back
    makeLink(f.there() + QStringLiteral("ghost.txt"), f.here() + QStringLiteral("ghost.txt"));
    makeLink(QStringLiteral("here"), f.dir.path() + QStringLiteral("/alias"));   // the folder reached through a link

    QByteArray bytes;
    EXPECT_TRUE(TextFile::readBytes(f.here() + QStringLiteral("near.txt"), &bytes, Links::WithinFolder).ok());
    EXPECT_EQ(bytes, QByteArray("inside\r\n"));
    EXPECT_TRUE(TextFile::readBytes(f.dir.path() + QStringLiteral("/alias/near.txt"), &bytes, Links::WithinFolder).ok());
    EXPECT_EQ(TextFile::readBytes(f.here() + QStringLiteral("far.txt"), &bytes, Links::WithinFolder).errorCode(), EACCES);
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_EQ(TextFile::writeAtomically(f.here() + QStringLiteral("far.txt"), "x\r\n", true, Links::WithinFolder).errorCode(), EACCES);
    EXPECT_EQ(TextFile::writeAtomically(f.here() + QStringLiteral("ghost.txt"), "x\r\n", true, Links::WithinFolder).errorCode(), EACCES);
    EXPECT_EQ(bytesOf(f.there() + QStringLiteral("outside.txt")), QByteArray("outside\r\n"));
    EXPECT_EQ(entries(f.there()), QStringList{QStringLiteral("outside.txt")}) << "nothing created outside";

    ASSERT_TRUE(TextFile::writeAtomically(f.here() + QStringLiteral("roundabout.txt"), "via\r\n", true, Links::WithinFolder).ok());
    ASSERT_TRUE(TextFile::writeAtomically(f.dir.path() + QStringLiteral("/alias/near.txt"), "both\r\n", true, Links::WithinFolder).ok());
    EXPECT_EQ(bytesOf(f.here() + QStringLiteral("inside.txt")), QByteArray("both\r\n"));
    EXPECT_TRUE(S_ISLNK(modeOf(f.here() + QStringLiteral("near.txt"))));
    EXPECT_TRUE(S_ISLNK(modeOf(f.here() + QStringLiteral("roundabout.txt"))));
    EXPECT_EQ(TextFile::readBytes(f.here() + QStringLiteral("far.txt"), &bytes).errorCode(), 0) << "Follow reads anywhere";
}

// ---- The program's data folder linked to a shared place ------------------------

TEST(LinkedDataFolder, EveryWriterAndReaderWorksThroughTheLinksAndNothingIsLeftBesideTheProgram)
{
    for (auto kind : {LinkedDataFolder::LinkKind::Absolute, LinkedDataFolder::LinkKind::Relative}) {
        TempDataFolder data;
        LinkedDataFolder shared(data, kind);
        ReadOnlyProgramFolder readOnly(data.path());
        const QString tom = QStringLiteral("tom");

        // Registration, the marker and the administrator's password.
        ASSERT_TRUE(RecordStore::allowRegistration(true).ok());
        EXPECT_TRUE(RecordStore::registrationAllowed());
        ASSERT_TRUE(RecordStore::writeNewRecord(tom, passwordHash(QStringLiteral("pw")), QStringLiteral("6A")).ok());
        ASSERT_TRUE(RecordStore::writeNewRecord(QStringLiteral("zoé"), passwordHash(QStringLiteral("z")), QStringLiteral("6B")).ok());
        EXPECT_EQ(RecordStore::writeNewRecord(QStringLiteral("TOM"), QString(), QStringLiteral("6A")).errorCode(), EEXIST);
        ASSERT_TRUE(RecordStore::writeAdminHash(passwordHash(QStringLiteral("neuf"))).ok());
        QString hash;
        ASSERT_TRUE(RecordStore::readAdminHash(&hash).ok());
        EXPECT_EQ(hash, passwordHash(QStringLiteral("neuf")));
        EXPECT_EQ(shared.sharedBytes(QStringLiteral("ad.txt")), passwordHash(QStringLiteral("neuf")).toLatin1() + "\r\n");

        // Lists (the console's editor).
        ASSERT_TRUE(RecordStore::saveTextList(DataFolder::classListPath(), {QStringLiteral("6A"), QStringLiteral("3ème C")}).ok());
        ASSERT_TRUE(RecordStore::saveTextList(DataFolder::teacherListPath(), {QStringLiteral("M. Hébert")}).ok());
        QStringList lines;
        ASSERT_TRUE(RecordStore::loadTextList(DataFolder::classListPath(), &lines).ok());
        EXPECT_EQ(lines, (QStringList{QStringLiteral("6A"), QStringLiteral("3ème C")}));
        EXPECT_EQ(shared.sharedBytes(QStringLiteral("profs.txt")), QByteArray("M. H\xE9" "bert\r\n"));
        for (const char *list : {"classes.txt", "profs.txt"})
            EXPECT_EQ(modeOf(shared.sharedPath() + QLatin1String(list)) & 07777, mode_t(0664)) << list;

        // A pupil's session: login, an exercise's result, his password.
        login().pupilName = tom;
        ASSERT_TRUE(RecordStore::loadPupilRecord(tom).ok());
        student().results[6] = CompetenceResult{7, true, QStringLiteral("09/12/2026"), QStringLiteral("Mme Laurent")};
        ASSERT_TRUE(RecordStore::savePupilRecord().ok());
        ASSERT_TRUE(RecordStore::changePassword(tom, passwordHash(QStringLiteral("nouveau"))).ok());

        // The console: listing, reading, rewriting; the import's replacement.
        QStringList names = RecordStore::listRecordNames();
        names.sort();
        EXPECT_EQ(names, (QStringList{tom, QStringLiteral("zoé")}));
        RecordContent content;
        ASSERT_TRUE(RecordStore::readRecord(tom, &content).ok());
        EXPECT_TRUE(content.results[6].acquired);
        EXPECT_EQ(content.header.hash, passwordHash(QStringLiteral("nouveau")));
        QString className;
        ASSERT_TRUE(RecordStore::readRecordClass(QStringLiteral("zoé"), &className).ok());
        EXPECT_EQ(className, QStringLiteral("6B"));
        std::array<bool, CompetenceCount> acquired;
        ASSERT_TRUE(RecordStore::readRecordStatuses(tom, &acquired).ok());
        EXPECT_TRUE(acquired[6]);
        ASSERT_TRUE(RecordStore::writeRecord(QStringLiteral("zoé"), {QStringLiteral("zoé"), passwordHash(QStringLiteral("z")), QStringLiteral("6B")},
                                             someResults(), GroupLabel::CompetenceAccent).ok());
        ASSERT_TRUE(RecordStore::replaceWithNewRecord(QStringLiteral("zoé"), QStringLiteral("Zoé"), passwordHash(QStringLiteral("i")), QStringLiteral("5A")).ok());
        RecordHeader header;
        ASSERT_TRUE(RecordStore::readRecordHeader(QStringLiteral("Zoé"), &header).ok());
        EXPECT_EQ(header.className, QStringLiteral("5A"));
        ASSERT_TRUE(RecordStore::allowRegistration(false).ok());
        EXPECT_FALSE(RecordStore::registrationAllowed());

        QStringList expected{QStringLiteral("ad.txt"), QStringLiteral("classes.txt"), QStringLiteral("profs.txt"), QStringLiteral("sauvegardes"),
                             QStringLiteral("sauvegardes/Zoé-qib.txt"), QStringLiteral("sauvegardes/tom-qib.txt")};
        EXPECT_EQ(shared.sharedFiles(), expected) << "no temporary left in the shared folders";
        EXPECT_EQ(modeOf(shared.sharedRecordFolder() + QStringLiteral("Zoé-qib.txt")) & 0222, mode_t(0)) << "records stay read-only";
        shared.expectProgramFolderUntouched();
    }
}

TEST(LinkedDataFolder, DanglingLinksCreateTheirTargetsAndTheRecordFolder)
{
    TempDataFolder data;
    LinkedDataFolder shared(data);
    ASSERT_TRUE(QFile::remove(shared.sharedPath() + QStringLiteral("classes.txt")));
    ASSERT_TRUE(QDir(shared.sharedRecordFolder()).removeRecursively());

    QStringList lines;
    EXPECT_EQ(RecordStore::loadTextList(DataFolder::classListPath(), &lines).message(), QStringLiteral("Fichier introuvable"));
    ASSERT_TRUE(RecordStore::saveTextList(DataFolder::classListPath(), {QStringLiteral("6A")}).ok());
    EXPECT_EQ(shared.sharedBytes(QStringLiteral("classes.txt")), QByteArray("6A\r\n"));

    EXPECT_TRUE(RecordStore::listRecordNames().isEmpty());
    const mode_t folder = modeOf(shared.sharedRecordFolder());
    ASSERT_TRUE(S_ISDIR(folder)) << "the missing record folder is made where the link leads";
    EXPECT_TRUE(folder & S_IWGRP) << "in a group-writable folder the new one is group-writable";
    QDir(shared.sharedRecordFolder()).removeRecursively();
    ASSERT_TRUE(RecordStore::writeNewRecord(QStringLiteral("tom"), QString(), QStringLiteral("6A")).ok());
    EXPECT_TRUE(QFileInfo::exists(shared.sharedRecordFolder() + QStringLiteral("tom-qib.txt")));
    QDir(shared.sharedRecordFolder()).removeRecursively();
    ASSERT_TRUE(RecordStore::allowRegistration(true).ok());
    EXPECT_TRUE(RecordStore::registrationAllowed());
    shared.expectProgramFolderUntouched();
}

TEST(LinkedDataFolder, ALoopedListFailsAndNothingIsWritten)
{
    TempDataFolder data;
    LinkedDataFolder shared(data);
    ASSERT_TRUE(QFile::remove(shared.sharedPath() + QStringLiteral("profs.txt")));
    makeLink(data.path() + QStringLiteral("profs.txt"), shared.sharedPath() + QStringLiteral("profs.txt"));
    const QStringList sharedBefore = shared.sharedFiles();
    QStringList lines;
    EXPECT_EQ(RecordStore::loadTextList(DataFolder::teacherListPath(), &lines).errorCode(), ELOOP);
    EXPECT_EQ(RecordStore::saveTextList(DataFolder::teacherListPath(), {QStringLiteral("M. Hébert")}).errorCode(), ELOOP);
    EXPECT_EQ(shared.sharedFiles(), sharedBefore);
    shared.expectProgramFolderUntouched();
}

// A record is a regular file of the record folder. A link there is followed only
// when it ends in the record folder too (two names of one record); a link leading
// out of it is no pupil: it is neither listed, nor read, nor written, nor replaced.
TEST(LinkedDataFolder, ARecordLinkLeadingOutOfTheRecordFolderIsNeverFollowed)
{
    TempDataFolder data;
    LinkedDataFolder shared(data);
    data.addPupil(QStringLiteral("vrai"), QStringLiteral("p"));
    const QString outside = data.path() + QStringLiteral("secret.txt");
    writeFile(outside, "not a record\r\n", 0444);
    makeLink(outside, shared.sharedRecordFolder() + QStringLiteral("dehors-qib.txt"));
    makeLink(QStringLiteral("vrai-qib.txt"), shared.sharedRecordFolder() + QStringLiteral("alias-qib.txt"));
    makeLink(outside, shared.sharedRecordFolder() + QStringLiteral("aaadmin-qib.bin"));
    const QString dehors = QStringLiteral("dehors");

    QStringList names = RecordStore::listRecordNames();
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("alias"), QStringLiteral("vrai")}));

    RecordContent content;
    RecordHeader header;
    QString className;
    std::array<bool, CompetenceCount> acquired;
    EXPECT_EQ(RecordStore::readRecord(dehors, &content).errorCode(), EACCES);
    EXPECT_EQ(RecordStore::readRecordHeader(dehors, &header).errorCode(), EACCES);
    EXPECT_EQ(RecordStore::readRecordClass(dehors, &className).errorCode(), EACCES);
    EXPECT_EQ(RecordStore::readRecordStatuses(dehors, &acquired).errorCode(), EACCES);
    EXPECT_EQ(RecordStore::loadPupilRecord(dehors).errorCode(), EACCES);
    login().pupilName = dehors;
    EXPECT_FALSE(RecordStore::savePupilRecord().ok());
    EXPECT_FALSE(RecordStore::changePassword(dehors, QString()).ok());
    EXPECT_FALSE(RecordStore::writeRecord(dehors, {dehors, QString(), QStringLiteral("6A")}, someResults(), GroupLabel::Competence).ok());
    EXPECT_FALSE(RecordStore::replaceWithNewRecord(dehors, dehors, QString(), QStringLiteral("6A")).ok());
    EXPECT_EQ(RecordStore::writeNewRecord(dehors, QString(), QStringLiteral("6A")).errorCode(), EEXIST);
    EXPECT_FALSE(RecordStore::registrationAllowed()) << "a marker out of the record folder allows nothing";
    EXPECT_FALSE(RecordStore::allowRegistration(true).ok());
    EXPECT_EQ(bytesOf(outside), QByteArray("not a record\r\n"));
    EXPECT_EQ(modeOf(outside) & 07777, mode_t(0444));
    EXPECT_TRUE(S_ISLNK(modeOf(shared.sharedRecordFolder() + QStringLiteral("dehors-qib.txt"))));

    // The link inside is the record it names: written through, and still a link.
    ASSERT_TRUE(RecordStore::changePassword(QStringLiteral("alias"), passwordHash(QStringLiteral("neuf"))).ok());
    ASSERT_TRUE(RecordStore::readRecordHeader(QStringLiteral("vrai"), &header).ok());
    EXPECT_EQ(header.hash, passwordHash(QStringLiteral("neuf")));
    EXPECT_EQ(linkText(shared.sharedRecordFolder() + QStringLiteral("alias-qib.txt")), QStringLiteral("vrai-qib.txt"));

    // Deleting the outside link removes the link alone and leaves its target's mode.
    ASSERT_TRUE(RecordStore::deleteRecordFile(dehors).ok());
    EXPECT_EQ(modeOf(outside) & 07777, mode_t(0444));
    EXPECT_EQ(bytesOf(outside), QByteArray("not a record\r\n"));
}

// Every writer on the linked data folder, broken at each of its calls: the file at
// the end of the link is the old or the new one, the link stays, and no temporary
// is left in either folder.
TEST(LinkedDataFolder, AFailingCallLeavesTheLinkTheOldOrTheNewFileAndNoTemporary)
{
    struct Writer
    {
        const char *name;
        QString file;   // relative to the shared folder
        std::function<void(const TempDataFolder &)> setUp;
        std::function<IoStatus()> run;
    };
    const auto none = [](const TempDataFolder &) {};
    const auto withTom = [](const TempDataFolder &data) { data.addPupil(QStringLiteral("tom"), QStringLiteral("pw")); };
    const std::vector<Writer> writers{
        {"class list", QStringLiteral("classes.txt"), none,
         [] { return RecordStore::saveTextList(DataFolder::classListPath(), {QStringLiteral("5B")}); }},
        {"administrator digest", QStringLiteral("ad.txt"), none, [] { return RecordStore::writeAdminHash(passwordHash(QStringLiteral("x"))); }},
        {"marker", QStringLiteral("sauvegardes/aaadmin-qib.bin"), none, [] { return RecordStore::allowRegistration(true); }},
        {"registration", QStringLiteral("sauvegardes/zoe-qib.txt"), none,
         [] { return RecordStore::writeNewRecord(QStringLiteral("zoe"), QString(), QStringLiteral("6B")); }},
        {"password change", QStringLiteral("sauvegardes/tom-qib.txt"), withTom,
         [] { return RecordStore::changePassword(QStringLiteral("tom"), passwordHash(QStringLiteral("neuf"))); }},
        {"console rewrite", QStringLiteral("sauvegardes/tom-qib.txt"), withTom,
         [] {
             return RecordStore::writeRecord(QStringLiteral("tom"), {QStringLiteral("tom"), QString(), QStringLiteral("6A")},
                                             someResults(), GroupLabel::Exercice);
         }},
    };
    int cases = 0;
    for (const Writer &w : writers) {
        QByteArray before, after;
        int calls = 0;
        {
            TempDataFolder data;
            LinkedDataFolder shared(data);
            w.setUp(data);
            before = shared.sharedBytes(w.file);
            BrokenDisk disk;
            ASSERT_TRUE(w.run().ok()) << w.name;
            after = shared.sharedBytes(w.file);
            calls = disk.calls();
        }
        ASSERT_NE(before, after) << w.name;
        for (int n = 1; n <= calls; ++n) {
            TempDataFolder data;
            LinkedDataFolder shared(data);
            w.setUp(data);
            const QStringList sharedBefore = shared.sharedFiles();
            IoStatus status;
            {
                BrokenDisk disk;
                disk.failCall(n, EIO);
                status = w.run();
            }
            const std::string where = std::string(w.name) + ", call " + std::to_string(n);
            const QByteArray now = shared.sharedBytes(w.file);
            EXPECT_EQ(now, status.ok() ? after : before) << where << ": a failure leaves the old file, a success the new";
            QStringList left = shared.sharedFiles();
            left.removeAll(w.file);
            QStringList expected = sharedBefore;
            expected.removeAll(w.file);
            EXPECT_EQ(left, expected) << where;
            shared.expectProgramFolderUntouched();
            ++cases;
        }
    }
    EXPECT_GT(cases, 30);
}
