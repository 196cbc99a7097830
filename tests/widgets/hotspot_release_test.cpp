// A hot spot clicks only on a release whose press it received: the end of a double
// click that opened a window, or a press made before a step hid the spot, is none.
#include "widgets/hotspot.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {
void send(QWidget *target, QEvent::Type type, Qt::MouseButton button)
{
    const QPointF p(5, 5);
    QMouseEvent event(type, p, target->mapToGlobal(p), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}
}

TEST(HotSpotRelease, OnlyTheReleaseOfItsOwnPressClicks)
{
    QWidget window;
    window.resize(100, 100);
    HotSpot spot(QStringLiteral("zs1"), QRect(0, 0, 50, 50), &window);
    window.show();
    QSignalSpy clicked(&spot, &HotSpot::clicked), right(&spot, &HotSpot::rightClicked),
        released(&spot, &HotSpot::released);

    // A release alone (its press went to a window now closed): no click.
    send(&spot, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(released.count(), 1) << "the release itself is still told";
    // A right press, then a left release: no click of either kind.
    send(&spot, QEvent::MouseButtonPress, Qt::RightButton);
    send(&spot, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 0);
    send(&spot, QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(right.count(), 1);
    // A press, the spot hidden and shown again by a step, then the release: none.
    send(&spot, QEvent::MouseButtonPress, Qt::LeftButton);
    spot.hide();
    spot.show();
    send(&spot, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 0);
    // The plain click still clicks, once.
    send(&spot, QEvent::MouseButtonPress, Qt::LeftButton);
    send(&spot, QEvent::MouseButtonRelease, Qt::LeftButton);
    send(&spot, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}
