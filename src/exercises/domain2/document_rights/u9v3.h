#pragma once
#include "shell/exercise/answerquiz.h"
#include "shell/exercise/exercisescreen.h"

#include <array>

class Disc;
class HotSpot;
class QLabel;
class QTimer;

// Competence 2.3: nine statements about downloading, copying and publishing, each
// answered by a click on "Oui", "ça dépend !" or "Non". A right "ça dépend !" shows
// its justification for four seconds, every answer disabled, before the next
// statement. Nine right answers pass.
class Texercice9v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice9v3(ExerciseSession *session);

    QLabel *Memo1 = nullptr;
    QLabel *Memo2 = nullptr;
    std::array<Disc *, 3> discs{};        // Shape1, Shape2, Shape3
    std::array<HotSpot *, 3> answers{};   // Label4, Label5, Label6
    std::array<QLabel *, 3> captions{};   // Label1, Label2, Label3
    std::array<Disc *, 9> bon{};
    QWidget *Shape5 = nullptr;
    QLabel *Label8 = nullptr;
    QTimer *Timer1 = nullptr;
    QLabel *consigne3 = nullptr;

    const AnswerQuiz &quiz() const { return m_quiz; }

private slots:
    void Label4Click();
    void Label2Click();
    void Label3Click();
    void Timer1Timer();

private:
    void answerClick(int answer);
    void showQuestion(int index);
    void setAnswersEnabled(bool enabled);

    AnswerQuiz m_quiz;
};
