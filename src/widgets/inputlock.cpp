#include "widgets/inputlock.h"

#include <QVariant>
#include <QWidget>

namespace {
const char *const LockProperty = "tavelo_inputLocks";
}

void InputLock::lock(QWidget *window)
{
    release();
    if (!window)
        return;
    m_window = window;
    // Disabling the focused control would pass the focus on to the next one, as a
    // Tab key would: the focus leaves the window quietly and comes back on release.
    m_focus = window->focusWidget();
    if (m_focus)
        m_focus->clearFocus();
    window->setProperty(LockProperty, window->property(LockProperty).toInt() + 1);
    const QList<QWidget *> children = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (child->isWindow() || !child->isEnabled())
            continue;
        child->setEnabled(false);
        m_disabled << child;
    }
}

void InputLock::release()
{
    for (const QPointer<QWidget> &child : std::as_const(m_disabled))
        if (child)
            child->setEnabled(true);
    m_disabled.clear();
    if (m_focus && m_focus->isEnabled() && m_focus->isVisible())
        m_focus->setFocus(Qt::OtherFocusReason);
    m_focus = nullptr;
    if (m_window)
        m_window->setProperty(LockProperty, qMax(0, m_window->property(LockProperty).toInt() - 1));
    m_window = nullptr;
}

bool InputLock::isWindowLocked(const QWidget *window)
{
    return window && window->property(LockProperty).toInt() > 0;
}
