#pragma once
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

class QPainter;

// Every picture of the program is named "<window>/<control>". Pictures::get()
// reads pictures/<window>/<control>.png or .jpg beside the executable when a school
// put one there, otherwise draws it with the painter registered under that name.
namespace Pictures {

using Painter = std::function<void(QPainter &painter, const QSize &size)>;

struct HotSpotOutline
{
    QString name;   // the hot spot's control name, e.g. "zs2"
    QRect rect;     // in the picture's own coordinates
};

struct Entry
{
    QString name;
    QSize size;
    Painter paint;
    QList<HotSpotOutline> hotSpots;   // what the picture tool outlines
};

void add(const Entry &entry);
bool has(const QString &name);
QStringList names();
Entry entry(const QString &name);

// Cached; drawn at the primary screen's device pixel ratio. An unknown name gives
// a null pixmap (and a test fails on it).
QPixmap get(const QString &name);
// The drawing alone, without file override or cache (the picture tool and tests).
QImage render(const QString &name, qreal devicePixelRatio = 1.0);
void clearCache();
// Every name asked for through get() since the start (tests check they all resolve).
QStringList requested();

// Registers a picture when its translation unit is loaded:
//   static const Pictures::Registrar r{{"Texercice1v3/Image1", {833, 441}, &paintLoginPage, {...}}};
struct Registrar
{
    explicit Registrar(const Entry &entry) { add(entry); }
};
}
