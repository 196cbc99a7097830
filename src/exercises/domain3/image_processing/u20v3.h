#pragma once
#include "shell/exercise/exercisescreen.h"

class HotSpot;
class PictureBox;

// Competence 3.7, first window: the desktop, from which the pupil starts the
// image editor with a double click on its shortcut.
class Texercice20v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice20v3(ExerciseSession *session);

    PictureBox *Image1 = nullptr;   // the desktop
    HotSpot *zs1 = nullptr;         // the other shortcuts
    HotSpot *zs = nullptr;          // the image editor's shortcut

private slots:
    void zsDblClick();
    void zs1Click();
};
