#pragma once
#include "dialogs/uproprieteimprimantecanonv3.h"
#include "shell/exercise/exercisescreen.h"

#include <QPointer>

class HotSpot;
class PictureBox;
class QLabel;

// Competence 1.6, second window: the Canon iP4200 is now the default printer; the
// pupil opens its properties from its context menu and sets them in the dialog,
// which gives the verdict.
class Texercice6v3b : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice6v3b(ExerciseSession *session);

    enum Step { PrintersFolder, PrinterMenu, Properties };
    Step step() const { return m_step; }
    Tproprieteimprimantecanonv3 *propertiesDialog() const { return m_dialog; }

    PictureBox *Image1 = nullptr;
    PictureBox *Image2 = nullptr;
    PictureBox *Image3 = nullptr;
    PictureBox *Image4 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    HotSpot *zs3 = nullptr;
    HotSpot *zs4 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;

private slots:
    void zs2RightClick() { showStep(PrinterMenu); }
    void zs4Click();
    void wrongClick();

private:
    void showStep(Step step);

    Step m_step = PrintersFolder;
    QPointer<Tproprieteimprimantecanonv3> m_dialog;
};
