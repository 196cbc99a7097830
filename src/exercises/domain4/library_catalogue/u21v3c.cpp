#include "exercises/domain4/library_catalogue/u21v3c.h"

#include "exercises/domain4/library_catalogue/layout.h"
#include "exercises/domain4/library_catalogue/u21v3a.h"
#include "exercises/domain4/library_catalogue/u21v3b.h"

using namespace LibraryCatalogueLayout;

Texercice21v3c::Texercice21v3c(ExerciseSession *session)
    : CatalogueTab(session, QStringLiteral("Texercice21v3c"), Question1)
{
    zs8 = spot("zs8", ThesaurusToThematic, [this] { openTab<Texercice21v3a>(); });
    zs9 = spot("zs9", ThesaurusToCriteria, [this] { openTab<Texercice21v3b>(); });
    Image4 = spot("Image4", ThesaurusSubTabs, [this] { wrongRoute(); });
    Image3 = spot("Image3", ThesaurusBroaden, [this] { wrongRoute(); });
    Image2 = spot("Image2", ThesaurusListChoice, [this] { wrongRoute(); });
    zs11 = spot("zs11", ThesaurusVisit, [this] { wrongMethod(); });
    Edit1 = field("Edit1", ThesaurusTerm);
}
