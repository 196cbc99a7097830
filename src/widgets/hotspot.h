#pragma once
#include <QWidget>

// An invisible control laid over a place of a picture: it paints nothing and turns
// the pupil's mouse gestures inside its rectangle into signals. Hidden or disabled
// means inert. A precise hot spot created after a broad one lies on top of it.
//
// Gestures: clicked (left button pressed and released here, once per double click too),
// doubleClicked (the second press of a double click only), rightClicked,
// pressed (any button down; pressedAt gives the button and point), entered/left
// (mouse over), and a hint whose "\r" is a line break.
class HotSpot : public QWidget
{
    Q_OBJECT
public:
    explicit HotSpot(QWidget *parent = nullptr);
    HotSpot(const QString &name, const QRect &rect, QWidget *parent);

    // The tooltip; "\r" (and "\r\n") become line breaks.
    void setHint(const QString &text);

signals:
    void clicked();
    void doubleClicked();
    void rightClicked();
    void pressed();
    void pressedAt(Qt::MouseButton button, const QPoint &pos);
    void released(Qt::MouseButton button, const QPoint &pos);
    void moved(const QPoint &pos);
    void entered();
    void left();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    bool m_afterDoubleClick = false;
    // The buttons pressed on this hot spot: a release whose press went elsewhere
    // (the end of a double click that opened this window) is no click.
    Qt::MouseButtons m_pressed;
};
