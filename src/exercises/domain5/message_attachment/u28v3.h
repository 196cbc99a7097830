#pragma once
#include "shell/exercise/exercisescreen.h"

class HotSpot;
class LimitedMemo;
class PictureBox;
class QLabel;
class QLineEdit;
class QListWidget;

// Competence 5.3, first window: the pupil writes a new message, picks the address
// type, types the recipient, the subject and the text as dictated.
class Texercice28v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice28v3(ExerciseSession *session);

    PictureBox *image1 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    HotSpot *zs3 = nullptr;
    PictureBox *Image2 = nullptr;
    HotSpot *zs7 = nullptr;
    HotSpot *zs5 = nullptr;
    HotSpot *zs6 = nullptr;
    HotSpot *zs4 = nullptr;
    PictureBox *Image3 = nullptr;
    HotSpot *zs8 = nullptr;
    HotSpot *zs9 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit2 = nullptr;
    LimitedMemo *Memo1 = nullptr;
    QListWidget *ListBox1 = nullptr;
    QLabel *consigne3 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void wrongRoute();
    void zs3Click();
    void zs4Click();
    void zs5Click();
    void zs6Click();
    void ListBox1Click();
    void Edit1KeyPress();
    void Edit3KeyUp();
    void Edit2KeyPress();
    void Memo1Change();
};
