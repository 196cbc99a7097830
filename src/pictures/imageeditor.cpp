#include "pictures/imageeditor.h"

#include "pictures/drawinglog.h"
#include "pictures/kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace ImageEditor {

namespace {
// The logo is the editor's icon wherever a picture shows the program.
const bool logoIsTheIcon = PictureKit::addDrawnIcon(Icon, &paintLogo);

constexpr int TitleWidths[MenuCount] = {48, 60, 46, 56, 58, 46, 68, 48, 60, 22};
constexpr int MenuLeft = 2;
constexpr int ToolLeft = 4;
constexpr int ButtonWidth = 25;
constexpr int ButtonPitch = 27;
constexpr int SeparatorWidth = 6;
constexpr int ZoomBoxWidth = 60;
const QColor Face(236, 233, 216);
const QColor Shadow(172, 168, 153);

Tool theme(const char *hint, const char *icon, bool groupStart = false)
{
    return Tool{QString::fromUtf8(hint), QString::fromLatin1(icon), Glyph::Theme, 0, groupStart};
}
Tool drawn(const char *hint, Glyph glyph, int sign, bool groupStart = false)
{
    return Tool{QString::fromUtf8(hint), QString(), glyph, sign, groupStart};
}
Line item(const char *text, const char *shortcut = "", bool submenu = false)
{
    return Line{QString::fromUtf8(text), QString::fromLatin1(shortcut), submenu};
}
Line separator()
{
    return Line{};
}

void paintBadge(QPainter &p, const QRect &r, int sign)
{
    const QRect badge(r.right() - 9, r.bottom() - 9, 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(sign > 0 ? QColor(40, 140, 40) : QColor(190, 40, 40));
    p.drawEllipse(badge);
    p.setPen(QPen(Qt::white, 1.6));
    const QPointF c = QRectF(badge).center();
    p.drawLine(QPointF(c.x() - 3, c.y()), QPointF(c.x() + 3, c.y()));
    if (sign > 0)
        p.drawLine(QPointF(c.x(), c.y() - 3), QPointF(c.x(), c.y() + 3));
}
}

QStringList menuTitles()
{
    return {QStringLiteral("Fichier"), QStringLiteral("Edition"), QStringLiteral("Image"),
            QStringLiteral("Sélection"), QStringLiteral("Réglage"), QStringLiteral("Filtre"),
            QStringLiteral("Affichage"), QStringLiteral("Outils"), QStringLiteral("Fenêtre"), QStringLiteral("?")};
}

QRect menuTitle(int menu)
{
    int x = MenuLeft;
    for (int i = 0; i < menu; ++i)
        x += TitleWidths[i];
    return QRect(x, MenuBar.top(), TitleWidths[menu], MenuBar.height());
}

QList<Tool> tools(int row)
{
    if (row == 0)
        return {theme("Nouveau", "document-new"), theme("Ouvrir", "document-open"),
                theme("Enregistrer", "document-save"), theme("Imprimer", "document-print"),
                theme("Numériser", "scanner"),
                theme("Défaire", "edit-undo", true), theme("Refaire", "edit-redo"),
                theme("Couleurs RVB", "adjustrgb", true), theme("Couleurs indexées", "color-management"),
                theme("Couleur de transparence", "color-picker"),
                theme("Taille de l'image", "transform-scale", true),
                theme("Taille de la zone de travail", "image-resize-symbolic"),
                theme("Afficher la sélection", "select-rectangular", true), theme("Texte", "draw-text"),
                theme("Explorateur d'images", "folder-pictures"), theme("Automatisation", "system-run"),
                theme("Préférences", "configure"),
                Tool{QString(), QString(), Glyph::ZoomBox, 0, true},
                theme("Zoom avant", "zoom-in", true), theme("Zoom arrière", "zoom-out"),
                theme("Taille réelle", "zoom-original"), theme("Zoom automatique", "zoom-fit-best"),
                theme("Plein écran", "view-fullscreen")};
    return {drawn("Niveaux automatiques", Glyph::Levels, 0), drawn("Contraste automatique", Glyph::AutoContrast, 0),
            drawn("Luminosité (-)", Glyph::Brightness, -1, true), drawn("Luminosité (+)", Glyph::Brightness, +1),
            drawn("Contraste (-)", Glyph::Contrast, -1, true), drawn("Contraste (+)", Glyph::Contrast, +1),
            drawn("Saturation (-)", Glyph::Saturation, -1, true), drawn("Saturation (+)", Glyph::Saturation, +1),
            drawn("Correction Gamma (-)", Glyph::Gamma, -1, true), drawn("Correction Gamma (+)", Glyph::Gamma, +1),
            theme("Niveau de gris", "color-mode-black-white", true), theme("Photo ancienne", "filmgrain"),
            theme("Antipoussière", "hotpixels"), theme("Adoucir", "blurimage", true), theme("Flou", "blurfx"),
            theme("Plus net", "sharpenimage"), theme("Renforcement", "adjustcurves"),
            theme("Variation de teinte", "adjusthsl", true), theme("Dégradé", "color-fill"),
            theme("PhotoMasque", "texture"),
            theme("Symétrie Horizontale", "object-flip-horizontal", true),
            theme("Symétrie verticale", "object-flip-vertical"),
            theme("Rotation 90° antihoraire", "object-rotate-left"),
            theme("Rotation 90° horaire", "object-rotate-right")};
}

QList<QRect> toolRects(int row)
{
    QList<QRect> rects;
    int x = ToolLeft;
    for (const Tool &tool : tools(row)) {
        if (tool.groupStart)
            x += SeparatorWidth;
        const int width = tool.glyph == Glyph::ZoomBox ? ZoomBoxWidth : ButtonWidth;
        rects << QRect(x, ToolTop[row], width, ToolHeight);
        x += width + (ButtonPitch - ButtonWidth);
    }
    return rects;
}

MenuPicture menu(int which)
{
    MenuPicture m;
    switch (which) {
    case File:
        m.lines = {item("Nouveau...", "Ctrl+N"), item("Ouvrir...", "Ctrl+O"), item("Fichiers récents", "", true),
                   item("Enregistrer", "Ctrl+S"), item("Enregistrer sous..."), separator(), item("Fermer"),
                   item("Fermer tout"), separator(), item("Imprimer...", "Ctrl+P"), separator(),
                   item("Quitter", "Alt+F4")};
        m.width = 210;
        m.itemHeight = 24;
        m.separatorHeight = 10;
        m.inset = 7;
        break;
    case Edit:
        m.lines = {item("Défaire", "Ctrl+Z"), item("Refaire", "Ctrl+Y"), separator(), item("Couper", "Ctrl+X"),
                   item("Copier", "Ctrl+C"), item("Coller", "Ctrl+V"), item("Coller en tant qu'image"),
                   separator(), item("Effacer", "Suppr"), item("Remplir...")};
        break;
    case Image:
        m.lines = {item("Dupliquer"), item("Recadrer"), item("Encadrement extérieur..."),
                   item("Transformation", "", true), separator(), item("Taille de la zone de travail..."),
                   item("Taille de l'image..."), separator(), item("Mode", "", true),
                   item("Couleur de transparence...")};
        m.width = 240;
        m.separatorHeight = 12;
        break;
    case Selection:
        m.lines = {item("Tout sélectionner", "Ctrl+A"), item("Masquer la sélection"), item("Inverser"),
                   separator(), item("Forme", "", true), item("Copier la sélection")};
        break;
    case Adjust:
        m.lines = {item("Luminosité/Contraste..."), item("Niveaux..."), item("Correction gamma..."),
                   item("Teinte/Saturation..."), item("Balance des couleurs..."), separator(),
                   item("Niveaux automatiques"), item("Contraste automatique")};
        m.itemHeight = 20;
        m.inset = 0;
        break;
    case Filter:
        m.lines = {item("Dernier filtre", "Ctrl+K"), separator(), item("Couleur", "", true),
                   item("Artistique", "", true), item("Flou", "", true), item("Netteté", "", true),
                   item("Bruit", "", true), item("Déformation", "", true)};
        break;
    case View:
        m.lines = {item("Zoom avant", "Ctrl++"), item("Zoom arrière", "Ctrl+-"), item("Taille réelle"),
                   item("Zoom automatique"), separator(), item("Plein écran", "F11"), item("Barre d'outils"),
                   item("Barre d'état")};
        break;
    case Tools:
        m.lines = {item("Explorateur d'images"), item("Automatisation..."), separator(), item("Préférences...")};
        break;
    case Window:
        m.lines = {item("Cascade"), item("Mosaïque horizontale"), item("Mosaïque verticale"), separator(),
                   item("1 Coucher de soleil.jpg")};
        break;
    default:
        m.lines = {item("Aide", "F1"), separator(), item("A propos...")};
        m.width = 160;
        break;
    }
    return m;
}

MenuPicture recentFiles()
{
    MenuPicture m;
    m.lines = {item("Plage.jpg"), item("Montagne.jpg"), item("Coucher de soleil.jpg"), item("Chaton.jpg")};
    m.width = 160;
    m.itemHeight = 20;
    m.inset = 0;
    m.textLeft = 10;
    return m;
}

QList<QRect> lineRects(const MenuPicture &m)
{
    QList<QRect> rects;
    int y = m.inset;
    for (const Line &line : m.lines) {
        const int h = line.text.isEmpty() ? m.separatorHeight : m.itemHeight;
        rects << QRect(0, y, m.width, h);
        y += h;
    }
    return rects;
}

QSize menuSize(const MenuPicture &m)
{
    const QList<QRect> rects = lineRects(m);
    return QSize(m.width, (rects.isEmpty() ? 0 : rects.last().bottom() + 1) + m.inset);
}

QPoint menuTopLeft(int which)
{
    return QPoint(menuTitle(which).left(), MenuBar.bottom() + 1);
}

QString programName()
{
    return QStringLiteral("PhotoFiltre");
}

QString windowCaption(const QString &document)
{
    return document.isEmpty() ? programName() : programName() + QStringLiteral(" - [") + document + QLatin1Char(']');
}

void paintLogo(QPainter &p, const QRect &r)
{
    DrawingLog::program(programName(), "ImageEditor");
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(r).adjusted(r.width() * 0.04, r.height() * 0.12, -r.width() * 0.2, -r.height() * 0.08);
    p.setPen(QPen(QColor(90, 60, 30), std::max(1.0, r.width() / 24.0)));
    p.setBrush(QColor(250, 246, 236));
    p.drawRect(frame);
    const QRectF inner = frame.adjusted(frame.width() * 0.1, frame.height() * 0.1, -frame.width() * 0.1, -frame.height() * 0.1);
    QLinearGradient sky(inner.topLeft(), inner.bottomLeft());
    sky.setColorAt(0, QColor(120, 180, 240));
    sky.setColorAt(1, QColor(200, 230, 255));
    p.setPen(Qt::NoPen);
    p.fillRect(inner, sky);
    QPainterPath hills;
    hills.moveTo(inner.bottomLeft());
    hills.lineTo(inner.left(), inner.top() + inner.height() * 0.7);
    hills.quadTo(inner.left() + inner.width() * 0.3, inner.top() + inner.height() * 0.35,
                 inner.left() + inner.width() * 0.6, inner.top() + inner.height() * 0.65);
    hills.quadTo(inner.left() + inner.width() * 0.8, inner.top() + inner.height() * 0.5, inner.right(),
                 inner.top() + inner.height() * 0.6);
    hills.lineTo(inner.bottomRight());
    hills.closeSubpath();
    p.setBrush(QColor(70, 150, 60));
    p.drawPath(hills);
    p.setBrush(QColor(255, 210, 60));
    p.drawEllipse(QPointF(inner.left() + inner.width() * 0.75, inner.top() + inner.height() * 0.28),
                  inner.width() * 0.1, inner.width() * 0.1);
    // The brush across the frame's corner.
    const qreal s = r.width();
    p.translate(r.left() + s * 0.72, r.top() + s * 0.55);
    p.rotate(40);
    p.setBrush(QColor(200, 60, 40));
    p.drawRoundedRect(QRectF(-s * 0.05, -s * 0.45, s * 0.1, s * 0.4), s * 0.03, s * 0.03);
    p.setBrush(QColor(180, 180, 190));
    p.drawRect(QRectF(-s * 0.055, -s * 0.06, s * 0.11, s * 0.1));
    p.setBrush(QColor(40, 40, 40));
    QPainterPath tip;
    tip.moveTo(-s * 0.055, s * 0.04);
    tip.quadTo(0, s * 0.25, s * 0.055, s * 0.04);
    p.drawPath(tip);
    p.restore();
}

void paintToolGlyph(QPainter &p, const QRect &r, const Tool &tool)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF g = QRectF(r).adjusted(4, 4, -4, -4);
    const QPointF c = g.center();
    const qreal radius = g.width() * 0.28;
    switch (tool.glyph) {
    case Glyph::Theme:
        p.restore();
        PictureKit::paintIcon(p, QRect(r.left() + (r.width() - 18) / 2, r.top() + (r.height() - 18) / 2, 18, 18),
                              tool.icon);
        return;
    case Glyph::Brightness:
        p.setPen(QPen(QColor(220, 150, 0), 1.4));
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4;
            p.drawLine(QPointF(c.x() + std::cos(a) * radius * 1.3, c.y() + std::sin(a) * radius * 1.3),
                       QPointF(c.x() + std::cos(a) * radius * 1.8, c.y() + std::sin(a) * radius * 1.8));
        }
        p.setBrush(tool.sign > 0 ? QColor(255, 214, 40) : QColor(150, 120, 40));
        p.drawEllipse(c, radius, radius);
        break;
    case Glyph::Contrast:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawEllipse(c, radius * 1.5, radius * 1.5);
        p.setBrush(Qt::black);
        p.drawPie(QRectF(c.x() - radius * 1.5, c.y() - radius * 1.5, radius * 3, radius * 3), 90 * 16, 180 * 16);
        break;
    case Glyph::Saturation: {
        const QColor colours[3] = {QColor(230, 40, 40, 200), QColor(40, 180, 40, 200), QColor(40, 80, 230, 200)};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i) {
            const qreal a = -M_PI / 2 + i * 2 * M_PI / 3;
            p.setBrush(colours[i]);
            p.drawEllipse(QPointF(c.x() + std::cos(a) * radius * 0.6, c.y() + std::sin(a) * radius * 0.6), radius * 0.9,
                          radius * 0.9);
        }
        break;
    }
    case Glyph::Gamma: {
        QFont f = PictureKit::uiFont(15, true);
        f.setItalic(true);
        p.setFont(f);
        p.setPen(QColor(60, 60, 140));
        p.drawText(g, Qt::AlignCenter, QStringLiteral("γ"));
        break;
    }
    case Glyph::Levels:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 60));
        for (int i = 0; i < 6; ++i) {
            const qreal h = g.height() * (0.3 + 0.6 * std::abs(std::sin(i * 1.1 + 0.4)));
            p.drawRect(QRectF(g.left() + i * g.width() / 6, g.bottom() - h, g.width() / 6 - 1, h));
        }
        break;
    case Glyph::AutoContrast:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawEllipse(c, radius * 1.5, radius * 1.5);
        p.setBrush(Qt::black);
        p.drawPie(QRectF(c.x() - radius * 1.5, c.y() - radius * 1.5, radius * 3, radius * 3), 90 * 16, 180 * 16);
        p.setFont(PictureKit::uiFont(8, true));
        p.setPen(QColor(200, 0, 0));
        p.drawText(QRectF(g.right() - 7, g.bottom() - 8, 9, 9), Qt::AlignCenter, QStringLiteral("A"));
        break;
    case Glyph::ZoomBox:
        p.restore();
        PictureKit::paintComboBox(p, r.adjusted(0, 2, 0, -2), QStringLiteral("100%"));
        return;
    }
    if (tool.sign != 0)
        paintBadge(p, r.adjusted(0, 0, -2, -2), tool.sign);
    p.restore();
}

void paintMenu(QPainter &p, const QPoint &topLeft, const MenuPicture &m, int highlighted)
{
    p.save();
    p.translate(topLeft);
    const QSize size = menuSize(m);
    p.fillRect(QRect(QPoint(0, 0), size), QColor(250, 250, 248));
    if (m.textLeft >= 24)
        p.fillRect(QRect(0, 0, 24, size.height()), QColor(232, 230, 222));
    p.setPen(Shadow);
    p.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    const QList<QRect> rects = lineRects(m);
    p.setFont(PictureKit::uiFont(12));
    for (int i = 0; i < m.lines.size(); ++i) {
        const Line &line = m.lines[i];
        const QRect r = rects[i];
        if (line.text.isEmpty()) {
            p.setPen(Shadow);
            p.drawLine(28, r.center().y(), r.right() - 4, r.center().y());
            continue;
        }
        DrawingLog::menuRow(p, r);
        if (i == highlighted) {
            p.fillRect(r.adjusted(2, 1, -2, -1), PictureKit::Colours::Highlight);
            p.setPen(Qt::white);
        } else {
            p.setPen(PictureKit::Colours::Text);
        }
        DrawingLog::menuText(p, r.adjusted(m.textLeft, 0, -10, 0), line.text);
        p.drawText(r.adjusted(m.textLeft, 0, -10, 0), Qt::AlignLeft | Qt::AlignVCenter, line.text);
        if (!line.shortcut.isEmpty())
            p.drawText(r.adjusted(m.textLeft, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter, line.shortcut);
        if (line.submenu) {
            QPainterPath arrow;
            const QPointF a(r.right() - 10, r.center().y());
            arrow.moveTo(a.x() - 3, a.y() - 4);
            arrow.lineTo(a.x() + 1, a.y());
            arrow.lineTo(a.x() - 3, a.y() + 4);
            arrow.closeSubpath();
            p.setBrush(p.pen().color());
            p.drawPath(arrow);
        }
    }
    p.restore();
}

void paintChrome(QPainter &p, const Chrome &c, const QString &document, const QString &status)
{
    p.save();
    const QRect outer(QPoint(0, 0), c.size);
    p.fillRect(outer, Face);

    // Title bar: the logo, "PhotoFiltre - [document]" and the three boxes, the close
    // box at its given place.
    const QRect title(0, 0, c.size.width(), c.titleHeight);
    QLinearGradient band(0, 0, c.size.width(), 0);
    band.setColorAt(0, QColor(10, 36, 106));
    band.setColorAt(1, QColor(120, 150, 210));
    p.fillRect(title, band);
    const int logo = std::min(19, c.titleHeight - 6);
    paintLogo(p, QRect(4, (c.titleHeight - logo) / 2, logo, logo));
    p.setFont(PictureKit::uiFont(13, true));
    p.setPen(Qt::white);
    p.drawText(title.adjusted(logo + 10, 0, -(c.size.width() - c.closeBox.left()) - 3 * c.closeBox.width(), 0),
               Qt::AlignLeft | Qt::AlignVCenter, windowCaption(document));
    for (int i = 0; i < 3; ++i) {
        const QRect b = c.closeBox.translated(-(2 - i) * (c.closeBox.width() + 3), 0);
        p.fillRect(b, Face);
        p.setPen(Qt::black);
        p.drawRect(b.adjusted(0, 0, -1, -1));
        const QPoint m = b.center();
        if (i == 0)
            p.drawLine(m.x() - 4, m.y() + 3, m.x() + 3, m.y() + 3);
        else if (i == 1)
            p.drawRect(m.x() - 4, m.y() - 4, 8, 7);
        else {
            p.drawLine(m.x() - 4, m.y() - 4, m.x() + 3, m.y() + 3);
            p.drawLine(m.x() + 3, m.y() - 4, m.x() - 4, m.y() + 3);
        }
    }

    // Menu bar and tool bars, lower by as much as the title bar is higher.
    p.translate(0, c.titleHeight - TitleBar.height());
    p.setFont(PictureKit::uiFont(12));
    p.setPen(PictureKit::Colours::Text);
    const QStringList titles = menuTitles();
    for (int i = 0; i < MenuCount; ++i)
        p.drawText(menuTitle(i), Qt::AlignCenter, titles[i]);
    for (int row = 0; row < 2; ++row) {
        const QRect band(0, ToolTop[row] - 1, c.size.width(), ToolHeight + 2);
        p.setPen(Qt::white);
        p.drawLine(band.topLeft(), band.topRight());
        p.setPen(Shadow);
        p.drawLine(band.bottomLeft(), band.bottomRight());
        const QList<Tool> list = tools(row);
        const QList<QRect> rects = toolRects(row);
        for (int i = 0; i < list.size(); ++i) {
            if (list[i].groupStart) {
                const int x = rects[i].left() - 4;
                p.setPen(Shadow);
                p.drawLine(x, band.top() + 4, x, band.bottom() - 4);
                p.setPen(Qt::white);
                p.drawLine(x + 1, band.top() + 4, x + 1, band.bottom() - 4);
            }
            if (rects[i].right() < c.size.width())
                paintToolGlyph(p, rects[i], list[i]);
        }
    }
    p.translate(0, TitleBar.height() - c.titleHeight);

    // Work area, the drawing-tool palette floating over it, the status bar.
    const QRect statusBar(0, c.size.height() - StatusBar.height(), c.size.width(), StatusBar.height());
    const int workTop = c.titleHeight + WorkArea.top() - TitleBar.height();
    p.fillRect(QRect(0, workTop, c.size.width(), statusBar.top() - workTop), QColor(128, 128, 128));
    paintToolPalette(p, c.palette);
    p.setPen(Shadow);
    p.drawLine(statusBar.topLeft(), statusBar.topRight());
    p.setPen(PictureKit::Colours::Text);
    p.setFont(PictureKit::uiFont(11));
    p.drawText(statusBar.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, status);
    p.restore();
}

void paintToolPalette(QPainter &p, const QRect &palette)
{
    p.save();
    p.fillRect(palette, Face);
    p.setPen(Shadow);
    p.drawRect(palette.adjusted(0, 0, -1, -1));
    const QRect paletteTitle(palette.left() + 2, palette.top() + 2, palette.width() - 4, 14);
    p.fillRect(paletteTitle, QColor(10, 36, 106));
    p.setPen(Qt::white);
    p.setFont(PictureKit::uiFont(10, true));
    p.drawText(paletteTitle.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Outils"));
    const QStringList paletteIcons{QStringLiteral("select-rectangular"), QStringLiteral("transform-move"),
                                   QStringLiteral("color-picker"), QStringLiteral("color-fill"),
                                   QStringLiteral("draw-brush"), QStringLiteral("draw-freehand"),
                                   QStringLiteral("draw-eraser"), QStringLiteral("draw-line"),
                                   QStringLiteral("draw-rectangle"), QStringLiteral("draw-ellipse"),
                                   QStringLiteral("draw-polygon"), QStringLiteral("draw-text"),
                                   QStringLiteral("draw-path"), QStringLiteral("zoom-in")};
    const int left = palette.left() + (palette.width() - 53) / 2;
    for (int i = 0; i < paletteIcons.size(); ++i) {
        const QRect cell(left + (i % 2) * 28, palette.top() + 22 + (i / 2) * 28, 25, 25);
        p.setPen(Shadow);
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        PictureKit::paintIcon(p, cell.adjusted(3, 3, -3, -3), paletteIcons[i]);
    }
    // The two colour squares under the tools.
    const int swatchTop = palette.top() + 22 + 7 * 28 + 10;
    p.fillRect(QRect(left + 18, swatchTop + 14, 26, 26), Qt::white);
    p.setPen(Qt::black);
    p.drawRect(QRect(left + 18, swatchTop + 14, 25, 25));
    p.fillRect(QRect(left + 6, swatchTop, 26, 26), Qt::black);
    p.restore();
}

void paintEditor(QPainter &p, const QString &caption, const QSize &imageSize)
{
    const Chrome full{Size, TitleBar.height(), QRect(Size.width() - 24, 4, 18, 16), Palette};
    paintChrome(p, full, caption,
                caption.isEmpty() ? QStringLiteral("Prêt")
                                  : QStringLiteral("%1 x %2 pixels   Couleurs RVB").arg(imageSize.width()).arg(imageSize.height()));
}
}
