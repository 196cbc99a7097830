// Fuzzes the account import's reader: fields never hold a TAB or a line end,
// lines are numbered from 1 without gaps, and a file without TAB gives logins
// only.
#include "administration/accountimport.h"
#include "records/cp1252.h"

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

bool clean(const QString &field)
{
    return !field.contains(QLatin1Char('\t')) && !field.contains(QLatin1Char('\r')) && !field.contains(QLatin1Char('\n'));
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<AccountImport::Line> lines = AccountImport::readLines(bytes);
    const qsizetype ends = bytes.count('\n') + bytes.count('\r');
    check(lines.size() <= ends + 1, "no more lines than line ends");
    qsizetype fieldBytes = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const AccountImport::Line &line = lines.at(i);
        check(line.number == i + 1, "lines numbered from 1");
        check(clean(line.login) && clean(line.password) && clean(line.className), "fields hold no separator");
        fieldBytes += line.login.size() + line.password.size() + line.className.size();
    }
    check(fieldBytes <= bytes.size(), "fields hold no more than was read");
    if (!bytes.contains('\t'))
        for (const AccountImport::Line &line : lines)
            check(line.login.isEmpty() && line.password.isEmpty(), "without TAB a line is one field");
    return 0;
}
