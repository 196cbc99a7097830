#pragma once
#include "shell/exercise/exercisescreen.h"

class FolderTree;
class HotSpot;
class PictureBox;
class QLabel;

// Competence 5.3, second window: the pupil attaches the picture picked in the folder
// tree and sends the message; the verdict comes with the send button.
class Texercice28v3b : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice28v3b(ExerciseSession *session);

    PictureBox *image1 = nullptr;
    PictureBox *Image2 = nullptr;
    HotSpot *zs3 = nullptr;
    HotSpot *zs1 = nullptr;
    PictureBox *Image4 = nullptr;
    FolderTree *TreeView1 = nullptr;
    HotSpot *zs2 = nullptr;
    QLabel *FileName = nullptr;   // the dialog's file-name box: the picture selected
    QLabel *consigne3 = nullptr;

private slots:
    void zs1Click();
    void zs2Click();
    void zs3Click();
    void TreeView1Change();
};
