#pragma once
#include "pictures/pictures.h"

#include <QList>
#include <QRect>
#include <initializer_list>
#include <utility>

// The hot spots a registered picture lies under, given as window rectangles and
// translated into the picture's own coordinates (what the picture tool outlines).
namespace Pictures {
inline QList<HotSpotOutline> outlinesIn(std::initializer_list<std::pair<const char *, QRect>> spots,
                                        const QRect &picture)
{
    QList<HotSpotOutline> out;
    for (const auto &[name, rect] : spots)
        out << HotSpotOutline{QString::fromLatin1(name), rect.translated(-picture.topLeft())};
    return out;
}

inline Entry entry(const char *name, const QSize &size, Painter paint, QList<HotSpotOutline> spots = {})
{
    return Entry{QString::fromLatin1(name), size, std::move(paint), std::move(spots)};
}
}
