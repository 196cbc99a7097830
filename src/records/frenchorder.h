#pragma once
#include <QString>
#include <QStringList>

// Names (pupils, teachers, classes) as a French reader orders them: letters
// compared without their accents and letter case (Adam, bruno, Chloé, david,
// émile, Éva ...); names equal that way are ordered unaccented first, then lower
// case first, so the order never depends on the disk's.
namespace FrenchOrder {
// The text with every letter reduced to its base letter in lower case ("Éva" gives
// "eva", "Œdipe" gives "oedipe"); other characters are kept.
QString baseLetters(const QString &text);
void sort(QStringList *names);
// Whether `name` begins with `typed`, accents and letter case aside (type-ahead).
bool beginsWith(const QString &name, const QString &typed);
}
