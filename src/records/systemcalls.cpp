#include "records/systemcalls.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace SystemCalls {
namespace {
int openFile(const char *path, int flags, mode_t mode)
{
    int fd;
    do
        fd = ::open(path, flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

int openFileAt(int folder, const char *name, int flags, mode_t mode)
{
    int fd;
    do
        fd = ::openat(folder, name, flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

int renameNoReplace(const char *from, const char *to)
{
#ifdef RENAME_NOREPLACE
    return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
#else
    (void)from;
    (void)to;
    errno = ENOSYS;
    return -1;
#endif
}

const Table Real{openFile, openFileAt, ::read, ::write, ::fsync, ::fchmod, ::close, ::rename, renameNoReplace, ::link, ::unlink};
}

const Table &system() { return Real; }

Table &current()
{
    static Table table = Real;
    return table;
}
}
