#pragma once
#include <QRect>

class QPainter;

// The web pages shown in the browser exercise, each painted into the page area of
// the browser's chrome: the search engine's home page, the library's site (larger
// when the pupil enlarged the text) and the town's site.
namespace WebPages {
void paintSearchEnginePage(QPainter &p, const QRect &page);
void paintLibraryPage(QPainter &p, const QRect &page, qreal textScale = 1.0);
void paintTownPage(QPainter &p, const QRect &page);
}
