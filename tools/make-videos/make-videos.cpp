// make-videos FFMPEG OUTDIR: draws the six films of the simulation exercise and
// encodes each with ffmpeg into OUTDIR, replacing the film made before (the build
// runs it again whenever the drawings change, so no film is ever left stale). A film
// is written to a temporary name first, so an interrupted build leaves no broken film.
#include "scenes.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {
constexpr int FramesPerSecond = 12;
constexpr int Seconds = 4;

bool encode(const QString &ffmpeg, const Scenes::Film &film, const QString &target)
{
    const QString partial = target + QStringLiteral(".part.avi");
    const QString command =
        QStringLiteral("\"%1\" -y -loglevel error -f rawvideo -pix_fmt rgb24 -s %2x%3 -r %4 -i - "
                       "-c:v mjpeg -q:v 5 -pix_fmt yuvj420p -f avi \"%5\"")
            .arg(ffmpeg)
            .arg(film.frameSize.width())
            .arg(film.frameSize.height())
            .arg(FramesPerSecond)
            .arg(partial);
    FILE *pipe = popen(command.toLocal8Bit().constData(), "w");
    if (!pipe)
        return false;
    QImage frame(film.frameSize, QImage::Format_RGB888);
    const int count = FramesPerSecond * Seconds;
    bool written = true;
    for (int i = 0; i < count && written; ++i) {
        frame.fill(Qt::black);
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        film.paint(painter, QSizeF(film.frameSize), double(i) / count);
        painter.end();
        const size_t line = size_t(frame.width()) * 3;
        for (int y = 0; y < frame.height() && written; ++y)
            written = std::fwrite(frame.constScanLine(y), 1, line, pipe) == line;
    }
    const int status = pclose(pipe);
    if (!written || status != 0) {
        QFile::remove(partial);
        return false;
    }
    QFile::remove(target);
    return QFile::rename(partial, target);
}
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-videos FFMPEG OUTDIR\n");
        return 2;
    }
    const QString ffmpeg = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.absolutePath());
    if (ffmpeg.isEmpty() || ffmpeg.endsWith(QStringLiteral("NOTFOUND"))) {
        std::fprintf(stderr, "make-videos: ffmpeg is missing, the simulation films are not made\n");
        return 0;
    }

    for (const Scenes::Film &film : Scenes::films()) {
        const QString target = out.filePath(film.fileName);
        if (encode(ffmpeg, film, target)) {
            std::printf("make-videos: %s\n", qPrintable(film.fileName));
        } else {
            std::fprintf(stderr, "make-videos: could not make %s\n", qPrintable(film.fileName));
        }
    }
    // A missing film leaves an empty area in the exercise: never a reason to fail the build.
    return 0;
}
