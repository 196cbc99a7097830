#include "exercises/domain2/document_rights/u9v3.h"

#include "exercises/domain2/document_rights/layout.h"
#include "pictures/fonts.h"
#include "widgets/disc.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/memolabel.h"
#include "widgets/placement.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

using namespace DocumentRightsLayout;

namespace {
const QColor DiscColours[3] = {QColor(0, 255, 0), QColor(255, 255, 0), QColor(255, 0, 0)};

QList<int> rightAnswers()
{
    QList<int> answers;
    for (const Question &q : Questions)
        answers << q.right;
    return answers;
}

// The yellow rounded box behind the justification.
class RoundedBox : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(255, 255, 0));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 16, 16);
    }
};
}

Texercice9v3::Texercice9v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice9v3"), WindowSize), m_quiz(session, rightAnswers())
{
    setWindowTitle(Caption);
    setStyleSheet(QStringLiteral("Texercice9v3 { background: %1; }").arg(Background.name()));

    Memo1 = new MemoLabel(QStringLiteral("Memo1"), DocumentRightsLayout::Memo1, pixelFont(QStringLiteral("Comic Sans MS"), 16, true), this);
    Memo2 = new MemoLabel(QStringLiteral("Memo2"), DocumentRightsLayout::Memo2, pixelFont(QStringLiteral("Comic Sans MS"), 16), this);
    const QRect discRects[3] = {Shape1, Shape2, Shape3};
    for (int a = 0; a < 3; ++a) {
        discs[a] = new Disc(QStringLiteral("Shape%1").arg(a + 1), discRects[a], DiscColours[a], this);
        answers[a] = new HotSpot(QString::fromLatin1(Choices[a].hotSpot), discRects[a], this);
        // The caption lets clicks through to the label under it: both answer alike.
        captions[a] = place(new QLabel(Choices[a].text, this), Choices[a].caption, discRects[a]);
        captions[a]->setFont(pixelFont(QStringLiteral("Tahoma"), Choices[a].captionPixels));
        captions[a]->setAlignment(Qt::AlignCenter);
        captions[a]->setAttribute(Qt::WA_TransparentForMouseEvents);
        captions[a]->setStyleSheet(QStringLiteral("QLabel { color: black; } QLabel:disabled { color: #606060; }"));
    }
    for (int k = 0; k < 9; ++k)
        bon[k] = new Disc(QStringLiteral("bon%1").arg(k + 1), QRect(Circles[k], CircleSize), Qt::white, this);

    Shape5 = place(new RoundedBox(this), "Shape5", DocumentRightsLayout::Shape5);
    Shape5->hide();
    Label8 = place(new QLabel(this), "Label8", DocumentRightsLayout::Label8);
    InstructionBubble::styleLabel(Label8);
    Label8->hide();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);   // a coarse timer may fire 5% early
    Timer1->setInterval(JustificationMs);

    InstructionBubble *bubble = placeBubble(Mascot, Bubble);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), Instruction, InstructionText);
    placeAbandon(QStringLiteral("BitBtn20"), Abandon);

    connect(answers[Yes], &HotSpot::clicked, this, &Texercice9v3::Label4Click);
    connect(answers[Depends], &HotSpot::clicked, this, &Texercice9v3::Label2Click);
    connect(answers[No], &HotSpot::clicked, this, &Texercice9v3::Label3Click);
    connect(Timer1, &QTimer::timeout, this, &Texercice9v3::Timer1Timer);
    showQuestion(0);
}

void Texercice9v3::Label4Click() { answerClick(Yes); }
void Texercice9v3::Label2Click() { answerClick(Depends); }
void Texercice9v3::Label3Click() { answerClick(No); }

void Texercice9v3::setAnswersEnabled(bool enabled)
{
    for (int a = 0; a < 3; ++a) {
        answers[a]->setEnabled(enabled);
        captions[a]->setEnabled(enabled);
    }
}

// The question at 'index' from 0, or the verdict once every question is answered.
void Texercice9v3::showQuestion(int index)
{
    Memo1->clear();
    Memo2->clear();
    if (index < m_quiz.questionCount()) {
        Memo1->setText(QuestionFormat.arg(index + 1));
        Memo2->setText(Questions[index].statement);
        return;
    }
    Memo1->hide();
    Memo2->hide();
    m_quiz.verdict(consigne3);
}

void Texercice9v3::answerClick(int answer)
{
    if (m_quiz.finished() || Timer1->isActive())
        return;
    const int k = m_quiz.current();
    const bool right = m_quiz.answer(answer);
    bon[k]->setColour(right ? Disc::rightColour() : Disc::wrongColour());
    if (right && answer == Depends) {
        Label8->setText(Questions[k].justification);
        setAnswersEnabled(false);
        Shape5->show();
        Label8->show();
        Timer1->start();
        return;
    }
    showQuestion(m_quiz.current());
}

void Texercice9v3::Timer1Timer()
{
    Label8->hide();
    Shape5->hide();
    Timer1->stop();
    setAnswersEnabled(true);
    showQuestion(m_quiz.current());
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice9v3>(Competence));
