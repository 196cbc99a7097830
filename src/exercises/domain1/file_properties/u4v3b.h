#pragma once
#include "exercises/domain1/file_properties/screen.h"

class HotSpot;
class PictureBox;

// The computer in the explorer: the folders button shows the folder tree, then drive
// C: opens from the right pane (click) or from the tree (double click).
class Texercice4v3b : public FilePropertiesScreen
{
    Q_OBJECT
public:
    explicit Texercice4v3b(ExerciseSession *session);

    bool treeShown() const;

    PictureBox *image1 = nullptr;
    PictureBox *Image2 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    HotSpot *zs5 = nullptr;
    HotSpot *zs4 = nullptr;
    HotSpot *zs3 = nullptr;

private slots:
    void zs2Click();
    void openDrive();
};
