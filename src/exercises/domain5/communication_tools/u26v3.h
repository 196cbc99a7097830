#pragma once
#include "exercises/domain5/communication_tools/quizpage.h"

// The first page of the communication tools quiz (competence 5.1): communication
// services, then blogs. Its last answer shows "Suite", which opens the second page.
class Texercice26v3 : public QuizPage
{
    Q_OBJECT
public:
    explicit Texercice26v3(ExerciseSession *session);

    QPushButton *Suite = nullptr;

protected:
    void lastAnswered() override;

private slots:
    void SuiteClick();
};
