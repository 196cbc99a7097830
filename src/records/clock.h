#pragma once
#include <QDate>
#include <QString>

// Today, as the program writes it ("dd/MM/yyyy", the French short date).
namespace Clock {
QDate today();
QString todayText();
void setFixedDate(const QDate &date);  // tests only; an invalid date restores the system clock
}
