#pragma once
#include <QWidget>

// The start-up picture: product name, version, the mascot and a welcome and
// loading message, shown for at least a second while the program starts.
class Tsplash : public QWidget
{
    Q_OBJECT
public:
    Tsplash();
    // Shows the splash and keeps the program responsive for at least `ms`.
    void showFor(int ms);

protected:
    void paintEvent(QPaintEvent *event) override;
};
