#include "administration/xlsxexport.h"

#include "administration/odsexport.h"

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <xlsxwriter.h>

namespace XlsxExport {
namespace {
constexpr int FirstCompetenceColumn = ClassResults::FirstCompetenceColumn;

int rowTitled(const QList<SheetRow> &sheet, const QString &title)
{
    for (qsizetype r = 0; r < sheet.size(); ++r)
        if (!sheet.at(r).isEmpty() && sheet.at(r).first().text == title)
            return int(r);
    return -1;
}

void writeCell(lxw_worksheet *worksheet, int r, int c, const SheetCell &cell, lxw_format *bold, lxw_format *date)
{
    switch (cell.kind) {
    case SheetCell::Empty:
        break;
    case SheetCell::Text:
        worksheet_write_string(worksheet, lxw_row_t(r), lxw_col_t(c), OdsExport::xmlSafe(cell.text).toUtf8().constData(),
                               cell.bold ? bold : nullptr);
        break;
    case SheetCell::Number:
        worksheet_write_number(worksheet, lxw_row_t(r), lxw_col_t(c), cell.number, cell.bold ? bold : nullptr);
        break;
    case SheetCell::Date: {
        lxw_datetime day{cell.date.year(), cell.date.month(), cell.date.day(), 0, 0, 0};
        worksheet_write_datetime(worksheet, lxw_row_t(r), lxw_col_t(c), &day, date);
        break;
    }
    }
}

// Bars of the rates' row over the competences' codes of the header row.
void addChart(lxw_workbook *book, lxw_worksheet *worksheet, int headerRow, int rateRow, int below)
{
    lxw_chart *chart = workbook_add_chart(book, LXW_CHART_COLUMN);
    const int last = FirstCompetenceColumn + CompetenceCount - 1;
    lxw_chart_series *series = chart_add_series(chart, nullptr, nullptr);
    chart_series_set_categories(series, "Résultats", lxw_row_t(headerRow), FirstCompetenceColumn,
                                lxw_row_t(headerRow), lxw_col_t(last));
    chart_series_set_values(series, "Résultats", lxw_row_t(rateRow), FirstCompetenceColumn, lxw_row_t(rateRow),
                            lxw_col_t(last));
    chart_series_set_name(series, "Taux de réussite (%)");
    chart_title_set_name(chart, "Taux de réussite par compétence");
    chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);
    chart_axis_set_max(chart->y_axis, 100);
    chart_axis_set_min(chart->y_axis, 0);
    lxw_chart_options options{};
    options.x_scale = 3;
    options.y_scale = 1.2;
    worksheet_insert_chart_opt(worksheet, lxw_row_t(below), 0, chart, &options);
}
}

IoStatus workbook(const QList<SheetRow> &sheet, QByteArray *bytes)
{
    bytes->clear();
    QTemporaryDir dir;
    if (!dir.isValid())
        return IoStatus::failure(EACCES);
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("classeur.xlsx")));
    const QByteArray tmp = QFile::encodeName(dir.path());
    lxw_workbook_options options{};
    options.constant_memory = LXW_FALSE;
    options.tmpdir = const_cast<char *>(tmp.constData());
    lxw_workbook *book = workbook_new_opt(path.constData(), &options);
    if (!book)
        return IoStatus::failure(ENOMEM);
    lxw_worksheet *worksheet = workbook_add_worksheet(book, "Résultats");
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *date = workbook_add_format(book);
    format_set_num_format(date, "dd/mm/yyyy");
    worksheet_set_column(worksheet, 0, 0, 24, nullptr);
    worksheet_set_column(worksheet, FirstCompetenceColumn, FirstCompetenceColumn + CompetenceCount - 1, 10.5, nullptr);
    for (qsizetype r = 0; r < sheet.size(); ++r)
        for (qsizetype c = 0; c < sheet.at(r).size(); ++c)
            writeCell(worksheet, int(r), int(c), sheet.at(r).at(c), bold, date);
    const int headerRow = rowTitled(sheet, QStringLiteral("Nom"));
    const int rateRow = rowTitled(sheet, ClassSheet::RateTitle);
    if (headerRow >= 0 && rateRow >= 0)
        addChart(book, worksheet, headerRow, rateRow, int(sheet.size()) + 1);
    if (workbook_close(book) != LXW_NO_ERROR)
        return IoStatus::failure(EIO);
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly))
        return IoStatus::failure(EIO);
    *bytes = file.readAll();
    return IoStatus::success();
}
}
