// tavelo-icons OUTDIR: writes the program's icon at each size the desktop's icon
// themes keep, as OUTDIR/<N>x<N>/apps/tavelo.png (the layout of
// /usr/share/icons/hicolor), each drawn at its own size.
#include "shell/programicon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavelo-icons OUTDIR\n");
        return 2;
    }
    // Drawing needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int pixels : ProgramIcon::sizes()) {
        const QString folder = out.filePath(QStringLiteral("%1x%1/apps").arg(pixels));
        const QString file = folder + QStringLiteral("/tavelo.png");
        const QImage image = ProgramIcon::image(pixels);
        if (!QDir().mkpath(folder) || image.isNull() || !image.save(file, "PNG")) {
            std::fprintf(stderr, "tavelo-icons: could not write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
