#pragma once
#include "shell/exercise/exercisescreen.h"

class AnswerList;
class HotSpot;
class PictureBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// Competence 2.4, second window: a line chart whose legend contradicts the study in
// the yellow frame. The pupil says they disagree, names the error and its source,
// then clicks the table's labels while the corrected ones blink into view.
class Texercice10v3b : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice10v3b(ExerciseSession *session);

    enum class Step { Reading, Agreement, Nature, Source, Blinking, Over };
    Step step() const { return m_step; }

    PictureBox *Image1 = nullptr;
    PictureBox *Image2 = nullptr;
    PictureBox *Image3 = nullptr;
    PictureBox *Image4 = nullptr;
    HotSpot *zs2 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *Button1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    AnswerList *ListBox1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    AnswerList *ListBox2 = nullptr;
    QLabel *consigne3 = nullptr;
    QLabel *consigne4 = nullptr;
    QLabel *consigne5 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QTimer *Timer1 = nullptr;

private slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void ListBox1DblClick(int row);
    void ListBox2DblClick(int row);
    void Timer1Timer();
    void zs2Click();

private:
    Step m_step = Step::Reading;
};
