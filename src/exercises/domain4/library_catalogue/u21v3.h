#pragma once
#include "shell/exercise/exercisescreen.h"

class HotSpot;
class PictureBox;

// The library catalogue exercise (competence 4.1), first window: the computer's
// desktop, where a double click on the catalogue's icon starts it.
class Texercice21v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice21v3(ExerciseSession *session);

private slots:
    void zs1DblClick();

private:
    PictureBox *Image1;
    HotSpot *zs1;
};
