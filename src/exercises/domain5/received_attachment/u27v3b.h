#pragma once
#include "exercises/domain5/received_attachment/attachmentmenu.h"
#include "shell/exercise/exercisescreen.h"

class HotSpot;
class PictureBox;
class QLabel;

// Competence 5.2, second window: the attachment saved, the pupil opens it from its
// context menu; the verdict comes when the picture shows.
class Texercice27v3b : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice27v3b(ExerciseSession *session);

    PictureBox *zs7 = nullptr;
    PictureBox *Image4 = nullptr;
    PictureBox *zs9 = nullptr;
    HotSpot *zs10 = nullptr;
    PictureBox *Image5 = nullptr;
    QLabel *consigne3 = nullptr;
    QLabel *consigne4 = nullptr;

private slots:
    void zs7Click();

private:
    void attachmentChosen(AttachmentMenu::Choice choice);
};
