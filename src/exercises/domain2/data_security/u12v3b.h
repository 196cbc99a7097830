#pragma once
#include "shell/exercise/chainscreen.h"

class HotSpot;
class PictureBox;
class QLabel;

// The desktop: the picture opened from its icon, saved on the server drive through
// the editor's save-as dialog, the editor closed, then the session closed from the
// start menu rather than the computer shut down; the log-off gives the verdict.
class Texercice12v3b : public ChainScreen
{
    Q_OBJECT
public:
    explicit Texercice12v3b(ExerciseSession *session);

    PictureBox *Image1 = nullptr;
    HotSpot *zs1 = nullptr;
    PictureBox *Image2 = nullptr;
    HotSpot *zs2 = nullptr;
    PictureBox *Image3 = nullptr;
    HotSpot *zs3 = nullptr;
    PictureBox *Image4 = nullptr;
    HotSpot *zs5 = nullptr;
    PictureBox *Image5 = nullptr;
    HotSpot *zs6 = nullptr;
    HotSpot *zs7 = nullptr;
    HotSpot *zs8 = nullptr;
    PictureBox *Image6 = nullptr;
    HotSpot *zs9 = nullptr;
    HotSpot *zs10 = nullptr;
    QLabel *consigne3 = nullptr;
    QLabel *consigne4 = nullptr;

private slots:
    void zs1DblClick();
    void zs2Click();
    void zs3Click();
    void zs5Click();
    void zs6Click();
    void zs7Click();
    void zs8Click();
    void zs9Click();

private:
    void setLines(const QString &first, const QString &second = QString());
};
