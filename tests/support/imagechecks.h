#pragma once
#include <QImage>

// True when the image holds more than one colour and is not fully transparent.
inline bool drawsSomething(const QImage &image)
{
    if (image.isNull())
        return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb first = argb.pixel(0, 0);
    bool opaque = false;
    bool varied = false;
    for (int y = 0; y < argb.height() && !(opaque && varied); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb px = argb.pixel(x, y);
            opaque = opaque || qAlpha(px) > 0;
            varied = varied || px != first;
        }
    return opaque && varied;
}
