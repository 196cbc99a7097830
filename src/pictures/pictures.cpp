#include "pictures/pictures.h"

#include "records/datafolder.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QSet>

namespace Pictures {
namespace {
QHash<QString, Entry> &registry()
{
    static QHash<QString, Entry> table;
    return table;
}

QHash<QString, QPixmap> &cache()
{
    static QHash<QString, QPixmap> pixmaps;
    return pixmaps;
}

QStringList &requestedNames()
{
    static QStringList names;
    return names;
}

qreal screenRatio()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

// A school's own picture beside the executable, scaled to the registered size (in
// device pixels, so that it lies exactly where the drawing would).
QPixmap fromFile(const QString &name, const QSize &size, qreal ratio)
{
    const QString base = DataFolder::path() + QStringLiteral("pictures/") + name;
    for (const char *ending : {".png", ".jpg", ".jpeg"}) {
        const QString path = base + QLatin1String(ending);
        if (!QFile::exists(path))
            continue;
        QImage image(path);
        if (image.isNull())
            continue;
        if (size.isValid() && image.size() != size * ratio)
            image = image.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (size.isValid())
            image.setDevicePixelRatio(ratio);
        return QPixmap::fromImage(image);
    }
    return {};
}
}

void add(const Entry &entry)
{
    registry().insert(entry.name, entry);
    cache().remove(entry.name);
}

bool has(const QString &name) { return registry().contains(name); }

QStringList names()
{
    QStringList out = registry().keys();
    out.sort();
    return out;
}

Entry entry(const QString &name) { return registry().value(name); }

QStringList requested() { return requestedNames(); }

QImage render(const QString &name, qreal devicePixelRatio)
{
    const auto it = registry().constFind(name);
    if (it == registry().constEnd() || !it->size.isValid() || !it->paint)
        return {};
    QImage image(it->size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    it->paint(painter, it->size);
    painter.end();
    return image;
}

QPixmap get(const QString &name)
{
    if (!requestedNames().contains(name))
        requestedNames() << name;
    if (const auto hit = cache().constFind(name); hit != cache().constEnd())
        return *hit;
    const Entry e = registry().value(name);
    QPixmap pixmap = fromFile(name, e.size, screenRatio());
    if (pixmap.isNull()) {
        if (!registry().contains(name)) {
            qWarning("Pictures: no picture named %s", qPrintable(name));
            return {};
        }
        pixmap = QPixmap::fromImage(render(name, screenRatio()));
    }
    cache().insert(name, pixmap);
    return pixmap;
}

void clearCache() { cache().clear(); }
}
