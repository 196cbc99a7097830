#include "records/frenchorder.h"

#include <algorithm>
#include <vector>

namespace FrenchOrder {
namespace {
// The letters written as two in a base form.
QString ligature(QChar c)
{
    switch (c.unicode()) {
    case u'œ': case u'Œ': return QStringLiteral("oe");
    case u'æ': case u'Æ': return QStringLiteral("ae");
    case u'ß': return QStringLiteral("ss");
    default: return {};
    }
}

struct Keyed
{
    QString base, lower, name;
};
}

QString baseLetters(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            out += c.toLower();
            continue;
        }
        const QString two = ligature(c);
        if (!two.isEmpty()) {
            out += two;
            continue;
        }
        const QString decomposed = c.decompositionTag() == QChar::Canonical ? c.decomposition() : QString();
        out += (decomposed.isEmpty() ? c : decomposed.at(0)).toCaseFolded();
    }
    return out;
}

void sort(QStringList *names)
{
    // Each name's forms are made once, not at every comparison.
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(names->size()));
    for (const QString &name : *names)
        keyed.push_back({baseLetters(name), name.toLower(), name});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        if (const int base = a.base.compare(b.base))
            return base < 0;
        if (const int lower = a.lower.compare(b.lower))
            return lower < 0;
        return a.name.compare(b.name) > 0;   // same letters and accents: lower case first
    });
    for (qsizetype i = 0; i < names->size(); ++i)
        (*names)[i] = std::move(keyed[size_t(i)].name);
}

bool beginsWith(const QString &name, const QString &typed)
{
    return baseLetters(name).startsWith(baseLetters(typed));
}
}
