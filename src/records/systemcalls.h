#pragma once
#include <sys/types.h>

// The system calls through which the data files are read and written. Tests swap
// entries of the table to make a chosen call fail, or to stop the process there,
// and so prove that a broken disk never leaves a record half-written.
namespace SystemCalls {
struct Table
{
    int (*open)(const char *path, int flags, mode_t mode);
    // Opens `name` in the folder open as `folder` (the record folder's reader).
    int (*openat)(int folder, const char *name, int flags, mode_t mode);
    ssize_t (*read)(int fd, void *buffer, size_t size);
    ssize_t (*write)(int fd, const void *buffer, size_t size);
    int (*fsync)(int fd);
    int (*fchmod)(int fd, mode_t mode);
    int (*close)(int fd);
    int (*rename)(const char *from, const char *to);
    // Renames only when `to` does not exist (EEXIST otherwise); EINVAL, ENOSYS or
    // EOPNOTSUPP where the kernel or the file system cannot.
    int (*renameNoReplace)(const char *from, const char *to);
    int (*link)(const char *from, const char *to);
    int (*unlink)(const char *path);
};

const Table &system();   // the real calls
Table &current();        // what the readers and writers use; system() unless a test swapped it
}
