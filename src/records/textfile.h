#pragma once
#include "records/iostatus.h"
#include <QStringList>

// Whole-file text reads and writes in Windows-1252. Lines are written with CR LF
// and read with CR LF, LF or a lone CR; a final line end adds no empty line.
//
// The data files may be symbolic links: a packaged installation keeps the program
// in one folder and links its lists and its record folder to a shared, writable
// place (maybe another file system or a file server). Writes go to the file at
// the end of the chain of links, so a link stays a link.
namespace TextFile {

// How a path that is a symbolic link is taken.
enum class Links {
    Follow,         // to wherever the chain ends
    WithinFolder,   // only when the chain ends in the path's own folder (records:
                    // never read or written outside the record folder); EACCES otherwise
};

// The longest chain of links followed; a longer one, or a loop, fails with ELOOP.
constexpr int MaxLinks = 40;

// The file a path names once its chain of links is followed: the path itself when
// it is no link or names nothing; the missing target of a dangling link. A relative
// link is read from the folder that holds it. Fails with ELOOP for a loop or a
// chain of more than MaxLinks links, with EACCES when `links` confines the chain
// to the path's folder and it leaves it.
IoStatus linkedFile(const QString &path, QString *file, Links links = Links::Follow);

IoStatus readLines(const QString &path, QStringList *lines, Links links = Links::Follow);
IoStatus readBytes(const QString &path, QByteArray *bytes, Links links = Links::Follow);
// Opens a file for reading as readBytes does (for readers that read only a part).
IoStatus openForReading(const QString &path, Links links, int *fd);
QStringList splitLines(const QByteArray &bytes);
QByteArray joinLines(const QStringList &lines);   // every line ended by CR LF

// Replaces the file at once. The target is the file at the end of the path's
// chain of links (taken as `links` says); a dangling link creates its target. A
// temporary file in the target's own folder (never named "*-qib.txt") is written
// whole, synced and given its final mode (the old file's permission bits, write
// bits cleared when readOnlyAfter, the owner's write bit set otherwise; 0644 for
// a new file) and, where the writer may, the old file's group; it is renamed over
// the target, then that folder synced. A folder or a device at the target is
// never replaced (EISDIR, EACCES). Every failing call up to the rename is
// reported, with the old file left whole and the temporary removed; once the
// rename is done the write has succeeded, whatever the folder's sync says: a
// reported failure always means the old content is intact. A loop of links fails with ELOOP before anything is written.
IoStatus writeAtomically(const QString &path, const QByteArray &content, bool readOnlyAfter,
                         Links links = Links::Follow);

// Creates a new file whole or not at all; fails with EEXIST rather than replace an
// existing one (a symbolic link, even a dangling one, included), on disks without
// hard links too.
IoStatus createExclusively(const QString &path, const QByteArray &content, bool readOnlyAfter);

// Test hook: makes the next atomic write fail after writing this many bytes of
// the temporary file (simulates a full disk or a crash); -1 = off.
void failNextWriteAfter(qint64 bytes);
}
