// The spreadsheet screenshots of the questioning-results exercise, its line chart,
// the corrected average and the exchanged labels of the table and the legend, all
// drawn from the exercise's own figures.
#include "exercises/domain2/questioning_results/layout.h"
#include "pictures/charts.h"
#include "pictures/fonts.h"
#include "pictures/kit.h"
#include "pictures/pictures.h"
#include "pictures/spreadsheet.h"

#include <QPainter>

using namespace QuestioningLayout;
using namespace Spreadsheet;

namespace {
const QList<Tool> StandardTools{Tool::New, Tool::Open, Tool::Save, Tool::Separator, Tool::Mail, Tool::EditFile,
                                Tool::Separator, Tool::ExportPdf, Tool::Print, Tool::Preview, Tool::Separator,
                                Tool::Spelling, Tool::Separator, Tool::Cut, Tool::Copy, Tool::Paste,
                                Tool::FormatPaintbrush, Tool::Separator, Tool::Undo, Tool::Redo, Tool::Separator,
                                Tool::Hyperlink, Tool::SortAscending, Tool::SortDescending, Tool::Chart,
                                Tool::Draw, Tool::Separator, Tool::Find, Tool::Navigator, Tool::Zoom, Tool::Help};
const QList<Tool> FormatTools{Tool::Bold, Tool::Italic, Tool::Underline, Tool::Separator, Tool::AlignLeft,
                              Tool::AlignCenter, Tool::AlignRight, Tool::Separator, Tool::Currency, Tool::Percent,
                              Tool::MoreDecimals, Tool::FewerDecimals, Tool::Separator, Tool::Borders,
                              Tool::Background, Tool::FontColour};

// Document name, menus and the standard tool bar whose print button lies under zs1.
void paintChrome(QPainter &p, int width, const QString &document)
{
    p.fillRect(QRect(0, 0, width, 14), QColor(214, 213, 209));
    p.setPen(QColor(60, 60, 60));
    p.setFont(pixelFont(QStringLiteral("Tahoma"), 10));
    p.drawText(QRect(0, 0, width, 14), Qt::AlignCenter, document + QStringLiteral(" - Tableur"));
    paintMenuStrip(p, QRect(0, 14, width, 24));
    paintToolBand(p, QRect(0, 38, width, 34));
    paintToolRow(p, toolRow(StandardTools, Tool::Print, First::zs1, 25));
}

void paintFirstSheet(QPainter &p, const QSize &size)
{
    using namespace First;
    paintChrome(p, size.width(), QStringLiteral("bulletin_trimestre.ods"));
    paintToolBand(p, QRect(0, 72, size.width(), 26));
    p.setFont(PictureKit::uiFont(12));
    PictureKit::paintComboBox(p, QRect(8, 75, 120, 20), QStringLiteral("Arial"));
    PictureKit::paintComboBox(p, QRect(132, 75, 50, 20), QStringLiteral("10"));
    paintToolRow(p, toolRow(FormatTools, Tool::Bold, QRect(190, 74, 22, 22), 24));
    paintFormulaBar(p, QRect(0, 98, size.width(), 26), NameBox, Edit1.left(), QStringLiteral("B11"), Formula);

    Sheet sheet;
    sheet.origin = QPoint(0, SheetTop);
    sheet.headerWidth = HeaderWidth;
    sheet.headerHeight = HeaderHeight;
    sheet.columnWidths = {ColumnA, OtherColumns};
    sheet.rowHeight = RowHeight;
    sheet.current = QStringLiteral("B11");
    sheet.cells.insert(QStringLiteral("A2"), Cell{QStringLiteral("Bulletin du 1er trimestre"), Qt::AlignLeft, true});
    sheet.cells.insert(QStringLiteral("A4"), Cell{QStringLiteral("Matière"), Qt::AlignLeft, true, QColor(220, 230, 242)});
    sheet.cells.insert(QStringLiteral("B4"), Cell{QStringLiteral("Note"), Qt::AlignRight, true, QColor(220, 230, 242)});
    for (int i = 0; i < Subjects.size(); ++i) {
        sheet.cells.insert(QStringLiteral("A%1").arg(5 + i), Cell{Subjects.at(i)});
        sheet.cells.insert(QStringLiteral("B%1").arg(5 + i), Cell::number(QString::number(Marks.at(i))));
    }
    sheet.cells.insert(QStringLiteral("A11"), Cell{AverageLabel, Qt::AlignLeft, true});
    sheet.cells.insert(QStringLiteral("B11"), Cell{ShownAverage, Qt::AlignRight, true});
    paintSheet(p, QRect(0, SheetTop, size.width() - 16, 525 - SheetTop), sheet);
    PictureKit::paintScrollBar(p, QRect(size.width() - 16, SheetTop, 16, 525 - SheetTop), Qt::Vertical, 0, 0.2);
    paintSheetTabs(p, QRect(0, 525, size.width(), 22),
                   {QStringLiteral("Feuille1"), QStringLiteral("Feuille2"), QStringLiteral("Feuille3")});
    paintStatusBar(p, QRect(0, 547, size.width(), 22),
                   {QStringLiteral("Feuille 1 / 3"), QStringLiteral("Standard"), QStringLiteral("Somme=13,5")});
}

void paintCorrectedAverage(QPainter &p, const QSize &size)
{
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    p.setPen(Qt::black);
    p.setFont(pixelFont(QStringLiteral("Arial"), 12, true));
    p.drawText(QRect(0, 0, size.width() - 3, size.height()), Qt::AlignRight | Qt::AlignVCenter, First::CorrectedAverage);
}

Sheet secondSheet()
{
    using namespace Second;
    Sheet sheet;
    sheet.origin = QPoint(SheetLeft, SheetTop);
    sheet.headerWidth = HeaderWidth;
    sheet.headerHeight = HeaderHeight;
    sheet.columnWidths = {ColumnA, OtherColumns};
    sheet.rowHeight = RowHeight;
    sheet.cells.insert(QStringLiteral("A5"), Cell{QStringLiteral("Emprunts de dictionnaires au CDI"), Qt::AlignLeft, true});
    for (int i = 0; i < Years.size(); ++i) {
        const QString column = columnName(2 + i);
        sheet.cells.insert(column + QStringLiteral("7"), Cell{Years.at(i), Qt::AlignRight, true, QColor(220, 230, 242)});
        sheet.cells.insert(column + QStringLiteral("8"), Cell::number(QString::number(Row8.at(i))));
        sheet.cells.insert(column + QStringLiteral("9"), Cell::number(QString::number(Row9.at(i))));
    }
    sheet.cells.insert(QStringLiteral("A7"), Cell{QString(), Qt::AlignLeft, false, QColor(220, 230, 242)});
    sheet.cells.insert(QStringLiteral("A8"), Cell{Row8Label, Qt::AlignLeft, true});
    sheet.cells.insert(QStringLiteral("A9"), Cell{Row9Label, Qt::AlignLeft, true});
    return sheet;
}

void paintSecondSheet(QPainter &p, const QSize &size)
{
    using namespace Second;
    paintChrome(p, size.width(), QStringLiteral("emprunts_cdi.ods"));
    paintFormulaBar(p, QRect(0, 72, size.width(), 30), NameBox, 150, QStringLiteral("A8"), Row8Label);
    Sheet sheet = secondSheet();
    sheet.current = QStringLiteral("A8");
    p.fillRect(QRect(0, SheetTop, SheetLeft, 525 - SheetTop), QColor(232, 232, 232));
    paintSheet(p, QRect(SheetLeft, SheetTop, size.width() - 16 - SheetLeft, 525 - SheetTop), sheet);
    PictureKit::paintScrollBar(p, QRect(size.width() - 16, SheetTop, 16, 525 - SheetTop), Qt::Vertical, 0, 0.2);
    paintSheetTabs(p, QRect(0, 525, size.width(), 22),
                   {QStringLiteral("Feuille1"), QStringLiteral("Feuille2"), QStringLiteral("Feuille3")});
    paintStatusBar(p, QRect(0, 547, size.width(), 22), {QStringLiteral("Feuille 1 / 3"), QStringLiteral("Standard")});
}

QList<Charts::Series> series(bool exchanged)
{
    using namespace Second;
    return {Charts::Series{exchanged ? Row9Label : Row8Label, Row8, Charts::seriesColour(0)},
            Charts::Series{exchanged ? Row8Label : Row9Label, Row9, Charts::seriesColour(1)}};
}

// The chart as the spreadsheet drew it from rows 8 and 9, legend included.
void paintLineChart(QPainter &p, const QSize &size)
{
    using namespace Second;
    Charts::Chart chart;
    chart.kind = Charts::Chart::Kind::Lines;
    chart.categories = Years;
    chart.series = series(false);
    chart.title = QStringLiteral("Emprunts de dictionnaires");
    chart.legendRect = inPicture(Legend, Image2);
    chart.step = 20;
    Charts::paintChart(p, QRect(QPoint(0, 0), size), chart);
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
}

void paintExchangedLegend(QPainter &p, const QSize &)
{
    using namespace Second;
    Charts::paintLegend(p, inPicture(Legend, Image4), series(true), Charts::Chart::Kind::Lines);
}

// Cells A8 and A9 with their labels exchanged, drawn as the sheet draws them.
void paintExchangedCells(QPainter &p, const QSize &size)
{
    using namespace Second;
    Sheet sheet = secondSheet();
    sheet.cells.insert(QStringLiteral("A8"), Cell{Row9Label, Qt::AlignLeft, true, QColor(255, 236, 160)});
    sheet.cells.insert(QStringLiteral("A9"), Cell{Row8Label, Qt::AlignLeft, true, QColor(255, 236, 160)});
    p.translate(-Image3.left(), -Image3.top());
    paintSheet(p, Image3, sheet);
    p.resetTransform();
    p.setPen(QPen(QColor(200, 80, 0), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
}

const Pictures::Registrar pictures[] = {
    Pictures::Registrar{{QStringLiteral("Texercice10v3/Image1"), First::Image1.size(), &paintFirstSheet,
                         {{QStringLiteral("zs1"), First::zs1}, {QStringLiteral("zs2"), First::zs2},
                          {QStringLiteral("zs3"), First::zs3}, {QStringLiteral("Edit1"), First::Edit1}}}},
    Pictures::Registrar{{QStringLiteral("Texercice10v3/Image2"), First::Image2.size(), &paintCorrectedAverage, {}}},
    Pictures::Registrar{{QStringLiteral("Texercice10v3b/Image1"), Second::Image1.size(), &paintSecondSheet,
                         {{QStringLiteral("zs2"), Second::zs2}}}},
    Pictures::Registrar{{QStringLiteral("Texercice10v3b/Image2"), Second::Image2.size(), &paintLineChart, {}}},
    Pictures::Registrar{{QStringLiteral("Texercice10v3b/Image3"), Second::Image3.size(), &paintExchangedCells, {}}},
    Pictures::Registrar{{QStringLiteral("Texercice10v3b/Image4"), Second::Image4.size(), &paintExchangedLegend, {}}},
};
}
