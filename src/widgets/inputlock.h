#pragma once
#include <QList>
#include <QPointer>

class QWidget;

// Keeps a window from taking the pupil's input while a dialog opened over it is
// showing, without disabling the dialog itself: Qt disables child windows along
// with their parent, so the dialog (a child window, freed with its owner) would be
// greyed too. The lock disables the window's own controls instead and gives back
// exactly those it took, so controls that were already disabled stay disabled.
class InputLock
{
public:
    InputLock() = default;
    ~InputLock() { release(); }
    InputLock(const InputLock &) = delete;
    InputLock &operator=(const InputLock &) = delete;

    void lock(QWidget *window);
    void release();
    bool isLocked() const { return m_window != nullptr; }
    // True when the window's controls are locked by some InputLock.
    static bool isWindowLocked(const QWidget *window);

private:
    QPointer<QWidget> m_window;
    QList<QPointer<QWidget>> m_disabled;
    QPointer<QWidget> m_focus;
};
