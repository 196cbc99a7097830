#include "records/textfile.h"

#include "records/cp1252.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TextFile {
namespace {
qint64 g_failAfter = -1;

QByteArray nativePath(const QString &path) { return QFile::encodeName(path); }

// Writes everything, retrying short writes; honours the test hook.
bool writeAll(int fd, const QByteArray &content, bool useHook)
{
    qint64 limit = content.size();
    bool simulateFailure = false;
    if (useHook && g_failAfter >= 0) {
        limit = qMin<qint64>(limit, g_failAfter);
        simulateFailure = true;
        g_failAfter = -1;
    }
    const char *data = content.constData();
    qint64 done = 0;
    while (done < limit) {
        const ssize_t n = ::write(fd, data + done, size_t(limit - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
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

void syncFolder(const QString &path)
{
    const int dir = ::open(nativePath(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

mode_t finalMode(mode_t base, bool readOnly)
{
    base &= 0777;
    return readOnly ? (base & ~mode_t(0222)) : (base | S_IWUSR);
}

// A temporary file beside the target whose name never ends in "-qib.txt".
int createTemporary(const QString &target, QByteArray *tempPath)
{
    *tempPath = nativePath(QFileInfo(target).absolutePath() + QStringLiteral("/.tavelo-XXXXXX"));
    return ::mkstemp(tempPath->data());
}

IoStatus failAndRemove(int fd, const QByteArray &tempPath)
{
    const int code = errno ? errno : EIO;
    if (fd >= 0)
        ::close(fd);
    ::unlink(tempPath.constData());
    return IoStatus::failure(code);
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
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return IoStatus::failure(errno);
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int code = errno;
            ::close(fd);
            return IoStatus::failure(code);
        }
        if (n == 0)
            break;
        bytes->append(buffer, n);
    }
    ::close(fd);
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
    struct stat old;
    const mode_t base = ::stat(nativePath(path).constData(), &old) == 0 ? old.st_mode : mode_t(0644);

    QByteArray tempPath;
    errno = 0;
    const int fd = createTemporary(path, &tempPath);
    if (fd < 0)
        return IoStatus::failure(errno);
    if (!writeAll(fd, content, true) || ::fsync(fd) != 0 || ::fchmod(fd, finalMode(base, readOnlyAfter)) != 0)
        return failAndRemove(fd, tempPath);
    if (::close(fd) != 0)
        return failAndRemove(-1, tempPath);
    if (::rename(tempPath.constData(), nativePath(path).constData()) != 0)
        return failAndRemove(-1, tempPath);
    syncFolder(path);
    return IoStatus::success();
}

IoStatus createExclusively(const QString &path, const QByteArray &content, bool readOnlyAfter)
{
    const QByteArray target = nativePath(path);
    QByteArray tempPath;
    errno = 0;
    const int fd = createTemporary(path, &tempPath);
    if (fd < 0)
        return IoStatus::failure(errno);
    if (!writeAll(fd, content, true) || ::fsync(fd) != 0 || ::fchmod(fd, finalMode(0644, readOnlyAfter)) != 0)
        return failAndRemove(fd, tempPath);
    if (::close(fd) != 0)
        return failAndRemove(-1, tempPath);
    // link() puts the whole file in place at once and never replaces an existing one.
    if (::link(tempPath.constData(), target.constData()) == 0) {
        ::unlink(tempPath.constData());
        syncFolder(path);
        return IoStatus::success();
    }
    if (errno == EEXIST)
        return failAndRemove(-1, tempPath);
    // File systems without hard links: exclusive creation, then the content.
    ::unlink(tempPath.constData());
    const int out = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, finalMode(0644, false));
    if (out < 0)
        return IoStatus::failure(errno);
    if (!writeAll(out, content, false) || ::fsync(out) != 0) {
        const int code = errno ? errno : EIO;
        ::close(out);
        ::unlink(target.constData());
        return IoStatus::failure(code);
    }
    ::fchmod(out, finalMode(0644, readOnlyAfter));
    ::close(out);
    syncFolder(path);
    return IoStatus::success();
}
}
