#include "screens/realmouse.h"

#include "widgets/windowplacement.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QWindow>

RealMouse::RealMouse() { qApp->installEventFilter(this); }

RealMouse::~RealMouse() { qApp->removeEventFilter(this); }

bool RealMouse::eventFilter(QObject *watched, QEvent *event)
{
    // Each event of the server reaches one native window first: count it there.
    if (qobject_cast<QWindow *>(watched)) {
        if (event->type() == QEvent::MouseButtonRelease)
            ++m_releases;
        else if (event->type() == QEvent::KeyRelease)
            ++m_keyReleases;
    }
    return false;
}

bool RealMouse::waitFor(const std::function<bool()> &condition, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > ms)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

bool RealMouse::xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    while (process.state() != QProcess::NotRunning)
        if (!process.waitForFinished(20))
            QApplication::processEvents();   // a grab or a paint may wait on us
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool RealMouse::click(const QWidget *widget, QPoint local)
{
    const QPoint p = WindowFit::toScreen(widget, local);
    const int before = m_releases;
    if (!xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
                  QStringLiteral("click"), QStringLiteral("1")}))
        return false;
    const bool arrived = waitFor([&] { return m_releases > before; });
    QApplication::processEvents();
    return arrived;
}

bool RealMouse::click(const QWidget *widget) { return click(widget, widget->rect().center()); }

namespace {
// The menus from a title of the bar down to the item's own menu.
bool pathTo(QMenu *menu, QAction *item, QList<QAction *> &path)
{
    for (QAction *a : menu->actions()) {
        if (a == item) {
            path << a;
            return true;
        }
        if (a->menu()) {
            path << a;
            if (pathTo(a->menu(), item, path))
                return true;
            path.removeLast();
        }
    }
    return false;
}
}

bool RealMouse::choose(QMenuBar *bar, QAction *item)
{
    QList<QAction *> path;
    for (QAction *title : bar->actions()) {
        if (title->menu() && pathTo(title->menu(), item, path)) {
            path.prepend(title);
            break;
        }
    }
    if (path.isEmpty())
        return false;
    if (!click(bar, bar->actionGeometry(path.first()).center()))
        return false;
    QMenu *menu = path.first()->menu();
    for (int i = 1; i < path.size(); ++i) {
        if (!waitFor([menu] { return menu->isVisible(); }))
            return false;
        // Read the next menu first: the last item may close (and free) this window.
        QMenu *next = path[i]->menu();
        if (!click(menu, menu->actionGeometry(path[i]).center()))
            return false;
        menu = next;
    }
    return true;
}

bool RealMouse::type(const QString &text)
{
    const int before = m_keyReleases;
    if (!xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text}))
        return false;
    const bool arrived = waitFor([&] { return m_keyReleases >= before + int(text.size()); });
    QApplication::processEvents();
    return arrived;
}

bool RealMouse::key(const QString &keys)
{
    const int before = m_keyReleases;
    if (!xdotool({QStringLiteral("key"), keys}))
        return false;
    const bool arrived = waitFor([&] { return m_keyReleases > before; });
    QApplication::processEvents();
    return arrived;
}
