#include "records/clock.h"

namespace Clock {
namespace {
QDate &fixed()
{
    static QDate date;
    return date;
}
}

QDate today() { return fixed().isValid() ? fixed() : QDate::currentDate(); }

QString todayText() { return today().toString(QStringLiteral("dd/MM/yyyy")); }

void setFixedDate(const QDate &date) { fixed() = date; }
}
