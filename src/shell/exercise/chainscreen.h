#pragma once
#include "shell/exercise/exercisescreen.h"
#include "shell/exercise/exercisesession.h"

#include <QColor>
#include <QRect>
#include <QString>

class HotSpot;
class PictureBox;

// A window of a chain of screenshots: pictures named "<window>/<control>", hot
// spots laid over them in the order they are created (the later on top), broad
// areas whose click is the exercise's counted wrong action, the hand-over to the
// next window (the one made at launch, or a new one) and the verdict on the error
// count at the end of the chain.
class ChainScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    struct Style
    {
        QColor background;
        QString wrongText;           // the box of a wrong action
        int errorThreshold = 0;      // the most errors a success allows
    };
    ChainScreen(ExerciseSession *session, const QString &name, const QString &caption, QSize size,
                const Style &style);

protected:
    PictureBox *picture(const QString &control, const QRect &rect, bool visible = true);
    HotSpot *hotSpot(const QString &control, const QRect &rect, bool visible = true);
    // A hot spot whose click is a wrong action.
    HotSpot *wrongArea(const QString &control, const QRect &rect, bool visible = true);

    // One error more and the wrong-action box; the pupil stays at the step.
    void wrongAction();
    template <class Next>
    void moveOn()
    {
        Next *next = session()->template window<Next>();
        handOverTo(next ? next : new Next(session()));
    }
    // Success when the count is at most the threshold, failure otherwise.
    void finalVerdict(QLabel *label);

private:
    void handOverTo(ExerciseScreen *next);
    Style m_style;
};
