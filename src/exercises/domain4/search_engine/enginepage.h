#pragma once
#include "shell/exercise/exercisescreen.h"
#include "widgets/hotspot.h"

#include <QRect>

class PictureBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// A page of the search engine in the browser: the full-window screenshot, the
// instruction bubble over the bottom of the page and the Abandon button.
class EnginePage : public ExerciseScreen
{
    Q_OBJECT
public:
    EnginePage(ExerciseSession *session, const QString &name, QSize size);

protected:
    template <class Handler>
    HotSpot *spot(const char *name, const QRect &rect, Handler handler);
    // A search field over the page's own field.
    QLineEdit *field(const char *name, const QRect &rect);
    // The scopes line: a white patch with its caption, a white frame, three radio buttons
    // ("Web", "Page francophones", "France"), placed from the home page's rectangles
    // moved by 'offset'.
    struct Scopes
    {
        QWidget *patch;
        QLabel *caption;
        QWidget *frame;
        QRadioButton *web;
        QRadioButton *french;
        QRadioButton *france;
    };
    Scopes placeScopes(const QPoint &offset);
    // The bubble and Abandon, last so that they lie above the page.
    void finishPage(const QString &instruction);
    void wrongRoute(const QString &text);

    PictureBox *Image1;
};

template <class Handler>
HotSpot *EnginePage::spot(const char *name, const QRect &rect, Handler handler)
{
    auto *s = new HotSpot(QString::fromLatin1(name), rect, this);
    connect(s, &HotSpot::clicked, this, handler);
    return s;
}
