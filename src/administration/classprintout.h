#pragma once
#include "administration/printing.h"

class ClassMatrixModel;

// The follow-up window's table on paper: a title line, the matrix as shown
// (columns of the chosen domain, rows in their order, the totals), the mean
// score and the chart, scaled to the page's width and cut into pages by rows.
namespace ClassPrintout {
Printing::Painting table(const ClassMatrixModel &model, const QString &title);
}
