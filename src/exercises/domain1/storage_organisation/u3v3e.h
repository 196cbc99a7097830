#pragma once
#include "exercises/domain1/storage_organisation/screen.h"

#include <QPoint>

class HotSpot;
class PictureBox;

// The desktop's context menu, its arrangement submenu and "Type": the icons are
// arranged by type and the chain's error count gives the verdict.
class Texercice3v3e : public StorageScreen
{
    Q_OBJECT
public:
    explicit Texercice3v3e(ExerciseSession *session);

    PictureBox *Image1 = nullptr;
    HotSpot *zs = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    PictureBox *Image4 = nullptr;
    PictureBox *Image2 = nullptr;
    HotSpot *zs5 = nullptr;
    HotSpot *zs3 = nullptr;
    PictureBox *Image3 = nullptr;
    HotSpot *zs6 = nullptr;
    HotSpot *zs4 = nullptr;

private slots:
    void Image1ContextPopup();
    void zs3Click();
    void zs4Click();

private:
    QPoint m_pressedAt;   // where the desktop was last pressed, in its own pixels
};
