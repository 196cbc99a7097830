#pragma once
#include "shell/exercise/exercisescreen.h"

class HotSpot;
class PictureBox;
class QLabel;
class QLineEdit;

// Competence 1.1: the pupil logs in to the school's certificate site with a name and
// a password of his own, then leaves it by its log-out button.
class Texercice1v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice1v3(ExerciseSession *session);

    enum class Screen { LogIn, LoggedIn };
    Screen screen() const { return m_screen; }

    PictureBox *Image1 = nullptr;
    PictureBox *Image2 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    HotSpot *zs = nullptr;
    HotSpot *zs2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;

private slots:
    void zsClick();
    void zs2Click();
    void Image2Click();

private:
    Screen m_screen = Screen::LogIn;
};
