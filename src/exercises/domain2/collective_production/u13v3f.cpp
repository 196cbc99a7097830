#include "exercises/domain2/collective_production/u13v3f.h"

#include "exercises/domain2/collective_production/layout.h"
#include "records/clock.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace CollectiveLayout;

Texercice13v3f::Texercice13v3f(ExerciseSession *session)
    : SiteScreen(session, QStringLiteral("Texercice13v3f"), WindowSize, FinalInstruction)
{
    screenshot(QStringLiteral("Image1"), TallScreenshot);
    Edit1 = field(QStringLiteral("Edit1"), ProposedDate);
    Edit1->setText(Clock::todayText());
    Edit1->setReadOnly(true);
    Edit1->setFrame(false);
    abandonButton()->hide();
    // A child of the window: closing the window (Alt+F4) stops it with no verdict.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);   // never early: the pupil waits six full seconds
    Timer1->setInterval(VerdictDelay);
    connect(Timer1, &QTimer::timeout, this, &Texercice13v3f::Timer1Timer);
}

void Texercice13v3f::FormShow()
{
    Timer1->start();
}

void Texercice13v3f::Timer1Timer()
{
    Timer1->stop();
    session()->verdict(0, CommonTexts::SuccessBox, consigne3);
}
