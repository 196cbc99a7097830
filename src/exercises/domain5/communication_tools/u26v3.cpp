#include "exercises/domain5/communication_tools/u26v3.h"

#include "exercises/domain5/communication_tools/layout.h"
#include "exercises/domain5/communication_tools/u26v3b.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/placement.h"

#include <QPushButton>

using namespace CommunicationToolsLayout;

Texercice26v3::Texercice26v3(ExerciseSession *session)
    : QuizPage(session, QStringLiteral("Texercice26v3"), CommunicationQuiz::firstPage(),
               {QStringLiteral("Texercice26v3/Image1"), QStringLiteral("Texercice26v3/Image2")})
{
    Suite = place(new QPushButton(SuiteText, this), "Suite", SuiteButton);
    Suite->hide();
    connect(Suite, &QPushButton::clicked, this, &Texercice26v3::SuiteClick);
}

void Texercice26v3::lastAnswered()
{
    setInstruction(SuiteInstruction);
    Suite->show();
    Suite->setFocus();
}

void Texercice26v3::SuiteClick()
{
    session()->handOver(this, new Texercice26v3b(session()));
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice26v3>(Competence));
