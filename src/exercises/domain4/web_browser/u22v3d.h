#pragma once
#include "exercises/domain4/web_browser/browserscreen.h"

class SpinEdit;

// Window 4 of the browser exercise: text size, the toolbar buttons, the page source
// and printing two copies, then the verdict (steps 10 to 17).
class Texercice22v3d : public BrowserScreen
{
    Q_OBJECT
public:
    explicit Texercice22v3d(ExerciseSession *session);

private slots:
    void zs1Click();
    void zs2Click();
    void zs3Click();
    void zs4Click();
    void zs5Click();
    void zs6Click();

private:
    void menuStep(BrowserMenu::Item item) override;
    // Hides the toolbar hot spot just used and shows the next one (steps 11 to 14).
    void toolbarStep(HotSpot *used, HotSpot *nextSpot);

    PictureBox *Image1;
    PictureBox *Image2;
    HotSpot *zs1;
    HotSpot *zs2;
    HotSpot *zs3;
    HotSpot *zs4;
    PictureBox *Image3;
    HotSpot *zs5;
    PictureBox *Image4;
    SpinEdit *Edit1;   // with its arrows UpDown1
    HotSpot *zs6;
};
