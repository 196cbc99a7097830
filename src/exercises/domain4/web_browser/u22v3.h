#pragma once
#include "exercises/domain4/web_browser/browserscreen.h"

#include <array>

class QFrame;
class QLineEdit;

// Window 1 of the browser exercise: type the library's address, bookmark the page,
// open a new tab, then open the history (steps 1 to 4).
class Texercice22v3 : public BrowserScreen
{
    Q_OBJECT
public:
    explicit Texercice22v3(ExerciseSession *session);

private slots:
    void Edit1KeyPress();
    void SearchBoxChange();

private:
    void menuStep(BrowserMenu::Item item) override;
    void markDone(int step);

    PictureBox *Image1;
    PictureBox *Image2;
    PictureBox *Image3;
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QLineEdit *Edit3;
    std::array<QFrame *, 13> m_markers{};   // Shape2 .. Shape14
};
