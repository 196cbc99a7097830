#include "exercises/domain4/library_catalogue/u21v3b.h"

#include "exercises/domain4/library_catalogue/layout.h"
#include "exercises/domain4/library_catalogue/u21v3a.h"
#include "exercises/domain4/library_catalogue/u21v3c.h"
#include "exercises/domain4/library_catalogue/u21v3e.h"

#include <QLineEdit>

using namespace LibraryCatalogueLayout;

Texercice21v3b::Texercice21v3b(ExerciseSession *session)
    : CatalogueTab(session, QStringLiteral("Texercice21v3b"), Question1)
{
    zs1 = spot("zs1", CriteriaToThematic, [this] { openTab<Texercice21v3a>(); });
    zs8 = spot("zs8", CriteriaToThesaurus, [this] { openTab<Texercice21v3c>(); });
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "zs" + QByteArray::number(i + 2);
        m_fields[i] = spot(name.constData(), QRect(QPoint(CriteriaFieldLeft, CriteriaFieldTops[i]), CriteriaFieldSize),
                           [this] { wrongRoute(); });
    }
    zs6 = spot("zs6", CriteriaWords, [this] { wrongRoute(); });
    Image2 = spot("Image2", CriteriaSearch, [this] { Image2Click(); });
    zs9 = spot("zs9", CriteriaClear, [this] { zs9Click(); });
    // Over the whole form once the question needs another method.
    zs10 = spot("zs10", CriteriaForm, [this] { wrongMethod(); });
    zs10->hide();
    Edit1 = field("Edit1", TitleField);
}

void Texercice21v3b::enterSecondQuestion()
{
    Edit1->hide();
    zs10->show();
}

void Texercice21v3b::Image2Click()
{
    if (Edit1->text().toLower() != NovelTitle) {
        session()->wrong(WrongSearch);
        return;
    }
    auto *record = session()->window<Texercice21v3e>();
    record->show();
    record->activateWindow();
}

void Texercice21v3b::zs9Click() { Edit1->clear(); }
