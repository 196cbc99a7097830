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

#include "pictures/kit.h"

namespace Printing {

void paintPhotoPrinter(QPainter &painter, const QRectF &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = rect.width(), h = rect.height(), x = rect.left(), y = rect.top();
    // The paper support, tilted up at the back, with a sheet on it.
    QPainterPath support;
    support.moveTo(x + w * 0.22, y + h * 0.42);
    support.lineTo(x + w * 0.30, y + h * 0.04);
    support.lineTo(x + w * 0.70, y + h * 0.04);
    support.lineTo(x + w * 0.78, y + h * 0.42);
    support.closeSubpath();
    painter.setPen(QPen(QColor(110, 110, 115), 1));
    painter.setBrush(QColor(236, 236, 238));
    painter.drawPath(support);
    // The body: a wide silver box with a darker front.
    const QRectF body(x + w * 0.04, y + h * 0.38, w * 0.92, h * 0.40);
    QLinearGradient metal(body.topLeft(), body.bottomLeft());
    metal.setColorAt(0, QColor(242, 243, 245));
    metal.setColorAt(0.5, QColor(196, 199, 205));
    metal.setColorAt(1, QColor(120, 124, 132));
    painter.setPen(QPen(QColor(80, 82, 88), 1));
    painter.setBrush(metal);
    painter.drawRoundedRect(body, h * 0.06, h * 0.06);
    painter.setBrush(QColor(70, 72, 80));
    painter.drawRect(QRectF(x + w * 0.16, y + h * 0.64, w * 0.68, h * 0.05));
    // The buttons and the light.
    painter.setBrush(QColor(90, 150, 220));
    painter.drawEllipse(QPointF(x + w * 0.86, y + h * 0.48), w * 0.025, w * 0.025);
    painter.setBrush(QColor(60, 190, 80));
    painter.drawEllipse(QPointF(x + w * 0.80, y + h * 0.48), w * 0.018, w * 0.018);
    // A photo coming out in front: a sky and a hill.
    const QRectF photo(x + w * 0.28, y + h * 0.67, w * 0.44, h * 0.30);
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(photo);
    const QRectF picture = photo.adjusted(w * 0.02, h * 0.02, -w * 0.02, -h * 0.02);
    QLinearGradient sky(picture.topLeft(), picture.bottomLeft());
    sky.setColorAt(0, QColor(90, 160, 235));
    sky.setColorAt(1, QColor(200, 230, 255));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRect(picture);
    QPainterPath hill;
    hill.moveTo(picture.bottomLeft());
    hill.quadTo(QPointF(picture.center().x(), picture.top() + picture.height() * 0.2), picture.bottomRight());
    hill.closeSubpath();
    painter.setBrush(QColor(70, 160, 70));
    painter.drawPath(hill);
    painter.setBrush(QColor(255, 210, 60));
    painter.drawEllipse(QPointF(picture.right() - picture.width() * 0.2, picture.top() + picture.height() * 0.3),
                        picture.height() * 0.14, picture.height() * 0.14);
    painter.restore();
}

void paintOrientationPage(QPainter &painter, const QRect &rect, bool landscape)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QSizeF sheet = landscape ? QSizeF(rect.width(), rect.width() / 1.414) : QSizeF(rect.height() / 1.414, rect.height());
    if (sheet.width() > rect.width() || sheet.height() > rect.height())
        sheet.scale(rect.size(), Qt::KeepAspectRatio);
    QRectF page(QPointF(0, 0), sheet);
    page.moveCenter(QRectF(rect).center());
    page.adjust(1, 1, -2, -2);
    painter.fillRect(page.translated(2, 2), QColor(0, 0, 0, 60));
    painter.setPen(QPen(QColor(70, 70, 70), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(page);
    // A capital A standing as the text would.
    painter.setPen(QColor(30, 60, 140));
    painter.setFont(pixelFont(QStringLiteral("Times New Roman"), qMin(page.width(), page.height()) * 0.6, true));
    painter.drawText(page, Qt::AlignCenter, QStringLiteral("A"));
    painter.restore();
}

void paintDefaultTick(QPainter &painter, const QRectF &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(rect.width(), rect.height());
    QRectF disc(0, 0, side, side);
    disc.moveCenter(rect.center());
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(QColor(30, 30, 30));
    painter.drawEllipse(disc);
    painter.setPen(QPen(Qt::white, side * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath check;
    check.moveTo(disc.left() + side * 0.26, disc.top() + side * 0.52);
    check.lineTo(disc.left() + side * 0.44, disc.top() + side * 0.70);
    check.lineTo(disc.left() + side * 0.76, disc.top() + side * 0.32);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(check);
    painter.restore();
}

namespace {
void paintFax(QPainter &painter, const QRectF &r)
{
    paintPrinterIcon(painter, r.adjusted(0, r.height() * 0.15, -r.width() * 0.25, 0));
    // The handset beside it.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(QColor(70, 72, 80));
    painter.drawRoundedRect(QRectF(r.right() - r.width() * 0.24, r.top() + r.height() * 0.25, r.width() * 0.2,
                                   r.height() * 0.6),
                            r.width() * 0.08, r.width() * 0.08);
    painter.restore();
}

void paintNetworkCable(QPainter &painter, const QRectF &r)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 90, 160), 2));
    const QPointF low(r.left() + r.width() * 0.5, r.bottom());
    painter.drawLine(QPointF(r.left() + r.width() * 0.15, r.bottom() - 1), QPointF(r.right() - r.width() * 0.15, r.bottom() - 1));
    painter.drawLine(low, QPointF(low.x(), r.bottom() - r.height() * 0.16));
    painter.restore();
}

void paintPdfPrinter(QPainter &painter, const QRectF &r)
{
    paintPrinterIcon(painter, r);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF badge(r.left(), r.bottom() - r.height() * 0.42, r.width() * 0.5, r.height() * 0.36);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawRoundedRect(badge, 3, 3);
    painter.setPen(Qt::white);
    painter.setFont(pixelFont(QStringLiteral("Arial"), badge.height() * 0.6, true));
    painter.drawText(badge, Qt::AlignCenter, QStringLiteral("PDF"));
    painter.restore();
}
}

namespace PrintersFolder {
void paint(QPainter &painter, const QSize &size, const QString &caption, const QList<Printer> &printers)
{
    using namespace PictureKit;
    const QRect outer(QPoint(0, 0), size);
    WindowFrame frame;
    frame.caption = caption;
    frame.icon = QStringLiteral("printer");
    const QRect client = paintWindowFrame(painter, outer, frame);
    const QRect menu(client.left(), client.top(), client.width(), MenuBarHeight);
    PictureKit::paintMenuBar(painter, menu,
                             {QStringLiteral("Fichier"), QStringLiteral("Edition"), QStringLiteral("Affichage"),
                              QStringLiteral("Favoris"), QStringLiteral("Outils"), QStringLiteral("?")});
    const QRect body(client.left(), menu.bottom() + 1, client.width(), client.bottom() - menu.bottom());
    painter.fillRect(body, Qt::white);
    // The task pane.
    const QRect pane(body.left(), body.top(), FirstTile.x() - 24 - body.left(), body.height());
    QLinearGradient blue(pane.topLeft(), pane.bottomLeft());
    blue.setColorAt(0, QColor(122, 161, 230));
    blue.setColorAt(1, QColor(99, 117, 214));
    painter.fillRect(pane, blue);
    const QRect tasks(pane.left() + 10, pane.top() + 12, pane.width() - 20, 110);
    painter.fillRect(tasks, QColor(214, 223, 247));
    painter.fillRect(QRect(tasks.left(), tasks.top(), tasks.width(), 22), Qt::white);
    painter.setPen(QColor(33, 93, 198));
    painter.setFont(pixelFont(QStringLiteral("Tahoma"), 11, true));
    painter.drawText(QRect(tasks.left() + 8, tasks.top(), tasks.width(), 22), Qt::AlignVCenter,
                     QStringLiteral("Tâches d'impression"));
    painter.setFont(pixelFont(QStringLiteral("Tahoma"), 11));
    const QStringList entries{QStringLiteral("Ajouter une imprimante"), QStringLiteral("Envoyer une télécopie"),
                              QStringLiteral("Configurer la télécopie")};
    for (int i = 0; i < entries.size(); ++i)
        painter.drawText(QRect(tasks.left() + 10, tasks.top() + 30 + i * 24, tasks.width() - 12, 20),
                         Qt::AlignVCenter, entries.at(i));
    // The printers.
    painter.setFont(pixelFont(QStringLiteral("Tahoma"), 11));
    for (int i = 0; i < printers.size(); ++i) {
        const QRectF iconRect = icon(i);
        switch (printers.at(i).kind) {
        case Kind::Printer: paintPrinterIcon(painter, iconRect); break;
        case Kind::NetworkPrinter:
            paintPrinterIcon(painter, iconRect.adjusted(0, 0, 0, -6));
            paintNetworkCable(painter, iconRect);
            break;
        case Kind::Fax: paintFax(painter, iconRect); break;
        case Kind::VirtualPrinter: paintPdfPrinter(painter, iconRect); break;
        }
        painter.setPen(QColor(20, 20, 20));
        const QRect t = tile(i);
        painter.drawText(QRect(t.left(), t.top() + 54, t.width() - 3, t.height() - 54),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, printers.at(i).name);
    }
}
}

}
