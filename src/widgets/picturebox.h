#pragma once
#include "widgets/hotspot.h"

// A picture of the window ("<window>/<control>" from the picture registry), drawn
// at the widget's top left. It reacts like a hot spot: content pictures are
// clickable ("Image2Click").
class PictureBox : public HotSpot
{
    Q_OBJECT
public:
    explicit PictureBox(const QString &pictureName, QWidget *parent = nullptr);
    PictureBox(const QString &pictureName, const QString &controlName, const QRect &rect, QWidget *parent);

    QString pictureName() const { return m_pictureName; }
    void setPictureName(const QString &pictureName);
    // With a transparent picture the window shows through (the default).
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_pictureName;
};
