#pragma once
#include "shell/exercise/exercisescreen.h"

class HotSpot;
class PictureBox;

// A window of the result-selection exercise: its full-window screenshot, the yellow
// instruction bubble and the Abandon button.
class ResultScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    ResultScreen(ExerciseSession *session, const QString &name, QSize size);

protected:
    HotSpot *spot(const char *name, const QRect &rect);
    // The bubble and Abandon, placed last so that they lie above the page.
    void finishPage(const QRect &mascot, const QRect &shape, const QRect &label, const QString &instruction,
                    const QRect &abandon);
    void wrongRoute();

    PictureBox *Image1;
};
