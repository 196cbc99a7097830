#include "widgets/richoffsets.h"

#include <QTextBlock>
#include <QTextDocument>

namespace RichOffsets {
namespace {
int lastPosition(const QTextDocument *document)
{
    return qMax(0, document->characterCount() - 1);
}
}

int toStored(const QTextDocument *document, int position)
{
    if (!document)
        return 0;
    position = qBound(0, position, lastPosition(document));
    // Every block before the position's block ends with a break counted twice.
    const QTextBlock block = document->findBlock(position);
    return position + qMax(0, block.blockNumber());
}

int toPosition(const QTextDocument *document, int offset)
{
    if (!document)
        return 0;
    offset = qMax(0, offset);
    int stored = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const int length = block.length() - 1;            // characters without the break
        if (offset <= stored + length)
            return block.position() + (offset - stored);
        stored += length;
        if (!block.next().isValid())
            break;
        // The break: stored offsets stored .. stored+1 both fall on it.
        if (offset <= stored + 1)
            return block.position() + length;
        stored += 2;
    }
    return lastPosition(document);
}

QTextCursor select(QTextDocument *document, int offset, int length)
{
    QTextCursor cursor(document);
    const int start = toPosition(document, offset);
    const int end = toPosition(document, offset + qMax(0, length));
    cursor.setPosition(start);
    cursor.setPosition(qMax(start, end), QTextCursor::KeepAnchor);
    return cursor;
}

int storedLength(const QTextDocument *document)
{
    return document ? toStored(document, lastPosition(document)) : 0;
}

int selectionStart(const QTextCursor &cursor)
{
    return toStored(cursor.document(), cursor.selectionStart());
}

int selectionLength(const QTextCursor &cursor)
{
    return toStored(cursor.document(), cursor.selectionEnd()) - toStored(cursor.document(), cursor.selectionStart());
}
}
