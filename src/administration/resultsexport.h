#pragma once
#include "administration/classsheet.h"

#include <QByteArray>
#include <QDate>

// The class's results as a file for the teachers' spreadsheets: semicolon-separated
// values in UTF-8 with a byte-order mark (so accents and columns open right), one
// line per row of the sheet (classsheet.h): dates as "yyyy-MM-dd", numbers with a
// decimal comma. A name ending in ".ods" gets the same table as an OpenDocument
// spreadsheet (odsexport.h), one ending in ".xlsx" as an XLSX workbook.
namespace ResultsExport {

// The save dialog's file types, CSV first.
QString fileFilters();

// The header row: "Nom", "Classe", "Score sur 29", then the competences' codes.
QStringList headerCells();

// The format a file name asks for by its ending (any letter case); CSV otherwise.
enum class Format { Csv, OpenDocument, Xlsx };
Format formatOf(const QString &path);

// A record's date ("dd/MM/yyyy") as the file gives it: "yyyy-MM-dd", which every
// spreadsheet reads as that very day whatever its language (a spreadsheet set to
// English would read 08/11/2026 as the 11th of August). A date that does not
// read as one stays as it is.
QString exportedDate(const QString &recordDate);

// One cell: quoted when it holds a separator, a quote or a line end (quotes
// doubled). Text that a spreadsheet would take for a formula (starting with "=",
// "+", "-", "@", a tab or a carriage return) is prefixed with an apostrophe.
QByteArray csvCell(const QString &text);

QByteArray csvBytes(const QList<SheetRow> &sheet);

// "resultats-<classes>-<yyyy-MM-dd>.csv", every character a file name may not
// hold on a school's machines replaced with "_".
QString defaultFileName(const QStringList &classes, const QDate &date);

// Writes the file at once (temporary file beside it, then renamed over it) in the
// format of formatOf(path).
IoStatus write(const QString &path, const QList<SheetRow> &sheet);
}
