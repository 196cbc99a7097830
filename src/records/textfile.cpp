#include "records/textfile.h"

#include "records/cp1252.h"
#include "records/systemcalls.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TextFile {
namespace {
qint64 g_failAfter = -1;

SystemCalls::Table &sys() { return SystemCalls::current(); }

QByteArray nativePath(const QString &path) { return QFile::encodeName(path); }

int lastError() { return errno ? errno : EIO; }

// The folder part of a path, taken as the kernel takes it (no ".." is folded away:
// the folder holding a link may itself be reached through a link).
QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// The text of a symbolic link.
bool readLinkText(const QByteArray &path, QByteArray *text)
{
    QByteArray buffer(256, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::readlink(path.constData(), buffer.data(), size_t(buffer.size()));
        if (n < 0)
            return false;
        if (n < buffer.size()) {
            *text = buffer.left(n);
            return true;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// Follows the chain of links `path` starts; leaves it at the file at its end (or
// where the missing target of a dangling link is to be created).
IoStatus followLinks(QByteArray *path)
{
    for (int hops = 0;; ++hops) {
        struct stat info;
        if (::lstat(path->constData(), &info) != 0)
            return errno == ENOENT ? IoStatus::success() : IoStatus::failure(lastError());
        if (!S_ISLNK(info.st_mode))
            return IoStatus::success();
        if (hops == MaxLinks)
            return IoStatus::failure(ELOOP);
        QByteArray text;
        if (!readLinkText(*path, &text))
            return IoStatus::failure(lastError());
        if (text.isEmpty())
            return IoStatus::failure(ENOENT);
        *path = text.startsWith('/') ? text : folderOf(*path) + '/' + text;
    }
}

bool sameFolder(const QByteArray &a, const QByteArray &b)
{
    struct stat first, second;
    return ::stat(a.constData(), &first) == 0 && ::stat(b.constData(), &second) == 0
           && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// The file `path` names under the rule `links`.
IoStatus resolve(QByteArray *path, Links links)
{
    const QByteArray named = *path;
    const IoStatus followed = followLinks(path);
    if (!followed)
        return followed;
    if (links == Links::WithinFolder && *path != named && !sameFolder(folderOf(named), folderOf(*path)))
        return IoStatus::failure(EACCES);
    return IoStatus::success();
}

// Writes everything, retrying short writes; honours the test hook.
bool writeAll(int fd, const QByteArray &content)
{
    qint64 limit = content.size();
    bool simulateFailure = false;
    if (g_failAfter >= 0) {
        limit = qMin<qint64>(limit, g_failAfter);
        simulateFailure = true;
        g_failAfter = -1;
    }
    const char *data = content.constData();
    qint64 done = 0;
    while (done < limit) {
        errno = 0;
        const ssize_t n = sys().write(fd, data + done, size_t(limit - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;   // a disk that takes nothing more is full
            return false;
        }
        done += n;
    }
    if (simulateFailure) {
        errno = ENOSPC;
        return false;
    }
    return true;
}

// The folder a rename or a creation happened in is synced so that the new name
// survives a power cut. Once the new file has its name the write is done: the
// old content is gone, so a failure here is no failure of the write (reporting
// one would tell the user his change was not made while it was).
void syncFolder(const QByteArray &folder)
{
    const int dir = sys().open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (dir < 0)
        return;
    sys().fsync(dir);
    sys().close(dir);
}

mode_t finalMode(mode_t base, bool readOnly)
{
    base &= 0777;
    return readOnly ? (base & ~mode_t(0222)) : (base | S_IWUSR);
}

const char TemporaryPrefix[] = ".tavelo-";
const char TemporaryLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t TemporaryLetterCount = 8;

// Exactly the names createTemporary makes: the prefix and eight of its letters.
// A record file ends in "-qib.txt" and so is never one, whatever its name.
bool isOwnTemporary(const char *name)
{
    constexpr size_t prefixSize = sizeof TemporaryPrefix - 1;
    if (::strlen(name) != prefixSize + TemporaryLetterCount || ::strncmp(name, TemporaryPrefix, prefixSize) != 0)
        return false;
    return ::strspn(name + prefixSize, TemporaryLetters) == TemporaryLetterCount;
}

// A writer stopped dead (a power cut, a killed program) leaves its temporary
// behind, and a Windows file server shows it. Once per run and folder the
// temporaries older than an hour are removed: no write takes that long, so
// another workstation's write in progress is never touched.
void removeStaleTemporaries(const QByteArray &folder)
{
    static QSet<QByteArray> swept;
    if (swept.contains(folder))
        return;
    swept.insert(folder);
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const time_t now = ::time(nullptr);
    while (const dirent *entry = ::readdir(dir)) {
        struct stat info;
        if (isOwnTemporary(entry->d_name)
            && ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)
            && now - info.st_mtime > 3600)
            sys().unlink((folder + '/' + entry->d_name).constData());   // failures change nothing: tried again next run
    }
    ::closedir(dir);
}

// A new temporary file in the folder whose name never ends in "-qib.txt".
int createTemporary(const QByteArray &folder, QByteArray *tempPath)
{
    removeStaleTemporaries(folder);
    const QByteArray prefix = folder + '/' + TemporaryPrefix;
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = prefix;
        for (size_t i = 0; i < TemporaryLetterCount; ++i)
            name += TemporaryLetters[QRandomGenerator::global()->bounded(int(sizeof TemporaryLetters - 1))];
        const int fd = sys().open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) {
            *tempPath = name;
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Removes the temporary and reports the failure that stopped the write.
IoStatus discard(const QByteArray &tempPath, int code)
{
    sys().unlink(tempPath.constData());
    return IoStatus::failure(code);
}

// No group to keep: a new file takes the folder's (or the writer's) group.
constexpr gid_t NoGroup = gid_t(-1);

// Writes the whole content into a new temporary in the folder, syncs it, gives it
// its final mode (and the group to keep, where the writer may) and closes it.
// Nothing is left on failure.
IoStatus prepareTemporary(const QByteArray &folder, const QByteArray &content, mode_t mode, gid_t group,
                          QByteArray *tempPath)
{
    errno = 0;
    const int fd = createTemporary(folder, tempPath);
    if (fd < 0)
        return IoStatus::failure(lastError());
    if (group != NoGroup) {
        // Shared lists keep the group their mode gives rights to; a writer who is
        // not of that group leaves it to the folder, as any new file.
        struct stat info;
        if (::fstat(fd, &info) == 0 && info.st_gid != group && ::fchown(fd, uid_t(-1), group) != 0)
            errno = 0;
    }
    if (!writeAll(fd, content) || sys().fsync(fd) != 0 || sys().fchmod(fd, mode) != 0) {
        const int code = lastError();
        sys().close(fd);
        return discard(*tempPath, code);
    }
    if (sys().close(fd) != 0)
        return discard(*tempPath, lastError());
    return IoStatus::success();
}

// Errors by which a file system says it has no such call, as opposed to a failure.
bool unsupported(int code) { return code == EINVAL || code == ENOSYS || code == EOPNOTSUPP || code == EPERM; }

// Puts the complete temporary under the target name unless that name exists:
// a rename that never replaces where the kernel has one, else a hard link, else
// (a network share without either) an empty placeholder claimed exclusively and
// replaced at once by the complete file.
IoStatus moveIntoNewName(const QByteArray &tempPath, const QByteArray &target)
{
    if (sys().renameNoReplace(tempPath.constData(), target.constData()) == 0)
        return IoStatus::success();
    int code = lastError();
    if (!unsupported(code))
        return discard(tempPath, code);

    if (sys().link(tempPath.constData(), target.constData()) == 0) {
        if (sys().unlink(tempPath.constData()) == 0)
            return IoStatus::success();
        // Never leave a second name of the record: undo the link and report.
        code = lastError();
        sys().unlink(target.constData());
        return discard(tempPath, code);
    }
    code = lastError();
    if (!unsupported(code))
        return discard(tempPath, code);

    const int claim = sys().open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (claim < 0)
        return discard(tempPath, lastError());
    if (sys().close(claim) != 0 || sys().rename(tempPath.constData(), target.constData()) != 0) {
        code = lastError();
        sys().unlink(target.constData());
        return discard(tempPath, code);
    }
    return IoStatus::success();
}
}

void failNextWriteAfter(qint64 bytes) { g_failAfter = bytes; }

QStringList splitLines(const QByteArray &bytes)
{
    QStringList lines;
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n')
            continue;
        lines << Cp1252::decode(QByteArray::fromRawData(data + start, i - start));
        if (c == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines << Cp1252::decode(QByteArray::fromRawData(data + start, size - start));
    return lines;
}

QByteArray joinLines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines) {
        out += Cp1252::encode(line);
        out += "\r\n";
    }
    return out;
}

IoStatus linkedFile(const QString &path, QString *file, Links links)
{
    QByteArray native = nativePath(path);
    const IoStatus status = resolve(&native, links);
    *file = status ? QFile::decodeName(native) : QString();
    return status;
}

IoStatus openForReading(const QString &path, Links links, int *fd)
{
    QByteArray native = nativePath(path);
    if (links == Links::Follow) {
        *fd = sys().open(native.constData(), O_RDONLY | O_CLOEXEC, 0);
        return *fd < 0 ? IoStatus::failure(lastError()) : IoStatus::success();
    }
    // Regular files, nearly all of them, are opened at once; a link is looked at.
    *fd = sys().open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW, 0);
    if (*fd >= 0)
        return IoStatus::success();
    if (errno != ELOOP)
        return IoStatus::failure(lastError());
    const IoStatus resolved = resolve(&native, links);
    if (!resolved)
        return resolved;
    *fd = sys().open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW, 0);
    return *fd < 0 ? IoStatus::failure(lastError()) : IoStatus::success();
}

IoStatus readBytes(const QString &path, QByteArray *bytes, Links links)
{
    bytes->clear();
    int fd = -1;
    const IoStatus opened = openForReading(path, links, &fd);
    if (!opened)
        return opened;
    char buffer[16384];
    for (;;) {
        const ssize_t n = sys().read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int code = lastError();
            sys().close(fd);
            bytes->clear();
            return IoStatus::failure(code);
        }
        if (n == 0)
            break;
        bytes->append(buffer, n);
    }
    if (sys().close(fd) != 0) {
        bytes->clear();
        return IoStatus::failure(lastError());
    }
    return IoStatus::success();
}

IoStatus readLines(const QString &path, QStringList *lines, Links links)
{
    QByteArray bytes;
    const IoStatus status = readBytes(path, &bytes, links);
    *lines = status.ok() ? splitLines(bytes) : QStringList();
    return status;
}

IoStatus writeAtomically(const QString &path, const QByteArray &content, bool readOnlyAfter, Links links)
{
    // The rename replaces the last name of the path: when that is a link, the
    // file at its end is the one to replace, in its own folder.
    QByteArray target = nativePath(path);
    const IoStatus resolved = resolve(&target, links);
    if (!resolved)
        return resolved;
    struct stat old;
    mode_t base = 0644;
    gid_t group = NoGroup;
    if (::lstat(target.constData(), &old) == 0) {
        if (S_ISLNK(old.st_mode))
            return IoStatus::failure(ELOOP);   // a link appeared since the chain was followed
        if (S_ISDIR(old.st_mode))
            return IoStatus::failure(EISDIR);
        if (!S_ISREG(old.st_mode))
            return IoStatus::failure(EACCES);   // a device or a pipe is no data file
        base = old.st_mode;
        group = old.st_gid;
    } else if (errno != ENOENT) {
        return IoStatus::failure(lastError());
    }

    const QByteArray folder = folderOf(target);
    QByteArray tempPath;
    const IoStatus prepared = prepareTemporary(folder, content, finalMode(base, readOnlyAfter), group, &tempPath);
    if (!prepared)
        return prepared;
    if (sys().rename(tempPath.constData(), target.constData()) != 0)
        return discard(tempPath, lastError());
    syncFolder(folder);
    return IoStatus::success();
}

IoStatus createExclusively(const QString &path, const QByteArray &content, bool readOnlyAfter)
{
    const QByteArray target = nativePath(path);
    const QByteArray folder = folderOf(target);
    QByteArray tempPath;
    const IoStatus prepared = prepareTemporary(folder, content, finalMode(0644, readOnlyAfter), NoGroup, &tempPath);
    if (!prepared)
        return prepared;
    const IoStatus moved = moveIntoNewName(tempPath, target);
    if (moved)
        syncFolder(folder);
    return moved;
}
}
