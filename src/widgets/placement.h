#pragma once
#include <QRect>
#include <QString>
#include <QWidget>

// Every control of a window is placed the same way: its name (the program's control
// name, "Button3", "zs2" ...) and its rectangle in client pixels. Later siblings lie
// on top, so windows create their controls in the documented stacking order.
template <class W>
W *place(W *widget, const QString &name, const QRect &rect)
{
    widget->setObjectName(name);
    widget->setGeometry(rect);
    return widget;
}

template <class W>
W *place(W *widget, const char *name, const QRect &rect)
{
    return place(widget, QString::fromLatin1(name), rect);
}
