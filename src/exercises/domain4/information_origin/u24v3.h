#pragma once
#include "shell/exercise/exercisescreen.h"

#include <array>

class HotSpot;
class PictureBox;
class QFrame;
class QGroupBox;
class QPushButton;
class QTextEdit;
class SpinEdit;

// The origin-of-information exercise (competence 4.4): four clues that the ministry's
// site is official, the date of its latest article, then the webmaster's address
// selected with the mouse on the legal-information page.
class Texercice24v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice24v3(ExerciseSession *session);

    int clueCounter() const { return m_clues; }

private slots:
    void clueClick(int clue);
    void zs5Click();
    void wrongRouteClick();
    void Button1Click();
    void RichEdit1SelectionChange();

private:
    void showDateBox();
    bool selectionIsWebmasterAddress() const;

    PictureBox *Image1;
    std::array<HotSpot *, 4> m_clueSpots{};   // zs1 .. zs4
    HotSpot *zs6;
    HotSpot *zs7;
    HotSpot *zs5;
    QGroupBox *GroupBox1;
    SpinEdit *Edit1;
    SpinEdit *Edit2;
    SpinEdit *Edit3;
    QPushButton *Button1;
    QFrame *Shape2;
    PictureBox *Image2;
    QTextEdit *RichEdit1;
    QFrame *Shape1;
    int m_clues = 1;
    bool m_judged = false;
};
