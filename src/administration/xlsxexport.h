#pragma once
#include "administration/classsheet.h"
#include "records/iostatus.h"

#include <QByteArray>

// The class's results as an XLSX workbook (libxlsxwriter): the same sheet as the
// other exports with typed cells (numbers, real dates shown as dd/mm/yyyy, bold
// headers and totals) and, below it, a column chart of the success rate per
// competence when the sheet holds the rates' row.
namespace XlsxExport {
// The workbook's bytes; libxlsxwriter writes a file, so it is written in a
// private temporary folder and read back (the caller writes it atomically).
IoStatus workbook(const QList<SheetRow> &sheet, QByteArray *bytes);
}
