#include "exercises/domain4/search_engine/u23v3c.h"

#include "exercises/domain4/search_engine/layout.h"
#include "exercises/domain4/search_engine/u23v3d.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/picturebox.h"

#include <QLineEdit>
#include <QRadioButton>

using namespace SearchEngineLayout;

Texercice23v3c::Texercice23v3c(ExerciseSession *session, const QString &keywords)
    : EnginePage(session, QStringLiteral("Texercice23v3c"), ResultSize), m_keywords(keywords)
{
    Image7 = new PictureBox(QStringLiteral("Texercice23v3c/Image7"), QStringLiteral("Image7"), ResultPicture, this);
    Image7->setAttribute(Qt::WA_TransparentForMouseEvents);
    spot("zs1", ResultHeader, [this] { wrongRoute(CommonTexts::WrongWay); });
    spot("Image2", AdvancedLink, [this] { Image2Click(); });
    Edit1 = field("Edit1", ResultField);
    Edit1->setReadOnly(true);
    Edit1->setText(keywords);
    Edit1->setFocusPolicy(Qt::NoFocus);
    Scopes scopes = placeScopes(QPoint(ResultScopeShift, ResultScopeRise));
    scopes.france->setChecked(true);
    for (QRadioButton *r : {scopes.web, scopes.french, scopes.france})
        r->setEnabled(false);
    finishPage(AdvancedInstruction);
}

void Texercice23v3c::Image2Click()
{
    session()->handOver(this, new Texercice23v3d(session(), m_keywords));
}
