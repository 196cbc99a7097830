#include "exercises/domain4/search_engine/u23v3d.h"

#include "exercises/domain4/search_engine/keywords.h"
#include "exercises/domain4/search_engine/layout.h"
#include "shell/exercise/exercisesession.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>

using namespace SearchEngineLayout;

Texercice23v3d::Texercice23v3d(ExerciseSession *session, const QString &keywords)
    : EnginePage(session, QStringLiteral("Texercice23v3d"), AdvancedSize)
{
    for (const FormSpot &s : FormSpots)
        spot(s.name, s.rect, [this] { wrongRoute(AdvancedWrongWay); });
    spot("zs1", FormSearch, [this] { zs1Click(); });
    Edit1 = field("Edit1", AllWordsField);
    Edit1->setReadOnly(true);
    Edit1->setText(keywords);
    Edit1->setFocusPolicy(Qt::NoFocus);
    // The keywords are already there: touching them is a wrong route.
    Edit1->installEventFilter(this);
    Edit2 = field("Edit2", NoneWordsField);
    finishPage(AdvancedInstruction);
    Edit2->setFocus();
}

bool Texercice23v3d::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        wrongRoute(AdvancedWrongWay);
        return true;
    }
    return EnginePage::eventFilter(watched, event);
}

void Texercice23v3d::zs1Click()
{
    if (!Keywords::exclusionPasses(Edit2->text())) {
        session()->wrong(WrongExclusion);
        return;
    }
    session()->verdict(0, CommonTexts::SuccessBoxCapitalised, instruction());
}
