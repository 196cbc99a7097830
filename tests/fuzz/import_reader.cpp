// Fuzzes the account import's reader: fields never hold a line end, nor a TAB
// when TAB separates them; entries are numbered by their line, in order; a file
// without any separator and without header gives logins only.
#include "administration/accountimport.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void check(bool condition, const char *what)
{
    if (!condition) {
        fprintf(stderr, "import reader: %s\n", what);
        abort();
    }
}

bool clean(const QString &field, QChar separator)
{
    return !field.contains(QLatin1Char('\r')) && !field.contains(QLatin1Char('\n'))
           && (separator != QLatin1Char('\t') || !field.contains(QLatin1Char('\t')));
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const AccountImport::FileContent file = AccountImport::readFile(bytes);
    const qsizetype ends = bytes.count('\n') + bytes.count('\r');
    check(file.lines.size() <= ends + 1, "no more lines than line ends");
    int previous = 0;
    for (const AccountImport::Line &line : file.lines) {
        check(line.number > previous && line.number <= ends + 1, "lines numbered in order");
        previous = line.number;
        for (const QString *field : {&line.login, &line.password, &line.className, &line.firstName, &line.surname})
            check(clean(*field, file.separator), "fields hold no line end");
    }
    if (!file.header && !bytes.contains('\t') && !bytes.contains(';') && !bytes.contains(','))
        for (const AccountImport::Line &line : file.lines)
            check(line.login.isEmpty() && line.password.isEmpty(), "without separator a line is one field");
    return 0;
}
