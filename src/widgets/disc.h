#pragma once
#include <QColor>
#include <QWidget>

// A filled circle inscribed in its rectangle, with a thin dark outline: the coloured
// discs behind answer signs and the small score circles that turn green or red.
// It paints only; clicks on it go nowhere unless a hot spot lies over it.
class Disc : public QWidget
{
    Q_OBJECT
public:
    explicit Disc(QWidget *parent = nullptr, const QColor &colour = Qt::white);
    Disc(const QString &name, const QRect &rect, const QColor &colour, QWidget *parent);

    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);

    // The colours a score circle takes.
    static QColor rightColour() { return QColor(0, 200, 0); }
    static QColor wrongColour() { return QColor(230, 0, 0); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};
