#pragma once
#include "exercises/domain1/storage_organisation/screen.h"

class HotSpot;
class PictureBox;

// The desktop with the saved copy: a double click on its icon opens it in the
// editor, whose close box leads on.
class Texercice3v3c : public StorageScreen
{
    Q_OBJECT
public:
    explicit Texercice3v3c(ExerciseSession *session);

    PictureBox *Image1 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    HotSpot *zs = nullptr;
    PictureBox *Image4 = nullptr;
    HotSpot *zs3 = nullptr;

private slots:
    void zsDblClick();
    void zs3Click();
};
