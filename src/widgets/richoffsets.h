#pragma once
#include <QTextCursor>

class QTextDocument;

// Offsets in the program's rich-text convention, where every line break counts two
// characters (CR LF), and the positions of a QTextDocument, where it counts one.
// Both ways are clamped to the text.
namespace RichOffsets {
// Document position -> stored offset.
int toStored(const QTextDocument *document, int position);
// Stored offset -> document position (an offset inside a CR LF pair falls on the break).
int toPosition(const QTextDocument *document, int offset);
// A cursor selecting `length` stored characters from `offset`.
QTextCursor select(QTextDocument *document, int offset, int length);
// The stored length of the whole text.
int storedLength(const QTextDocument *document);
// Start and length of a cursor's selection, in stored offsets.
int selectionStart(const QTextCursor &cursor);
int selectionLength(const QTextCursor &cursor);
}
