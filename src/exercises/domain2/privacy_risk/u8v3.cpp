#include "exercises/domain2/privacy_risk/u8v3.h"

#include "exercises/domain2/privacy_risk/layout.h"
#include "pictures/fonts.h"
#include "widgets/disc.h"
#include "widgets/instructionbubble.h"
#include "widgets/memolabel.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QLabel>

using namespace PrivacyRiskLayout;

namespace {
QList<int> rightSigns()
{
    QList<int> signs;
    for (const Question &q : Questions)
        signs << q.right;
    return signs;
}
}

Texercice8v3::Texercice8v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice8v3"), WindowSize), m_quiz(session, rightSigns())
{
    setWindowTitle(Caption);
    setStyleSheet(QStringLiteral("Texercice8v3 { background: %1; }").arg(Background.name()));

    Memo1 = new MemoLabel(QStringLiteral("Memo1"), PrivacyRiskLayout::Memo1, pixelFont(QStringLiteral("Comic Sans MS"), 16, true), this);
    Memo2 = new MemoLabel(QStringLiteral("Memo2"), PrivacyRiskLayout::Memo2, pixelFont(QStringLiteral("Comic Sans MS"), 16), this);
    // The discs only paint: a click beside a sign reaches the window and does nothing.
    Shape1 = new Disc(QStringLiteral("Shape1"), PrivacyRiskLayout::Shape1, QColor(0, 255, 0), this);
    Image4 = new PictureBox(QStringLiteral("Texercice8v3/Image4"), QStringLiteral("Image4"), PrivacyRiskLayout::Image4, this);
    Shape3 = new Disc(QStringLiteral("Shape3"), PrivacyRiskLayout::Shape3, QColor(255, 0, 0), this);
    Image3 = new PictureBox(QStringLiteral("Texercice8v3/Image3"), QStringLiteral("Image3"), PrivacyRiskLayout::Image3, this);
    for (int k = 0; k < 10; ++k)
        bon[k] = new Disc(QStringLiteral("bon%1").arg(k + 1), QRect(Circles[k], CircleSize), Qt::white, this);

    InstructionBubble *bubble = placeBubble(Mascot, Bubble);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), Instruction, InstructionText);
    placeAbandon(QStringLiteral("BitBtn20"), Abandon);

    connect(Image3, &HotSpot::clicked, this, &Texercice8v3::Image3Click);
    connect(Image4, &HotSpot::clicked, this, &Texercice8v3::Image4Click);
    showQuestion(0);
}

void Texercice8v3::Image3Click() { signClick(Danger); }
void Texercice8v3::Image4Click() { signClick(NoRisk); }

void Texercice8v3::showQuestion(int index)
{
    Memo1->setText(QuestionFormat.arg(index + 1));
    Memo2->setText(Questions[index].situation);
}

void Texercice8v3::signClick(int sign)
{
    if (m_quiz.finished())
        return;
    const int k = m_quiz.current();
    bon[k]->setColour(m_quiz.answer(sign) ? Disc::rightColour() : Disc::wrongColour());
    if (!m_quiz.finished()) {
        showQuestion(m_quiz.current());
        return;
    }
    Memo1->clear();
    Memo2->clear();
    Memo1->hide();
    Memo2->hide();
    Shape1->hide();
    Shape3->hide();
    m_quiz.verdict(consigne3);
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice8v3>(Competence));
