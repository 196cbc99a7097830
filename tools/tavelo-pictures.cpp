// tavelo-pictures OUTDIR: writes every picture the program draws to
// OUTDIR/<window>/<control>.png, and beside it <control>.hotspots.png with each hot
// spot outlined in red and named, to check that drawings and hot spots agree.
#include "pictures/appearance.h"
#include "pictures/pictures.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

QImage withHotSpots(const QImage &picture, const Pictures::Entry &entry)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&out);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QRect bounds = out.rect();
    for (const Pictures::HotSpotOutline &spot : entry.hotSpots) {
        painter.setPen(QPen(Qt::red, 1));
        painter.setBrush(QColor(255, 0, 0, 30));
        painter.drawRect(spot.rect.adjusted(0, 0, -1, -1));
        // The name on a light tag just above the outline (below it at the top edge),
        // so that it hides nothing of what the outline frames.
        const QSize tag(metrics.horizontalAdvance(spot.name) + 4, metrics.height());
        QRect label(QPoint(spot.rect.left(), spot.rect.top() - tag.height()), tag);
        if (label.top() < 0)
            label.moveTop(spot.rect.bottom() + 1);
        label.moveLeft(std::clamp(label.left(), 0, std::max(0, bounds.width() - tag.width())));
        painter.fillRect(label, QColor(255, 255, 255, 210));
        painter.setPen(Qt::red);
        painter.drawText(label, Qt::AlignCenter, spot.name);
    }
    return out;
}
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavelo-pictures OUTDIR\n");
        return 2;
    }
    installAppearance();

    const QDir out(QString::fromLocal8Bit(argv[1]));
    int written = 0;
    int failed = 0;
    for (const QString &name : Pictures::names()) {
        const Pictures::Entry entry = Pictures::entry(name);
        const QImage picture = Pictures::render(name);
        const QString base = out.filePath(name);
        if (picture.isNull() || !QDir().mkpath(QFileInfo(base).path()) || !picture.save(base + QStringLiteral(".png"))
            || !withHotSpots(picture, entry).save(base + QStringLiteral(".hotspots.png"))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            ++failed;
            continue;
        }
        ++written;
    }
    std::printf("%d pictures written to %s\n", written, qPrintable(out.absolutePath()));
    return failed == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
