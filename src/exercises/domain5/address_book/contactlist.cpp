#include "exercises/domain5/address_book/contactlist.h"

#include <QFont>
#include <QFontMetrics>

namespace ContactList {

QString bookEntry(const QString &name, const QString &address, const QFont &font)
{
    const QFontMetrics metrics(font);
    QString entry = QStringLiteral("  ") + name;
    do
        entry += QLatin1Char(' ');
    while (metrics.horizontalAdvance(entry) < AddressColumn);
    return entry + address;
}

QString sidebarEntry(const QString &name)
{
    return QStringLiteral("  ") + name;
}
}
