#pragma once
#include "shell/exercise/exercisescreen.h"

#include <array>

class HotSpot;
class PictureBox;
class QLabel;

// The workspace exercise (competence 1.2): on a desktop the pupil starts the
// spreadsheet through the start menu and closes it (free of penalties), then answers
// seven questions by double-clicking the desktop icon that fits each one. Only seven
// right answers out of seven pass.
class Texercice2v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    // Where the pupil is: the menus open one inside the other, then the spreadsheet,
    // then the questions.
    enum class Phase { Closed, StartMenu, Programs, Submenu, Spreadsheet, Questions };

    explicit Texercice2v3(ExerciseSession *session);

    Phase phase() const { return m_phase; }
    int questionNumber() const { return m_questionNumber; }
    int rightAnswers() const { return m_rightAnswers; }
    bool desktopLocked() const { return m_desktopLocked; }

private slots:
    void OnMouseDownShape1();
    void OnMouseShape2();
    void OnMouseMoveShape3();
    void OnMouseDownShape6();
    void OnMouseDownShape7();
    void OnMouseDownShape8();
    void OnMouseMoveShape9();
    void OnMouseDownImage1();
    void iconDblClick(int icon);

protected:
    void FormShow() override;

private:
    void setPhase(Phase phase);
    void showQuestion();
    void finish();

    PictureBox *Image1;
    PictureBox *Image2;
    PictureBox *Image3;
    PictureBox *Image4;
    PictureBox *Image6;
    HotSpot *Shape1;
    HotSpot *Shape2;
    HotSpot *Shape3;
    HotSpot *Shape4;
    HotSpot *Shape9;
    HotSpot *Shape6;
    HotSpot *Shape7;
    HotSpot *Shape8;
    std::array<HotSpot *, 21> m_icons{};    // Icone1, icone2 .. icone21
    std::array<QWidget *, 7> m_circles{};   // c1 .. c7
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;

    Phase m_phase = Phase::Closed;
    bool m_desktopLocked = false;
    int m_questionNumber = 0;
    int m_rightAnswers = 0;
};
