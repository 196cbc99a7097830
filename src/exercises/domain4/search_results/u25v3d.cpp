#include "exercises/domain4/search_results/u25v3d.h"

#include "exercises/domain4/search_results/layout.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

using namespace SearchResultsLayout;

Texercice25v3d::Texercice25v3d(ExerciseSession *session)
    : ResultScreen(session, QStringLiteral("Texercice25v3d"), DownloadSize)
{
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(spot("zs1", LighterDownload), &HotSpot::clicked, this, &Texercice25v3d::zs1Click);
    connect(spot("Image2", HeavierDownload), &HotSpot::clicked, this, &Texercice25v3d::Image2Click);
    finishPage(DownloadMascot, DownloadBubble, DownloadLabel, DownloadInstruction, DownloadAbandon);
}

void Texercice25v3d::Image2Click() { session()->wrong(CompareSizes); }

void Texercice25v3d::zs1Click() { session()->verdict(0, CommonTexts::SuccessBox, instruction()); }
