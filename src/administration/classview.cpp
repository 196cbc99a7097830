#include "administration/classview.h"

#include "administration/consolequeries.h"
#include "administration/filechooser.h"
#include "administration/resultsexport.h"
#include "records/clock.h"
#include "records/competencecatalogue.h"
#include "widgets/messagebox.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace {
const QColor Cream(0xFF, 0xFB, 0xF0);
const QColor Acquired(0x00, 0x80, 0x00);
const QString Tick = QStringLiteral("\u2713");

constexpr int NameWidth = 118;
constexpr int ClassWidth = 34;
constexpr int ScoreWidth = 42;
constexpr int CompetenceWidth = 34;
constexpr int RowHeight = 15;   // a class of 30 and its totals fit without scrolling

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignCenter)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment);
    return item;
}
}

ClassView::ClassView(QWidget *parent) : QGroupBox(QStringLiteral("Vue de la classe"), parent)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, Cream);
    setPalette(p);
    setAutoFillBackground(true);

    StringGrid2 = new QTableWidget(this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->setGeometry(8, 18, 369, 524);
    StringGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid2->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid2->setWordWrap(false);
    StringGrid2->verticalHeader()->hide();
    StringGrid2->verticalHeader()->setMinimumSectionSize(RowHeight);
    StringGrid2->verticalHeader()->setDefaultSectionSize(RowHeight);
    StringGrid2->horizontalHeader()->setSectionsClickable(true);
    StringGrid2->horizontalHeader()->setSortIndicatorShown(false);
    StringGrid2->horizontalHeader()->setHighlightSections(false);
    QFont small = font();
    small.setPixelSize(10);
    StringGrid2->setFont(small);
    buildHeader();
    connect(StringGrid2->horizontalHeader(), &QHeaderView::sectionClicked, this, &ClassView::StringGrid2HeaderClick);

    Button19 = new QPushButton(QStringLiteral("Exporter..."), this);
    Button19->setObjectName(QStringLiteral("Button19"));
    Button19->setGeometry(208, 550, 169, 28);
    connect(Button19, &QPushButton::clicked, this, &ClassView::Button19Click);
}

void ClassView::buildHeader()
{
    StringGrid2->setColumnCount(ClassResults::ColumnCount);
    const auto header = [this](int column, const QString &text, const QString &hint, int width) {
        auto *item = new QTableWidgetItem(text);
        item->setToolTip(hint);
        StringGrid2->setHorizontalHeaderItem(column, item);
        StringGrid2->setColumnWidth(column, width);
    };
    header(ClassResults::NameColumn, QStringLiteral("Nom"), QStringLiteral("Nom de l'élève"), NameWidth);
    header(ClassResults::ClassColumn, QStringLiteral("Classe"), QStringLiteral("Classe"), ClassWidth);
    header(ClassResults::ScoreColumn, QStringLiteral("Score"), QStringLiteral("Compétences acquises sur 29"), ScoreWidth);
    for (int n = 1; n <= CompetenceCount; ++n) {
        const CompetenceRow &row = CompetenceCatalogue::row(n);
        header(ClassResults::FirstCompetenceColumn + n - 1, row.code, row.statement, CompetenceWidth);
    }
}

void ClassView::setResults(const QList<PupilResults> &rows, const QStringList &classes)
{
    m_rows = rows;
    m_classes = classes;
    m_sortColumn = -1;
    StringGrid2->horizontalHeader()->setSortIndicatorShown(false);
    fill();
}

void ClassView::sortBy(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ClassResults::ColumnCount)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    ClassResults::sort(&m_rows, column, order);
    StringGrid2->horizontalHeader()->setSortIndicatorShown(true);
    StringGrid2->horizontalHeader()->setSortIndicator(column, order);
    fill();
}

void ClassView::StringGrid2HeaderClick(int column)
{
    const bool again = column == m_sortColumn && m_sortOrder == Qt::AscendingOrder;
    sortBy(column, again ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void ClassView::fill()
{
    StringGrid2->clearContents();
    StringGrid2->setRowCount(int(m_rows.size()) + TotalsRows);
    for (int r = 0; r < m_rows.size(); ++r) {
        const PupilResults &pupil = m_rows.at(r);
        StringGrid2->setItem(r, ClassResults::NameColumn, cell(pupil.name, Qt::AlignLeft | Qt::AlignVCenter));
        StringGrid2->item(r, ClassResults::NameColumn)->setToolTip(pupil.name);
        StringGrid2->setItem(r, ClassResults::ClassColumn, cell(pupil.className));
        StringGrid2->setItem(r, ClassResults::ScoreColumn,
                             cell(QString::number(pupil.score()) + QStringLiteral(" / ") + QString::number(CompetenceCount)));
        for (int n = 1; n <= CompetenceCount; ++n) {
            const CompetenceResult &result = pupil.results[n - 1];
            QTableWidgetItem *item = cell(result.acquired ? Tick : QString());
            if (result.acquired) {
                item->setForeground(Acquired);
                item->setToolTip(QStringLiteral("réussi le ") + result.date + QStringLiteral(" / ") + result.validator);
            }
            StringGrid2->setItem(r, ClassResults::FirstCompetenceColumn + n - 1, item);
        }
    }
    fillTotals(int(m_rows.size()));
}

void ClassView::fillTotals(int firstRow)
{
    const ClassResults::Counts counts = ClassResults::acquiredCounts(m_rows);
    const int pupils = int(m_rows.size());
    QFont bold = StringGrid2->font();
    bold.setBold(true);
    const QBrush shade = palette().brush(QPalette::Button);
    const QStringList titles{QStringLiteral("Ont réussi :"), QStringLiteral("Taux de réussite")};
    for (int t = 0; t < TotalsRows; ++t) {
        const int r = firstRow + t;
        for (int c = 0; c < ClassResults::ColumnCount; ++c) {
            QString text;
            if (c == ClassResults::NameColumn)
                text = titles.at(t);
            else if (c == ClassResults::ScoreColumn && t == 0)
                text = QString::number(pupils);
            else if (c >= ClassResults::FirstCompetenceColumn) {
                const int count = counts[c - ClassResults::FirstCompetenceColumn];
                text = t == 0 ? QString::number(count)
                              : QString::number(ConsoleQueries::successRate(count, pupils)) + QStringLiteral(" %");
            }
            QTableWidgetItem *item = cell(text, c == ClassResults::NameColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                                                               : Qt::AlignCenter);
            item->setFont(bold);
            item->setBackground(shade);
            StringGrid2->setItem(r, c, item);
        }
    }
    StringGrid2->item(firstRow, ClassResults::ScoreColumn)->setToolTip(QStringLiteral("Inscrits"));
}

void ClassView::Button19Click()
{
    const QString path = FileChooser::saveFile(this, ResultsExport::defaultFileName(m_classes, Clock::today()),
                                               ResultsExport::fileFilters());
    if (path.isEmpty())
        return;
    const IoStatus status = ResultsExport::write(path, m_rows);
    if (!status) {
        MessageBox::error(status.message() + QStringLiteral(" : ") + QFileInfo(path).fileName(), this);
        return;
    }
    MessageBox::information(QStringLiteral("Les résultats ont été exportés dans le fichier ")
                                + QFileInfo(path).fileName(), this);
}
