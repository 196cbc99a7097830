#include "exercises/domain3/spreadsheet_formula/u25.h"

#include "exercises/domain3/spreadsheet_formula/layout.h"
#include "pictures/fonts.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"
#include "widgets/stringgrid.h"

#include <QAction>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

using namespace SpreadsheetFormulaLayout;
using FormulaSheet::Target;

namespace {
constexpr Target Targets[] = {Target::Average, Target::Minimum, Target::Maximum};
const QColor Silver(192, 192, 192);

// Lies over the whole window while the error shows: clicks and keys go nowhere.
class PauseShield : public QWidget
{
public:
    explicit PauseShield(QWidget *window) : QWidget(window)
    {
        setObjectName(QStringLiteral("pauseShield"));
        setFocusPolicy(Qt::StrongFocus);
        setGeometry(window->rect());
        hide();
    }

protected:
    void mousePressEvent(QMouseEvent *e) override { e->accept(); }
    void mouseReleaseEvent(QMouseEvent *e) override { e->accept(); }
    void mouseDoubleClickEvent(QMouseEvent *e) override { e->accept(); }
    void keyPressEvent(QKeyEvent *e) override { e->accept(); }
    void keyReleaseEvent(QKeyEvent *e) override { e->accept(); }
};

// A label on a coloured ground, black text.
void paintLabel(QLabel *label, const QColor &ground)
{
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, ground);
    p.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(p);
}

void setTextColour(QLineEdit *edit, const QColor &colour)
{
    QPalette p = edit->palette();
    p.setColor(QPalette::Text, colour);
    edit->setPalette(p);
}

QLabel *panelLabel(const QString &name, const QRect &rect, const QString &text, const QFont &font, QWidget *parent)
{
    auto *label = place(new QLabel(text, parent), name, rect);
    label->setFont(font);
    QPalette ink = label->palette();
    ink.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(ink);
    return label;
}
}

Texercice25::Texercice25(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice25"), WindowSize)
{
    setWindowTitle(QStringLiteral("exercice25"));
    setAutoFillBackground(true);
    QPalette blueGrey = palette();
    blueGrey.setColor(QPalette::Window, QColor(118, 134, 164));
    setPalette(blueGrey);

    t = place(new StringGrid(GridColumns, GridRows, this), "t", SpreadsheetFormulaLayout::t);
    t->setFont(pixelFont(QStringLiteral("Tahoma"), 11));
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < GridColumns; ++c)
        t->setColumnWidth(c, ColumnWidth);
    t->setRowHeights(RowHeight);
    t->setFixedColour(Silver);
    t->setShowGrid(true);
    t->setGridColour(QColor(160, 160, 160));

    Label11 = place(new QLabel(FormulaCaption, this), "Label11", SpreadsheetFormulaLayout::Label11);
    Label11->setFont(pixelFont(QStringLiteral("Tahoma"), 12, true));
    Label11->setAlignment(Qt::AlignCenter);
    paintLabel(Label11, Silver);
    Label12 = place(new QLabel(this), "Label12", SpreadsheetFormulaLayout::Label12);
    Label12->setFont(pixelFont(QStringLiteral("Tahoma"), 12, true));
    Label12->setAlignment(Qt::AlignCenter);
    paintLabel(Label12, QColor(255, 251, 240));
    Label12->setFrameShape(QFrame::Box);
    Edit2 = place(new QLineEdit(this), "Edit2", SpreadsheetFormulaLayout::Edit2);
    Edit2->setFont(pixelFont(QStringLiteral("Tahoma"), 12));
    Edit2->setEnabled(false);
    BitBtn1 = place(new QPushButton(QStringLiteral("OK"), this), "BitBtn1", SpreadsheetFormulaLayout::BitBtn1);
    BitBtn1->setIcon(QIcon::fromTheme(QStringLiteral("dialog-ok-apply")));
    BitBtn1->hide();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    insrerformule1 = PopupMenu1->addAction(MenuItem);
    insrerformule1->setObjectName(QStringLiteral("insrerformule1"));

    buildPanel();

    Button1 = place(new QPushButton(SuccessButton, this), "Button1", SpreadsheetFormulaLayout::Button1);
    Button1->setFont(pixelFont(QStringLiteral("Tahoma"), 14, true));
    Button1->hide();
    placeAbandon(QStringLiteral("BitBtn20"), SpreadsheetFormulaLayout::BitBtn20);
    Label39 = place(new QLabel(Banner, this), "Label39", SpreadsheetFormulaLayout::Label39);
    Label39->setFont(pixelFont(QStringLiteral("Arial"), 14, FontStyle{true, true}));
    QPalette green = Label39->palette();
    green.setColor(QPalette::WindowText, QColor(0, 128, 0));
    Label39->setPalette(green);

    m_shield = new PauseShield(this);
    m_pause = new QTimer(this);
    m_pause->setSingleShot(true);
    m_pause->setInterval(ErrorPauseMs);

    connect(t, &StringGrid::mouseDown, this, &Texercice25::tMouseDown);
    connect(t, &StringGrid::mouseMove, this, &Texercice25::tMouseMove);
    connect(t, &StringGrid::mouseUp, this, &Texercice25::tMouseUp);
    connect(t, &StringGrid::doubleClicked, this, &Texercice25::tDblClick);
    connect(t, &StringGrid::keyUp, this, &Texercice25::tKeyUp);
    // The menu opens on the press and takes the release: the reference the press began ends here.
    connect(t, &StringGrid::contextMenuAsked, PopupMenu1, [this](QPoint at) {
        tMouseUp();
        PopupMenu1->popup(at);
    });
    connect(insrerformule1, &QAction::triggered, this, &Texercice25::insrerformule1Click);
    connect(Edit2, &QLineEdit::textChanged, this, &Texercice25::Edit2Change);
    connect(Edit2, &QLineEdit::returnPressed, this, &Texercice25::BitBtn1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &Texercice25::BitBtn1Click);
    connect(Button1, &QPushButton::clicked, this, &Texercice25::Button1Click);
    connect(m_pause, &QTimer::timeout, this, &Texercice25::endPause);
}

// The mascot, its speech bubble and the four arrowed items.
void Texercice25::buildPanel()
{
    Panel1 = place(new QFrame(this), "Panel1", SpreadsheetFormulaLayout::Panel1);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setAutoFillBackground(true);
    QPalette yellow = Panel1->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 170));
    Panel1->setPalette(yellow);

    setMascot(new PictureBox(QStringLiteral("Commun/Mascotte"), QStringLiteral("Image1"), Mascot, Panel1));
    new PictureBox(QStringLiteral("Texercice25/Shape1"), QStringLiteral("Shape1"), Bubble, Panel1);
    const QFont bubbleFont = pixelFont(QStringLiteral("Tahoma"), 11);
    for (int i = 0; i < BubbleLines.size(); ++i)
        panelLabel(QStringLiteral("Label%1").arg(i + 1),
                   QRect(BubbleText.left(), BubbleText.top() + 8 + i * 21, BubbleText.width(), 20), BubbleLines.at(i),
                   bubbleFont, Panel1);

    const QFont itemFont = pixelFont(QStringLiteral("Tahoma"), 11);
    const QList<QStringList> items{Item1, Item2, Item3, {Item4}};
    int labelNumber = 5;
    for (int i = 0; i < items.size(); ++i) {
        const int top = ItemsTop + i * ItemPitch;
        new PictureBox(QStringLiteral("Texercice25/Fleche"), QStringLiteral("Image%1").arg(i + 2),
                       QRect(QPoint(8, top + 2), Arrow), Panel1);
        QFont font = itemFont;
        font.setBold(i == 3);
        for (int line = 0; line < items.at(i).size(); ++line)
            panelLabel(QStringLiteral("Label%1").arg(labelNumber++),
                       QRect(ItemTextLeft, top + line * ItemLineHeight, Panel1->width() - ItemTextLeft - 4, ItemLineHeight),
                       items.at(i).at(line), font, Panel1);
    }

    // The read-only example lies in the gap of the first item's second line.
    const QFontMetrics metrics(itemFont);
    const QString &line = Item1.at(1);
    const int gapLeft = metrics.horizontalAdvance(Item1GapPrefix);
    const int gapRight = metrics.horizontalAdvance(line.left(line.indexOf(QStringLiteral("à placer"))));
    Edit1 = place(new QLineEdit(ShownFormula, Panel1), "Edit1",
                  QRect(ItemTextLeft + gapLeft, ItemsTop + ItemLineHeight - 1, gapRight - gapLeft - 4, ItemLineHeight + 1));
    Edit1->setReadOnly(true);
    Edit1->setFocusPolicy(Qt::NoFocus);
    Edit1->setFont(itemFont);
    Edit1->setAlignment(Qt::AlignCenter);
    Edit1->installEventFilter(this);
}

QRect Texercice25::exampleFieldRect() const
{
    return QRect(Edit1->mapTo(this, QPoint(0, 0)), Edit1->size());
}

Texercice25::State Texercice25::state() const
{
    if (!Button1->isHidden())
        return State::Done;
    if (m_pause->isActive())
        return State::Pausing;
    return Edit2->isEnabled() ? State::FormulaBarOpen : State::Idle;
}

void Texercice25::FormShow()
{
    for (bool &flag : m_accepted)
        flag = false;
    m_building = false;
    m_prefix.clear();
    m_marks = FormulaSheet::drawMarks();
    refresh();
    t->setFocus();
}

void Texercice25::setMarks(const FormulaSheet::Marks &marks)
{
    m_marks = marks;
    refresh();
}

// Rewrites the grid from the marks and the accepted formulas.
void Texercice25::refresh()
{
    using namespace FormulaSheet;
    for (int c = 1; c <= Columns; ++c) {
        t->setCell(c, 0, QStringLiteral("    ") + QChar(64 + c));
        t->setCell(c, 16, QString());
    }
    t->setCell(1, TargetRow, QStringLiteral("moy :"));
    t->setCell(4, TargetRow, QStringLiteral("min :"));
    t->setCell(7, TargetRow, QStringLiteral("max :"));
    t->setCell(3, TargetRow, QString());
    t->setCell(6, TargetRow, QString());
    for (int r = 1; r <= TargetRow; ++r)
        t->setCell(0, r, QStringLiteral("    %1").arg(r));
    for (int c = 1; c <= Columns; ++c)
        for (int r = 1; r <= Rows; ++r)
            t->setCell(c, r, format(m_marks[(c - 1) * Rows + (r - 1)]));

    if (accepted(Target::Average)) {
        double sum = 0;
        for (int c = 1; c <= Columns; ++c)
            for (int r = 1; r <= Rows; ++r)
                sum += parse(t->cell(c, r));
        t->setCell(targetColumn(Target::Average), TargetRow, format(truncatedMean(sum)));
    }
    if (accepted(Target::Minimum) || accepted(Target::Maximum)) {
        double smallest = parse(t->cell(1, 1));
        double largest = smallest;
        for (int c = 1; c <= Columns; ++c)
            for (int r = 1; r <= Rows; ++r) {
                const double mark = parse(t->cell(c, r));
                if (mark < smallest)
                    smallest = mark;
                if (mark > largest)
                    largest = mark;
            }
        if (accepted(Target::Minimum))
            t->setCell(targetColumn(Target::Minimum), TargetRow, format(smallest));
        if (accepted(Target::Maximum))
            t->setCell(targetColumn(Target::Maximum), TargetRow, format(largest));
    }
    if (std::all_of(std::begin(m_accepted), std::end(m_accepted), [](bool f) { return f; })) {
        t->setEnabled(false);
        abandonButton()->hide();
        Panel1->hide();
        Button1->show();
    }
}

void Texercice25::tMouseDown(Qt::MouseButton)
{
    if (!Edit2->isEnabled() || BitBtn1->isHidden())
        return;
    m_building = true;
    m_prefix = Edit2->text();
    const StringGrid::Selection s = t->selection();
    Edit2->setText(m_prefix + StringGrid::columnLetter(s.left) + QString::number(s.top));
}

void Texercice25::tMouseMove(QPoint, Qt::MouseButtons buttons)
{
    if (!m_building)
        return;
    if (buttons == Qt::NoButton) {   // a release the grid never saw
        tMouseUp();
        return;
    }
    Edit2->setText(m_prefix + StringGrid::reference(t->selection(), true));
    Edit2->setFocus();
    Edit2->setSelection(int(m_prefix.size()), int(Edit2->text().size() - m_prefix.size()));
}

void Texercice25::tMouseUp()
{
    if (!m_building)
        return;
    m_building = false;
    Edit2->setFocus();
    Edit2->end(false);
}

void Texercice25::tDblClick()
{
    insertFormula();
}

void Texercice25::tKeyUp()
{
    refresh();
}

void Texercice25::insrerformule1Click()
{
    insertFormula();
}

// Opens the formula bar on a target cell; anywhere else closes it, validating nothing.
void Texercice25::insertFormula()
{
    const StringGrid::Selection s = t->selection();
    const std::optional<Target> target = FormulaSheet::targetAt(s.left, s.top);
    Edit2->clear();
    Edit2->setEnabled(bool(target));
    if (target) {
        Label12->setText(FormulaSheet::nameBoxText(*target));
        Edit2->setFocus();
    } else {
        Label12->clear();
        BitBtn1->hide();   // no formula to validate
    }
}

void Texercice25::Edit2Change()
{
    if (Edit2->isEnabled())
        BitBtn1->show();
}

void Texercice25::BitBtn1Click()
{
    if (!Edit2->isEnabled() || m_pause->isActive())
        return;
    const std::optional<Target> target = FormulaSheet::targetNamed(Label12->text());
    if (target && FormulaSheet::accepts(*target, Edit2->text())) {
        m_accepted[int(*target)] = true;
        closeFormulaBar();
        return;
    }
    Edit2->setText(Error);
    setTextColour(Edit2, Qt::red);
    m_shield->raise();
    m_shield->show();
    m_shield->setFocus();
    repaint();
    m_pause->start();
}

void Texercice25::endPause()
{
    setTextColour(Edit2, Qt::black);
    m_shield->hide();
    closeFormulaBar();
}

void Texercice25::closeFormulaBar()
{
    refresh();
    Edit2->clear();
    Edit2->setEnabled(false);
    BitBtn1->hide();
    Label12->clear();
    if (t->isEnabled())
        t->setFocus();
}

void Texercice25::Button1Click()
{
    session()->recordSuccess();
    session()->end();
}

bool Texercice25::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::MouseButtonPress) {
        if (QWidget *focused = focusWidget())
            focused->clearFocus();
        return true;
    }
    return ExerciseScreen::eventFilter(watched, event);
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice25>(Competence));
