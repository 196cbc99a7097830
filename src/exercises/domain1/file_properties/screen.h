#pragma once
#include "shell/exercise/exercisescreen.h"

#include <QRect>
#include <QString>

class HotSpot;
class PictureBox;
class QLabel;

// What the eight windows of the file-properties chain share: the background
// colour, the bubble at the top left with its one label, Abandon at the bottom
// right, pictures named after the window, hot spots, the counted wrong action
// and the final verdict.
class FilePropertiesScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    FilePropertiesScreen(ExerciseSession *session, const QString &name, const QString &caption);

    QLabel *Label1 = nullptr;

protected:
    // The bubble and Abandon, after the background pictures (so they lie on top).
    void placeInstruction(const QString &text);
    PictureBox *picture(const QString &control, const QRect &rect, bool visible = true);
    HotSpot *hotSpot(const QString &control, const QRect &rect, bool visible = true);
    // A hot spot whose click is a wrong action.
    HotSpot *wrongArea(const QString &control, const QRect &rect, bool visible = true);

    // One error more and "Fausse route ! Lisez bien..."; the pupil stays at the step.
    void wrongAction();
    // The next window of the chain takes this one's place.
    template <class Next>
    void moveOn()
    {
        handOverTo(new Next(session()));
    }
    // Success with at most two errors, failure otherwise; the exercise ends.
    void finalVerdict();

private:
    void handOverTo(ExerciseScreen *next);
};
