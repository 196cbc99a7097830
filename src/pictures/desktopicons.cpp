#include "pictures/desktopicons.h"

#include "pictures/drawinglog.h"
#include "pictures/imageeditor.h"
#include "pictures/kit.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace DesktopIcons {
namespace {
// The theme icon drawn for each kind (the shortcuts get their arrow on top).
QString themeName(Kind kind)
{
    switch (kind) {
    case Kind::Folder: return QStringLiteral("folder");
    case Kind::CompressedFolder: return QStringLiteral("folder");
    case Kind::PersonalFolder: return QStringLiteral("folder-documents");
    case Kind::Computer: return QStringLiteral("computer");
    case Kind::RecycleBin: return QStringLiteral("user-trash-full");
    case Kind::NetworkPlaces: return QStringLiteral("network-workgroup");
    case Kind::TextDocument: return QStringLiteral("text-plain");
    case Kind::SystemBrowser: return QStringLiteral("internet-web-browser");
    case Kind::WebBrowser: return QStringLiteral("internet-web-browser");
    case Kind::PdfPrinter: return QStringLiteral("printer");
    case Kind::MediaPlayer: return QStringLiteral("multimedia-player");
    case Kind::VideoPlayer: return QStringLiteral("video-x-generic");
    case Kind::PdfReader: return QStringLiteral("application-pdf");
    case Kind::MediaLibrary: return QStringLiteral("applications-multimedia");
    case Kind::InternetShortcut: return QStringLiteral("applications-internet");
    case Kind::PhotoEditor: return ImageEditor::Icon;
    case Kind::ImageViewer: return QStringLiteral("image-x-generic");
    case Kind::WordProcessor: return QStringLiteral("x-office-document");
    case Kind::TextEditor: return QStringLiteral("accessories-text-editor");
    case Kind::FileTransfer: return QStringLiteral("network-server");
    case Kind::Spreadsheet: return QStringLiteral("x-office-spreadsheet");
    }
    return QStringLiteral("unknown");
}

// The zip of a compressed folder: a dark band down the folder with its teeth.
void paintZip(QPainter &p, const QRectF &r)
{
    const qreal w = r.width() * 0.14;
    const QRectF band(r.center().x() - w / 2, r.top() + r.height() * 0.28, w, r.height() * 0.62);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(band);
    p.setBrush(QColor(230, 230, 235));
    const int teeth = 6;
    for (int i = 0; i < teeth; ++i) {
        const qreal y = band.top() + i * band.height() / teeth + 1;
        p.drawRect(QRectF(band.left() + (i % 2 ? w / 2 : 1), y, w / 2 - 1, band.height() / teeth - 2));
    }
    // The slider.
    p.setBrush(QColor(200, 170, 40));
    p.drawRoundedRect(QRectF(band.left() - 2, band.bottom() - w * 1.3, w + 4, w * 1.3), 2, 2);
}

// The shortcut arrow: a white square with a blue curved arrow, lower left.
void paintShortcutArrow(QPainter &p, const QRectF &icon)
{
    const qreal s = icon.width() * 0.38;
    const QRectF box(icon.left(), icon.bottom() - s, s, s);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(Qt::white);
    p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    QPainterPath arrow;
    arrow.moveTo(box.left() + s * 0.25, box.bottom() - s * 0.18);
    arrow.cubicTo(box.left() + s * 0.25, box.top() + s * 0.45, box.left() + s * 0.45, box.top() + s * 0.35,
                  box.right() - s * 0.3, box.top() + s * 0.35);
    p.setPen(QPen(QColor(20, 90, 200), qMax(1.5, s * 0.14), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arrow);
    QPainterPath head;
    head.moveTo(box.right() - s * 0.12, box.top() + s * 0.35);
    head.lineTo(box.right() - s * 0.42, box.top() + s * 0.12);
    head.lineTo(box.right() - s * 0.42, box.top() + s * 0.58);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 90, 200));
    p.drawPath(head);
}
}

bool isShortcut(Kind kind)
{
    return int(kind) >= int(Kind::WebBrowser);
}

void paintIcon(QPainter &painter, const QRect &rect, Kind kind)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    PictureKit::paintIcon(painter, rect, themeName(kind));
    if (kind == Kind::CompressedFolder)
        paintZip(painter, rect);
    if (isShortcut(kind))
        paintShortcutArrow(painter, rect);
    painter.restore();
}

void paintTile(QPainter &painter, const QRect &tile, Kind kind, const QString &caption, int iconSize, bool selected)
{
    painter.save();
    if (selected) {
        painter.setPen(QColor(255, 255, 255, 140));
        painter.setBrush(QColor(61, 174, 233, 110));
        painter.drawRoundedRect(QRectF(tile).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
    paintIcon(painter, QRect(tile.left() + (tile.width() - iconSize) / 2, tile.top() + 2, iconSize, iconSize), kind);
    const QFont font = PictureKit::uiFont(11);
    painter.setFont(font);
    const QRect text(tile.left(), tile.top() + iconSize + 4, tile.width(), tile.height() - iconSize - 4);
    const QFontMetrics metrics(font);
    QString shown = caption;
    if (metrics.boundingRect(text, Qt::TextWordWrap | Qt::AlignHCenter, caption).height() > text.height())
        shown = DrawingLog::fitted(metrics, caption, text.width());
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    painter.setPen(QColor(0, 0, 0, 180));
    painter.drawText(text.translated(1, 1), flags, shown);
    painter.setPen(Qt::white);
    painter.drawText(text, flags, shown);
    painter.restore();
}
}
