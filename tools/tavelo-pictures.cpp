// tavelo-pictures OUTDIR: writes every registered picture to OUTDIR/<window>/<control>.png,
// and a copy with its hot spots outlined and named (<control>.hotspots.png).
#include "pictures/appearance.h"
#include "pictures/pictures.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavelo-pictures OUTDIR\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installAppearance();

    const QDir out(QString::fromLocal8Bit(argv[1]));
    int written = 0;
    for (const QString &name : Pictures::names()) {
        const QImage image = Pictures::render(name);
        if (image.isNull()) {
            std::fprintf(stderr, "cannot draw %s\n", qPrintable(name));
            continue;
        }
        const QString path = out.filePath(name + QStringLiteral(".png"));
        QDir().mkpath(QFileInfo(path).absolutePath());
        image.save(path);

        QImage outlined = image.convertToFormat(QImage::Format_ARGB32);
        QPainter p(&outlined);
        QFont f = p.font();
        f.setPixelSize(11);
        f.setBold(true);
        p.setFont(f);
        for (const Pictures::HotSpotOutline &spot : Pictures::entry(name).hotSpots) {
            p.setPen(QPen(Qt::red, 2));
            p.setBrush(QColor(255, 0, 0, 30));
            p.drawRect(spot.rect);
            p.setPen(Qt::red);
            p.drawText(spot.rect.topLeft() + QPoint(2, -3), spot.name);
        }
        p.end();
        outlined.save(out.filePath(name + QStringLiteral(".hotspots.png")));
        ++written;
    }
    std::printf("%d pictures written to %s\n", written, qPrintable(out.absolutePath()));
    return 0;
}
