#include "exercises/domain5/communication_tools/u26v3b.h"

#include "exercises/domain5/communication_tools/layout.h"
#include "shell/exercise/exercisesession.h"

Texercice26v3b::Texercice26v3b(ExerciseSession *session)
    : QuizPage(session, QStringLiteral("Texercice26v3b"), CommunicationQuiz::secondPage(),
               {QStringLiteral("Texercice26v3b/Image1"), QStringLiteral("Texercice26v3b/Image2")})
{
}

void Texercice26v3b::lastAnswered()
{
    session()->verdict(0, CommonTexts::SuccessBoxCapitalised, consigne3);
}
