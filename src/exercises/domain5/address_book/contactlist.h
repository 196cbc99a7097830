#pragma once
#include <QString>

class QFont;
class QListWidget;

// The entries of the exercise's contact lists: in the address book, two blanks, the
// name and a run of blanks that lines the addresses up in the list's font; in the
// composition's sidebar, two blanks and the name.
namespace ContactList {
QString bookEntry(const QString &name, const QString &address, const QFont &font);
QString sidebarEntry(const QString &name);
// The pixel column where the address book's addresses start.
constexpr int AddressColumn = 210;
}
