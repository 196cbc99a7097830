#pragma once
#include "shell/exercise/exercisescreen.h"

class AnswerList;
class HotSpot;
class PictureBox;
class QGroupBox;
class QLabel;
class QLineEdit;

// Competence 2.4, first window: a spreadsheet whose average leaves out one mark.
// The pupil spots the cell, names the kind and the likely source of the error and
// corrects the formula; without a single wrong action the chart window follows.
class Texercice10v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice10v3(ExerciseSession *session);

    enum class Step { FindCell, Nature, Source, Correct, Over };
    Step step() const { return m_step; }

    PictureBox *Image1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    HotSpot *zs3 = nullptr;
    PictureBox *Image2 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    AnswerList *ListBox1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    AnswerList *ListBox2 = nullptr;
    QLabel *consigne3 = nullptr;
    QLabel *consigne4 = nullptr;
    QLabel *consigne5 = nullptr;

private slots:
    void zs1Click();
    void zs2Click();
    void zs3Click();
    void ListBox1DblClick(int row);
    void ListBox2DblClick(int row);
    void Edit1Change(const QString &text);

private:
    Step m_step = Step::FindCell;
};
