#include "exercises/domain4/library_catalogue/u21v3a.h"

#include "exercises/domain4/library_catalogue/layout.h"
#include "exercises/domain4/library_catalogue/u21v3b.h"
#include "exercises/domain4/library_catalogue/u21v3c.h"
#include "exercises/domain4/library_catalogue/u21v3d.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace LibraryCatalogueLayout;

Texercice21v3a::Texercice21v3a(ExerciseSession *session)
    : CatalogueTab(session, QStringLiteral("Texercice21v3a"), Question1)
{
    zs1 = spot("zs1", ThematicToCriteria, [this] { openTab<Texercice21v3b>(); });
    zs3 = spot("zs3", ThematicToThesaurus, [this] { openTab<Texercice21v3c>(); });
    zs2 = spot("zs2", ThematicForm, [this] { wrongRoute(); });
    Image4 = spot("Image4", ThematicSubTabs, [this] { wrongRoute(); });
    Image3 = spot("Image3", ThematicMatching, [this] { wrongRoute(); });
    zs11 = spot("zs11", ThematicDictionary, [this] { wrongRoute(); });
    zs10 = spot("zs10", RestrictionsButton, [this] { zs10Click(); });
    zs10->hide();
    zs4 = spot("zs4", ThematicSearch, [this] { zs4Click(); });
    zs9 = spot("zs9", ThematicClear, [this] { zs9Click(); });
    Image2 = new PictureBox(QStringLiteral("Texercice21v3a/Image2"), QStringLiteral("Image2"), RestrictionsPanel, this);
    Image2->hide();
    // Fields and boxes lie above every hot spot.
    Edit1 = field("Edit1", ThematicWords);
    for (const Restriction &r : Restrictions) {
        auto *box = place(new QCheckBox(this), QStringLiteral("CheckBox%1").arg(r.number), QRect(r.box, RestrictionBox));
        box->setFocusPolicy(Qt::NoFocus);
        box->hide();
        m_boxes[r.number - 1] = box;
    }
}

void Texercice21v3a::showRestrictions(bool shown)
{
    Image2->setVisible(shown);
    for (QCheckBox *box : m_boxes)
        box->setVisible(shown);
}

void Texercice21v3a::leaving() { showRestrictions(false); }

void Texercice21v3a::enterSecondQuestion()
{
    zs2->hide();
    zs10->show();
}

void Texercice21v3a::zs10Click() { showRestrictions(true); }

void Texercice21v3a::zs9Click() { Edit1->clear(); }

bool Texercice21v3a::searchAccepted() const
{
    for (int n = 1; n <= RestrictionCount; ++n)
        if (m_boxes[n - 1]->isChecked() != (n == DocumentaryBox || n == BookBox))
            return false;
    const QString subject = Edit1->text().toLower();
    return subject == SubjectPlural || subject == SubjectSingular;
}

void Texercice21v3a::zs4Click()
{
    if (!secondQuestion() || !searchAccepted()) {
        session()->wrong(WrongSearch);
        return;
    }
    auto *list = session()->window<Texercice21v3d>();
    list->show();
    list->activateWindow();
}
