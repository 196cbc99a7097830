#pragma once
#include "shell/exercise/exercisescreen.h"

#include <QList>

class HotSpot;
class PictureBox;
class QLabel;

// Competence 1.6, first window: on the desktop the pupil opens the start menu, the
// printers folder, and makes the Canon iP4200 the default printer from its context
// menu; the second window follows.
class Texercice6v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice6v3(ExerciseSession *session);

    enum Step { Desktop, StartMenu, PrintersFolder, PrinterMenu };
    Step step() const { return m_step; }

    PictureBox *Image1 = nullptr;
    PictureBox *Image2 = nullptr;
    PictureBox *Image3 = nullptr;
    PictureBox *Image4 = nullptr;
    PictureBox *Image5 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    HotSpot *zs3 = nullptr;
    HotSpot *zs4 = nullptr;
    HotSpot *zs5 = nullptr;
    HotSpot *zs6 = nullptr;
    HotSpot *zs7 = nullptr;
    HotSpot *zs8 = nullptr;
    HotSpot *zs9 = nullptr;
    QLabel *Label1 = nullptr;

protected:
    void FormShow() override;

private slots:
    void zs3Click() { showStep(StartMenu); }
    void zs5Click() { showStep(PrintersFolder); }
    void zs7RightClick() { showStep(PrinterMenu); }
    void zs9Click();
    void wrongClick();

private:
    void showStep(Step step);

    Step m_step = Desktop;
};
