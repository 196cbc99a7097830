#pragma once
#include "exercises/domain4/web_browser/browserscreen.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// Window 2 of the browser exercise: yesterday's history, the town's site, back to
// the library's tab, then the full-screen key (steps 4 to 6).
class Texercice22v3b : public BrowserScreen
{
    Q_OBJECT
public:
    explicit Texercice22v3b(ExerciseSession *session);

private slots:
    void zs1Click();
    void zs2Click();
    void zs3Click();
    void Button1Click();

private:
    void menuStep(BrowserMenu::Item) override {}

    PictureBox *Image1;
    PictureBox *Image2;
    PictureBox *Image3;
    PictureBox *Image4;
    HotSpot *zs1;
    HotSpot *zs2;
    HotSpot *zs3;
    QFrame *Shape1;
    QLabel *Label1;
    QLineEdit *Edit1;
    QPushButton *Button1;
};
