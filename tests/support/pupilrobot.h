#pragma once
#include <QPoint>
#include <QPointer>
#include <QString>
#include <Qt>

class QWidget;

// Plays the pupil: every mouse event goes to the topmost visible widget under a
// point of the window, as a real mouse would deliver it, so a test also proves that
// the control it means is reachable there and not covered by another.
class PupilRobot
{
public:
    explicit PupilRobot(QWidget *window = nullptr) : m_window(window) {}
    void setWindow(QWidget *window) { m_window = window; }
    QWidget *window() const { return m_window; }

    // The widget a click at this window point would reach.
    QWidget *widgetAt(QPoint windowPoint) const;
    // The centre of a child, in window coordinates.
    QPoint centreOf(const QWidget *child) const;

    QWidget *click(QPoint p, Qt::MouseButton button = Qt::LeftButton);
    QWidget *click(const QWidget *child) { return click(centreOf(child)); }
    QWidget *click(const QString &childName);
    QWidget *doubleClick(QPoint p);
    QWidget *rightClick(QPoint p) { return click(p, Qt::RightButton); }
    QWidget *press(QPoint p, Qt::MouseButton button = Qt::LeftButton);
    void moveTo(QPoint p);               // with the button held after press(): goes to the grabbing widget
    void release(QPoint p, Qt::MouseButton button = Qt::LeftButton);
    QWidget *hover(QPoint p);            // enter/leave and a move, no button
    void drag(QPoint from, QPoint to, int steps = 6);

    // Keys go to the given widget, or to the focused widget of the application.
    void type(const QString &text, QWidget *target = nullptr);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QWidget *target = nullptr);
    // Alt+F4: the system's close command on the window.
    void closeWindow();

    // The visible top-level window that is not the main window nor a background
    // window (the exercise window the pupil sees), the last one shown first.
    static QWidget *topWindow(const QString &objectNameOrClass = QString());

private:
    void sendMouse(QWidget *target, int type, QPoint windowPoint, Qt::MouseButton button,
                   Qt::MouseButtons buttons);
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_grabber;
    QPointer<QWidget> m_hovered;
    Qt::MouseButton m_heldButton = Qt::NoButton;
};
