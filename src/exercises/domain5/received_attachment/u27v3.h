#pragma once
#include "exercises/domain5/received_attachment/attachmentmenu.h"
#include "shell/exercise/exercisescreen.h"

class FolderTree;
class HotSpot;
class PictureBox;
class QLabel;

// Competence 5.2, first window: the pupil fetches the new mail, reads the two new
// messages in the order they arrived and saves the picture attached to the second
// one into the given folder through the attachment's context menu.
class Texercice27v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice27v3(ExerciseSession *session);

    PictureBox *zs7 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    HotSpot *zs3 = nullptr;
    PictureBox *Image2 = nullptr;
    HotSpot *zs4 = nullptr;
    HotSpot *zs5 = nullptr;
    PictureBox *Image3 = nullptr;
    HotSpot *zs6 = nullptr;
    PictureBox *Image4 = nullptr;
    PictureBox *zs9 = nullptr;
    PictureBox *Image6 = nullptr;
    PictureBox *Image7 = nullptr;
    FolderTree *TreeView1 = nullptr;
    HotSpot *zs8 = nullptr;
    QLabel *consigne3 = nullptr;
    QLabel *consigne4 = nullptr;

private slots:
    void zs1Click();
    void zs2Click();
    void zs3Click();
    void zs4Click();
    void zs5Click();
    void zs6Click();
    void zs8Click();

private:
    void wrongRoute();
    void attachmentChosen(AttachmentMenu::Choice choice);
};
