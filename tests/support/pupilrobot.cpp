#include "support/pupilrobot.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

QWidget *PupilRobot::widgetAt(QPoint windowPoint) const
{
    if (!m_window)
        return nullptr;
    QWidget *child = m_window->childAt(windowPoint);
    return child ? child : m_window.data();
}

QPoint PupilRobot::centreOf(const QWidget *child) const
{
    if (!child || !m_window)
        return {};
    return child->mapTo(m_window.data(), child->rect().center());
}

void PupilRobot::sendMouse(QWidget *target, int type, QPoint windowPoint, Qt::MouseButton button,
                           Qt::MouseButtons buttons)
{
    if (!target || !m_window)
        return;
    const QPointF local = target->mapFrom(m_window.data(), windowPoint);
    const QPointF global = m_window->mapToGlobal(windowPoint);
    // A press gives the keyboard focus to what accepts it, as a real click does.
    if (type == QEvent::MouseButtonPress) {
        for (QWidget *w = target; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
            if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus)) {
                w->setFocus(Qt::MouseFocusReason);
                break;
            }
        }
    }
    QMouseEvent event(QEvent::Type(type), local, global, button, buttons, Qt::NoModifier);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::sendEvent(target, &event);
    QApplication::processEvents();
}

QWidget *PupilRobot::click(QPoint p, Qt::MouseButton button)
{
    QPointer<QWidget> target = widgetAt(p);
    EXPECT_TRUE(target) << "nothing under " << p.x() << "," << p.y();
    QWidget *popupBefore = QApplication::activePopupWidget();
    sendMouse(target, QEvent::MouseButtonPress, p, button, button);
    // The context menu is asked for on the press, before the release.
    if (target && button == Qt::RightButton) {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, target->mapFrom(m_window.data(), p),
                               m_window->mapToGlobal(p));
        QApplication::sendEvent(target, &menu);
        QApplication::processEvents();
    }
    // A menu the press opened takes the mouse: the release is its, not the pressed widget's.
    QWidget *popup = QApplication::activePopupWidget();
    if (button == Qt::RightButton && popup && popup != popupBefore) {
        const QPointF global = m_window->mapToGlobal(QPointF(p));
        QMouseEvent release(QEvent::MouseButtonRelease, popup->mapFromGlobal(global), global, button,
                            Qt::NoButton, Qt::NoModifier);
        QSpontaneKeyEvent::setSpontaneous(&release);
        QApplication::sendEvent(popup, &release);
        QApplication::processEvents();
    } else if (target) {
        sendMouse(target, QEvent::MouseButtonRelease, p, button, Qt::NoButton);
    }
    return target;
}

QWidget *PupilRobot::click(const QString &childName)
{
    QWidget *child = m_window ? m_window->findChild<QWidget *>(childName) : nullptr;
    EXPECT_TRUE(child) << "no control named " << childName.toStdString();
    return child ? click(centreOf(child)) : nullptr;
}

QWidget *PupilRobot::doubleClick(QPoint p)
{
    QPointer<QWidget> target = widgetAt(p);
    sendMouse(target, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    if (target)
        sendMouse(target, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    if (target)
        sendMouse(target, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
    if (target)
        sendMouse(target, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    return target;
}

QWidget *PupilRobot::press(QPoint p, Qt::MouseButton button)
{
    m_grabber = widgetAt(p);
    m_heldButton = button;
    sendMouse(m_grabber, QEvent::MouseButtonPress, p, button, button);
    return m_grabber;
}

void PupilRobot::moveTo(QPoint p)
{
    QWidget *target = m_grabber ? m_grabber.data() : widgetAt(p);
    sendMouse(target, QEvent::MouseMove, p, Qt::NoButton, m_heldButton);
}

void PupilRobot::release(QPoint p, Qt::MouseButton button)
{
    QWidget *target = m_grabber ? m_grabber.data() : widgetAt(p);
    sendMouse(target, QEvent::MouseButtonRelease, p, button, Qt::NoButton);
    m_grabber = nullptr;
    m_heldButton = Qt::NoButton;
}

QWidget *PupilRobot::hover(QPoint p)
{
    QWidget *target = widgetAt(p);
    if (target != m_hovered) {
        if (m_hovered) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(m_hovered, &leave);
        }
        m_hovered = target;
        if (target) {
            const QPointF local = target->mapFrom(m_window.data(), p);
            QEnterEvent enter(local, local, m_window->mapToGlobal(QPointF(p)));
            QApplication::sendEvent(target, &enter);
        }
    }
    sendMouse(target, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
    return target;
}

void PupilRobot::drag(QPoint from, QPoint to, int steps)
{
    press(from);
    for (int i = 1; i <= steps; ++i)
        moveTo(from + (to - from) * i / steps);
    release(to);
}

void PupilRobot::type(const QString &text, QWidget *target)
{
    QWidget *w = target ? target : QApplication::focusWidget();
    ASSERT_TRUE(w) << "no widget has the keyboard focus";
    // QTest types ASCII only; other characters (é, à ...) come as keys carrying their text.
    for (const QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(w, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    QApplication::processEvents();
}

void PupilRobot::key(Qt::Key key, Qt::KeyboardModifiers modifiers, QWidget *target)
{
    QWidget *w = target ? target : QApplication::focusWidget();
    if (!w)
        w = m_window;
    ASSERT_TRUE(w);
    QTest::keyClick(w, key, modifiers);
    QApplication::processEvents();
}

void PupilRobot::closeWindow()
{
    ASSERT_TRUE(m_window);
    m_window->close();   // what the window manager does on Alt+F4
    QApplication::processEvents();
}

QWidget *PupilRobot::topWindow(const QString &objectNameOrClass)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        QWidget *w = *it;
        if (!w->isVisible() || w->objectName() == QLatin1String("form1") || w->objectName() == QLatin1String("Fond"))
            continue;
        if (objectNameOrClass.isEmpty() || w->objectName() == objectNameOrClass
            || QLatin1String(w->metaObject()->className()) == objectNameOrClass)
            return w;
    }
    return nullptr;
}
