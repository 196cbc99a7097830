#pragma once
#include "records/iostatus.h"
#include <QStringList>

// Whole-file text reads and writes in Windows-1252. Lines are written with CR LF
// and read with CR LF, LF or a lone CR; a final line end adds no empty line.
namespace TextFile {
IoStatus readLines(const QString &path, QStringList *lines);
IoStatus readBytes(const QString &path, QByteArray *bytes);
QStringList splitLines(const QByteArray &bytes);
QByteArray joinLines(const QStringList &lines);   // every line ended by CR LF

// Replaces the file at once: a temporary file in the same folder (never named
// "*-qib.txt") written whole, synced and given its final mode, renamed over the
// target, then the folder synced. Every failing call is reported: up to the rename
// the old file is left whole and the temporary removed; after it the new file is
// in place. readOnlyAfter clears every write bit.
IoStatus writeAtomically(const QString &path, const QByteArray &content, bool readOnlyAfter);

// Creates a new file whole or not at all; fails with EEXIST rather than replace an
// existing one, on disks without hard links too.
IoStatus createExclusively(const QString &path, const QByteArray &content, bool readOnlyAfter);

// Test hook: makes the next atomic write fail after writing this many bytes of
// the temporary file (simulates a full disk or a crash); -1 = off.
void failNextWriteAfter(qint64 bytes);
}
