#include "administration/classfollowup.h"

#include "administration/classprintout.h"
#include "administration/filechooser.h"
#include "administration/frozencolumnsview.h"
#include "administration/progressionsheet.h"
#include "administration/pupilresultswindow.h"
#include "administration/resultsexport.h"
#include "administration/resulttexts.h"
#include "administration/successchart.h"
#include "records/clock.h"
#include "records/competencecatalogue.h"
#include "records/datafolder.h"
#include "records/textfile.h"
#include "widgets/messagebox.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {
constexpr int NameWidth = 150;
constexpr int ClassWidth = 46;
constexpr int ScoreWidth = 46;
constexpr int CompetenceWidth = 27;   // all 29 show at once in a maximised window on 1280 pixels
constexpr int DomainWidth = 38;
constexpr int RowHeight = 18;
constexpr int FrozenColumns = ClassResults::FirstCompetenceColumn;

int widthOf(int column)
{
    switch (column) {
    case ClassResults::NameColumn:
        return NameWidth;
    case ClassResults::ClassColumn:
        return ClassWidth;
    case ClassResults::ScoreColumn:
        return ScoreWidth;
    default:
        return column >= ClassMatrixModel::FirstDomainColumn ? DomainWidth : CompetenceWidth;
    }
}

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}
}

ClassFollowUp::ClassFollowUp(const QStringList &classes, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ClassFollowUp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Suivi des classes"));
    resize(1240, 900);

    m_model = new ClassMatrixModel(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildBar());
    buildMatrix();
    m_chart = new SuccessChart(this);
    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_matrix);
    splitter->addWidget(m_chart);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({640, 220});
    layout->addWidget(splitter, 1);
    m_knownClasses = classes;
    fillClassList(classes, classes);
}

QWidget *ClassFollowUp::buildBar()
{
    auto *bar = new QWidget(this);
    auto *grid = new QVBoxLayout(bar);
    grid->setContentsMargins(0, 0, 0, 0);

    auto *classes = new QHBoxLayout;
    classes->addWidget(new QLabel(QStringLiteral("Classes :"), bar));
    m_classList = new QListWidget(bar);
    m_classList->setObjectName(QStringLiteral("ClassList"));
    m_classList->setFlow(QListView::LeftToRight);
    m_classList->setWrapping(true);
    m_classList->setFixedHeight(48);
    m_classList->setSpacing(2);
    classes->addWidget(m_classList, 1);
    grid->addLayout(classes);
    connect(m_classList, &QListWidget::itemChanged, this, &ClassFollowUp::classListChange);

    auto *filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("Domaine :"), bar));
    m_domain = new QComboBox(bar);
    m_domain->setObjectName(QStringLiteral("DomainFilter"));
    m_domain->addItem(QStringLiteral("Tous"));
    for (int d = 1; d <= Domains::Count; ++d)
        m_domain->addItem(Domains::name(d));
    filters->addWidget(m_domain);
    filters->addWidget(new QLabel(QStringLiteral("n'a pas encore réussi :"), bar));
    m_notYet = new QComboBox(bar);
    m_notYet->setObjectName(QStringLiteral("NotYetFilter"));
    m_notYet->addItem(QStringLiteral("-"));
    for (int n = 1; n <= CompetenceCount; ++n)
        m_notYet->addItem(CompetenceCatalogue::row(n).code);
    filters->addWidget(m_notYet);
    filters->addWidget(new QLabel(QStringLiteral("score inférieur à :"), bar));
    m_scoreBelow = new QSpinBox(bar);
    m_scoreBelow->setObjectName(QStringLiteral("ScoreFilter"));
    m_scoreBelow->setRange(-1, CompetenceCount + 1);
    m_scoreBelow->setSpecialValueText(QStringLiteral("-"));
    m_scoreBelow->setValue(-1);
    filters->addWidget(m_scoreBelow);
    filters->addStretch(1);
    grid->addLayout(filters);

    auto *actions = new QHBoxLayout;
    m_summary = new QLabel(bar);
    m_summary->setObjectName(QStringLiteral("Summary"));
    actions->addWidget(m_summary, 1);
    m_export = button(QStringLiteral("Exporter..."), "ExportButton", bar);
    m_printSheets = button(QStringLiteral("Imprimer les fiches"), "PrintSheetsButton", bar);
    m_printTable = button(QStringLiteral("Imprimer le tableau"), "PrintTableButton", bar);
    actions->addWidget(m_export);
    actions->addWidget(m_printSheets);
    actions->addWidget(m_printTable);
    grid->addLayout(actions);

    connect(m_domain, &QComboBox::currentIndexChanged, this, &ClassFollowUp::filterChange);
    connect(m_notYet, &QComboBox::currentIndexChanged, this, &ClassFollowUp::filterChange);
    connect(m_scoreBelow, &QSpinBox::valueChanged, this, &ClassFollowUp::filterChange);
    connect(m_export, &QPushButton::clicked, this, &ClassFollowUp::exportClick);
    connect(m_printSheets, &QPushButton::clicked, this, &ClassFollowUp::printSheetsClick);
    connect(m_printTable, &QPushButton::clicked, this, &ClassFollowUp::printTableClick);
    return bar;
}

void ClassFollowUp::buildMatrix()
{
    m_matrix = new FrozenColumnsView(FrozenColumns, this);
    m_matrix->setObjectName(QStringLiteral("Matrix"));
    m_matrix->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_matrix->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_matrix->setWordWrap(false);
    m_matrix->verticalHeader()->hide();
    m_matrix->verticalHeader()->setMinimumSectionSize(RowHeight);
    m_matrix->verticalHeader()->setDefaultSectionSize(RowHeight);
    m_matrix->horizontalHeader()->setMinimumSectionSize(CompetenceWidth);
    QFont small = m_matrix->font();
    small.setPixelSize(11);
    m_matrix->setFont(small);
    m_matrix->horizontalHeader()->setFont(small);
    m_matrix->frozen()->setFont(small);
    m_matrix->setFrozenModel(m_model);
    for (int c = 0; c < ClassMatrixModel::ColumnCount; ++c)
        m_matrix->setColumnWidth(c, widthOf(c));
    for (QTableView *view : {static_cast<QTableView *>(m_matrix), m_matrix->frozen()}) {
        view->horizontalHeader()->setSectionsClickable(true);
        view->horizontalHeader()->setMinimumSectionSize(CompetenceWidth);
        connect(view->horizontalHeader(), &QHeaderView::sectionClicked, this, &ClassFollowUp::headerClick);
        connect(view, &QAbstractItemView::doubleClicked, this, &ClassFollowUp::matrixDoubleClick);
        view->installEventFilter(this);
    }
    m_matrix->updateFrozenGeometry();
}

// ---- reading ----------------------------------------------------------------

void ClassFollowUp::fillClassList(const QStringList &known, const QStringList &checked)
{
    const QSignalBlocker blocker(m_classList);
    m_classList->clear();
    for (const QString &name : known + QStringList{UnknownClass}) {
        auto *item = new QListWidgetItem(name, m_classList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(checked.isEmpty() || checked.contains(name) ? Qt::Checked : Qt::Unchecked);
    }
}

QStringList ClassFollowUp::checkedClasses() const
{
    QStringList checked;
    for (int i = 0; i < m_classList->count(); ++i)
        if (m_classList->item(i)->checkState() == Qt::Checked)
            checked << m_classList->item(i)->text();
    return checked;
}

bool ClassFollowUp::refresh()
{
    const QStringList checked = checkedClasses();
    QStringList known;
    IoStatus status = RecordStore::loadTextList(DataFolder::classListPath(), &known);
    if (status)
        status = ClassResults::read(RecordStore::listRecordNames(), &m_everyPupil);
    if (!status) {
        m_everyPupil.clear();
        showPupils();
        MessageBox::error(status.message(), this);
        return false;
    }
    known.removeAll(QString());
    m_knownClasses = known;
    fillClassList(known, checked);
    showPupils();
    return true;
}

void ClassFollowUp::showPupils()
{
    const QStringList checked = checkedClasses();
    const bool unknown = checked.contains(UnknownClass);
    QList<PupilResults> pupils;
    for (const PupilResults &pupil : std::as_const(m_everyPupil))
        if (checked.contains(pupil.className) || (unknown && !m_knownClasses.contains(pupil.className)))
            pupils << pupil;
    m_model->setPupils(pupils);
    showTotals();
}

void ClassFollowUp::showTotals()
{
    for (int c = 0; c < ClassMatrixModel::ColumnCount; ++c)
        m_matrix->setColumnHidden(c, !m_model->filter().showsColumn(c) || c < FrozenColumns);
    for (int c = 0; c < FrozenColumns; ++c)
        m_matrix->setColumnHidden(c, false);
    m_matrix->updateFrozenGeometry();
    m_chart->setTotals(m_model->totals());
    m_summary->setText(ClassSheet::summary(m_model->totals()));
}

// ---- choices ----------------------------------------------------------------

void ClassFollowUp::classListChange(QListWidgetItem *) { showPupils(); }

void ClassFollowUp::filterChange()
{
    m_model->setFilter(ClassFilter{m_domain->currentIndex(), m_notYet->currentIndex(), m_scoreBelow->value()});
    showTotals();
}

void ClassFollowUp::headerClick(int column)
{
    const bool again = column == m_model->sortColumn() && m_sortOrder == Qt::AscendingOrder;
    m_sortOrder = again ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_model->sort(column, m_sortOrder);
    for (QTableView *view : {static_cast<QTableView *>(m_matrix), m_matrix->frozen()}) {
        view->horizontalHeader()->setSortIndicatorShown(true);
        view->horizontalHeader()->setSortIndicator(column, m_sortOrder);
    }
    showTotals();
}

void ClassFollowUp::matrixDoubleClick(const QModelIndex &index)
{
    if (!index.isValid() || m_model->isTotalsRow(index.row()) || m_pupilWindow)
        return;
    auto *window = new PupilResultsWindow(m_model->shown().at(index.row()).recordName, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (!window->load()) {
        delete window;
        return;
    }
    m_pupilWindow = window;
    connect(window, &QDialog::finished, this, [this] { refresh(); });
    window->open();
}

// ---- copy -------------------------------------------------------------------

QString ClassFollowUp::selectedText() const
{
    const QModelIndexList indexes = m_matrix->selectionModel()->selectedIndexes();
    if (indexes.isEmpty())
        return QString();
    int top = m_model->rowCount(), bottom = -1;
    QList<int> columns;
    for (const QModelIndex &index : indexes) {
        top = qMin(top, index.row());
        bottom = qMax(bottom, index.row());
        if (!columns.contains(index.column()) && m_model->filter().showsColumn(index.column()))
            columns << index.column();
    }
    std::sort(columns.begin(), columns.end());
    QStringList lines;
    for (int r = top; r <= bottom; ++r) {
        QStringList cells;
        for (const int c : std::as_const(columns))
            cells << (m_matrix->selectionModel()->isSelected(m_model->index(r, c)) ? m_model->text(r, c) : QString());
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool ClassFollowUp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(selectedText());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- exports and printouts ----------------------------------------------------

QString ClassFollowUp::fileStem() const
{
    return FileChooser::safeFileName(checkedClasses().join(QLatin1Char('-')));
}

void ClassFollowUp::exportClick()
{
    const QStringList classes = checkedClasses();
    const QString path = FileChooser::saveFile(this, ResultsExport::defaultFileName(classes, Clock::today()),
                                               ResultsExport::fileFilters());
    if (path.isEmpty())
        return;
    const IoStatus status = ResultsExport::write(path, ClassSheet::report(m_model->shown(), classes, Clock::today()));
    if (!status) {
        MessageBox::error(status.message() + QStringLiteral(" : ") + QFileInfo(path).fileName(), this);
        return;
    }
    MessageBox::information(QStringLiteral("Les résultats ont été exportés dans le fichier ")
                                + QFileInfo(path).fileName(), this);
}

void ClassFollowUp::printSheetsClick()
{
    if (m_model->shown().isEmpty()) {
        MessageBox::plain(QStringLiteral("Aucun élève à imprimer"), this);
        return;
    }
    QList<ProgressionSheet::Sheet> sheets;
    for (const PupilResults &pupil : m_model->shown()) {
        QStringList rowTexts;
        for (const CompetenceResult &result : pupil.results)
            rowTexts << ResultTexts::acquired(result);
        sheets << ProgressionSheet::Sheet{pupil.name, pupil.score(), rowTexts};
    }
    QTextDocument document;
    ProgressionSheet::buildAll(&document, sheets);
    Printing::printOrSave(Printing::Job{&document, {}, ProgressionSheet::jobTitle()}, QStringLiteral("les fiches"),
                          QStringLiteral("fiches-") + fileStem() + QStringLiteral(".pdf"), this);
}

void ClassFollowUp::printTableClick()
{
    const QString title = ClassSheet::title(checkedClasses(), Clock::today());
    Printing::printOrSave(Printing::Job{nullptr, ClassPrintout::table(*m_model, title), title, QPageLayout::Landscape},
                          QStringLiteral("le tableau"), QStringLiteral("tableau-") + fileStem() + QStringLiteral(".pdf"),
                          this);
}
