#pragma once
#include <QWidget>

// A picture of the sheet the pupil moves with a press and drag and resizes by its
// right and bottom borders (6 pixels), its sides kept between 20 and 400 pixels.
// The picture is stretched to fill the panel; a move keeps it whole inside its
// parent. A disabled panel does not react.
class PicturePanel : public QWidget
{
    Q_OBJECT
public:
    PicturePanel(const QString &name, const QString &pictureName, const QRect &rect, QWidget *parent);

    enum class Action { None, Move, Width, Height, Both };
    // What a press at this point of the panel would do.
    Action actionAt(const QPoint &pos) const;

signals:
    // The button was released after a move or a resize.
    void released();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_pictureName;
    Action m_action = Action::None;
    QPoint m_grab;   // where the panel was taken, in its own coordinates
};
