#include "records/textfile.h"

#include "records/cp1252.h"
#include "records/systemcalls.h"

#include <QFile>
#include <QFileInfo>
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
// survives a power cut. Some file systems cannot sync a folder: nothing to wait for.
IoStatus syncFolder(const QString &path)
{
    const int dir = sys().open(nativePath(QFileInfo(path).absolutePath()).constData(),
                               O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (dir < 0)
        return IoStatus::failure(lastError());
    int code = 0;
    if (sys().fsync(dir) != 0 && errno != EINVAL && errno != EOPNOTSUPP && errno != ENOSYS)
        code = lastError();
    if (sys().close(dir) != 0 && code == 0)
        code = lastError();
    return code ? IoStatus::failure(code) : IoStatus::success();
}

mode_t finalMode(mode_t base, bool readOnly)
{
    base &= 0777;
    return readOnly ? (base & ~mode_t(0222)) : (base | S_IWUSR);
}

const char TemporaryPrefix[] = ".tavelo-";

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
        if (::strncmp(entry->d_name, TemporaryPrefix, sizeof TemporaryPrefix - 1) == 0
            && ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)
            && now - info.st_mtime > 3600)
            sys().unlink((folder + '/' + entry->d_name).constData());   // failures change nothing: tried again next run
    }
    ::closedir(dir);
}

// A new temporary file beside the target whose name never ends in "-qib.txt".
int createTemporary(const QString &target, QByteArray *tempPath)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    const QByteArray folder = nativePath(QFileInfo(target).absolutePath());
    removeStaleTemporaries(folder);
    const QByteArray prefix = folder + '/' + TemporaryPrefix;
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = prefix;
        for (int i = 0; i < 8; ++i)
            name += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
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

// Writes the whole content into a new temporary beside the target, syncs it,
// gives it its final mode and closes it. Nothing is left on failure.
IoStatus prepareTemporary(const QString &target, const QByteArray &content, mode_t mode, QByteArray *tempPath)
{
    errno = 0;
    const int fd = createTemporary(target, tempPath);
    if (fd < 0)
        return IoStatus::failure(lastError());
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

IoStatus readBytes(const QString &path, QByteArray *bytes)
{
    bytes->clear();
    const int fd = sys().open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC, 0);
    if (fd < 0)
        return IoStatus::failure(lastError());
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

IoStatus readLines(const QString &path, QStringList *lines)
{
    QByteArray bytes;
    const IoStatus status = readBytes(path, &bytes);
    *lines = status.ok() ? splitLines(bytes) : QStringList();
    return status;
}

IoStatus writeAtomically(const QString &path, const QByteArray &content, bool readOnlyAfter)
{
    const QByteArray target = nativePath(path);
    struct stat old;
    mode_t base = 0644;
    if (::stat(target.constData(), &old) == 0)
        base = old.st_mode;
    else if (errno != ENOENT)
        return IoStatus::failure(lastError());

    QByteArray tempPath;
    const IoStatus prepared = prepareTemporary(path, content, finalMode(base, readOnlyAfter), &tempPath);
    if (!prepared)
        return prepared;
    if (sys().rename(tempPath.constData(), target.constData()) != 0)
        return discard(tempPath, lastError());
    return syncFolder(path);
}

IoStatus createExclusively(const QString &path, const QByteArray &content, bool readOnlyAfter)
{
    QByteArray tempPath;
    const IoStatus prepared = prepareTemporary(path, content, finalMode(0644, readOnlyAfter), &tempPath);
    if (!prepared)
        return prepared;
    const IoStatus moved = moveIntoNewName(tempPath, nativePath(path));
    return moved ? syncFolder(path) : moved;
}
}
