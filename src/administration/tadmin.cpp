#include "administration/tadmin.h"

#include "administration/classfollowup.h"
#include "administration/resulttexts.h"
#include "administration/consolequeries.h"
#include "administration/progressionsheet.h"
#include "administration/timportcomptev3.h"
#include "pictures/pictures.h"
#include "records/helpswitch.h"
#include "records/clock.h"
#include "records/cp1252.h"
#include "records/datafolder.h"
#include "records/frenchorder.h"
#include "records/passwordhash.h"
#include "widgets/messagebox.h"
#include "widgets/namelist.h"
#include "widgets/placement.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTextEdit>

namespace {
const QColor Cream(0xFF, 0xFB, 0xF0);
const QColor SkyBlue(0xA6, 0xCA, 0xF0);
const QColor MoneyGreen(0xC0, 0xDC, 0xC0);
const QColor Success(0x00, 0x80, 0x00);
using ResultTexts::Administrator;
using ResultTexts::NotAcquired;

constexpr int RowsPerPage = 20;
constexpr int RowTop = 56;
constexpr int RowStep = 24;
constexpr int GridRows = 37;
constexpr int GridColumns = 3;

void paintWith(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Base, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    widget->setPalette(p);
}

// The lines of an edit box as a list file holds them: a final line end adds none.
QStringList memoLines(const QPlainTextEdit *memo)
{
    QString text = memo->toPlainText();
    if (text.isEmpty())
        return {};
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

// A list as the editor shows it: every entry ended by a line end, so that a last
// empty entry is still there when the text is read back (memoLines).
QString memoText(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1Char('\n');
    return text;
}

// Loads a list file; a failure names the file.
bool loadList(const QString &path, QStringList *lines, QWidget *parent)
{
    const IoStatus status = RecordStore::loadTextList(path, lines);
    if (!status)
        MessageBox::error(status.message() + QStringLiteral(" : ") + QFileInfo(path).fileName(), parent);
    return status.ok();
}

bool saveList(const QString &path, const QStringList &lines, QWidget *parent)
{
    const IoStatus status = RecordStore::saveTextList(path, lines);
    if (!status)
        MessageBox::error(status.message() + QStringLiteral(" : ") + QFileInfo(path).fileName(), parent);
    return status.ok();
}
}

Tadmin::Tadmin(QWidget *mainWindow)
    : QWidget(nullptr, Qt::FramelessWindowHint), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("admin"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("module administrateur"));
    setFixedSize(793, 689);
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPixelSize(11);
    setFont(f);

    buildLeftHalf();
    buildResultsPanel();
    buildStatisticsGrid();
    buildListEditor();
    buildSheet();
    buildDivers();

    resetRows();
    showPage(1);
    showPanel(Panel::None);
    hidePasswordEntry();
    GroupBox2->setEnabled(false);
    {
        const QSignalBlocker blocker(CheckBox37);
        CheckBox37->setChecked(RecordStore::registrationAllowed());
    }
    {
        const QSignalBlocker blocker(CheckBox38);
        CheckBox38->setChecked(HelpSwitch::allowed());
    }

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tadmin::buildLeftHalf()
{
    Lab1 = place(new QLabel(QStringLiteral("Classes :"), this), "Lab1", QRect(8, 20, 169, 18));
    ListBox1 = place(new NameList(this), "ListBox1", QRect(8, 40, 169, 273));
    ListBox1->setSelectionMode(QAbstractItemView::MultiSelection);
    paintWith(ListBox1, Cream);
    Lab2 = place(new QLabel(QStringLiteral("Utilisateurs :"), this), "Lab2", QRect(216, 20, 169, 18));
    ListBox2 = place(new NameList(this), "ListBox2", QRect(216, 40, 169, 273));
    ListBox2->setSelectionMode(QAbstractItemView::SingleSelection);
    paintWith(ListBox2, Cream);
    Image1 = place(new QLabel(this), "Image1", QRect(184, 144, 25, 18));
    Image1->setPixmap(Pictures::get(QStringLiteral("Tadmin/Image1")));

    GroupBox1 = place(new QGroupBox(QStringLiteral("Gestion des groupes"), this), "GroupBox1", QRect(8, 328, 185, 185));
    paintWith(GroupBox1, Cream);
    Button1 = place(new QPushButton(QStringLiteral("Réinitialiser la sélection"), GroupBox1), "Button1", QRect(8, 20, 169, 28));
    Button2 = place(new QPushButton(QStringLiteral("Taux réussite de la sélection"), GroupBox1), "Button2", QRect(8, 52, 169, 28));
    Button18 = place(new QPushButton(QStringLiteral("Suivi des classes"), GroupBox1), "Button18", QRect(8, 84, 169, 28));
    Button3 = place(new QPushButton(QStringLiteral("Supprimer tout (fin d'année)"), GroupBox1), "Button3", QRect(8, 116, 169, 28));
    Button4 = place(new QPushButton(QStringLiteral("Editer la liste groupes/profs"), GroupBox1), "Button4", QRect(8, 148, 169, 28));

    GroupBox2 = place(new QGroupBox(QStringLiteral("Gestion individuelle"), this), "GroupBox2", QRect(200, 328, 185, 185));
    paintWith(GroupBox2, Cream);
    Button5 = place(new QPushButton(QStringLiteral("Résultats"), GroupBox2), "Button5", QRect(8, 22, 169, 27));
    Button6 = place(new QPushButton(QStringLiteral("Progression élève"), GroupBox2), "Button6", QRect(8, 53, 169, 27));
    Button7 = place(new QPushButton(QStringLiteral("Réinitialiser élève"), GroupBox2), "Button7", QRect(8, 84, 169, 27));
    Button8 = place(new QPushButton(QStringLiteral("Imprimer progression élève"), GroupBox2), "Button8", QRect(8, 115, 169, 27));
    Button9 = place(new QPushButton(QStringLiteral("Supprimer le profil sélectionné"), GroupBox2), "Button9", QRect(8, 146, 169, 27));

    Button13 = place(new QPushButton(QStringLiteral("Quitter"), this), "Button13", QRect(424, 648, 201, 25));

    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &Tadmin::ListBox1Click);
    connect(ListBox2, &QListWidget::itemSelectionChanged, this, &Tadmin::ListBox2Click);
    connect(Button1, &QPushButton::clicked, this, &Tadmin::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tadmin::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &Tadmin::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &Tadmin::Button4Click);
    connect(Button18, &QPushButton::clicked, this, &Tadmin::Button18Click);
    connect(Button5, &QPushButton::clicked, this, &Tadmin::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &Tadmin::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &Tadmin::Button7Click);
    connect(Button8, &QPushButton::clicked, this, &Tadmin::Button8Click);
    connect(Button9, &QPushButton::clicked, this, &Tadmin::Button9Click);
    connect(Button13, &QPushButton::clicked, this, &Tadmin::Button13Click);
}

void Tadmin::buildResultsPanel()
{
    GroupBox3 = place(new QGroupBox(QStringLiteral("Résultats"), this), "GroupBox3", QRect(400, 8, 385, 585));
    QFont bold = font();
    bold.setBold(true);
    Label30 = place(new QLabel(QStringLiteral("NOM :"), GroupBox3), "Label30", QRect(16, 20, 46, 16));
    Label31 = place(new QLabel(GroupBox3), "Label31", QRect(64, 20, 96, 16));
    Label32 = place(new QLabel(QStringLiteral("CLASSE :"), GroupBox3), "Label32", QRect(16, 36, 56, 16));
    Label33 = place(new QLabel(GroupBox3), "Label33", QRect(72, 36, 88, 16));
    for (QLabel *value : {Label31, Label33}) {
        value->setFont(bold);
        value->setTextFormat(Qt::PlainText);
    }
    // The new-password field sits above the first row, its two labels beside it.
    Label34 = place(new QLabel(QStringLiteral("Nouveau"), GroupBox3), "Label34", QRect(160, 18, 76, 14));
    Label35 = place(new QLabel(QStringLiteral("MOT DE PASSE :"), GroupBox3), "Label35", QRect(148, 32, 88, 14));
    Label34->setAlignment(Qt::AlignRight);
    Label35->setAlignment(Qt::AlignRight);
    Edit1 = place(new QLineEdit(GroupBox3), "Edit1", QRect(240, 24, 130, 24));
    connect(Edit1, &QLineEdit::textEdited, this, &Tadmin::Edit1Change);

    for (int n = 1; n <= CompetenceCount; ++n) {
        const int top = RowTop + RowStep * ((n - 1) % RowsPerPage);
        Row &row = m_rows[n - 1];
        row.box = place(new QCheckBox(GroupBox3), "", QRect(16, top, 105, 20));
        row.box->setObjectName(QStringLiteral("CheckBox%1").arg(n));
        row.label = place(new QLabel(GroupBox3), "", QRect(128, top, 250, 20));
        row.label->setObjectName(QStringLiteral("Label%1").arg(n));
        row.label->setTextFormat(Qt::PlainText);
        connect(row.box, &QCheckBox::clicked, this, [this, n] { RowClick(n); });
    }

    Button10 = place(new QPushButton(QStringLiteral("page suivante  "), GroupBox3), "Button10", QRect(16, 544, 160, 28));
    Button11 = place(new QPushButton(QStringLiteral("    page précédente"), GroupBox3), "Button11", QRect(16, 544, 160, 28));
    Button10->setIcon(QIcon(Pictures::get(QStringLiteral("Tadmin/Button10"))));
    Button11->setIcon(QIcon(Pictures::get(QStringLiteral("Tadmin/Button11"))));
    Button10->setLayoutDirection(Qt::RightToLeft);
    Button14 = place(new QPushButton(QStringLiteral("Valider changements"), GroupBox3), "Button14", QRect(200, 544, 169, 28));
    QFont strong = font();
    strong.setBold(true);
    Button14->setFont(strong);
    connect(Button10, &QPushButton::clicked, this, &Tadmin::Button10Click);
    connect(Button11, &QPushButton::clicked, this, &Tadmin::Button11Click);
    connect(Button14, &QPushButton::clicked, this, &Tadmin::Button14Click);
}

void Tadmin::buildStatisticsGrid()
{
    StringGrid1 = place(new QTableWidget(GridRows, GridColumns, this), "StringGrid1", QRect(400, 0, 385, 577));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setFrameShape(QFrame::NoFrame);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    paintWith(StringGrid1, SkyBlue);
    for (int c = 0; c < GridColumns; ++c)
        StringGrid1->setColumnWidth(c, 127);
    for (int row = 0; row < GridRows; ++row) {
        StringGrid1->setRowHeight(row, 20);
        for (int c = 0; c < GridColumns; ++c) {
            auto *item = new QTableWidgetItem;
            if (row == 0 || c == 0)   // the fixed header row and column
                item->setBackground(palette().color(QPalette::Button));
            StringGrid1->setItem(row, c, item);
        }
    }
}

void Tadmin::buildListEditor()
{
    GroupBox4 = place(new QGroupBox(QStringLiteral("Edition groupes / professeurs"), this), "GroupBox4", QRect(400, 8, 385, 585));
    paintWith(GroupBox4, Cream);
    Label36 = place(new QLabel(QStringLiteral("Classes :"), GroupBox4), "Label36", QRect(24, 22, 329, 16));
    Memo1 = place(new QPlainTextEdit(GroupBox4), "Memo1", QRect(24, 40, 329, 241));
    Label37 = place(new QLabel(QStringLiteral("Professeurs :"), GroupBox4), "Label37", QRect(24, 282, 329, 14));
    Memo2 = place(new QPlainTextEdit(GroupBox4), "Memo2", QRect(24, 296, 329, 233));
    for (QPlainTextEdit *memo : {Memo1, Memo2}) {
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        paintWith(memo, Qt::white);
    }
    Button12 = place(new QPushButton(QStringLiteral("valider changements"), GroupBox4), "Button12", QRect(24, 541, 329, 28));
    connect(Button12, &QPushButton::clicked, this, &Tadmin::Button12Click);
}

void Tadmin::buildSheet()
{
    r = place(new QTextEdit(this), "r", QRect(400, 24, 385, 561));
    QFont times(QStringLiteral("Times New Roman"));
    times.setPixelSize(11);
    r->setFont(times);
    r->document()->setDefaultFont(times);
    r->setReadOnly(true);
}

void Tadmin::buildDivers()
{
    GroupBox5 = place(new QGroupBox(QStringLiteral("Divers"), this), "GroupBox5", QRect(8, 552, 377, 137));
    paintWith(GroupBox5, Cream);
    Button16 = place(new QPushButton(QStringLiteral("Changer Mot de passe administrateur"), GroupBox5), "Button16", QRect(8, 22, 209, 27));
    Edit2 = place(new QLineEdit(GroupBox5), "Edit2", QRect(222, 24, 90, 23));
    Button15 = place(new QPushButton(QStringLiteral("Valider"), GroupBox5), "Button15", QRect(316, 22, 53, 27));
    Button17 = place(new QPushButton(QStringLiteral("Importer des comptes \"élève\""), GroupBox5), "Button17", QRect(8, 55, 361, 27));
    CheckBox37 = place(new QCheckBox(QStringLiteral("Autoriser la création de comptes (par les élèves)"), GroupBox5), "CheckBox37", QRect(8, 90, 361, 20));
    CheckBox38 = place(new QCheckBox(QStringLiteral("Autoriser l'aide aux élèves (démonstration et guidage)"), GroupBox5), "CheckBox38", QRect(8, 112, 361, 20));
    Edit2->installEventFilter(this);
    connect(Button16, &QPushButton::clicked, this, &Tadmin::Button16Click);
    connect(Button15, &QPushButton::clicked, this, &Tadmin::Button15Click);
    connect(Button17, &QPushButton::clicked, this, &Tadmin::Button17Click);
    connect(CheckBox37, &QCheckBox::toggled, this, &Tadmin::CheckBox37Click);
    connect(CheckBox38, &QCheckBox::toggled, this, &Tadmin::CheckBox38Click);
}

void Tadmin::loadClassList()
{
    QStringList classes;
    if (!loadList(DataFolder::classListPath(), &classes, this))
        return;
    FrenchOrder::sort(&classes);
    const QSignalBlocker blocker(ListBox1);
    ListBox1->clear();
    ListBox1->addItems(classes);
}

// ---- helpers ---------------------------------------------------------------

void Tadmin::showPanel(Panel panel)
{
    m_panel = panel;
    GroupBox3->setVisible(panel == Panel::Results);
    StringGrid1->setVisible(panel == Panel::Statistics);
    GroupBox4->setVisible(panel == Panel::Editor);
    r->setVisible(panel == Panel::Sheet);
}

void Tadmin::hidePasswordEntry()
{
    Edit2->hide();
    Button15->hide();
}

void Tadmin::clearPupilList()
{
    {
        const QSignalBlocker blocker(ListBox2);
        ListBox2->clear();
    }
    m_loadedPupil.clear();
    GroupBox2->setEnabled(false);
}

QString Tadmin::selectedPupil() const
{
    const QList<QListWidgetItem *> items = ListBox2->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

QStringList Tadmin::selectedClasses() const
{
    QStringList classes;
    for (int i = 0; i < ListBox1->count(); ++i)
        if (ListBox1->item(i)->isSelected())
            classes << ListBox1->item(i)->text();
    return classes;
}

QStringList Tadmin::listedPupils() const
{
    QStringList pupils;
    for (int i = 0; i < ListBox2->count(); ++i)
        pupils << ListBox2->item(i)->text();
    return pupils;
}

void Tadmin::setRow(int n, bool ticked, const QString &text)
{
    Row &row = m_rows[n - 1];
    row.box->setChecked(ticked);
    row.label->setText(text);
    const QColor colour = ticked ? Success : QColor(Qt::black);
    setTextColour(row.box, colour);
    setTextColour(row.label, colour);
}

void Tadmin::resetRows()
{
    for (int n = 1; n <= CompetenceCount; ++n) {
        m_rows[n - 1].box->setText(QStringLiteral("exercice ") + QString::number(n));
        m_rows[n - 1].date.clear();
        m_rows[n - 1].validator.clear();
        setRow(n, false, NotAcquired);
    }
}

void Tadmin::showPage(int page)
{
    for (int n = 1; n <= CompetenceCount; ++n) {
        const bool onPage = (n <= RowsPerPage) == (page == 1);
        m_rows[n - 1].box->setVisible(onPage);
        m_rows[n - 1].label->setVisible(onPage);
    }
    Button10->setVisible(page == 1);
    Button11->setVisible(page == 2);
    paintWith(GroupBox3, page == 1 ? SkyBlue : MoneyGreen);
}

void Tadmin::buildSheetText()
{
    QStringList rowTexts;
    for (const Row &row : m_rows)
        rowTexts << row.label->text();
    ProgressionSheet::build(r->document(), Label31->text(), m_score, rowTexts);
}

bool Tadmin::reportFailure(const IoStatus &status)
{
    if (status)
        return false;
    MessageBox::error(status.message(), this);
    return true;
}

// ---- lists -----------------------------------------------------------------

void Tadmin::ListBox1Click()
{
    hidePasswordEntry();
    clearPupilList();
    if (m_panel != Panel::Editor)
        showPanel(Panel::None);
    GroupBox1->setEnabled(true);

    QStringList pupils;
    const IoStatus status = ConsoleQueries::pupilsOfClasses(selectedClasses(), &pupils);
    const QSignalBlocker blocker(ListBox2);
    ListBox2->addItems(pupils);
    reportFailure(status);
}

void Tadmin::ListBox2Click()
{
    const QString name = selectedPupil();
    if (name.isEmpty())
        return;   // nothing selected: nothing to load
    hidePasswordEntry();
    m_score = 0;
    GroupBox2->setEnabled(true);
    m_date = Clock::todayText();

    RecordContent content;
    const IoStatus status = RecordStore::readRecord(name, &content);
    if (!status) {
        // Never show the rows of another pupil under this one's name.
        m_loadedPupil.clear();
        GroupBox2->setEnabled(false);
        showPanel(Panel::None);
        reportFailure(status);
        return;
    }
    showPanel(Panel::Results);
    m_loadedPupil = name;
    m_storedHash = content.header.hash;
    Label31->setText(content.header.name);
    Label33->setText(content.header.className);
    Edit1->clear();
    for (int n = 1; n <= CompetenceCount; ++n) {
        const CompetenceResult &result = content.results[n - 1];
        Row &row = m_rows[n - 1];
        if (result.acquired) {
            ++m_score;
            row.date = result.date;
            row.validator = result.validator;
            setRow(n, true, ResultTexts::acquired(result));
        } else {
            row.date.clear();
            row.validator.clear();
            setRow(n, false, NotAcquired);
        }
    }
    Button14->hide();
}

// ---- results panel -----------------------------------------------------------

void Tadmin::RowClick(int n)
{
    Row &row = m_rows[n - 1];
    Button14->show();
    if (row.box->isChecked()) {
        row.date = m_date;
        row.validator = Administrator;
        setRow(n, true, ResultTexts::tickedByHand(n, m_date));
    } else {
        setRow(n, false, NotAcquired);
    }
    if (n == 1)
        hidePasswordEntry();
}

void Tadmin::Edit1Change() { Button14->show(); }

void Tadmin::Button14Click()
{
    hidePasswordEntry();
    const QString pupil = selectedPupil();
    if (pupil.isEmpty() || pupil != m_loadedPupil)
        return;
    if (const QString refused = Cp1252::passwordRefusal(Edit1->text()); !refused.isEmpty()) {
        MessageBox::plain(refused, this);
        return;
    }
    // An empty field keeps the pupil's password: validating a competence by hand
    // must not open his account to anyone.
    const QString hash = Edit1->text().isEmpty() ? m_storedHash : passwordHash(Edit1->text());
    const RecordHeader header{Label31->text(), hash, Label33->text()};
    std::array<CompetenceResult, CompetenceCount> results;
    for (int n = 1; n <= CompetenceCount; ++n) {
        const Row &row = m_rows[n - 1];
        const bool ticked = row.box->isChecked();
        results[n - 1] = CompetenceResult{n, ticked, ticked ? row.date : QString(), ticked ? row.validator : QString()};
    }
    if (reportFailure(RecordStore::writeRecord(pupil, header, results, GroupLabel::CompetenceAccent)))
        return;
    m_storedHash = hash;
    Button14->hide();
}

void Tadmin::Button10Click() { showPage(2); }
void Tadmin::Button11Click() { showPage(1); }

// ---- individual management ---------------------------------------------------

void Tadmin::Button5Click()
{
    hidePasswordEntry();
    if (ListBox2->count() > 0 && !m_loadedPupil.isEmpty())
        showPanel(Panel::Results);
}

void Tadmin::Button6Click()
{
    hidePasswordEntry();
    buildSheetText();
    showPanel(Panel::Sheet);
}

void Tadmin::Button7Click()
{
    if (!MessageBox::confirm(QStringLiteral("Attention: vous tentez d'effacer les données d'un élève"), this))
        return;
    hidePasswordEntry();
    Button14->show();
    for (int n = 1; n <= CompetenceCount; ++n) {
        m_rows[n - 1].date.clear();
        m_rows[n - 1].validator.clear();
        setRow(n, false, NotAcquired);
    }
}

void Tadmin::Button8Click()
{
    hidePasswordEntry();
    buildSheetText();
    showPanel(Panel::Sheet);
    ProgressionSheet::print(*r->document(), Label31->text(), this);
}

void Tadmin::Button9Click()
{
    const QString pupil = selectedPupil();
    if (ListBox2->count() > 0 && !pupil.isEmpty()
        && MessageBox::confirm(QStringLiteral("Attention: vous tentez de supprimer l'utilisateur ") + pupil, this)) {
        RecordStore::deleteRecordFile(pupil);   // a failed deletion is silent: the pupil is listed again
        showPanel(Panel::None);
    }
    clearPupilList();
}

// ---- group management --------------------------------------------------------

void Tadmin::Button1Click()
{
    hidePasswordEntry();
    QString classes = QStringLiteral("- ");
    for (const QString &c : selectedClasses())
        classes += c + QStringLiteral(" - ");
    if (!MessageBox::confirm(QStringLiteral("Vous allez supprimer les résultats de la sélection : ") + classes, this))
        return;
    if (ListBox2->count() == 0) {
        MessageBox::plain(QStringLiteral("Aucun inscrit dans cette classe"), this);
        return;
    }
    std::array<CompetenceResult, CompetenceCount> cleared;
    for (int n = 1; n <= CompetenceCount; ++n)
        cleared[n - 1].number = n;
    for (int i = 0; i < ListBox2->count(); ++i) {
        const QString pupil = ListBox2->item(i)->text();
        RecordHeader header;
        if (reportFailure(RecordStore::readRecordHeader(pupil, &header))
            || reportFailure(RecordStore::writeRecord(pupil, header, cleared, GroupLabel::Exercice)))
            return;
    }
    if (m_followUp)   // its ticks are no longer true
        m_followUp->refresh();
}

void Tadmin::Button2Click()
{
    hidePasswordEntry();
    const int pupilCount = ListBox2->count();
    if (pupilCount == 0) {
        MessageBox::plain(QStringLiteral("Pas d'inscrits dans cette sélection"), this);
        return;
    }
    // Read everything first: a grid whose header counts this selection never
    // shows the rows of another.
    ConsoleQueries::Counters counters{};
    if (reportFailure(ConsoleQueries::countSuccesses(listedPupils(), &counters)))
        return;
    showPanel(Panel::Statistics);
    StringGrid1->item(0, 0)->setText(QStringLiteral("Inscrits :  ") + QString::number(pupilCount));
    StringGrid1->item(0, 1)->setText(QStringLiteral("Ont réussi :"));
    StringGrid1->item(0, 2)->setText(QStringLiteral("Taux de réussite"));
    for (int n = 1; n <= CompetenceCount; ++n) {
        StringGrid1->item(n, 0)->setText(QStringLiteral("exercice ") + QString::number(n));
        StringGrid1->item(n, 1)->setText(QString::number(counters[n - 1]));
        StringGrid1->item(n, 2)->setText(
            QString::number(ConsoleQueries::successRate(counters[n - 1], pupilCount)) + QStringLiteral(" %"));
    }
}

void Tadmin::Button18Click()
{
    hidePasswordEntry();
    if (!m_followUp) {
        m_followUp = new ClassFollowUp(selectedClasses());
        m_followUp->show();
        if (!m_followUp->refresh())
            return;
    }
    m_followUp->raise();
    m_followUp->activateWindow();
}

void Tadmin::Button3Click()
{
    hidePasswordEntry();
    if (!MessageBox::confirm(QStringLiteral("Attention : vous supprimez toutes les inscriptions en cours !"), this))
        return;
    for (const QString &name : RecordStore::listRecordNames())
        RecordStore::deleteRecordFile(name);   // failures are silent: such a record is listed again
    clearPupilList();
    if (m_panel == Panel::Results || m_panel == Panel::Sheet)
        showPanel(Panel::None);
    if (m_followUp)
        m_followUp->refresh();
}

void Tadmin::Button4Click()
{
    hidePasswordEntry();
    showPanel(Panel::Editor);
    QStringList classes, teachers;
    loadList(DataFolder::classListPath(), &classes, this);
    loadList(DataFolder::teacherListPath(), &teachers, this);
    Memo1->setPlainText(memoText(classes));
    Memo2->setPlainText(memoText(teachers));
    GroupBox1->setEnabled(false);
    clearPupilList();
}

void Tadmin::Button12Click()
{
    hidePasswordEntry();
    for (const QPlainTextEdit *memo : {Memo1, Memo2})
        for (const QString &entry : memoLines(memo))
            if (const QString refused = Cp1252::nameRefusal(entry); !refused.isEmpty()) {
                MessageBox::plain(refused, this);   // nothing saved: the editor stays open
                return;
            }
    GroupBox1->setEnabled(true);
    if (!saveList(DataFolder::classListPath(), memoLines(Memo1), this)
        || !saveList(DataFolder::teacherListPath(), memoLines(Memo2), this))
        return;
    showPanel(Panel::None);
    {
        const QSignalBlocker blocker(ListBox1);
        ListBox1->clear();
    }
    loadClassList();
}

// ---- various -----------------------------------------------------------------

void Tadmin::Button16Click()
{
    Edit2->clear();
    Edit2->show();
    Edit2->setFocus();
}

bool Tadmin::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit2 && event->type() == QEvent::FocusIn && Edit2->isVisible())
        Button15->show();
    return QWidget::eventFilter(watched, event);
}

void Tadmin::Button15Click()
{
    if (const QString refused = Cp1252::passwordRefusal(Edit2->text()); !refused.isEmpty()) {
        MessageBox::plain(refused, this);   // the field stays for another try
        return;
    }
    hidePasswordEntry();
    reportFailure(RecordStore::writeAdminHash(passwordHash(Edit2->text())));
}

void Tadmin::Button17Click()
{
    hidePasswordEntry();
    if (m_import)
        return;
    m_import = new Timportcomptev3(this);
    m_import->show();
}

void Tadmin::CheckBox37Click(bool checked)
{
    hidePasswordEntry();
    if (!reportFailure(RecordStore::allowRegistration(checked)))
        return;
    // The box tells what the disk holds, not what was asked for.
    const QSignalBlocker blocker(CheckBox37);
    CheckBox37->setChecked(RecordStore::registrationAllowed());
}

void Tadmin::CheckBox38Click(bool checked)
{
    hidePasswordEntry();
    reportFailure(HelpSwitch::allow(checked));
}

void Tadmin::Button13Click() { close(); }

void Tadmin::closeEvent(QCloseEvent *event)
{
    if (m_import)
        m_import->close();
    if (m_followUp)
        m_followUp->close();
    emit closed();
    if (m_mainWindow)
        m_mainWindow->show();
    QWidget::closeEvent(event);
}

void Tadmin::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);   // a thin frame: the window has no border of its own
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

ClassFollowUp *Tadmin::followUp() const { return m_followUp; }
