#include "exercises/domain4/search_engine/u23v3b.h"

#include "exercises/domain4/search_engine/keywords.h"
#include "exercises/domain4/search_engine/layout.h"
#include "exercises/domain4/search_engine/u23v3c.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/messagebox.h"

#include <QLineEdit>
#include <QRadioButton>

using namespace SearchEngineLayout;

Texercice23v3b::Texercice23v3b(ExerciseSession *session)
    : EnginePage(session, QStringLiteral("Texercice23v3b"), HomeSize)
{
    for (const auto &[name, rect] : {std::pair{"zs1", HomeServices}, std::pair{"Image6", HomeSignIn},
                                     std::pair{"Image3", HomeLinks}, std::pair{"Image4", HomeLucky},
                                     std::pair{"Image2", HomeFooter}})
        spot(name, rect, [this] { wrongRoute(CommonTexts::WrongWay); });
    spot("Image5", HomeSearch, [this] { Image5Click(); });
    Edit1 = field("Edit1", HomeField);
    m_scopes = placeScopes(QPoint(0, 0));
    finishPage(HomeInstruction);
}

void Texercice23v3b::FormShow()
{
    // The quiz's answers never reach the verdict.
    session()->resetErrors();
    Edit1->setFocus();
}

void Texercice23v3b::Image5Click()
{
    if (!Keywords::acceptedQuery(Edit1->text())) {
        session()->countError();
        MessageBox::error(WrongKeywords, this);
        MessageBox::error(KeywordReminder, this);
        return;
    }
    if (!m_scopes.france->isChecked()) {
        session()->wrong(NotFrance);
        return;
    }
    session()->handOver(this, new Texercice23v3c(session(), Edit1->text()));
}
