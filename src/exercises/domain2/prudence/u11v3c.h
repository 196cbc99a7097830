#pragma once
#include "shell/exercise/exercisescreen.h"

#include <array>

class HotSpot;
class PictureBox;
class QLabel;
class QPushButton;

// Competence 2.5, third window: the same desktop. The pupil opens the start menu,
// the control panel, then the security centre, and says whether the firewall is on.
class Texercice11v3c : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice11v3c(ExerciseSession *session);

    PictureBox *Image1 = nullptr;
    PictureBox *Image5 = nullptr;   // the notification area
    std::array<HotSpot *, 15> zones{};
    HotSpot *Shape1 = nullptr;      // the start button
    PictureBox *Image2 = nullptr;   // the start menu
    HotSpot *Shape2 = nullptr;      // its control-panel entry
    PictureBox *Image3 = nullptr;   // the control panel
    HotSpot *Shape3 = nullptr;      // its security-centre entry
    PictureBox *Image4 = nullptr;   // the security centre
    QLabel *consigne3 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

private slots:
    void Shape1Click();
    void Shape2Click();
    void Shape3Click();
    void Button1Click();
    void Button2Click();
};
