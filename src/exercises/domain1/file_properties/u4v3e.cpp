#include "exercises/domain1/file_properties/u4v3e.h"

#include "exercises/domain1/file_properties/layout.h"
#include "exercises/domain1/file_properties/u4v3f.h"
#include "pictures/fonts.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace FilePropertiesLayout;

Texercice4v3e::Texercice4v3e(ExerciseSession *session)
    : FilePropertiesScreen(session, QStringLiteral("Texercice4v3e"), QStringLiteral("exercice4v3e"))
{
    Image1 = picture(QStringLiteral("Image1"), ExplorerRect);
    Image2 = picture(QStringLiteral("Image2"), ExplorerRect, false);
    placeInstruction(W5Start);
    zs1 = wrongArea(QStringLiteral("zs1"), W5zs1);
    zs2 = hotSpot(QStringLiteral("zs2"), W5zs2);
    const QFont big = pixelFont(QStringLiteral("Tahoma"), 27);
    Label2 = place(new QLabel(QStringLiteral("Nom"), this), "Label2", W5Label2);
    Label3 = place(new QLabel(QStringLiteral("Taille"), this), "Label3", W5Label3);
    Edit1 = place(new QLineEdit(this), "Edit1", W5Edit1);
    Edit2 = place(new QLineEdit(this), "Edit2", W5Edit2);
    for (QWidget *w : {static_cast<QWidget *>(Label2), static_cast<QWidget *>(Label3)}) {
        w->setFont(big);
        w->setStyleSheet(QStringLiteral("color: white;"));
    }
    Edit1->setFont(pixelFont(QStringLiteral("Tahoma"), 19));
    Edit2->setFont(pixelFont(QStringLiteral("Tahoma"), 19));
    Button1 = place(new QPushButton(QStringLiteral("Valider"), this), "Button1", W5Button1);
    for (QWidget *w : {static_cast<QWidget *>(Label2), static_cast<QWidget *>(Label3), static_cast<QWidget *>(Edit1),
                       static_cast<QWidget *>(Edit2), static_cast<QWidget *>(Button1)})
        w->hide();

    connect(zs2, &HotSpot::clicked, this, &Texercice4v3e::zs2Click);
    connect(Button1, &QPushButton::clicked, this, &Texercice4v3e::Button1Click);
}

void Texercice4v3e::zs2Click()
{
    if (m_sorted)
        return;   // already sorted by size
    m_sorted = true;
    Image2->show();
    Label1->setText(W5Largest);
    for (QWidget *w : {static_cast<QWidget *>(Label2), static_cast<QWidget *>(Label3), static_cast<QWidget *>(Edit1),
                       static_cast<QWidget *>(Edit2), static_cast<QWidget *>(Button1)})
        w->show();
    Edit1->setFocus();
}

void Texercice4v3e::Button1Click()
{
    const bool nameRight = Edit1->text().toLower().contains(W5NameKey);
    const bool sizeRight = Edit2->text().toLower().contains(W5SizeKey);
    if (!nameRight || !sizeRight) {
        wrongAction();
        return;
    }
    Label1->setText(W5Right);
    moveOn<Texercice4v3f>();
}
