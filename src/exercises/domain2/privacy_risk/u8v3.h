#pragma once
#include "shell/exercise/answerquiz.h"
#include "shell/exercise/exercisescreen.h"

#include <array>

class Disc;
class PictureBox;
class QLabel;

// Competence 2.2: ten everyday situations about personal data on the Internet, each
// judged by a click on the danger sign or on the crossed-out risk sign; a small
// circle per question turns green or red. Ten right choices pass.
class Texercice8v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice8v3(ExerciseSession *session);

    QLabel *Memo1 = nullptr;
    QLabel *Memo2 = nullptr;
    Disc *Shape1 = nullptr;
    PictureBox *Image4 = nullptr;
    Disc *Shape3 = nullptr;
    PictureBox *Image3 = nullptr;
    std::array<Disc *, 10> bon{};
    QLabel *consigne3 = nullptr;

    const AnswerQuiz &quiz() const { return m_quiz; }

private slots:
    void Image3Click();
    void Image4Click();

private:
    void signClick(int sign);
    void showQuestion(int index);

    AnswerQuiz m_quiz;
};
