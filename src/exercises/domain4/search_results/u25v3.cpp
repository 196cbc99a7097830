#include "exercises/domain4/search_results/u25v3.h"

#include "exercises/domain4/search_results/layout.h"
#include "exercises/domain4/search_results/u25v3b.h"
#include "pictures/fonts.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QLineEdit>

using namespace SearchResultsLayout;

Texercice25v3::Texercice25v3(ExerciseSession *session)
    : ResultScreen(session, QStringLiteral("Texercice25v3"), SearchSize)
{
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
    zs1 = spot("zs1", SearchServices);
    zs3 = spot("zs3", SearchLinks);
    zs4 = spot("zs4", SearchScopes);
    zs2 = spot("zs2", SearchButton);
    for (HotSpot *s : {zs1, zs3, zs4})
        connect(s, &HotSpot::clicked, this, &Texercice25v3::wrongRoute);
    connect(zs2, &HotSpot::clicked, this, &Texercice25v3::zs2Click);
    Edit1 = place(new QLineEdit(this), "Edit1", SearchField);
    Edit1->setFont(pixelFont(QStringLiteral("Arial"), 13));
    Edit1->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid rgb(127,157,185); background: white; }"));
    connect(Edit1, &QLineEdit::returnPressed, this, &Texercice25v3::zs2Click);
    finishPage(SearchMascot, SearchBubble, SearchLabel, SearchInstruction, SearchAbandon);
}

void Texercice25v3::FormShow() { Edit1->setFocus(); }

void Texercice25v3::zs2Click()
{
    if (Edit1->text().toLower() != Keyword) {
        // A wrong keyword is only pointed out: it is not a wrong route.
        session()->wrong(WrongKeyword, MessageBox::Kind::Error, false);
        return;
    }
    session()->handOver(this, new Texercice25v3b(session()));
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice25v3>(Competence));
