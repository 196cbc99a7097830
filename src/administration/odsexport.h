#pragma once
#include "administration/classsheet.h"

#include <QByteArray>
#include <QDateTime>

// The class's results as an OpenDocument spreadsheet: the same sheet as the CSV
// export, but with typed cells, so that a spreadsheet sorts and computes on them
// at once: scores and totals numbers, each acquisition a real date shown as
// dd/mm/yyyy, every other text a string (which a spreadsheet never takes for a
// formula); headers and totals bold. The file is a stored zip of the
// OpenDocument parts: "mimetype", META-INF/manifest.xml, styles.xml, content.xml.
namespace OdsExport {

inline const QByteArray MimeType("application/vnd.oasis.opendocument.spreadsheet");

// The sheet itself (content.xml).
QByteArray contentXml(const QList<SheetRow> &sheet);

// The whole file; its members dated 'modified'.
QByteArray spreadsheet(const QList<SheetRow> &sheet, const QDateTime &modified = QDateTime::currentDateTime());

// 'text' as an XML document can hold it: control characters, unpaired surrogates
// and the non-characters U+FFFE and U+FFFF become spaces.
QString xmlSafe(const QString &text);
}
