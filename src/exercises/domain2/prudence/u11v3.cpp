#include "exercises/domain2/prudence/u11v3.h"

#include "exercises/domain2/prudence/layout.h"
#include "exercises/domain2/prudence/u11v3b.h"
#include "exercises/domain2/prudence/u11v3c.h"
#include "exercises/domain2/prudence/u11v3d.h"
#include "exercises/domain2/prudence/u11v3e.h"
#include "pictures/fonts.h"
#include "pictures/pictures.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/disc.h"
#include "widgets/instructionbubble.h"
#include "widgets/placement.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>

using namespace PrudenceLayout;

namespace {
const QColor Lime(0, 255, 0);
const QString BrickPicture = QStringLiteral("Texercice11v3/Image1");

QLabel *wordBox(const QString &name, const QRect &rect, const QString &text, const QColor &colour, int pixels,
                QWidget *parent)
{
    auto *label = place(new QLabel(text, parent), name, rect);
    label->setFont(pixelFont(QStringLiteral("Tahoma"), pixels, true));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("QLabel { background: %1; color: white; border: 1px solid black; }")
                             .arg(colour.name()));
    return label;
}

// A white box on a square of its row's colour, so that it stands out of the pale wall.
QCheckBox *rowCheck(const QString &name, const QRect &rect, const QColor &colour, QWidget *parent)
{
    auto *box = place(new QCheckBox(parent), name, rect);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    box->setAutoFillBackground(true);
    return box;
}
}

Texercice11v3::Texercice11v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice11v3"), Window1Size)
{
    setWindowTitle(QStringLiteral("exercice11v3"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int k = 1; k <= 7; ++k) {
        boxes[k - 1] = wordBox(QStringLiteral("Memo%1").arg(k), termBox(k), Terms[k - 1], TermColour, 15, this);
        r[k - 1] = rowCheck(QStringLiteral("r%1").arg(k), termCheck(k), TermColour, this);
        connect(r[k - 1], &QCheckBox::clicked, this, [this, k] { termClick(k); });
    }
    for (int j = 8; j <= 14; ++j) {
        r[j - 1] = rowCheck(QStringLiteral("r%1").arg(j), definitionCheck(j), DefinitionColour, this);
        boxes[j - 1] = wordBox(QStringLiteral("Memo%1").arg(j), definitionBox(j), Definitions[j - 8].text,
                               DefinitionColour, 12, this);
        connect(r[j - 1], &QCheckBox::clicked, this, [this, j] { definitionClick(j); });
    }
    Shape1 = new Disc(QStringLiteral("Shape1"), PrudenceLayout::Shape1, Lime, this);
    Shape2 = new Disc(QStringLiteral("Shape2"), PrudenceLayout::Shape2, Qt::white, this);
    InstructionBubble *bubble = placeBubble(Window1Mascot, Window1Bubble);
    Label2 = bubble->addLabel(QStringLiteral("Label2"), Window1Label, MatchInstruction);
    placeAbandon(QStringLiteral("BitBtn1"), Window1Abandon);
    openLeftColumn();
}

void Texercice11v3::openLeftColumn()
{
    for (int i = 0; i < 14; ++i)
        r[i]->setEnabled(i < 7 && !r[i]->isChecked());
    Shape1->setColour(Lime);
    Shape2->setColour(Qt::white);
}

void Texercice11v3::openRightColumn()
{
    for (int i = 0; i < 14; ++i)
        r[i]->setEnabled(i >= 7 && !r[i]->isChecked());
    Shape1->setColour(Qt::white);
    Shape2->setColour(Lime);
}

void Texercice11v3::termClick(int k)
{
    // A ticked box is never unticked: the click that ticked it disabled it.
    r[k - 1]->setChecked(true);
    m_chosenTerm = k;
    ++m_pairs;
    openRightColumn();
}

void Texercice11v3::definitionClick(int j)
{
    r[j - 1]->setChecked(true);
    r[j - 1]->setEnabled(false);
    const bool right = Definitions[j - 8].rightTerm == m_chosenTerm;
    if (right)
        ++m_correct;
    m_lines.append({QLine(lineStart(m_chosenTerm), lineEnd(j)), right ? QColor(0, 170, 0) : QColor(230, 0, 0)});
    update();
    if (m_pairs < 7)
        openLeftColumn();
    else
        judge();
}

void Texercice11v3::judge()
{
    for (QCheckBox *box : r)
        box->setEnabled(false);
    if (m_correct == 7) {
        Label2->setText(MatchSuccess);
        MessageBox::information(MatchSuccess, this);
        session()->handOver(this, session()->window<Texercice11v3b>());
        return;
    }
    // The wrong pairs are the errors of this window, counted at the end.
    session()->countError(7 - m_correct);
    session()->fail(Label2);
}

void Texercice11v3::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // The brick wall tiled over a four by four grid of cells.
    const QPixmap brick = Pictures::get(BrickPicture);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            p.drawPixmap(QRect(QPoint(column * BrickCell.width(), row * BrickCell.height()), BrickCell), brick);
    p.setRenderHint(QPainter::Antialiasing);
    for (const PairLine &pair : m_lines) {
        p.setPen(QPen(pair.colour, LineWidth, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(pair.line);
    }
}

// Every window of the chain is made at launch; each hands over to the next.
static const ExerciseRegistry::Registrar registrar(
    Competence, ExerciseSession::launcher<Texercice11v3, Texercice11v3b, Texercice11v3c, Texercice11v3d, Texercice11v3e>(Competence));
