// The chart exercise's pictures: the spreadsheet window, the empty columns beside
// the narrowed sheet, the chart wizard's three pages and the chart to obtain, drawn
// from the exercise's own texts and figures.
#include "exercises/domain3/chart/layout.h"
#include "pictures/charts.h"
#include "pictures/fonts.h"
#include "pictures/kit.h"
#include "pictures/pictures.h"
#include "pictures/spreadsheet.h"

#include <QLinearGradient>
#include <QPainter>

using namespace ChartLayout;
using namespace Spreadsheet;

namespace {
const QList<Tool> StandardTools{Tool::New, Tool::Open, Tool::Save, Tool::Separator, Tool::Mail, Tool::EditFile,
                                Tool::Separator, Tool::ExportPdf, Tool::Print, Tool::Preview, Tool::Separator,
                                Tool::Spelling, Tool::Separator, Tool::Cut, Tool::Copy, Tool::Paste,
                                Tool::FormatPaintbrush, Tool::Separator, Tool::Undo, Tool::Redo, Tool::Separator,
                                Tool::Hyperlink, Tool::SortAscending, Tool::SortDescending, Tool::Chart,
                                Tool::Draw, Tool::Separator, Tool::Find, Tool::Navigator, Tool::Separator,
                                Tool::Zoom, Tool::Help};
const QList<Tool> FormatTools{Tool::Bold, Tool::Italic, Tool::Underline, Tool::Separator, Tool::AlignLeft,
                              Tool::AlignCenter, Tool::AlignRight, Tool::Separator, Tool::Currency, Tool::Percent,
                              Tool::MoreDecimals, Tool::FewerDecimals, Tool::Separator, Tool::Borders,
                              Tool::Background, Tool::FontColour};

Sheet emptySheet(QPoint origin, int firstColumn)
{
    Sheet sheet;
    sheet.origin = origin;
    sheet.headerWidth = firstColumn == 1 ? HeaderWidth : 0;
    sheet.headerHeight = RowHeight + 2;
    sheet.firstColumn = firstColumn;
    for (int c = firstColumn; c <= 12; ++c)
        sheet.columnWidths.append(columnWidth(c));
    sheet.rowHeight = RowHeight;
    return sheet;
}

void paintWindow(QPainter &p, const QSize &size)
{
    paintToolBand(p, QRect(0, 0, size.width(), 27));
    paintToolRow(p, toolRow(StandardTools, Tool::Chart, zs3, 27, 8));
    paintToolBand(p, QRect(0, 27, size.width(), 28));
    PictureKit::paintComboBox(p, QRect(8, 31, 150, 20), QStringLiteral("Liberation Sans"));
    PictureKit::paintComboBox(p, QRect(162, 31, 50, 20), QStringLiteral("10"));
    paintToolRow(p, toolRow(FormatTools, Tool::Bold, QRect(222, 30, 24, 22), 26, 8));
    // The drawn input line ends where the live one does.
    paintToolBand(p, QRect(0, 55, size.width(), 27));
    paintFormulaBar(p, QRect(0, 55, Edit1.right() + 5, 27), Edit2, Edit1.left(), QStringLiteral("A1"), QString());
    // The live sheet lies here, whole.
    p.fillRect(StringGrid1, Qt::white);
    const int tabs = StringGrid1.bottom() + 1;
    paintSheetTabs(p, QRect(0, tabs, size.width(), 22),
                   {QStringLiteral("Feuille1"), QStringLiteral("Feuille2"), QStringLiteral("Feuille3")});
    paintStatusBar(p, QRect(0, tabs + 22, size.width(), size.height() - tabs - 22),
                   {QStringLiteral("Feuille 1 / 3"), QStringLiteral("Standard"), QStringLiteral("100%"),
                    QStringLiteral("Somme=0")});
}

// Columns C to J, empty, as they show beside the narrowed sheet.
void paintEmptyColumns(QPainter &p, const QSize &size)
{
    paintSheet(p, QRect(QPoint(0, 0), size), emptySheet(QPoint(0, 0), 3));
}

Charts::Chart targetChart()
{
    Charts::Chart chart;
    chart.kind = Charts::Chart::Kind::Columns;
    chart.categories = ShownCategories;
    chart.series = {Charts::Series{QStringLiteral("Quantité"), ShownValues, Charts::seriesColour(0)}};
    chart.title = ShownTitle;
    chart.xTitle = ShownXTitle;
    chart.yTitle = ShownYTitle;
    chart.legend = false;
    chart.horizontalGrid = true;
    chart.verticalGrid = false;
    chart.step = 1;
    return chart;
}

void paintTarget(QPainter &p, const QSize &size)
{
    Charts::paintChart(p, QRect(QPoint(0, 0), size), targetChart());
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
}

// The frame every page shares: title, the steps with the current one marked, buttons.
void paintWizard(QPainter &p, const QSize &size, int page)
{
    const QRect all(QPoint(0, 0), size);
    p.fillRect(all, PictureKit::Colours::Window);
    QLinearGradient title(0, 0, 0, PageTitleHeight);
    title.setColorAt(0, QColor(72, 110, 170));
    title.setColorAt(1, QColor(46, 80, 140));
    p.fillRect(QRect(0, 0, size.width(), PageTitleHeight), title);
    p.setPen(Qt::white);
    p.setFont(PictureKit::uiFont(13, true));
    p.drawText(QRect(10, 0, size.width(), PageTitleHeight), Qt::AlignVCenter, WizardTitle);
    p.drawText(QRect(size.width() - 24, 0, 20, PageTitleHeight), Qt::AlignCenter, QStringLiteral("×"));
    p.setPen(QColor(110, 110, 110));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0, 0, -1, -1));

    p.fillRect(StepsPane, Qt::white);
    p.setPen(QColor(170, 170, 170));
    p.drawRect(StepsPane.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.setFont(PictureKit::uiFont(12, true));
    p.drawText(StepsPane.adjusted(8, 6, 0, 0), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Étapes"));
    for (int i = 0; i < StepNames.size(); ++i) {
        // Room for two lines: a long step's name wraps rather than runs out of the pane.
        const QRect line(StepsPane.left() + 4, StepsPane.top() + 30 + i * 38, StepsPane.width() - 8, 36);
        if (i == page - 1)
            p.fillRect(line, QColor(61, 174, 233, 70));
        p.setFont(PictureKit::uiFont(12, i == page - 1));
        p.drawText(line.adjusted(4, 0, -2, 0), Qt::AlignVCenter | Qt::TextWordWrap, StepNames.at(i));
    }
    p.setPen(QColor(190, 190, 190));
    p.drawLine(8, 262, size.width() - 8, 262);
    PictureKit::paintButton(p, HelpButton, QStringLiteral("Aide"));
    PictureKit::paintButton(p, PreviousButton, QStringLiteral("<< Précédent"));
    PictureKit::paintButton(p, NextButton, QStringLiteral("Suivant >>"), page < 3);
    PictureKit::paintButton(p, CreateButton, QStringLiteral("Créer"), page == 3);
    PictureKit::paintButton(p, CancelButton, QStringLiteral("Annuler"));
}

void heading(QPainter &p, const QString &text)
{
    p.setPen(Qt::black);
    p.setFont(PictureKit::uiFont(13, true));
    p.drawText(QRect(Content.left() + 4, Content.top(), Content.width(), 22), Qt::AlignVCenter, text);
}

void paintRangePage(QPainter &p, const QSize &size)
{
    paintWizard(p, size, 1);
    heading(p, QStringLiteral("Choisissez une plage de données"));
    PictureKit::paintLabel(p, QRect(Content.left() + 12, Edit3InPage.top(), 120, Edit3InPage.height()),
                           QStringLiteral("Plage de données :"));
    PictureKit::paintTextField(p, Edit3InPage);
    p.setFont(PictureKit::uiFont(12));
    PictureKit::paintLabel(p, QRect(Content.left() + 12, 104, 200, 20), QStringLiteral("Séries de données en"));
    PictureKit::paintRadioButton(p, QRect(Content.left() + 24, 126, 120, 20), QStringLiteral("lignes"), false);
    PictureKit::paintRadioButton(p, QRect(Content.left() + 150, 126, 120, 20), QStringLiteral("colonnes"), true);
    PictureKit::paintCheckBox(p, CheckBox1InPage, FirstRowLabel, false);
    PictureKit::paintCheckBox(p, CheckBox2InPage, FirstColumnLabel, false);
}

void paintTypePage(QPainter &p, const QSize &size)
{
    paintWizard(p, size, 2);
    heading(p, QStringLiteral("Choisissez un type de diagramme"));
    p.setFont(pixelFont(QStringLiteral("Arial"), 11));
    for (int i = 0; i < Charts::TypeCount; ++i) {
        const QRect zone = typeZone(i);
        Charts::paintTypeThumbnail(p, zone, Charts::Type(i));
        p.setPen(Qt::black);
        p.setFont(pixelFont(QStringLiteral("Arial"), 11));
        p.drawText(QRect(zone.left() - 14, zone.bottom() + 2, zone.width() + 28, 16), Qt::AlignCenter,
                   Charts::typeName(Charts::Type(i)));
    }
}

void paintTitlesPage(QPainter &p, const QSize &size)
{
    paintWizard(p, size, 3);
    heading(p, QStringLiteral("Choisissez les titres, la légende et les grilles"));
    PictureKit::paintCheckBox(p, CheckBox3InPage, TitleBox, false);
    PictureKit::paintTextField(p, Edit4InPage, MainTitlePlaceholder);
    PictureKit::paintCheckBox(p, CheckBox4InPage, LegendBox, false);
    p.setFont(PictureKit::uiFont(12, true));
    PictureKit::paintLabel(p, QRect(Content.left() + 4, 116, 200, 20), QStringLiteral("Titres des axes"));
    PictureKit::paintCheckBox(p, CheckBox5InPage, XAxisBox, false);
    PictureKit::paintTextField(p, Edit5InPage, XTitlePlaceholder);
    PictureKit::paintCheckBox(p, CheckBox6InPage, YAxisBox, false);
    PictureKit::paintTextField(p, Edit6InPage, YTitlePlaceholder);
    p.setFont(PictureKit::uiFont(12, true));
    PictureKit::paintLabel(p, QRect(Content.left() + 4, 198, 200, 20), QStringLiteral("Afficher les grilles"));
    PictureKit::paintCheckBox(p, CheckBox7InPage, XAxisBox, false);
    PictureKit::paintCheckBox(p, CheckBox8InPage, YAxisBox, false);
}

QList<Pictures::HotSpotOutline> typeOutlines()
{
    QList<Pictures::HotSpotOutline> outlines;
    for (int i = 0; i < Charts::TypeCount; ++i)
        outlines.append({QStringLiteral("zs%1").arg(4 + i), typeZone(i)});
    outlines.append({QStringLiteral("zs12"), NextButton});
    return outlines;
}

const Pictures::Registrar pictures[] = {
    Pictures::Registrar{{QStringLiteral("Texercice18v3/Image1"), Image1.size(), &paintWindow,
                         {{QStringLiteral("zs3"), zs3}, {QStringLiteral("Edit2"), Edit2}, {QStringLiteral("Edit1"), Edit1}}}},
    Pictures::Registrar{{QStringLiteral("Texercice18v3/Image5"), Image5.size(), &paintEmptyColumns, {}}},
    Pictures::Registrar{{QStringLiteral("Texercice18v3/Image3"), Image3.size(), &paintTarget, {}}},
    Pictures::Registrar{{QStringLiteral("Texercice18v3/Image8"), Image8.size(), &paintTarget, {}}},
    Pictures::Registrar{{QStringLiteral("Texercice18v3/Image4"), Page.size(), &paintRangePage,
                         {{QStringLiteral("Edit3"), Edit3InPage}, {QStringLiteral("CheckBox1"), CheckBox1InPage},
                          {QStringLiteral("CheckBox2"), CheckBox2InPage}, {QStringLiteral("zs2"), NextButton}}}},
    Pictures::Registrar{{QStringLiteral("Texercice18v3/Image6"), Page.size(), &paintTypePage, typeOutlines()}},
    Pictures::Registrar{{QStringLiteral("Texercice18v3/Image7"), Page.size(), &paintTitlesPage,
                         {{QStringLiteral("CheckBox3"), CheckBox3InPage}, {QStringLiteral("Edit4"), Edit4InPage},
                          {QStringLiteral("CheckBox4"), CheckBox4InPage}, {QStringLiteral("CheckBox5"), CheckBox5InPage},
                          {QStringLiteral("Edit5"), Edit5InPage}, {QStringLiteral("CheckBox6"), CheckBox6InPage},
                          {QStringLiteral("Edit6"), Edit6InPage}, {QStringLiteral("CheckBox7"), CheckBox7InPage},
                          {QStringLiteral("CheckBox8"), CheckBox8InPage}, {QStringLiteral("zs13"), CreateButton}}}},
};
}
