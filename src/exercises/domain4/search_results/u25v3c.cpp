#include "exercises/domain4/search_results/u25v3c.h"

#include "exercises/domain4/search_results/layout.h"
#include "exercises/domain4/search_results/u25v3d.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

using namespace SearchResultsLayout;

Texercice25v3c::Texercice25v3c(ExerciseSession *session)
    : ResultScreen(session, QStringLiteral("Texercice25v3c"), GallerySize)
{
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int i = 0; i < int(Photos.size()); ++i) {
        HotSpot *s = spot(Photos[i].name, QRect(QPoint(Photos[i].left, Photos[i].top), PhotoSpot));
        s->setHint(QString::fromUtf8(Photos[i].hint));
        if (i == RightPhoto)
            connect(s, &HotSpot::clicked, this, &Texercice25v3c::zs5Click);
        else
            connect(s, &HotSpot::clicked, this, &Texercice25v3c::wrongRoute);
    }
    finishPage(GalleryMascot, GalleryBubble, GalleryLabel, GalleryInstruction, GalleryAbandon);
}

void Texercice25v3c::zs5Click() { session()->handOver(this, new Texercice25v3d(session())); }
