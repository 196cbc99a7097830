#pragma once
#include "exercises/domain5/communication_tools/quiz.h"
#include "shell/exercise/exercisescreen.h"

#include <QList>

class ChoiceCombo;
class PictureBox;
class QFrame;
class QPushButton;

// One page of the communication tools quiz: two light-blue bands of four questions,
// each band headed by a word-art picture. Questions show one at a time; every answer
// is marked at once (lime when right, red when wrong), cannot be changed, counts an
// error when wrong (no box) and shows the next question. The page decides what the
// last answer leads to.
class QuizPage : public ExerciseScreen
{
    Q_OBJECT
public:
    // headings: the two word-art picture names, the second shown with its band's first question.
    QuizPage(ExerciseSession *session, const QString &name, const QList<CommunicationQuiz::Question> &questions,
             const QStringList &headings);

    // The question being answered (0 .. 7), or 8 once all are answered.
    int currentQuestion() const { return m_current; }

protected:
    virtual void lastAnswered() = 0;
    QLabel *consigne3 = nullptr;

private:
    struct Row
    {
        QLabel *memo = nullptr;
        ChoiceCombo *combo = nullptr;
        QPushButton *trueButton = nullptr;
        QPushButton *falseButton = nullptr;
        QFrame *trueFrame = nullptr;
        QFrame *falseFrame = nullptr;
    };

    void buildRow(int index, int &comboNumber, int &pairNumber);
    void reveal(int index);
    void answer(int index, const QString &given);

    QList<CommunicationQuiz::Question> m_questions;
    QList<Row> m_rows;
    QList<PictureBox *> m_headings;
    int m_current = 0;
};
