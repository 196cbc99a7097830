#include "pictures/drawinglog.h"

#include <QFontMetrics>
#include <QPainter>

#include <utility>

namespace DrawingLog {
namespace {
bool recording = false;
Record record;
}

void start()
{
    record = {};
    recording = true;
}

Record take()
{
    recording = false;
    return std::exchange(record, {});
}

void menuRow(const QPainter &painter, const QRect &row)
{
    if (recording)
        record.menuRows << painter.transform().mapRect(row);
}

void menuText(const QPainter &painter, const QRect &room, const QString &text)
{
    if (!recording)
        return;
    QString shown = text;
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QChar(1), QLatin1Char('&'));
    if (painter.fontMetrics().horizontalAdvance(shown) > room.width())
        record.clippedTexts << text;
}

void program(const QString &name, const char *family)
{
    if (recording)
        record.programs.insert({name, QString::fromLatin1(family)});
}

QString fitted(const QFontMetrics &metrics, const QString &text, int width)
{
    const QString shown = metrics.elidedText(text, Qt::ElideRight, width);
    if (recording && shown != text)
        record.shortenedTexts << text;
    return shown;
}
}
