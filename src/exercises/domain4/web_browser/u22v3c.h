#pragma once
#include "exercises/domain4/web_browser/browserscreen.h"

#include <array>

class QCheckBox;
class QLineEdit;

// Window 3 of the browser exercise: the Options dialog (home page, pop-up windows),
// then closing the history side panel (steps 7 to 9).
class Texercice22v3c : public BrowserScreen
{
    Q_OBJECT
public:
    explicit Texercice22v3c(ExerciseSession *session);

private slots:
    void categoryClick(int index);
    void zs7Click();
    void zs9Click();
    void zs10Click();
    void zs11Click();
    void CheckBox1Click();

private:
    enum Category { General, Privacy, Content, Tabs, Downloads, Advanced };
    void menuStep(BrowserMenu::Item item) override;
    void openOptions();
    void showCategory(int index);
    void closeOptions();
    void toWindow4();

    PictureBox *Image1;
    std::array<PictureBox *, 6> m_panels{};   // Image2 .. Image7
    HotSpot *zs10;
    std::array<HotSpot *, 6> m_categories{};  // zs1 .. zs6
    HotSpot *zs7;
    QLineEdit *Edit1;
    QCheckBox *CheckBox1;
    HotSpot *zs9;
    HotSpot *zs11;
};
