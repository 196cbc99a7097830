#pragma once
#include "shell/exercise/exercisescreen.h"
#include "shell/exercise/exercisesession.h"

class HotSpot;
class PictureBox;
class QLabel;
class QLineEdit;

// A window of the school's collaborative site: the page's screenshot on the left,
// the bubble with its two lines in the column on its right, and Abandon.
class SiteScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    SiteScreen(ExerciseSession *session, const QString &name, QSize size, const QString &instruction,
               const QString &secondLine = QString());

    QLabel *consigne3 = nullptr;
    QLabel *Label1 = nullptr;

protected:
    // A screenshot of the site, "<window>/<control>".
    PictureBox *screenshot(const QString &control, const QRect &rect);
    // A hot spot over the page, reacting to a click.
    HotSpot *hotSpot(const QString &control, const QRect &rect);
    QLineEdit *field(const QString &control, const QRect &rect);
    // The next page of the site replaces this one.
    template <class Next>
    void goTo()
    {
        session()->handOver(this, new Next(session()));
    }
    void setLines(const QString &instruction, const QString &secondLine);
};
