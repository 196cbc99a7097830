#include "exercises/domain4/search_results/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace SearchResultsLayout;

namespace {
const QString SearchPage = QStringLiteral("Texercice25v3");
const QString SortPage = QStringLiteral("Texercice25v3b");
const QString GalleryPage = QStringLiteral("Texercice25v3c");
const QString DownloadPage = QStringLiteral("Texercice25v3d");

// The picture standing for a site's subject.
QRect pictureOf(Subject subject)
{
    for (const auto &target : Targets)
        if (target.subject == subject)
            return target.rect;
    return {};
}

// The perfect run: a search on the word, each result dragged onto its subject's
// picture, the photo with the most pixels, then the lighter download.
Steps steps()
{
    Steps run{
        type(QStringLiteral("Tape le mot ") + Keyword, on(SearchPage, QStringLiteral("Edit1")), Keyword),
        click(QStringLiteral("Lance la recherche"), at(SearchPage, SearchButton)),
    };
    for (const Snippet &site : Snippets)
        run << drag(QStringLiteral("Déplace ce site sur l'image de son sujet"), at(SortPage, site.rect),
                    at(SortPage, pictureOf(site.subject)));
    const Photo &best = Photos[RightPhoto];
    run << click(QStringLiteral("Clique sur l'image ayant la plus grande définition"),
                 at(GalleryPage, QRect(QPoint(best.left, best.top), PhotoSpot)))
        << click(QStringLiteral("Clique sur la version la plus lourde"), at(DownloadPage, HeavierDownload)).asMistake()
        << click(QStringLiteral("Télécharge la version la moins lourde"), at(DownloadPage, LighterDownload));
    return run;
}
}

static const Walkthrough::Registrar walkthrough(Competence, steps);
