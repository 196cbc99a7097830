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
}
