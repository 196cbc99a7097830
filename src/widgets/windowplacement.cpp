#include "widgets/windowplacement.h"

#include <QApplication>
#include <QChildEvent>
#include <QCloseEvent>
#include <QVariant>
#include <QEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace WindowFit {
namespace {

bool &enabledFlag()
{
    static bool enabled = false;
    return enabled;
}

std::optional<QRect> &areaOverride()
{
    static std::optional<QRect> area;
    return area;
}

// Set on a window once its fit was decided (at most once, before its first show).
const char *const DecidedProperty = "windowFitDecided";

bool hasTitleBar(const QWidget *window) { return !(window->windowFlags() & Qt::FramelessWindowHint); }

// A frameless view that shows one window through a scaled proxy. It follows the
// window: shown and hidden with it, gone when it goes; its own close (Alt+F4 on a
// titled host) is the window's close.
class FittedHost : public QGraphicsView
{
public:
    FittedHost(QWidget *window, qreal scale, bool titled) : m_window(window)
    {
        setObjectName(QStringLiteral("WindowFitHost"));
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowFlags(titled ? Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                              : Qt::Window | Qt::FramelessWindowHint);
        setWindowTitle(window->windowTitle());
        setWindowIcon(window->windowIcon());
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        setBackgroundBrush(window->palette().window());

        auto *scene = new QGraphicsScene(this);
        setScene(scene);
        window->move(0, 0);
        m_proxy = scene->addWidget(window);
        m_proxy->setPos(0, 0);
        m_proxy->setScale(scale);
        const QSize shown(int(std::ceil(window->width() * scale)), int(std::ceil(window->height() * scale)));
        scene->setSceneRect(0, 0, shown.width(), shown.height());
        setFixedSize(shown);

        // Whatever hides the window (a close, a hand-over) hides the host.
        connect(m_proxy, &QGraphicsObject::visibleChanged, this, [this] {
            if (!m_proxy->isVisible())
                hide();
        });
        window->installEventFilter(this);
        // A list or menu of the window is an item of its own in the scene; when it
        // closes the scene is left with no focused item and the keys reach nothing.
        connect(scene, &QGraphicsScene::focusItemChanged, this,
                [this](QGraphicsItem *now, QGraphicsItem *before, Qt::FocusReason reason) {
                    if (!now && before && before != m_proxy && reason != Qt::ActiveWindowFocusReason)
                        QMetaObject::invokeMethod(this, [this] { refocusWindow(); }, Qt::QueuedConnection);
                });
        connect(window, &QObject::destroyed, this, [this] {
            m_window = nullptr;
            close();
        });
    }

    QGraphicsProxyWidget *proxy() const { return m_proxy; }

    // The keyboard goes back to the window's focused control.
    void refocusWindow()
    {
        if (!m_window || !m_window->isVisible() || scene()->focusItem())
            return;
        m_proxy->setFocus(Qt::PopupFocusReason);
        if (QWidget *control = m_window->focusWidget())
            control->setFocus(Qt::PopupFocusReason);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window) {
            switch (event->type()) {
            case QEvent::WindowTitleChange:
                setWindowTitle(m_window->windowTitle());
                break;
            case QEvent::Move:
                // The window is placed through its host; inside the scene it stays at 0, 0.
                if (m_window->pos() != QPoint(0, 0))
                    m_window->move(0, 0);
                break;
            default:
                break;
            }
        }
        return QGraphicsView::eventFilter(watched, event);
    }

    void closeEvent(QCloseEvent *event) override
    {
        if (m_window && m_window->isVisible()) {
            // The window decides (an exercise window abandons); it hides us when it goes.
            event->ignore();
            m_window->close();
            return;
        }
        QGraphicsView::closeEvent(event);
    }

private:
    QPointer<QWidget> m_window;
    QGraphicsProxyWidget *m_proxy = nullptr;
};

// Windows that are not exercise windows (the main window, the console, the import
// and registration windows) get the same rule: the decision is taken when Qt
// polishes the window, just before its first show, and the host follows at once.
class FitWatcher : public QObject
{
public:
    static FitWatcher &instance()
    {
        static FitWatcher watcher;
        return watcher;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish && watched->isWidgetType())
            consider(static_cast<QWidget *>(watched));
        else if (event->type() == QEvent::ChildAdded && watched->isWidgetType())
            keepDialogsApart(static_cast<QChildEvent *>(event)->child(), static_cast<QWidget *>(watched));
        return false;
    }

private:
    static bool insideProxy(const QWidget *w)
    {
        for (; w; w = w->parentWidget())
            if (w->graphicsProxyWidget())
                return true;
        return false;
    }

    // A dialog over a scaled window is a window of its own over the host, with its
    // caption and its true size; menus and lists stay in the scene. Qt decides to
    // draw a child window in the scene when it is created, so the flag goes on then.
    static void keepDialogsApart(QObject *child, QWidget *parent)
    {
        if (!child->isWidgetType() || !insideProxy(parent))
            return;
        auto *w = static_cast<QWidget *>(child);
        const Qt::WindowType type = w->windowType();
        if (type == Qt::Dialog || type == Qt::Window)
            w->overrideWindowFlags(w->windowFlags() | Qt::BypassGraphicsProxyWidget);
    }

    static void consider(QWidget *w)
    {
        if (!w->isWindow() || w->property(DecidedProperty).toBool())
            return;
        w->setProperty(DecidedProperty, true);
        const Qt::WindowType type = w->windowType();
        if (type != Qt::Window && type != Qt::Dialog)
            return;   // popups, tool tips, splash: small and short-lived
        if (insideProxy(w->parentWidget()))
            return;
        // The background covers the whole screen on purpose.
        if ((w->windowFlags() & Qt::WindowStaysOnBottomHint) || qobject_cast<QGraphicsView *>(w))
            return;
        if (hostIfTooLarge(w)) {
            QPointer<QWidget> window = w;
            QMetaObject::invokeMethod(w, [window] {
                if (window)
                    syncHost(window);
            }, Qt::QueuedConnection);
        }
    }
};

QGraphicsProxyWidget *outermostProxy(const QWidget *window)
{
    QGraphicsProxyWidget *proxy = window ? window->graphicsProxyWidget() : nullptr;
    return proxy;
}
}

Fit fitIn(QSize frame, const QRect &available)
{
    if (frame.isEmpty() || available.isEmpty())
        return {};
    const qreal room = std::min(qreal(available.width() - 2 * Margin) / frame.width(),
                                qreal(available.height() - 2 * Margin) / frame.height());
    if (room >= 1.0)
        return {};
    if (room < MinimumScale)
        return {MinimumScale, false};
    return {room, true};
}

QPoint centredIn(QSize frame, const QRect &available)
{
    QRect r(QPoint(0, 0), frame);
    r.moveCenter(available.center());
    if (r.top() < available.top())
        r.moveTop(available.top());
    if (r.left() < available.left())
        r.moveLeft(available.left());
    return r.topLeft();
}

void setEnabled(bool enabled)
{
    enabledFlag() = enabled;
    if (!qApp)
        return;
    if (enabled)
        qApp->installEventFilter(&FitWatcher::instance());
    else
        qApp->removeEventFilter(&FitWatcher::instance());
}

void markDecided(QWidget *window) { window->setProperty(DecidedProperty, true); }
bool isEnabled() { return enabledFlag(); }

QRect availableArea()
{
    if (areaOverride())
        return *areaOverride();
    QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void setAvailableAreaForTests(std::optional<QRect> area) { areaOverride() = area; }

bool hostIfTooLarge(QWidget *window)
{
    if (!isEnabled() || !window || !window->isWindow() || window->graphicsProxyWidget())
        return false;
    const bool titled = hasTitleBar(window);
    const QSize frame = window->size() + QSize(0, titled ? TitleBarAllowance : 0);
    const Fit fit = fitIn(frame, availableArea());
    if (fit.scale >= 1.0)
        return false;
    // Too large even at the smallest readable scale: a title bar lets it be moved.
    new FittedHost(window, fit.scale, titled || !fit.fits);
    return true;
}

void syncHost(QWidget *window)
{
    QWidget *host = hostOf(window);
    if (!host || host->isVisible() == window->isVisible())
        return;
    if (!window->isVisible()) {
        host->hide();
        return;
    }
    ::centreOnScreen(window);
    host->show();
    host->raise();
    host->activateWindow();
}

QWidget *hostOf(const QWidget *window)
{
    QGraphicsProxyWidget *proxy = outermostProxy(window);
    if (!proxy || !proxy->scene() || proxy->scene()->views().isEmpty())
        return nullptr;
    return proxy->scene()->views().constFirst()->window();
}

qreal scaleOf(const QWidget *window)
{
    QGraphicsProxyWidget *proxy = outermostProxy(window);
    return proxy ? proxy->sceneTransform().m11() : 1.0;
}

QPoint toScreen(const QWidget *widget, QPoint local)
{
    const QWidget *window = widget->window();
    QGraphicsProxyWidget *proxy = window->graphicsProxyWidget();
    if (!proxy || !proxy->scene() || proxy->scene()->views().isEmpty())
        return widget->mapToGlobal(local);
    const QPointF inScene = proxy->mapToScene(QPointF(widget->mapTo(window, local)) + QPointF(0.5, 0.5));
    QGraphicsView *view = proxy->scene()->views().constFirst();
    return view->viewport()->mapToGlobal(view->mapFromScene(inScene));
}

}

void centreOnScreen(QWidget *window)
{
    if (!window)
        return;
    QWidget *target = WindowFit::hostOf(window);
    if (!target)
        target = window;
    QRect area = WindowFit::availableArea();
    if (area.isEmpty())
        return;
    target->move(WindowFit::centredIn(target->frameGeometry().size(), area));
}
