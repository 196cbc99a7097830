// Fuzzes the Windows-1252 text reader: every byte decodes to one character and
// encodes back to itself, lines hold no line end, and lines written and read
// again are the same lines.
#include "records/cp1252.h"
#include "records/textfile.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void check(bool condition, const char *what)
{
    if (!condition) {
        fprintf(stderr, "text reader: %s\n", what);
        abort();
    }
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = Cp1252::decode(bytes);
    check(text.size() == bytes.size(), "one character per byte");
    bool ok = false;
    check(Cp1252::encode(text, &ok) == bytes && ok, "decoded text encodes back");
    check(Cp1252::canEncode(text), "decoded text is in the code page");

    const QStringList lines = TextFile::splitLines(bytes);
    qsizetype characters = 0;
    for (const QString &line : lines) {
        check(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')), "no line end inside a line");
        characters += line.size();
    }
    check(characters <= bytes.size() && lines.size() <= bytes.size(), "no more than was read");
    check(TextFile::splitLines(TextFile::joinLines(lines)) == lines, "written lines read back the same");
    if (!bytes.contains('\r'))
        check(bytes.count('\n') + (bytes.endsWith('\n') || bytes.isEmpty() ? 0 : 1) == lines.size(), "one line per LF");
    return 0;
}
