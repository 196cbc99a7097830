#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows-1252 text, with a table of our own (Qt 6 has no such codec and Latin-1
// loses the euro sign, the oe ligature and the curly apostrophe).
namespace Cp1252 {
QString decode(QByteArrayView bytes);
// Characters outside the code page become '?' and make *ok false.
QByteArray encode(const QString &text, bool *ok = nullptr);
bool canEncode(QChar c);
bool canEncode(const QString &text);
// The first character of `text` outside the code page (both halves of a pair),
// or an empty string when there is none.
QString firstForeign(const QString &text);
// Refusals of text outside the code page, naming the character at fault; empty
// when the text is accepted. A password's characters become its digest's bytes,
// and a list entry is written as the list file's bytes.
QString passwordRefusal(const QString &password);
QString nameRefusal(const QString &name);
}
