#include "exercises/domain5/address_book/contactlist.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace ContactList {

QString bookEntry(const QString &name, const QString &address, const QFont &font)
{
    // At least one blank, then as many as reach the column: estimated from the width of
    // a blank, then corrected by measuring (blanks may round to a fraction of a pixel).
    const QFontMetrics metrics(font);
    const QString named = QStringLiteral("  ") + name + QLatin1Char(' ');
    const qreal blank = std::max<qreal>(1, QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')));
    const int missing = AddressColumn - metrics.horizontalAdvance(named);
    QString entry = named + QString(missing > 0 ? int(std::ceil(missing / blank)) : 0, QLatin1Char(' '));
    while (metrics.horizontalAdvance(entry) < AddressColumn)
        entry += QLatin1Char(' ');
    while (entry.size() > named.size() && metrics.horizontalAdvance(entry.chopped(1)) >= AddressColumn)
        entry.chop(1);
    return entry + address;
}

QString sidebarEntry(const QString &name)
{
    return QStringLiteral("  ") + name;
}
}
