#pragma once
#include "exercises/domain4/web_browser/browsermenu.h"
#include "shell/exercise/menuscreen.h"

#include <QRect>
#include <QString>

class PictureBox;

// What the four windows of the browser exercise share: the title bar with its close
// box, the browser's menu bar driven by the window's table, the page area below it
// holding the screenshot and the controls laid over it, the instruction strip, and
// the window's step counter.
class BrowserScreen : public MenuScreen
{
    Q_OBJECT
public:
    int windowNumber() const { return m_window; }
    // The area under the menu bar: every rectangle of the layout is relative to it.
    QWidget *page() const { return client(); }

protected:
    BrowserScreen(ExerciseSession *session, const QString &name, int window, QSize clientSize, int firstStep,
                  const QString &firstInstruction);
    void FormShow() override;

    // Carries out a step item whose guard held (the counter lies in its range).
    virtual void menuStep(BrowserMenu::Item item) = 0;

    // Moves the counter to the step and shows its instruction.
    void next(int step);
    // "Fausse route !", counted.
    void wrongRoute() { wrongMenu(); }

    // Shows one picture of a group and hides the others.
    static void showOnly(PictureBox *shown, std::initializer_list<PictureBox *> group);

private:
    void menuStep(int id) final { menuStep(BrowserMenu::Item(id)); }

    int m_window;
};
