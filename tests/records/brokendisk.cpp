#include "brokendisk.h"

#include <cerrno>
#include <unistd.h>

namespace {
struct State
{
    int calls = 0;
    int failAt = 0;
    int error = 0;
    bool noRenameNoReplace = false;
    bool noLinks = false;
};
State g_state;

const SystemCalls::Table &real() { return SystemCalls::system(); }

// True when this call is the one to break (errno is then set).
bool breaks()
{
    if (++g_state.calls != g_state.failAt)
        return false;
    if (g_state.error == 0)
        ::_exit(0);
    errno = g_state.error;
    return true;
}

int brokenOpen(const char *path, int flags, mode_t mode) { return breaks() ? -1 : real().open(path, flags, mode); }
int brokenOpenAt(int folder, const char *name, int flags, mode_t mode)
{
    return breaks() ? -1 : real().openat(folder, name, flags, mode);
}
ssize_t brokenRead(int fd, void *buffer, size_t size) { return breaks() ? -1 : real().read(fd, buffer, size); }
ssize_t brokenWrite(int fd, const void *buffer, size_t size) { return breaks() ? -1 : real().write(fd, buffer, size); }
// Durability is not what these tests look at: a sync that succeeds costs nothing.
int brokenFsync(int) { return breaks() ? -1 : 0; }
int brokenFchmod(int fd, mode_t mode) { return breaks() ? -1 : real().fchmod(fd, mode); }
int brokenClose(int fd)
{
    // A failing close still releases the descriptor, as on Linux.
    if (breaks()) {
        const int code = errno;
        real().close(fd);
        errno = code;
        return -1;
    }
    return real().close(fd);
}
int brokenRename(const char *from, const char *to) { return breaks() ? -1 : real().rename(from, to); }
int brokenRenameNoReplace(const char *from, const char *to)
{
    if (g_state.noRenameNoReplace) {
        errno = EINVAL;
        return -1;
    }
    return breaks() ? -1 : real().renameNoReplace(from, to);
}
int brokenLink(const char *from, const char *to)
{
    if (g_state.noLinks) {
        errno = EPERM;
        return -1;
    }
    return breaks() ? -1 : real().link(from, to);
}
int brokenUnlink(const char *path) { return breaks() ? -1 : real().unlink(path); }
}

BrokenDisk::BrokenDisk(Kind kind)
{
    g_state = State{};
    g_state.noRenameNoReplace = kind != Kind::Local;
    g_state.noLinks = kind == Kind::NetworkShare;
    SystemCalls::current() = SystemCalls::Table{brokenOpen, brokenOpenAt, brokenRead, brokenWrite, brokenFsync, brokenFchmod,
                                                brokenClose, brokenRename, brokenRenameNoReplace, brokenLink,
                                                brokenUnlink};
}

BrokenDisk::~BrokenDisk()
{
    SystemCalls::current() = SystemCalls::system();
    g_state = State{};
}

void BrokenDisk::failCall(int n, int error)
{
    g_state.failAt = n;
    g_state.error = error;
}

int BrokenDisk::calls() const { return g_state.calls; }
