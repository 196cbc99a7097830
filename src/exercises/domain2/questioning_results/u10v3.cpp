#include "exercises/domain2/questioning_results/u10v3.h"

#include "exercises/domain2/questioning_results/answerlist.h"
#include "exercises/domain2/questioning_results/layout.h"
#include "exercises/domain2/questioning_results/u10v3b.h"
#include "pictures/fonts.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace QuestioningLayout;
namespace W = QuestioningLayout::First;

Texercice10v3::Texercice10v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice10v3"), W::WindowSize)
{
    setWindowTitle(QStringLiteral("exercice10v3"));
    setAutoFillBackground(true);
    QPalette blue = palette();
    blue.setColor(QPalette::Window, QColor(30, 70, 190));
    setPalette(blue);

    Image1 = new PictureBox(QStringLiteral("Texercice10v3/Image1"), QStringLiteral("Image1"), W::Image1, this);
    Edit1 = place(new QLineEdit(W::Formula, this), "Edit1", W::Edit1);
    Edit1->setFont(pixelFont(QStringLiteral("Arial"), 13));
    Edit1->setEnabled(false);
    zs1 = new HotSpot(QStringLiteral("zs1"), W::zs1, this);
    zs2 = new HotSpot(QStringLiteral("zs2"), W::zs2, this);
    zs3 = new HotSpot(QStringLiteral("zs3"), W::zs3, this);
    Image2 = new PictureBox(QStringLiteral("Texercice10v3/Image2"), QStringLiteral("Image2"), W::Image2, this);
    Image2->hide();
    ListBox1 = AnswerList::place(this, QStringLiteral("GroupBox1"), QStringLiteral("ListBox1"), W::GroupBox1,
                                 W::NatureCaption, W::Natures, &GroupBox1);
    ListBox2 = AnswerList::place(this, QStringLiteral("GroupBox2"), QStringLiteral("ListBox2"), W::GroupBox2,
                                 W::SourceCaption, W::Sources, &GroupBox2);

    InstructionBubble *bubble = placeBubble(W::Mascot, W::Shape);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), W::consigne3, W::Instructions.at(0));
    consigne4 = bubble->addLabel(QStringLiteral("consigne4"), W::consigne4, W::Instructions.at(1));
    consigne5 = bubble->addLabel(QStringLiteral("consigne5"), W::consigne5, W::Instructions.at(2));
    placeAbandon(QStringLiteral("BitBtn20"), W::BitBtn20);

    connect(zs1, &HotSpot::clicked, this, &Texercice10v3::zs1Click);
    connect(zs2, &HotSpot::clicked, this, &Texercice10v3::zs2Click);
    connect(zs3, &HotSpot::clicked, this, &Texercice10v3::zs3Click);
    connect(ListBox1, &AnswerList::judged, this, &Texercice10v3::ListBox1DblClick);
    connect(ListBox2, &AnswerList::judged, this, &Texercice10v3::ListBox2DblClick);
    connect(Edit1, &QLineEdit::textChanged, this, &Texercice10v3::Edit1Change);
}

void Texercice10v3::zs1Click()
{
    session()->wrong(CommonTexts::WrongWayReadCarefully);
}

void Texercice10v3::zs2Click()
{
    session()->wrong(CommonTexts::WrongWayReadCarefully);
}

void Texercice10v3::zs3Click()
{
    GroupBox1->show();
    ListBox1->setCurrentRow(0);
    zs1->hide();
    zs2->hide();
    zs3->hide();
    consigne3->setText(W::AskNature);
    consigne4->clear();
    consigne5->clear();
    m_step = Step::Nature;
}

void Texercice10v3::ListBox1DblClick(int row)
{
    if (row != W::RightNature) {
        session()->wrong(WrongChoice);
        return;
    }
    ListBox1->setEnabled(false);
    GroupBox2->show();
    consigne3->setText(W::AskSource);
    m_step = Step::Source;
}

void Texercice10v3::ListBox2DblClick(int row)
{
    if (row == W::WrongSource) {
        session()->wrong(WrongChoice);
        return;
    }
    ListBox2->setEnabled(false);
    Edit1->setEnabled(true);
    consigne3->setText(W::AskCorrection);
    m_step = Step::Correct;
}

// Any other text is taken silently while the pupil types.
void Texercice10v3::Edit1Change(const QString &text)
{
    if (m_step != Step::Correct || text.toLower() != W::CorrectFormula)
        return;
    m_step = Step::Over;
    Image2->show();
    if (session()->errorCount() > 0) {
        session()->fail(consigne3);
        return;
    }
    consigne3->setText(W::NextLabel);
    MessageBox::information(W::NextBox, this);
    if (auto *next = session()->window<Texercice10v3b>())
        session()->handOver(this, next);
}

static const ExerciseRegistry::Registrar registrar(Competence,
                                                   ExerciseSession::launcher<Texercice10v3, Texercice10v3b>(Competence));
