#include "shell/exercise/pointeroverlay.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

namespace {
constexpr Qt::WindowFlags OverlayFlags = Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                                       | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus;
constexpr int RingRadius = 14;
constexpr int OutlineWidth = 4;
constexpr int PulseSteps = 8;

// The arrow, its tip at (RingRadius, RingRadius) of the pointer's window.
QPainterPath arrow()
{
    QPainterPath path;
    const QPointF t(RingRadius, RingRadius);
    path.moveTo(t);
    path.lineTo(t + QPointF(0, 26));
    path.lineTo(t + QPointF(7, 20));
    path.lineTo(t + QPointF(12, 31));
    path.lineTo(t + QPointF(17, 29));
    path.lineTo(t + QPointF(12, 18));
    path.lineTo(t + QPointF(20, 18));
    path.closeSubpath();
    return path;
}

void makeOverlay(QWidget *w)
{
    w->setWindowFlags(OverlayFlags);
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    w->setFocusPolicy(Qt::NoFocus);
    w->setObjectName(QStringLiteral("Fond"));   // not an exercise window
}
}

PointerOverlay::PointerOverlay() : QWidget(nullptr)
{
    makeOverlay(this);
    setObjectName(QStringLiteral("Fond"));
    resize(2 * RingRadius + 36, 2 * RingRadius + 36);
    m_glide.setEasingCurve(QEasingCurve::InOutQuad);
    connect(&m_glide, &QVariantAnimation::valueChanged, this, [this](const QVariant &v) { placeTip(v.toPoint()); });
    m_ringOff.setSingleShot(true);
    connect(&m_ringOff, &QTimer::timeout, this, [this] {
        m_ring = false;
        reshape();
    });
    reshape();
}

void PointerOverlay::placeTip(QPoint tip) { move(tip - QPoint(RingRadius, RingRadius)); }

QPoint PointerOverlay::tip() const { return pos() + QPoint(RingRadius, RingRadius); }

void PointerOverlay::glide(QPoint from, QPoint to, int msecs)
{
    if (isVisible()) {
        // Asked again for the place it is going to, or standing at: it goes on
        // undisturbed. Any glide starts where the arrow is.
        if (to == m_destination)
            return;
        from = tip();
    } else {
        placeTip(from);
        show();
    }
    m_destination = to;
    m_glide.stop();
    m_glide.setStartValue(from);
    m_glide.setEndValue(to);
    m_glide.setDuration(std::max(1, msecs));
    m_glide.start();
    raise();
}

void PointerOverlay::showClick()
{
    m_ring = true;
    reshape();
    m_ringOff.start(250);
}

// The window keeps only the arrow (and the ring): nothing else hides what lies below.
void PointerOverlay::reshape()
{
    QRegion shape(arrow().toFillPolygon().toPolygon());
    shape = shape.united(QRegion(arrow().toFillPolygon().toPolygon()).translated(1, 1));
    if (m_ring)
        shape = shape.united(QRegion(0, 0, 2 * RingRadius + 1, 2 * RingRadius + 1, QRegion::Ellipse));
    setMask(shape);
    update();
}

void PointerOverlay::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (m_ring) {
        p.setPen(QPen(QColor(230, 60, 30), 3));
        p.setBrush(QColor(255, 200, 0, 160));
        p.drawEllipse(QPoint(RingRadius, RingRadius), RingRadius - 2, RingRadius - 2);
    }
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawPath(arrow());
}

TargetOutline::TargetOutline() : QWidget(nullptr)
{
    makeOverlay(this);
    connect(&m_pulse, &QTimer::timeout, this, [this] {
        m_phase = (m_phase + 1) % PulseSteps;
        update();
    });
    m_pulse.start(90);
}

void TargetOutline::outline(const QRect &screenRect, const QString &caption)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(16);
    font.setBold(true);
    setFont(font);
    const QRect ring = screenRect.adjusted(-2 * OutlineWidth, -2 * OutlineWidth, 2 * OutlineWidth, 2 * OutlineWidth);
    QRect label;
    if (!caption.isEmpty()) {
        const QSize text = QFontMetrics(font).size(0, caption) + QSize(16, 8);
        // Beside the target, where it hides neither the target nor the fields below it.
        label = QRect(ring.right() + 6, ring.center().y() - text.height() / 2, text.width(), text.height());
    }
    const QRect whole = label.isNull() ? ring : ring.united(label);
    if (whole == geometry() && caption == m_caption && isVisible())
        return;
    m_caption = caption;
    m_target = ring.translated(-whole.topLeft());
    m_label = label.isNull() ? QRect() : label.translated(-whole.topLeft());
    setGeometry(whole);
    reshape();
    show();
    raise();
}

void TargetOutline::reshape()
{
    QRegion shape(m_target);
    shape -= QRegion(m_target.adjusted(OutlineWidth, OutlineWidth, -OutlineWidth, -OutlineWidth));
    if (!m_label.isNull())
        shape += QRegion(m_label);
    setMask(shape);
    update();
}

void TargetOutline::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // The outline pulses between orange and red.
    const int level = m_phase < PulseSteps / 2 ? m_phase : PulseSteps - m_phase;
    p.fillRect(m_target, QColor(255, 140 - 25 * level, 0));
    if (!m_label.isNull()) {
        p.fillRect(m_label, QColor(255, 255, 140));
        p.setPen(Qt::black);
        p.drawRect(m_label.adjusted(0, 0, -1, -1));
        p.drawText(m_label, Qt::AlignCenter, m_caption);
    }
}
