#pragma once
#include "exercises/domain1/storage_organisation/screen.h"

class HotSpot;
class PictureBox;

// The desktop: the image editor started by a double click on its shortcut, then
// its File menu and the list of recent files, where keyboard3v3.jpg is opened.
class Texercice3v3 : public StorageScreen
{
    Q_OBJECT
public:
    explicit Texercice3v3(ExerciseSession *session);

    enum class Step { Desktop, Editor, FileMenu, RecentFiles };
    Step step() const { return m_step; }

    PictureBox *Image1 = nullptr;
    HotSpot *Icone1 = nullptr;
    HotSpot *Image4 = nullptr;
    HotSpot *Image3 = nullptr;
    PictureBox *Image7 = nullptr;
    PictureBox *Image11 = nullptr;
    PictureBox *Image14 = nullptr;
    HotSpot *Image10 = nullptr;
    HotSpot *Image9 = nullptr;
    HotSpot *Image8 = nullptr;
    HotSpot *Image12 = nullptr;
    HotSpot *Image13 = nullptr;
    HotSpot *Image16 = nullptr;
    HotSpot *Image15 = nullptr;

private slots:
    void Image4DblClick();
    void Image10Click();
    void Image13Click();
    void Image15Click();

private:
    Step m_step = Step::Desktop;
};
