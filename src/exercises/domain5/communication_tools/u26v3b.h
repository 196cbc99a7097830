#pragma once
#include "exercises/domain5/communication_tools/quizpage.h"

// The second page of the communication tools quiz: chat rooms, then the buttons of
// a mail client. Its last answer gives the verdict over both pages.
class Texercice26v3b : public QuizPage
{
    Q_OBJECT
public:
    explicit Texercice26v3b(ExerciseSession *session);

protected:
    void lastAnswered() override;
};
