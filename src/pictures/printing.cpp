#include "pictures/printing.h"

#include "pictures/fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Printing {

void paintPrinterIcon(QPainter &painter, const QRectF &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = rect.width(), h = rect.height();
    const qreal x = rect.left(), y = rect.top();
    // The sheet standing in the feeder behind the body.
    const QRectF sheet(x + w * 0.26, y + h * 0.04, w * 0.48, h * 0.42);
    painter.setPen(QPen(QColor(120, 120, 120), 0.8));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    painter.setPen(QPen(QColor(150, 160, 190), 0.8));
    for (int i = 1; i < 4; ++i)
        painter.drawLine(QPointF(sheet.left() + w * 0.06, sheet.top() + sheet.height() * i / 5.0),
                         QPointF(sheet.right() - w * 0.06, sheet.top() + sheet.height() * i / 5.0));
    // The body.
    const QRectF body(x + w * 0.04, y + h * 0.36, w * 0.92, h * 0.42);
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    shade.setColorAt(0, QColor(226, 228, 232));
    shade.setColorAt(1, QColor(150, 154, 162));
    painter.setPen(QPen(QColor(70, 72, 78), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(body, w * 0.08, w * 0.08);
    // The output slot and the sheet coming out of it.
    painter.setBrush(QColor(60, 62, 68));
    painter.drawRect(QRectF(x + w * 0.18, y + h * 0.62, w * 0.64, h * 0.06));
    painter.setPen(QPen(QColor(120, 120, 120), 0.8));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(x + w * 0.22, y + h * 0.66, w * 0.56, h * 0.28));
    // The power light.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 190, 80));
    painter.drawEllipse(QPointF(x + w * 0.84, y + h * 0.46), w * 0.035, w * 0.035);
    painter.restore();
}

namespace {
void paintNumberedSheet(QPainter &painter, const QRect &sheet, int number)
{
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(Qt::white);
    // A dog-eared corner at the top right.
    const int ear = sheet.width() / 4;
    QPainterPath outline;
    outline.moveTo(sheet.topLeft());
    outline.lineTo(sheet.right() - ear, sheet.top());
    outline.lineTo(sheet.right(), sheet.top() + ear);
    outline.lineTo(sheet.bottomRight());
    outline.lineTo(sheet.bottomLeft());
    outline.closeSubpath();
    painter.drawPath(outline);
    painter.drawLine(QPoint(sheet.right() - ear, sheet.top()), QPoint(sheet.right() - ear, sheet.top() + ear));
    painter.drawLine(QPoint(sheet.right() - ear, sheet.top() + ear), QPoint(sheet.right(), sheet.top() + ear));
    // The number near the top left, where the sheet in front leaves it visible.
    painter.setFont(pixelFont(QStringLiteral("Arial"), qMax(8, sheet.height() / 3)));
    painter.setPen(QColor(40, 40, 40));
    painter.drawText(QRect(sheet.left() + 2, sheet.top() + 1, sheet.width() / 2, sheet.height() / 3),
                     Qt::AlignCenter, QString::number(number));
}
}

void paintPageOutlines(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QSize sheet(rect.width() * 3 / 14, rect.height() * 3 / 5 - 1);
    const int step = sheet.width() * 9 / 20;
    for (int copy = 0; copy < 2; ++copy) {
        const int left = rect.left() + copy * (rect.width() / 2);
        for (int page = 3; page >= 1; --page) {
            const QPoint topLeft(left + (3 - page) * step, rect.top() + (3 - page) * rect.height() / 5);
            paintNumberedSheet(painter, QRect(topLeft, sheet), page);
        }
    }
    painter.restore();
}

void paintPrintedPage(QPainter &painter, const QSize &size, const QStringList &lines, const QColor &colour,
                      const QFont &font)
{
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(128, 128, 128));
    // An A4 sheet (1 : 1.414) as high as the picture allows.
    const int height = size.height() - 16;
    const int width = qMin(size.width() - 16, int(height / 1.414));
    const QRect sheet((size.width() - width) / 2, 8, width, height);
    painter.fillRect(sheet.translated(4, 4), QColor(60, 60, 60));
    painter.fillRect(sheet, Qt::white);
    painter.setPen(QColor(40, 40, 40));
    painter.drawRect(sheet.adjusted(0, 0, -1, -1));
    painter.setFont(font);
    painter.setPen(colour);
    const int lineHeight = QFontMetrics(font).height();
    const QRect text = sheet.adjusted(width / 10, height / 12, -width / 10, 0);
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QRect(text.left(), text.top() + i * lineHeight, text.width(), lineHeight),
                         Qt::AlignHCenter | Qt::AlignVCenter, lines.at(i));
    painter.restore();
}
}
