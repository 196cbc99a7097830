#include "exercises/domain5/communication_tools/quizpage.h"

#include "exercises/domain5/communication_tools/layout.h"
#include "pictures/fonts.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/choicecombo.h"
#include "widgets/instructionbubble.h"
#include "widgets/memolabel.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QFrame>
#include <QPushButton>
#include <QLabel>

using namespace CommunicationToolsLayout;

namespace {
const QColor BandColour(198, 226, 255);
const QColor Right(0, 255, 0);     // lime
const QColor Wrong(255, 0, 0);

QFrame *colouredFrame(QWidget *parent, const QString &name, const QRect &rect, const QColor &colour)
{
    auto *frame = place(new QFrame(parent), name, rect);
    frame->setAutoFillBackground(true);
    QPalette p = frame->palette();
    p.setColor(QPalette::Window, colour);
    frame->setPalette(p);
    return frame;
}
}

QuizPage::QuizPage(ExerciseSession *session, const QString &name,
                   const QList<CommunicationQuiz::Question> &questions, const QStringList &headings)
    : ExerciseScreen(session, name, WindowSize), m_questions(questions)
{
    InstructionBubble *bubble = placeBubble(Mascot, BubbleShape);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), BubbleLabel, StartInstruction);
    for (int b = 0; b < 2; ++b) {
        colouredFrame(this, QStringLiteral("Band%1").arg(b + 1), Bands[b], BandColour);
        m_headings.append(new PictureBox(headings.value(b), QStringLiteral("Image%1").arg(b + 1), headingRect(b), this));
    }
    m_headings[1]->hide();
    int comboNumber = 0;
    int pairNumber = 0;
    for (int i = 0; i < m_questions.size(); ++i)
        buildRow(i, comboNumber, pairNumber);
    placeAbandon(QStringLiteral("BitBtn20"), AbandonButton);
    reveal(0);
}

void QuizPage::buildRow(int index, int &comboNumber, int &pairNumber)
{
    const CommunicationQuiz::Question &q = m_questions[index];
    Row row;
    row.memo = new MemoLabel(QStringLiteral("Memo%1").arg(index + 1), memoRect(index),
                             pixelFont(QStringLiteral("Comic Sans MS"), 11, true), this);   // the regular face is too thin
    row.memo->setText(q.text);
    if (q.isChoice()) {
        row.combo = place(new ChoiceCombo(this, false), QStringLiteral("ComboBoxEx%1").arg(++comboNumber),
                          comboRect(index));
        row.combo->addItems(q.options);
        row.combo->setPlaceholderChoice(Placeholder);
        connect(row.combo, &ChoiceCombo::chosen, this,
                [this, index](int, const QString &text) { answer(index, text); });
    } else {
        ++pairNumber;
        row.trueFrame = colouredFrame(this, QStringLiteral("Frame%1").arg(pairNumber), frameRect(trueRect(index)), Right);
        row.falseFrame =
            colouredFrame(this, QStringLiteral("Frame%1").arg(pairNumber + 4), frameRect(falseRect(index)), Right);
        row.trueButton = place(new QPushButton(TrueText, this), QStringLiteral("BitBtn%1").arg(pairNumber), trueRect(index));
        row.falseButton =
            place(new QPushButton(FalseText, this), QStringLiteral("BitBtn%1").arg(pairNumber + 4), falseRect(index));
        connect(row.trueButton, &QPushButton::clicked, this, [this, index] { answer(index, TrueText); });
        connect(row.falseButton, &QPushButton::clicked, this, [this, index] { answer(index, FalseText); });
    }
    for (QWidget *w : {static_cast<QWidget *>(row.memo), static_cast<QWidget *>(row.combo),
                       static_cast<QWidget *>(row.trueButton), static_cast<QWidget *>(row.falseButton),
                       static_cast<QWidget *>(row.trueFrame), static_cast<QWidget *>(row.falseFrame)})
        if (w)
            w->hide();
    m_rows.append(row);
}

void QuizPage::reveal(int index)
{
    m_current = index;
    if (index >= m_rows.size())
        return;
    if (index == QuestionsPerBand)
        m_headings[1]->show();
    const Row &row = m_rows[index];
    row.memo->show();
    if (row.combo) {
        row.combo->show();
        row.combo->setFocus();
    } else {
        row.trueButton->show();
        row.falseButton->show();
        row.trueButton->setFocus();
    }
}

void QuizPage::answer(int index, const QString &given)
{
    if (index != m_current)
        return;
    const Row &row = m_rows[index];
    const bool right = m_questions[index].isRight(given);
    if (!right)
        session()->countError();
    const QColor colour = right ? Right : Wrong;
    if (row.combo) {
        row.combo->setColour(colour);
        row.combo->setEnabled(false);
    } else {
        QFrame *frame = given == TrueText ? row.trueFrame : row.falseFrame;
        QPalette p = frame->palette();
        p.setColor(QPalette::Window, colour);
        frame->setPalette(p);
        frame->show();
        row.trueButton->setEnabled(false);
        row.falseButton->setEnabled(false);
    }
    reveal(index + 1);
    if (m_current == m_rows.size())
        lastAnswered();
}
