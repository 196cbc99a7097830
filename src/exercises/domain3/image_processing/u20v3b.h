#pragma once
#include "shell/exercise/exercisescreen.h"

class HotSpot;
class PictureBox;

// Competence 3.7, second window: the empty image editor, in which the pupil opens
// the recent file through the File menu.
class Texercice20v3b : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice20v3b(ExerciseSession *session);

    PictureBox *Image1 = nullptr;   // the editor without an image
    HotSpot *zs1 = nullptr;         // menu bar and tool bars
    HotSpot *zs3 = nullptr;         // "Fichier"
    HotSpot *zs2 = nullptr;         // the tool palette
    PictureBox *Image2 = nullptr;   // the File menu
    HotSpot *zs4 = nullptr;         // its body
    HotSpot *zs5 = nullptr;         // "Fichiers récents"
    PictureBox *Image3 = nullptr;   // the recent files
    HotSpot *zs6 = nullptr;         // their body
    HotSpot *zs7 = nullptr;         // "Coucher de soleil.jpg"

private slots:
    void zs3Click();
    void zs5Click();
    void zs7Click();
    void wrongWay();
};
