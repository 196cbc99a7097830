#include "exercises/domain3/chart/u18v3.h"

#include "exercises/domain3/chart/layout.h"
#include "pictures/fonts.h"
#include "pictures/kit.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"
#include "widgets/stringgrid.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

using namespace ChartLayout;

namespace {
using M = Texercice18v3;

MenuTable chartMenus()
{
    auto item = [](int id, const char *caption) { return MenuEntry::item(id, QString::fromUtf8(caption)); };
    return {
        {QStringLiteral("&Fichier"),
         {item(M::New, "Nouveau"), item(M::Open, "Ouvrir"), item(M::Close, "Fermer"), MenuEntry::separator(),
          item(M::Save, "Enregistrer"), item(M::SaveAs, "Enregistrer sous ..."), MenuEntry::separator(),
          item(M::Preview, "Aperçu"), item(M::Print, "Imprimer"), MenuEntry::separator(), item(M::Quit, "Quitter")}},
        {QStringLiteral("&Edition"), {item(M::Cut, "Couper"), item(M::CopyItem, "Copier"), item(M::Paste, "Coller")}},
        {QStringLiteral("&Affichage"), {item(M::FullScreen, "Plein écran"), item(M::Zoom, "Zoom")}},
        {QStringLiteral("&Insertion"),
         {item(M::Hyperlink, "Hyperlien"), item(M::Image, "Image"), item(M::Video, "Video et son"),
          item(M::Object, "Objet"), MenuEntry::separator(), item(M::Diagram, "Diagramme")}},
        {QStringLiteral("F&ormat"),
         {item(M::Cells, "Cellules"), item(M::Line, "Ligne"), item(M::Column, "Colonne"), item(M::Sheet, "Feuille"),
          item(M::PageItem, "Page")}},
        {QStringLiteral("Ou&tils"),
         {item(M::Spelling, "Vérification orthographique"), item(M::Gallery, "Gallery"),
          item(M::MediaPlayer, "Média player"), MenuEntry::separator(), item(M::Customise, "Personnaliser..."),
          item(M::Tools, "Outils")}},
        {QStringLiteral("&Données"),
         {item(M::Sort, "Trier"), item(M::Filter, "Filtre"), item(M::Subtotals, "Sous-totaux"),
          item(M::Validity, "Validité"), item(M::Consolidate, "Consolider")}},
        {QStringLiteral("Fe&nêtre"),
         {item(M::NewWindow, "Nouvelle fenêtre"), item(M::CloseWindow, "Fermer la fenêtre"), MenuEntry::separator(),
          item(M::Split, "Scinder"), item(M::Freeze, "Fixer")}},
        {QStringLiteral("Aid&e"),
         {item(M::Help, "Aide de Tableur"), item(M::WhatsThis, "Qu'est ce que c'est ?"), MenuEntry::separator(),
          item(M::Support, "Support"), item(M::Registration, "Enregistrement"), MenuEntry::separator(),
          item(M::About, "À propos de Tableur")}},
    };
}

MenuRoles chartMenuRoles()
{
    MenuRoles roles;
    roles.steps = {{M::Diagram, M::Typing, M::Typing}};
    roles.inert = {M::Cut, M::CopyItem, M::Paste, M::Help, M::WhatsThis};
    return roles;
}

// Comparisons of what the pupil typed: lower-cased, accented letters included, untrimmed.
bool same(const QString &typed, const QString &expected)
{
    return typed.toLower() == expected;
}
}

Texercice18v3::Texercice18v3(ExerciseSession *session)
    : MenuScreen(session, QStringLiteral("Texercice18v3"), ClientSize, chartMenus(), chartMenuRoles(), Typing)
{
    useTitleBar(Caption);
    QWidget *area = client();
    area->setAutoFillBackground(true);
    QPalette background = area->palette();
    background.setColor(QPalette::Window, QColor(214, 222, 232));
    area->setPalette(background);

    Image1 = picture(QStringLiteral("Image1"), ChartLayout::Image1);
    zs3 = hotSpot(QStringLiteral("zs3"), ChartLayout::zs3);
    Edit2 = place(new QLineEdit(area), "Edit2", ChartLayout::Edit2);
    Edit2->setEnabled(false);
    Edit1 = place(new QLineEdit(area), "Edit1", ChartLayout::Edit1);
    for (QLineEdit *edit : {Edit1, Edit2}) {
        edit->setFont(pixelFont(QStringLiteral("Arial"), 12));
    }
    Image5 = picture(QStringLiteral("Image5"), ChartLayout::Image5, false);

    StringGrid1 = place(new StringGrid(Columns, Rows, area), "StringGrid1", ChartLayout::StringGrid1);
    StringGrid1->setFont(pixelFont(QStringLiteral("Arial"), 12));
    StringGrid1->setColumnWidth(0, HeaderWidth);
    for (int c = 1; c < Columns; ++c)
        StringGrid1->setColumnWidth(c, columnWidth(c));
    StringGrid1->setRowHeights(RowHeight);
    StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    StringGrid1->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    StringGrid1->setFixedColour(QColor(232, 232, 232));
    StringGrid1->setGridColour(QColor(205, 205, 205));

    Image3 = picture(QStringLiteral("Image3"), ChartLayout::Image3);
    Image8 = picture(QStringLiteral("Image8"), ChartLayout::Image8, false);

    InstructionBubble *bubble = placeBubble(Mascot, Shape);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), ChartLayout::consigne3, Instruction);
    Label1 = bubble->addLabel(QStringLiteral("Label1"), ChartLayout::Label1, WhereToType);
    buildPages();
    placeAbandon(QStringLiteral("BitBtn20"), ChartLayout::BitBtn20);
    // A window with a title bar is placed before it is first shown.
    centreOnScreen();

    connect(StringGrid1, &StringGrid::cellSelected, this, &Texercice18v3::StringGrid1SelectCell);
    connect(StringGrid1, &StringGrid::mouseUp, this, &Texercice18v3::StringGrid1MouseUp);
    connect(StringGrid1, &StringGrid::textTyped, this, &Texercice18v3::StringGrid1KeyTyped);
    connect(Edit1, &QLineEdit::textChanged, this, &Texercice18v3::Edit1Change);
    connect(Edit1, &QLineEdit::returnPressed, this, &Texercice18v3::Edit1Enter);
    connect(zs3, &HotSpot::clicked, this, &Texercice18v3::zs3Click);
}

QCheckBox *Texercice18v3::pageBox(const QString &name, const QRect &inPageRect, const QString &text)
{
    auto *box = place(new QCheckBox(text, client()), name, inPage(inPageRect));
    box->setFont(pixelFont(QStringLiteral("Arial"), 12));
    // The box hides the drawn one beneath it, on the page's own colour.
    box->setAutoFillBackground(true);
    QPalette page = box->palette();
    page.setColor(QPalette::Window, PictureKit::Colours::Window);
    box->setPalette(page);
    box->hide();
    return box;
}

QLineEdit *Texercice18v3::pageField(const QString &name, const QRect &inPageRect, const QString &text)
{
    auto *edit = place(new QLineEdit(text, client()), name, inPage(inPageRect));
    edit->setFont(pixelFont(QStringLiteral("Arial"), 12));
    edit->hide();
    return edit;
}

// The three wizard pages: pictures with their live boxes, fields and hot spots.
void Texercice18v3::buildPages()
{
    Image4 = picture(QStringLiteral("Image4"), Page, false);
    Edit3 = pageField(QStringLiteral("Edit3"), Edit3InPage, QString());
    CheckBox1 = pageBox(QStringLiteral("CheckBox1"), CheckBox1InPage, FirstRowLabel);
    CheckBox2 = pageBox(QStringLiteral("CheckBox2"), CheckBox2InPage, FirstColumnLabel);
    zs2 = hotSpot(QStringLiteral("zs2"), inPage(NextButton), false);
    connect(zs2, &HotSpot::clicked, this, &Texercice18v3::zs2Click);

    Image6 = picture(QStringLiteral("Image6"), Page, false);
    for (int i = 0; i < 8; ++i) {
        HotSpot *zone = hotSpot(QStringLiteral("zs%1").arg(4 + i), inPage(typeZone(i)), false);
        connect(zone, &HotSpot::clicked, this, [this, i] { typeZoneClick(i); });
        typeZones.append(zone);
    }
    zs12 = hotSpot(QStringLiteral("zs12"), inPage(NextButton), false);
    connect(zs12, &HotSpot::clicked, this, &Texercice18v3::zs12Click);

    Image7 = picture(QStringLiteral("Image7"), Page, false);
    CheckBox3 = pageBox(QStringLiteral("CheckBox3"), CheckBox3InPage, TitleBox);
    Edit4 = pageField(QStringLiteral("Edit4"), Edit4InPage, MainTitlePlaceholder);
    CheckBox4 = pageBox(QStringLiteral("CheckBox4"), CheckBox4InPage, LegendBox);
    CheckBox5 = pageBox(QStringLiteral("CheckBox5"), CheckBox5InPage, XAxisBox);
    Edit5 = pageField(QStringLiteral("Edit5"), Edit5InPage, XTitlePlaceholder);
    CheckBox6 = pageBox(QStringLiteral("CheckBox6"), CheckBox6InPage, YAxisBox);
    Edit6 = pageField(QStringLiteral("Edit6"), Edit6InPage, YTitlePlaceholder);
    CheckBox7 = pageBox(QStringLiteral("CheckBox7"), CheckBox7InPage, XAxisBox);
    CheckBox8 = pageBox(QStringLiteral("CheckBox8"), CheckBox8InPage, YAxisBox);
    zs13 = hotSpot(QStringLiteral("zs13"), inPage(CreateButton), false);
    connect(zs13, &HotSpot::clicked, this, &Texercice18v3::zs13Click);
    // A ticked title box opens its field.
    for (auto [box, field] : {std::pair{CheckBox3, Edit4}, std::pair{CheckBox5, Edit5}, std::pair{CheckBox6, Edit6}})
        connect(box, &QCheckBox::toggled, field, &QLineEdit::setEnabled);
}

void Texercice18v3::FormShow()
{
    MenuScreen::FormShow();
    for (int c = 1; c < Columns; ++c)
        StringGrid1->setCell(c, 0, QString(StringGrid::columnLetter(c)));
    for (int r = 1; r < Rows; ++r)
        StringGrid1->setCell(0, r, QString::number(r));
    session()->resetErrors();
    StringGrid1->selectCell(1, 1);
    StringGrid1->setFocus();
}

bool Texercice18v3::tableMatches(bool swapped) const
{
    for (int i = 0; i < Components.size(); ++i) {
        const QString a = StringGrid1->cell(1, TableTop + i), b = StringGrid1->cell(2, TableTop + i);
        if (!same(a, swapped ? Quantities.at(i) : Components.at(i)) || !same(b, swapped ? Components.at(i) : Quantities.at(i)))
            return false;
    }
    return true;
}

void Texercice18v3::StringGrid1SelectCell(int column, int row)
{
    const QSignalBlocker quiet(Edit1);
    Edit1->setText(StringGrid1->cell(column, row));
}

void Texercice18v3::StringGrid1MouseUp()
{
    const QString reference = StringGrid::reference(StringGrid1->selection());
    Edit2->setText(reference);
    Edit3->setText(reference);
}

// Typing on the sheet starts a new text for the current cell in the input line.
void Texercice18v3::StringGrid1KeyTyped(const QString &text)
{
    if (!Edit1->isEnabled())
        return;
    Edit1->setFocus();
    Edit1->setText(text);
}

void Texercice18v3::Edit1Change(const QString &text)
{
    const QPoint cell = StringGrid1->currentCell();
    StringGrid1->setCell(cell.x(), cell.y(), text);
}

// Enter confirms the cell and goes to the one below, as in a spreadsheet.
void Texercice18v3::Edit1Enter()
{
    const QPoint cell = StringGrid1->currentCell();
    StringGrid1->selectCell(cell.x(), qMin(cell.y() + 1, Rows - 1));
    StringGrid1->setFocus();
}

void Texercice18v3::menuStep(int id)
{
    if (id == Diagram)
        zs3Click();
}

// "Insertion > Diagramme" and the chart icon check the table first.
void Texercice18v3::zs3Click()
{
    if (step() != Typing)
        return;
    if (tableMatches(false)) {
        startWizard();
        return;
    }
    if (tableMatches(true)) {
        session()->wrong(SwappedData, MessageBox::Kind::Error, false);
        return;
    }
    session()->wrong(WrongData);
}

void Texercice18v3::startWizard()
{
    StringGrid1->resize(NarrowSheetWidth, StringGrid1->height());
    Image5->show();
    zs3->setEnabled(false);
    // No menu item can act any more, by mouse or by key.
    for (QAction *title : menuBar()->actions())
        title->setEnabled(false);
    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        for (QAction *item : menu->actions())
            item->setEnabled(false);
    showPage(1);
}

void Texercice18v3::showPage(int page)
{
    setStep(page == 1 ? RangePage : page == 2 ? TypePage : TitlesPage);
    const QList<QWidget *> pages[3] = {{Image4, Edit3, CheckBox1, CheckBox2, zs2},
                                       {Image6, zs12},
                                       {Image7, CheckBox3, Edit4, CheckBox4, CheckBox5, Edit5, CheckBox6, Edit6,
                                        CheckBox7, CheckBox8, zs13}};
    for (int i = 0; i < 3; ++i)
        for (QWidget *w : pages[i])
            w->setVisible(i == page - 1);
    for (HotSpot *zone : typeZones)
        zone->setVisible(page == 2);
    for (QLineEdit *field : {Edit4, Edit5, Edit6})
        field->setEnabled(false);
}

void Texercice18v3::zs2Click()
{
    if (!same(Edit3->text(), Range)) {
        session()->wrong(WrongRange);
        return;
    }
    if (CheckBox1->isChecked() || !CheckBox2->isChecked()) {
        session()->wrong(WrongLabelBoxes);
        return;
    }
    StringGrid1->setEnabled(false);
    Edit1->setEnabled(false);
    showPage(2);
}

void Texercice18v3::typeZoneClick(int index)
{
    if (index != ColumnType) {
        session()->wrong(WrongType);
        return;
    }
    showPage(3);
}

void Texercice18v3::zs12Click()
{
    session()->wrong(TypeFirst);
}

void Texercice18v3::zs13Click()
{
    if (!same(Edit4->text(), MainTitle) || !same(Edit5->text(), XTitle) || !same(Edit6->text(), YTitle)) {
        session()->wrong(WrongTitles);
        return;
    }
    const bool boxesRight = CheckBox3->isChecked() && !CheckBox4->isChecked() && CheckBox5->isChecked()
                            && CheckBox6->isChecked() && !CheckBox7->isChecked() && CheckBox8->isChecked();
    if (!boxesRight) {
        session()->wrong(WrongBoxes);
        return;
    }
    finish();
}

void Texercice18v3::finish()
{
    setStep(Finished);
    Image8->show();
    Image8->raise();
    for (QWidget *w : std::initializer_list<QWidget *>{Image7, zs13, CheckBox3, Edit4, CheckBox4, CheckBox5, Edit5,
                                                      CheckBox6, Edit6, CheckBox7, CheckBox8})
        w->hide();
    Label1->hide();
    session()->verdict(0, CommonTexts::SuccessBoxCapitalised, consigne3);
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice18v3>(Competence));
