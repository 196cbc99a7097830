#pragma once
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>

class QAction;
class QMenuBar;
class QWidget;

// Plays the pupil with the real pointer of an X server (xdotool): it moves to where
// the pupil sees a point of a widget, scaled windows included, clicks, and waits for
// the click to come back through the windowing system.
class RealMouse : public QObject
{
public:
    RealMouse();
    ~RealMouse() override;

    bool click(const QWidget *widget, QPoint local);
    bool click(const QWidget *widget);   // its centre
    // Opens the menus from the bar down to the item and clicks it.
    bool choose(QMenuBar *bar, QAction *item);
    bool type(const QString &text);
    bool key(const QString &keys);   // xdotool key names: "Return", "ctrl+a"

    // Processes events until the condition holds (at most a few seconds).
    static bool waitFor(const std::function<bool()> &condition, int ms = 5000);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool xdotool(const QStringList &arguments);
    int m_releases = 0;
    int m_keyReleases = 0;
};
