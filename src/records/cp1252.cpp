#include "records/cp1252.h"

#include <QHash>
#include <array>

namespace Cp1252 {
namespace {
// Bytes 0x80 .. 0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        const char16_t c = High[byte - 0x80];
        return c ? c : char16_t(byte);   // undefined bytes pass through as C1 controls
    }
    return char16_t(byte);
}

const QHash<char16_t, char> &reverse()
{
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int b = 0x80; b <= 0x9F; ++b)
            if (High[b - 0x80])
                t.insert(High[b - 0x80], char(b));
        return t;
    }();
    return table;
}

bool encodeOne(QChar c, char *out)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        *out = char(u);
        return true;
    }
    const auto it = reverse().constFind(u);
    if (it != reverse().constEnd()) {
        *out = *it;
        return true;
    }
    // The undefined bytes read back as themselves.
    if (u >= 0x80 && u <= 0x9F && !High[u - 0x80]) {
        *out = char(u);
        return true;
    }
    return false;
}
}

QString decode(QByteArrayView bytes)
{
    // Latin-1 gives every byte but 0x80 .. 0x9F (Qt converts it many bytes at a
    // time); only those are mended from the table.
    QString text = QString::fromLatin1(bytes.data(), bytes.size());
    const uchar *in = reinterpret_cast<const uchar *>(bytes.data());
    qsizetype i = 0;
    while (i < bytes.size() && uchar(in[i] - 0x80) >= 0x20)
        ++i;
    if (i == bytes.size())
        return text;
    QChar *out = text.data();
    for (; i < bytes.size(); ++i)
        if (uchar(in[i] - 0x80) < 0x20)
            out[i] = QChar(toUnicode(in[i]));
    return text;
}

QByteArray encode(const QString &text, bool *ok)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bool all = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char b;
        if (!encodeOne(text[i], &b)) {
            b = '?';
            all = false;
        }
        bytes[i] = b;
    }
    if (ok)
        *ok = all;
    return bytes;
}

bool canEncode(QChar c)
{
    char b;
    return encodeOne(c, &b);
}

bool canEncode(const QString &text)
{
    for (QChar c : text)
        if (!canEncode(c))
            return false;
    return true;
}

QString firstForeign(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (canEncode(text.at(i)))
            continue;
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        return text.mid(i, pair ? 2 : 1);
    }
    return {};
}

QString passwordRefusal(const QString &password)
{
    const QString foreign = firstForeign(password);
    if (foreign.isEmpty())
        return {};
    return QStringLiteral("Le mot de passe contient un caractère non accepté : « ") + foreign
           + QStringLiteral(" ». Utilisez les lettres de l'alphabet français, les chiffres et les signes du clavier.");
}

QString nameRefusal(const QString &name)
{
    const QString foreign = firstForeign(name);
    if (foreign.isEmpty())
        return {};
    return QStringLiteral("Le nom « ") + name + QStringLiteral(" » contient un caractère non accepté : « ") + foreign
           + QStringLiteral(" ». Utilisez les lettres de l'alphabet français, les chiffres et les signes du clavier.");
}
}
