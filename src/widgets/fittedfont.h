#pragma once
#include <QFont>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>

// 'font' with its letters drawn just close enough for the widest of 'lines' to hold
// on one line of 'width' pixels; unchanged when they already do. A text whose lines
// the pupil compares keeps them whole rather than wrapped.
inline QFont fittedFont(QFont font, const QStringList &lines, qreal width)
{
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line.trimmed()));
    if (widest > width)
        font.setLetterSpacing(QFont::PercentageSpacing, std::floor(100 * width / widest));
    return font;
}
