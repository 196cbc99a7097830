#pragma once
#include "exercises/domain1/file_properties/screen.h"

class HotSpot;
class PictureBox;

// A new folder, by the File menu or by the context menu of the file list.
class Texercice4v3f : public FilePropertiesScreen
{
    Q_OBJECT
public:
    explicit Texercice4v3f(ExerciseSession *session);

    PictureBox *Image1 = nullptr;
    PictureBox *Image2 = nullptr;
    PictureBox *Image4 = nullptr;
    PictureBox *Image3 = nullptr;
    PictureBox *Image5 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    HotSpot *zs3 = nullptr;
    HotSpot *zs3b = nullptr;
    HotSpot *zs4 = nullptr;
    HotSpot *zs5 = nullptr;
    HotSpot *zs6 = nullptr;
    HotSpot *zs7 = nullptr;
    HotSpot *zs8 = nullptr;
    HotSpot *zs9 = nullptr;
    HotSpot *zs11 = nullptr;
    HotSpot *zs10 = nullptr;

private slots:
    void zs2Click();
    void zs3bClick();
    void listRightClick();
    void zs9Click();
    void folderChosen();
};
