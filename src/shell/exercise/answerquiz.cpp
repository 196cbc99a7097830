#include "shell/exercise/answerquiz.h"

#include "shell/exercise/practice.h"

#include <QWidget>

AnswerQuiz::AnswerQuiz(ExerciseSession *session, QList<int> rightChoices)
    : m_session(session), m_right(std::move(rightChoices))
{
}

bool AnswerQuiz::isRight(int question, int choice) const
{
    return question >= 0 && question < questionCount() && m_right[question] == choice;
}

bool AnswerQuiz::answer(int choice)
{
    if (finished())
        return false;
    const bool right = isRight(m_current, choice);
    ++m_current;
    if (right)
        ++m_rightAnswers;
    else if (m_session) {
        m_session->countError();
        Practice::questionPassed(m_session);
    }
    return right;
}

void AnswerQuiz::verdict(QLabel *label, const FailureTexts &failure, const QString &successLabel)
{
    if (!m_session || !finished())
        return;
    // A practice run's wrong answers count nothing: it ends in its own success.
    if (m_rightAnswers == questionCount() || Practice::of(m_session) != Practice::Mode::None)
        m_session->succeed(label, SuccessTexts{successLabel, CommonTexts::SuccessBox});
    else
        m_session->fail(label, failure);
}
