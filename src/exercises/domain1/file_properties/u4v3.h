#pragma once
#include "exercises/domain1/file_properties/screen.h"

class HotSpot;
class PictureBox;

// The desktop: the computer opened by a double click, the drive's context menu and
// its properties, whose pie chart is the diagram the pupil looks for.
class Texercice4v3 : public FilePropertiesScreen
{
    Q_OBJECT
public:
    explicit Texercice4v3(ExerciseSession *session);

    enum class Step { Desktop, Computer, DriveMenu, Properties };
    Step step() const { return m_step; }

    PictureBox *Image1 = nullptr;
    PictureBox *Image4 = nullptr;
    PictureBox *image2 = nullptr;
    PictureBox *Image6 = nullptr;
    PictureBox *Image3 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    HotSpot *zs5 = nullptr;
    HotSpot *zs3 = nullptr;
    HotSpot *zs6 = nullptr;
    HotSpot *zs4 = nullptr;
    HotSpot *zs7 = nullptr;

private slots:
    void zs2DblClick();
    void zs3RightClick();
    void zs4Click();
    void zs7Click();

private:
    Step m_step = Step::Desktop;
};
