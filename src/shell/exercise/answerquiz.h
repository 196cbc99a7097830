#pragma once
#include "shell/exercise/exercisesession.h"

#include <QList>
#include <QPointer>

class QLabel;

// A quiz scored by its right answers. The questions come one after another and each
// is answered once, with no going back; a wrong answer is one error of the session
// (so the failure label reports the number of wrong answers), and once the last
// question is answered the verdict passes only when every answer was right.
// Choices are the window's own numbers (a sign, a button, a disc).
class AnswerQuiz
{
public:
    AnswerQuiz(ExerciseSession *session, QList<int> rightChoices);

    int questionCount() const { return int(m_right.size()); }
    // The question to answer now, from 0; questionCount() once all are answered.
    int current() const { return m_current; }
    bool finished() const { return m_current >= questionCount(); }
    int rightAnswers() const { return m_rightAnswers; }
    int wrongAnswers() const { return m_current - m_rightAnswers; }
    bool isRight(int question, int choice) const;

    // Judges the current question and moves on; false once finished.
    bool answer(int choice);

    // Success with every answer right, failure otherwise; the texts name the label.
    void verdict(QLabel *label, const FailureTexts &failure = FailureTexts(),
                 const QString &successLabel = CommonTexts::SuccessLabel);

private:
    QPointer<ExerciseSession> m_session;
    QList<int> m_right;
    int m_current = 0;
    int m_rightAnswers = 0;
};
