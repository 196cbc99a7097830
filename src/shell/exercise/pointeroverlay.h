#pragma once
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QVariantAnimation>
#include <QWidget>

// The drawn pointer of a demonstration or a guided run: an arrow in a small window
// of its own that lets every input through, gliding from place to place and
// showing each click with a ring.
class PointerOverlay : public QWidget
{
    Q_OBJECT
public:
    PointerOverlay();

    // From a point (the arrow's own place once shown) to a point; asked again for
    // the same destination, the glide under way goes on.
    void glide(QPoint from, QPoint to, int msecs);
    void showClick();
    // Where the arrow's tip is, on the screen.
    QPoint tip() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void placeTip(QPoint tip);
    void reshape();

    QVariantAnimation m_glide;
    QPoint m_destination;
    QTimer m_ringOff;
    bool m_ring = false;
};

// The pulsing outline around the next target of a guided run, with the text to
// type or the key to press in a small yellow label beside it.
class TargetOutline : public QWidget
{
    Q_OBJECT
public:
    TargetOutline();
    // A screen rectangle; an empty caption shows no label.
    void outline(const QRect &screenRect, const QString &caption);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void reshape();

    QRect m_target;      // in the overlay's coordinates
    QRect m_label;
    QString m_caption;
    QTimer m_pulse;
    int m_phase = 0;
};
