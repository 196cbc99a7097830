#include "exercises/domain1/storage_organisation/u3v3b.h"

#include "exercises/domain1/storage_organisation/layout.h"
#include "exercises/domain1/storage_organisation/u3v3c.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QLabel>

using namespace StorageLayout;

Texercice3v3b::Texercice3v3b(ExerciseSession *session)
    : StorageScreen(session, QStringLiteral("Texercice3v3b"), QStringLiteral("exercice3v3b"), WindowSize)
{
    image1 = picture(QStringLiteral("image1"), DesktopRectB);
    Image2 = picture(QStringLiteral("Image2"), W2Image2);
    Image3 = picture(QStringLiteral("Image3"), W2Image3, false);
    placeInstruction(W2Start, BitBtn20);
    zs1 = wrongArea(QStringLiteral("zs1"), W2zs1);
    zs2 = hotSpot(QStringLiteral("zs2"), W2zs2);
    zs = wrongArea(QStringLiteral("zs"), W2zs, false);
    zs3 = hotSpot(QStringLiteral("zs3"), W2zs3, false);
    // The dialog lies over the menu; its second state covers its first hot spots.
    Image4 = picture(QStringLiteral("Image4"), W2Image4, false);
    zs5 = wrongArea(QStringLiteral("zs5"), W2zs5, false);
    zs4 = hotSpot(QStringLiteral("zs4"), W2zs4, false);
    zs6 = wrongArea(QStringLiteral("zs6"), W2zs6, false);
    zs9 = wrongArea(QStringLiteral("zs9"), W2zs9, false);
    zs8 = wrongArea(QStringLiteral("zs8"), W2zs8, false);
    zs7 = wrongArea(QStringLiteral("zs7"), W2zs7, false);
    zs10 = wrongArea(QStringLiteral("zs10"), W2zs10, false);
    Image6 = picture(QStringLiteral("Image6"), W2Image6, false);
    zs11 = hotSpot(QStringLiteral("zs11"), W2zs11, false);
    zs12 = hotSpot(QStringLiteral("zs12"), W2zs12, false);

    connect(zs2, &HotSpot::clicked, this, &Texercice3v3b::zs2Click);
    connect(zs3, &HotSpot::clicked, this, &Texercice3v3b::zs3Click);
    connect(zs4, &HotSpot::clicked, this, &Texercice3v3b::zs4Click);
    connect(zs11, &HotSpot::clicked, this, &Texercice3v3b::zs11Click);
    connect(zs12, &HotSpot::clicked, this, &Texercice3v3b::zs12Click);
}

QList<QWidget *> Texercice3v3b::dialogSpots() const
{
    return {zs4, zs5, zs6, zs7, zs8, zs9, zs10};
}

void Texercice3v3b::zs2Click()
{
    Image3->show();
    zs->show();
    zs3->show();
    m_step = Step::FileMenu;
}

void Texercice3v3b::zs3Click()
{
    Image4->show();
    for (QWidget *w : dialogSpots())
        w->show();
    m_step = Step::Dialog;
}

void Texercice3v3b::zs4Click()
{
    Image6->show();
    zs11->show();
    m_step = Step::DesktopChosen;
}

void Texercice3v3b::zs11Click()
{
    // Saved: the dialog and the menus go; only the close box reacts now.
    for (QWidget *w : dialogSpots())
        w->hide();
    for (QWidget *w : {static_cast<QWidget *>(Image6), static_cast<QWidget *>(zs11), static_cast<QWidget *>(Image4),
                       static_cast<QWidget *>(zs), static_cast<QWidget *>(zs1), static_cast<QWidget *>(zs2),
                       static_cast<QWidget *>(zs3), static_cast<QWidget *>(Image3)})
        w->hide();
    Label1->setText(W2Close);
    zs12->show();
    m_step = Step::Saved;
}

void Texercice3v3b::zs12Click()
{
    moveOn<Texercice3v3c>();
}
