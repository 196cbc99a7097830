#pragma once
#include "pictures/pictures.h"
#include "support/imagechecks.h"
#include "widgets/picturebox.h"

#include <QWidget>
#include <gtest/gtest.h>

// Checks every picture a window shows: registered under "<window>/<control>", drawn
// at the size the window gives it and not blank, and each hot spot it outlines for
// the picture tool is the window's control of that name, at the same place. Returns
// how many pictures were checked (the shared mascot and glyphs excluded).
inline int checkWindowPictures(QWidget *window)
{
    int checked = 0;
    for (PictureBox *box : window->findChildren<PictureBox *>()) {
        const QString name = box->pictureName();
        if (name.startsWith(QLatin1String("Commun/")))
            continue;
        SCOPED_TRACE(name.toStdString());
        ++checked;
        EXPECT_TRUE(name.startsWith(window->objectName() + QLatin1Char('/')));
        if (!Pictures::has(name)) {
            ADD_FAILURE() << "no picture registered";
            continue;
        }
        const Pictures::Entry entry = Pictures::entry(name);
        EXPECT_EQ(entry.size, box->size()) << "drawn at another size than the window shows it";
        EXPECT_TRUE(drawsSomething(Pictures::render(name)));
        for (const Pictures::HotSpotOutline &spot : entry.hotSpots) {
            QWidget *control = box->parentWidget()->findChild<QWidget *>(spot.name);
            EXPECT_TRUE(control) << "no control " << spot.name.toStdString();
            if (!control)
                continue;
            const QRect inParent(control->mapTo(box->parentWidget(), QPoint(0, 0)), control->size());
            EXPECT_EQ(spot.rect.translated(box->pos()), inParent) << spot.name.toStdString();
        }
    }
    return checked;
}
