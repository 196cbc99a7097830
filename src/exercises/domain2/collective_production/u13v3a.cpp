#include "exercises/domain2/collective_production/u13v3a.h"

#include "exercises/domain2/collective_production/layout.h"
#include "exercises/domain2/collective_production/u13v3c.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace CollectiveLayout;

Texercice13v3a::Texercice13v3a(ExerciseSession *session)
    : SiteScreen(session, QStringLiteral("Texercice13v3a"), WindowSize, HomeInstruction, HomeSecondLine)
{
    Image1 = screenshot(QStringLiteral("Image1"), Screenshot);
    Image2 = screenshot(QStringLiteral("Image2"), Screenshot);
    Edit1 = field(QStringLiteral("Edit1"), LoginField);
    Edit2 = field(QStringLiteral("Edit2"), PasswordField);   // shown in clear
    CheckBox1 = new QCheckBox(this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->move(StayLoggedIn);
    CheckBox1->resize(18, 18);
    Image4 = hotSpot(QStringLiteral("Image4"), LoginButton);
    Image3 = hotSpot(QStringLiteral("Image3"), PrivateLink);
    for (QWidget *w : {static_cast<QWidget *>(Image2), static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Edit2),
                       static_cast<QWidget *>(CheckBox1), static_cast<QWidget *>(Image4)})
        w->hide();
    connect(Image3, &HotSpot::clicked, this, &Texercice13v3a::Image3Click);
    connect(Image4, &HotSpot::clicked, this, &Texercice13v3a::Image4Click);
}

void Texercice13v3a::Image3Click()
{
    Image1->hide();
    Image3->hide();
    for (QWidget *w : {static_cast<QWidget *>(Image2), static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Edit2),
                       static_cast<QWidget *>(CheckBox1), static_cast<QWidget *>(Image4)})
        w->show();
    setLines(LoginInstruction, LoginSecondLine);
    Edit1->setFocus();
}

void Texercice13v3a::Image4Click()
{
    // Exactly the account given: case counts, blanks count.
    if (Edit1->text() != Account || Edit2->text() != Password) {
        session()->wrong(CommonTexts::WrongWay);
        return;
    }
    goTo<Texercice13v3c>();
}
