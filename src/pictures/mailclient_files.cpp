// The e-mail client family: the file dialogs and the picture viewer.
#include "pictures/mailclient.h"
#include "pictures/mailclient_internal.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace PictureKit;

namespace MailClient {
using namespace detail;

// ---- file dialogs ----------------------------------------------------------------------

QRect fileNameField(const FileDialogView &v)
{
    const int left = v.tree.left() + 100;
    return QRect(left, v.accept.top() + 6, v.accept.left() - 10 - left, 22);
}

void paintFileDialog(QPainter &p, const FileDialogView &v)
{
    Saved s(p);
    const QRect f = v.frame;
    p.fillRect(f, Colours::Window);
    p.setPen(QColor(0x1b, 0x2c, 0x48));
    p.drawRect(f.adjusted(0, 0, -1, -1));
    paintTitleBar(p, QRect(f.left(), f.top(), f.width(), TitleHeight), v.caption, QStringLiteral("document-open"),
                  false);
    p.setPen(Colours::Text);
    p.setFont(font(11));
    p.setFont(font(10));
    p.drawText(QRect(f.left() + 6, f.top() + 30, v.tree.left() - f.left() - 8, 22), Qt::AlignVCenter,
               v.lookInLabel);
    paintComboBox(p, QRect(v.tree.left(), f.top() + 30, v.tree.width() - 90, 22), v.lookIn);
    const QStringList tools{QStringLiteral("go-previous"), QStringLiteral("go-up"), QStringLiteral("folder-new"),
                            QStringLiteral("view-list-details")};
    for (int i = 0; i < tools.size(); ++i)
        paintIcon(p, QRect(v.tree.right() - 84 + 22 * i, f.top() + 33, 16, 16), tools.at(i));
    // The places bar.
    const QRect places(f.left() + 6, v.tree.top(), v.tree.left() - f.left() - 12, v.tree.height());
    p.fillRect(places, QColor(0x9a, 0xa9, 0xbd));
    const struct { const char *icon; const char *text; } spots[] = {
        {"document-open-recent", "Documents récents"}, {"user-desktop", "Bureau"}, {"folder-documents", "Mes documents"},
        {"computer", "Poste de travail"}, {"folder-network", "Favoris réseau"}};
    for (int i = 0; i < 5; ++i) {
        const QRect r(places.left(), places.top() + 6 + 56 * i, places.width(), 54);
        paintIcon(p, QRect(r.center().x() - 14, r.top() + 2, 28, 28), QString::fromLatin1(spots[i].icon));
        p.setPen(Qt::white);
        p.setFont(font(10));
        p.drawText(QRect(r.left(), r.top() + 30, r.width(), 24), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                   QString::fromUtf8(spots[i].text));
    }
    p.fillRect(v.tree, Qt::white);
    p.setPen(Line);
    p.drawRect(v.tree.adjusted(-1, -1, 0, 0));
    // File name and type rows, the accept and cancel buttons at right.
    const int labelsLeft = v.tree.left();
    const QRect nameRow = fileNameField(v);
    p.setPen(Colours::Text);
    p.setFont(font(11));
    p.drawText(QRect(labelsLeft, nameRow.top(), 98, 22), Qt::AlignVCenter, QStringLiteral("Nom du fichier :"));
    paintComboBox(p, nameRow, QString(), true);
    p.setPen(Colours::Text);
    p.setFont(font(12));
    p.drawText(nameRow.adjusted(5, 0, -20, 0), Qt::AlignVCenter | Qt::AlignLeft, v.fileName);
    p.setFont(font(11));
    const QRect typeRow = nameRow.translated(0, 38);
    p.setPen(Colours::Text);
    p.drawText(QRect(labelsLeft, typeRow.top(), 98, 22), Qt::AlignVCenter, QStringLiteral("Type :"));
    paintComboBox(p, typeRow, v.fileType);
    paintButton(p, v.accept, v.acceptText, true);
    paintButton(p, QRect(v.accept.left(), v.accept.bottom() + 5, v.accept.width(), 30), QStringLiteral("Annuler"));
}

// ---- picture viewer --------------------------------------------------------------------

void paintPhotograph(QPainter &p, const QRect &r)
{
    Saved s(p);
    p.setClipRect(r);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(0x5d, 0x9c, 0xe0));
    sky.setColorAt(0.6, QColor(0xc6, 0xe2, 0xf5));
    p.fillRect(r, sky);
    const qreal w = r.width(), h = r.height(), x0 = r.left(), y0 = r.top();
    // Sun and a cloud.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe0, 0x6a));
    p.drawEllipse(QPointF(x0 + w * 0.82, y0 + h * 0.16), h * 0.07, h * 0.07);
    p.setBrush(QColor(255, 255, 255, 220));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(x0 + w * (0.22 + 0.05 * i), y0 + h * (0.18 + (i % 2) * 0.02)), h * 0.06, h * 0.045);
    // Mountains with snow caps.
    const struct { qreal left, peak, right, height; QColor colour; } mountains[] = {
        {-0.1, 0.25, 0.6, 0.55, QColor(0x6b, 0x7f, 0x99)},
        {0.3, 0.62, 1.1, 0.62, QColor(0x58, 0x6d, 0x88)},
    };
    for (const auto &m : mountains) {
        const QPointF base1(x0 + w * m.left, y0 + h * 0.72), top(x0 + w * m.peak, y0 + h * (0.72 - m.height * 0.8)),
            base2(x0 + w * m.right, y0 + h * 0.72);
        p.setBrush(m.colour);
        p.drawPolygon(QPolygonF{base1, top, base2});
        p.setBrush(Qt::white);
        const qreal t = 0.22;
        p.drawPolygon(QPolygonF{top, top + (base1 - top) * t, top + (base2 - top) * t * 0.8 + QPointF(-6, 4),
                                top + (base2 - top) * t});
    }
    // Meadow, a path and fir trees.
    QLinearGradient meadow(QPointF(x0, y0 + h * 0.68), QPointF(x0, y0 + h));
    meadow.setColorAt(0, QColor(0x7c, 0xb3, 0x42));
    meadow.setColorAt(1, QColor(0x4e, 0x86, 0x2c));
    p.setBrush(meadow);
    QPainterPath ground;
    ground.moveTo(x0, y0 + h * 0.72);
    ground.cubicTo(x0 + w * 0.3, y0 + h * 0.66, x0 + w * 0.6, y0 + h * 0.76, x0 + w, y0 + h * 0.7);
    ground.lineTo(x0 + w, y0 + h);
    ground.lineTo(x0, y0 + h);
    p.drawPath(ground);
    p.setBrush(QColor(0xd9, 0xc2, 0x8f));
    QPainterPath path;
    path.moveTo(x0 + w * 0.47, y0 + h * 0.72);
    path.cubicTo(x0 + w * 0.5, y0 + h * 0.8, x0 + w * 0.35, y0 + h * 0.9, x0 + w * 0.3, y0 + h);
    path.lineTo(x0 + w * 0.45, y0 + h);
    path.cubicTo(x0 + w * 0.5, y0 + h * 0.9, x0 + w * 0.53, y0 + h * 0.8, x0 + w * 0.49, y0 + h * 0.72);
    p.drawPath(path);
    for (int i = 0; i < 6; ++i) {
        const qreal tx = x0 + w * (0.06 + 0.15 * i + (i > 2 ? 0.1 : 0)), ty = y0 + h * (0.8 + 0.03 * (i % 2));
        const qreal th = h * 0.16;
        p.setBrush(QColor(0x5a, 0x3b, 0x22));
        p.drawRect(QRectF(tx - 2, ty, 4, th * 0.2));
        p.setBrush(QColor(0x2f, 0x6b, 0x2a));
        p.drawPolygon(QPolygonF{QPointF(tx - th * 0.3, ty), QPointF(tx, ty - th), QPointF(tx + th * 0.3, ty)});
    }
    // A small group of hikers on the path.
    const QColor coats[] = {QColor(0xd3, 0x3b, 0x3b), QColor(0x2f, 0x5f, 0xc8), QColor(0xf0, 0xa0, 0x20)};
    for (int i = 0; i < 3; ++i) {
        const qreal hx = x0 + w * (0.44 + 0.035 * i), hy = y0 + h * (0.8 + 0.02 * i);
        p.setBrush(coats[i]);
        p.drawRoundedRect(QRectF(hx - 4, hy, 8, h * 0.05), 2, 2);
        p.setBrush(QColor(0xf1, 0xc2, 0x9b));
        p.drawEllipse(QPointF(hx, hy - 3), 3.5, 3.5);
    }
}

void paintPictureViewer(QPainter &p, const QRect &f, const QString &fileName)
{
    Saved s(p);
    p.fillRect(f, Colours::Window);
    p.setPen(QColor(0x1b, 0x2c, 0x48));
    p.drawRect(f.adjusted(0, 0, -1, -1));
    paintTitleBar(p, QRect(f.left(), f.top(), f.width(), TitleHeight),
                  fileName + QStringLiteral(" - Visionneuse d'images"), QStringLiteral("image-x-generic"));
    paintMenuBar(p, QRect(f.left() + 1, f.top() + 22, f.width() - 2, 24),
                 {QStringLiteral("&Fichier"), QStringLiteral("É&dition"), QStringLiteral("&Image"),
                  QStringLiteral("&Affichage"), QStringLiteral("&?")});
    paintToolBar(p, QRect(f.left() + 1, f.top() + 46, f.width() - 2, 34),
                 {ToolButton{QStringLiteral("document-open")}, ToolButton{QStringLiteral("document-save")},
                  ToolButton{QStringLiteral("document-print")}, ToolButton::line(),
                  ToolButton{QStringLiteral("zoom-in")}, ToolButton{QStringLiteral("zoom-out")},
                  ToolButton{QStringLiteral("zoom-fit-best")}, ToolButton::line(),
                  ToolButton{QStringLiteral("object-rotate-left")}, ToolButton{QStringLiteral("object-rotate-right")}});
    const QRect canvas(f.left() + 1, f.top() + 81, f.width() - 2, f.height() - 81 - 22);
    p.fillRect(canvas, QColor(0x3a, 0x3d, 0x41));
    const QRect photo(canvas.left() + 40, canvas.top() + 30, canvas.width() - 80, canvas.height() - 60);
    p.fillRect(photo.translated(4, 4), QColor(0, 0, 0, 90));
    paintPhotograph(p, photo);
    paintStatusBar(p, QRect(f.left() + 1, f.bottom() - 21, f.width() - 2, 21),
                   {fileName, QStringLiteral("1024 x 768 pixels"), QStringLiteral("100 %")});
}
}
