// The school desktop: icons on their grid, task bar, classic pop-up menus, the
// start menu of a session and the image editor's window.
#include "pictures/desktop.h"
#include "pictures/drawinglog.h"
#include "pictures/imageeditor.h"
#include "pictures/fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextOption>
#include <algorithm>

using PictureKit::MenuItem;

namespace Desktop {
namespace {

class Saved
{
public:
    explicit Saved(QPainter &p) : m_p(p) { m_p.save(); }
    ~Saved() { m_p.restore(); }

private:
    QPainter &m_p;
};

QFont classicFont(int pixels, bool bold = false)
{
    return pixelFont(QStringLiteral("Tahoma"), pixels, bold);
}

MenuItem entry(const QString &text, bool submenu = false, bool enabled = true)
{
    MenuItem item;
    item.text = text;
    item.submenu = submenu;
    item.enabled = enabled;
    return item;
}

}

// ---- icon grid ---------------------------------------------------------------------

QRect iconTile(int column, int row)
{
    return QRect(QPoint(GridLeft + ColumnPitch * column, GridTop + RowPitch * row), PictureKit::DesktopIconSize);
}

QList<Icon> schoolIcons(bool withSavedPicture)
{
    QList<Icon> icons{
        {QStringLiteral("folder-documents"), QStringLiteral("Mes documents"), 0, 0},
        {QStringLiteral("user-trash-full"), QStringLiteral("Corbeille"), 0, 1},
        {QStringLiteral("internet-web-browser"), QStringLiteral("Navigateur"), 1, 1},
        {QStringLiteral("internet-mail"), QStringLiteral("Messagerie"), 2, 1},
        {QStringLiteral("multimedia-player"), QStringLiteral("Lecteur vidéo"), 3, 1},
        {QStringLiteral("x-office-document"), QStringLiteral("Traitement de texte"), 0, 2},
        {QStringLiteral("x-office-spreadsheet"), QStringLiteral("Tableur"), 1, 2},
        {QStringLiteral("x-office-presentation"), QStringLiteral("Diaporama"), 2, 2},
        {ImageEditor::Icon, ImageEditor::programName(), 3, 2},
        {QStringLiteral("accessories-calculator"), QStringLiteral("Calculatrice"), 0, 3},
        {QStringLiteral("accessories-text-editor"), QStringLiteral("Bloc-notes"), 1, 3},
        {QStringLiteral("computer"), QStringLiteral("Poste de travail"), 2, 3},
        {QStringLiteral("network-workgroup"), QStringLiteral("Favoris réseau"), 3, 3},
        {QStringLiteral("folder-pictures"), QStringLiteral("Images"), 0, 4},
        {QStringLiteral("audio-x-generic"), QStringLiteral("Musique"), 1, 4},
        {QStringLiteral("video-x-generic"), QStringLiteral("Vidéos"), 2, 4},
        {QStringLiteral("preferences-system"), QStringLiteral("Paramètres"), 3, 4},
        {QStringLiteral("folder"), QStringLiteral("Travaux"), 0, 5},
        {QStringLiteral("folder"), QStringLiteral("Exposés"), 1, 5},
        {QStringLiteral("folder-network"), QStringLiteral("Classe"), 2, 5},
        {QStringLiteral("folder"), QStringLiteral("Ressources"), 3, 5},
    };
    if (withSavedPicture)
        icons.insert(1, Icon{QStringLiteral("image-jpeg"), SavedPictureCaption, 1, 0});
    return icons;
}

QList<Icon> arrangedByType(const QList<Icon> &icons, int firstRow, int rows)
{
    // The kind of each shortcut, in the order the desktop sorts them.
    auto kind = [](const Icon &icon) {
        const QString &t = icon.theme;
        if (t == QLatin1String("computer") || t.startsWith(QLatin1String("user-trash"))
            || t == QLatin1String("network-workgroup") || t == QLatin1String("folder-documents"))
            return 0;
        if (t.startsWith(QLatin1String("folder")))
            return 1;
        if (t.startsWith(QLatin1String("image")))
            return 3;
        if (t.startsWith(QLatin1String("audio")) || t.startsWith(QLatin1String("video")))
            return 4;
        return 2;
    };
    QList<Icon> sorted = icons;
    std::stable_sort(sorted.begin(), sorted.end(), [&](const Icon &a, const Icon &b) {
        if (kind(a) != kind(b))
            return kind(a) < kind(b);
        return a.caption.compare(b.caption, Qt::CaseInsensitive) < 0;
    });
    for (int i = 0; i < sorted.size(); ++i) {
        sorted[i].column = i / rows;
        sorted[i].row = firstRow + i % rows;
    }
    return sorted;
}

// ---- the whole desktop -------------------------------------------------------------

QRect paintTaskBar(QPainter &painter, const QRect &rect, const QStringList &tasks)
{
    Saved saved(painter);
    // A bar pulled up to several rows keeps its buttons and its clock on the top one.
    const QRect row(rect.left(), rect.top(), rect.width(), std::min(rect.height(), TaskBarHeight));
    PictureKit::paintTaskBar(painter, row, {}, -1);
    painter.fillRect(rect.adjusted(0, row.height(), 0, 0), PictureKit::Colours::TaskBar);
    const QRect start(row.left() + 2, row.top() + 3, StartButtonWidth, row.height() - 6);
    // Running programs.
    painter.setFont(PictureKit::uiFont(12));
    int x = start.right() + 12;
    for (const QString &task : tasks) {
        const QRect r(x, row.top() + 5, 170, row.height() - 10);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 45));
        painter.drawRoundedRect(r, 4, 4);
        painter.setPen(Qt::white);
        painter.drawText(r.adjusted(8, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, task);
        x += 174;
    }
    return start;
}

// An icon with its caption, which wraps anywhere (a long file name takes two lines).
static void paintIconTile(QPainter &painter, const QRect &tile, const QString &theme, const QString &caption)
{
    Saved saved(painter);
    PictureKit::paintIcon(painter, QRect(tile.left() + (tile.width() - 48) / 2, tile.top() + 4, 48, 48), theme);
    QFont font = PictureKit::uiFont(11);
    font.setStretch(QFont::Condensed);
    painter.setFont(font);
    const QRectF text(tile.left() - 2, tile.top() + 54, tile.width() + 4, 30);
    QTextOption option(Qt::AlignHCenter | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter.setPen(QColor(0, 0, 0, 160));
    painter.drawText(text.translated(1, 1), caption, option);
    painter.setPen(Qt::white);
    painter.drawText(text, caption, option);
}

static void paintIcons(QPainter &painter, const QList<Icon> &icons)
{
    for (const Icon &icon : icons)
        paintIconTile(painter, iconTile(icon.column, icon.row), icon.theme, icon.caption);
}

void paintDesktop(QPainter &painter, const QSize &size, const QList<Icon> &icons, int taskBarHeight)
{
    const QRect all(QPoint(0, 0), size);
    PictureKit::paintWallpaper(painter, all);
    paintIcons(painter, icons);
    paintTaskBar(painter, QRect(0, size.height() - taskBarHeight, size.width(), taskBarHeight));
}

void paintDesktopPart(QPainter &painter, const QSize &desktopSize, const QRect &window, const QList<Icon> &icons)
{
    Saved saved(painter);
    painter.setClipRect(QRect(QPoint(0, 0), window.size()));
    painter.translate(-window.topLeft());
    paintDesktop(painter, desktopSize, icons);
}

// ---- classic pop-up menus ----------------------------------------------------------

QList<QRect> popupLayout(const QRect &frame, const Popup &popup)
{
    const int n = int(popup.items.size());
    QList<QRect> rects(n);
    auto height = [&](int i) { return popup.items[i].separator ? popup.separatorHeight : popup.itemHeight; };
    const int anchor = std::clamp(popup.anchor, 0, std::max(0, n - 1));
    int y = frame.top() + popup.anchorTop;
    for (int i = anchor; i < n; ++i) {
        rects[i] = QRect(frame.left() + 3, y, frame.width() - 6, height(i));
        y += height(i);
    }
    y = frame.top() + popup.anchorTop;
    for (int i = anchor - 1; i >= 0; --i) {
        y -= height(i);
        rects[i] = QRect(frame.left() + 3, y, frame.width() - 6, height(i));
    }
    return rects;
}

QList<QRect> paintPopup(QPainter &painter, const QRect &frame, const Popup &popup)
{
    Saved saved(painter);
    painter.fillRect(frame, QColor(252, 252, 252));
    painter.setPen(QColor(151, 151, 151));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    // The icon column of a classic menu.
    painter.fillRect(QRect(frame.left() + 1, frame.top() + 1, 22, frame.height() - 2), QColor(241, 241, 241));
    const QList<QRect> rects = popupLayout(frame, popup);
    painter.setClipRect(frame.adjusted(1, 1, -1, -1));
    for (int i = 0; i < popup.items.size(); ++i) {
        const MenuItem &item = popup.items[i];
        const QRect r = rects[i];
        if (r.bottom() > frame.bottom() - 2 || r.top() < frame.top())
            continue;   // what the frame cannot hold is left out
        if (item.separator) {
            painter.fillRect(QRect(r.left() + 24, r.center().y(), r.width() - 26, 1), QColor(215, 215, 215));
            continue;
        }
        DrawingLog::menuRow(painter, r);
        const bool lit = i == popup.highlighted;
        if (lit) {
            painter.setPen(QColor(38, 160, 218));
            painter.setBrush(QColor(204, 232, 255));
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        }
        if (item.checkable && item.checked) {
            painter.setPen(QPen(QColor(30, 30, 30), 1.6));
            const QPointF c(r.left() + 11, r.center().y() + 0.5);
            painter.drawPolyline(QList<QPointF>{{c.x() - 4, c.y()}, {c.x() - 1, c.y() + 3}, {c.x() + 4, c.y() - 4}});
        } else if (!item.icon.isEmpty()) {
            PictureKit::paintIcon(painter, QRect(r.left() + 3, r.top() + (r.height() - 16) / 2, 16, 16), item.icon);
        }
        painter.setFont(classicFont(popup.itemHeight >= 22 ? 12 : 11, i == popup.bold));
        painter.setPen(item.enabled ? QColor(0, 0, 0) : QColor(160, 160, 160));
        const QRect room = r.adjusted(26, 0, item.submenu ? -14 : -4, 0);
        DrawingLog::menuText(painter, room, item.text);
        painter.drawText(room, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic, item.text);
        if (!item.shortcut.isEmpty())
            painter.drawText(r.adjusted(0, 0, -18, 0), Qt::AlignVCenter | Qt::AlignRight, item.shortcut);
        if (item.submenu) {
            const QPointF c(r.right() - 7, r.center().y() + 0.5);
            painter.setPen(Qt::NoPen);
            painter.setBrush(item.enabled ? QColor(0, 0, 0) : QColor(160, 160, 160));
            painter.drawPolygon(QPolygonF{{c.x() - 1, c.y() - 4}, {c.x() + 3, c.y()}, {c.x() - 1, c.y() + 4}});
        }
    }
    return rects;
}

Popup desktopContextMenu(int firstTop)
{
    Popup popup;
    popup.items = {entry(QStringLiteral("&Réorganiser les icônes par"), true), entry(QStringLiteral("Ac&tualiser")),
                   MenuItem::line(), entry(QStringLiteral("C&oller"), false, false),
                   entry(QStringLiteral("Coller le ra&ccourci"), false, false), entry(QStringLiteral("Annuler Supprimer")),
                   MenuItem::line(), entry(QStringLiteral("No&uveau"), true), MenuItem::line(),
                   entry(QStringLiteral("P&ropriétés"))};
    popup.itemHeight = 22;
    popup.anchorTop = firstTop;
    return popup;
}

Popup arrangeIconsMenu(int typeTop)
{
    Popup popup;
    popup.items = {entry(QStringLiteral("&Nom")), entry(QStringLiteral("&Taille")), entry(QStringLiteral("T&ype")),
                   entry(QStringLiteral("&Modifié le")), MenuItem::line(),
                   entry(QStringLiteral("Réorganisation &automatique")), entry(QStringLiteral("A&ligner sur la grille")),
                   MenuItem::line(), entry(QStringLiteral("Afficher les icônes du &Bureau")),
                   entry(QStringLiteral("Verrouiller les éléments Web")), MenuItem::line(),
                   entry(QStringLiteral("Assistant Nettoyage du Bureau"))};
    for (int checked : {6, 8}) {
        popup.items[checked].checkable = true;
        popup.items[checked].checked = true;
    }
    popup.itemHeight = 18;
    popup.anchor = ArrangeByTypeIndex;
    popup.anchorTop = typeTop;
    return popup;
}

// ---- start menu of a session -------------------------------------------------------

void paintSessionStartMenu(QPainter &painter, const QSize &size, const QString &user, const QRect &logOff,
                           const QRect &shutDown)
{
    Saved saved(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect all(QPoint(0, 0), size);
    QLinearGradient band(0, 0, 0, 56);
    band.setColorAt(0, QColor(30, 87, 153));
    band.setColorAt(1, QColor(61, 140, 220));
    painter.fillRect(all, QColor(250, 250, 251));
    painter.fillRect(QRect(0, 0, size.width(), 56), band);
    // The pupil's picture and name.
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(QColor(255, 190, 90));
    painter.drawRoundedRect(QRectF(10, 8, 40, 40), 5, 5);
    PictureKit::paintIcon(painter, QRect(14, 12, 32, 32), QStringLiteral("user-identity"));
    painter.setFont(classicFont(16, true));
    painter.drawText(QRect(60, 0, size.width() - 70, 56), Qt::AlignVCenter | Qt::AlignLeft, user);

    // Two columns of programs and places.
    const int bottomBand = logOff.top() - 8;
    const int half = size.width() / 2;
    painter.fillRect(QRect(half, 56, size.width() - half, bottomBand - 56), QColor(211, 229, 250));
    painter.setPen(QColor(180, 190, 205));
    painter.drawLine(half, 56, half, bottomBand);
    const struct { const char *icon; const char *text; } programs[] = {
        {"internet-web-browser", "Navigateur Internet"}, {"internet-mail", "Messagerie"},
        {"x-office-document", "Traitement de texte"},     {"x-office-spreadsheet", "Tableur"},
        {"", "PhotoFiltre"}, {"accessories-calculator", "Calculatrice"},
        {"accessories-text-editor", "Bloc-notes"}};
    const struct { const char *icon; const char *text; } places[] = {
        {"folder-documents", "Mes documents"}, {"folder-pictures", "Mes images"},
        {"computer", "Poste de travail"},      {"network-workgroup", "Favoris réseau"},
        {"preferences-system", "Panneau de configuration"}, {"help-contents", "Aide et support"},
        {"edit-find", "Rechercher"}};
    painter.setFont(classicFont(12));
    int y = 66;
    for (const auto &item : programs) {
        if (y + 34 > bottomBand - 30)
            break;
        // The image editor's own logo where the table gives no theme icon.
        PictureKit::paintIcon(painter, QRect(10, y, 30, 30), *item.icon ? QString::fromLatin1(item.icon) : ImageEditor::Icon);
        painter.setPen(Qt::black);
        painter.drawText(QRect(48, y, half - 52, 30), Qt::AlignVCenter, QString::fromUtf8(item.text));
        y += 38;
    }
    painter.setPen(QColor(190, 190, 190));
    painter.drawLine(10, bottomBand - 30, half - 10, bottomBand - 30);
    painter.setPen(Qt::black);
    painter.setFont(classicFont(12, true));
    painter.drawText(QRect(40, bottomBand - 28, half - 50, 24), Qt::AlignVCenter, QStringLiteral("Tous les programmes ▸"));
    painter.setFont(classicFont(12, true));
    y = 66;
    for (const auto &item : places) {
        if (y + 28 > bottomBand)
            break;
        PictureKit::paintIcon(painter, QRect(half + 8, y, 22, 22), QString::fromLatin1(item.icon));
        painter.setPen(QColor(10, 36, 106));
        painter.drawText(QRect(half + 36, y, size.width() - half - 40, 22), Qt::AlignVCenter,
                         QString::fromUtf8(item.text));
        y += 32;
    }

    // The bottom band with the two session buttons.
    painter.fillRect(QRect(0, bottomBand, size.width(), size.height() - bottomBand), band);
    auto sessionButton = [&](const QRect &r, const QColor &colour, const QString &icon, const QString &text) {
        painter.setPen(QColor(255, 255, 255, 120));
        painter.setBrush(QColor(255, 255, 255, 30));
        painter.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(r.left() + 3, r.top() + 3, r.height() - 6, r.height() - 6), 3, 3);
        PictureKit::paintIcon(painter, QRect(r.left() + 5, r.top() + 5, r.height() - 10, r.height() - 10), icon);
        painter.setPen(Qt::white);
        painter.setFont(classicFont(11, true));
        painter.drawText(r.adjusted(r.height() + 2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    };
    sessionButton(logOff, QColor(240, 170, 40), QStringLiteral("system-log-out"), QStringLiteral("Fermer la session"));
    sessionButton(shutDown, QColor(220, 60, 50), QStringLiteral("system-shutdown"), QStringLiteral("Arrêter"));
    painter.setPen(QColor(20, 60, 120));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(all.adjusted(0, 0, -1, -1));
}

// ---- the save-as dialog -------------------------------------------------------------

QRect saveDialogPlace(const SaveDialog &dialog, int index)
{
    return QRect(dialog.placesBar.left(), dialog.placesBar.top() + 2 + index * dialog.placeHeight,
                 dialog.placesBar.width(), dialog.placeHeight);
}

void paintSaveDialog(QPainter &painter, const QSize &size, const SaveDialog &dialog)
{
    Saved saved(painter);
    PictureKit::WindowFrame frame;
    frame.caption = dialog.caption;
    frame.minimiseButton = false;
    frame.maximiseButton = false;
    PictureKit::paintWindowFrame(painter, QRect(QPoint(0, 0), size), frame);
    painter.setFont(classicFont(11));
    painter.setPen(Qt::black);
    // The folder row.
    const QRect label(8, dialog.folderBox.top(), dialog.folderBox.left() - 12, dialog.folderBox.height());
    painter.drawText(label, Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("Enregistrer dans :"));
    const QRect combo = dialog.folderBox.adjusted(0, 4, 0, -5);
    PictureKit::paintComboBox(painter, combo, QStringLiteral("      ") + dialog.folder);
    PictureKit::paintIcon(painter, QRect(combo.left() + 5, combo.top() + (combo.height() - 16) / 2, 16, 16),
                          dialog.folderIcon);
    const struct { QRect r; const char *icon; } buttons[] = {
        {dialog.upButton, "go-up"}, {dialog.newFolderButton, "folder-new"}, {dialog.viewButton, "view-list-icons"}};
    for (const auto &b : buttons) {
        if (b.r.isNull())
            continue;
        const QRect r = b.r.adjusted(0, 4, 0, -5);
        PictureKit::paintIcon(painter, QRect(r.left() + 2, r.top() + (r.height() - 16) / 2, 16, 16),
                              QString::fromLatin1(b.icon));
        if (r.width() > 30) {
            painter.setPen(Qt::black);
            painter.drawText(QRect(r.left() + 20, r.top(), 14, r.height()), Qt::AlignCenter, QStringLiteral("▾"));
        }
    }
    // The bar of places.
    if (!dialog.placesBar.isNull()) {
        painter.fillRect(dialog.placesBar, QColor(128, 128, 128));
        const struct { const char *icon; const char *text; } places[] = {
            {"document-open-recent", "Mes documents\nrécents"}, {"user-desktop", "Bureau"},
            {"folder-documents", "Mes documents"}, {"computer", "Poste de travail"},
            {"network-workgroup", "Favoris réseau"}};
        for (int i = 0; i < 5; ++i) {
            const QRect r = saveDialogPlace(dialog, i);
            if (r.bottom() > dialog.placesBar.bottom())
                break;
            if (i == dialog.currentPlace) {
                painter.fillRect(r.adjusted(2, 1, -2, -1), QColor(170, 170, 170));
                painter.setPen(QColor(60, 60, 60));
                painter.drawRect(r.adjusted(2, 1, -3, -2));
            }
            PictureKit::paintIcon(painter, QRect(r.center().x() - 16, r.top() + 4, 32, 32), QString::fromLatin1(places[i].icon));
            painter.setPen(Qt::white);
            painter.drawText(QRect(r.left(), r.top() + 36, r.width(), r.height() - 36), Qt::AlignHCenter | Qt::AlignTop,
                             QString::fromUtf8(places[i].text));
        }
    }
    // The list of the folder, in columns.
    painter.fillRect(dialog.list, Qt::white);
    painter.setPen(QColor(127, 157, 185));
    painter.drawRect(dialog.list.adjusted(0, 0, -1, -1));
    const int rowH = 18;
    const int rows = std::max(1, (dialog.list.height() - 8) / rowH);
    const int columnW = 150;
    for (int i = 0; i < dialog.entries.size(); ++i) {
        const QRect cell(dialog.list.left() + 6 + (i / rows) * columnW, dialog.list.top() + 4 + (i % rows) * rowH,
                         columnW - 8, rowH);
        if (cell.right() > dialog.list.right())
            break;
        PictureKit::paintIcon(painter, QRect(cell.left(), cell.top() + 1, 16, 16), dialog.entries[i].first);
        const QRect text(cell.left() + 20, cell.top(), cell.width() - 20, cell.height());
        if (i == dialog.selectedEntry) {
            painter.fillRect(text.adjusted(-2, 1, 0, -1), QColor(49, 106, 197));
            painter.setPen(Qt::white);
        } else {
            painter.setPen(Qt::black);
        }
        painter.drawText(text, Qt::AlignVCenter, dialog.entries[i].second);
    }
    // File name and type, the two buttons.
    painter.setPen(Qt::black);
    painter.drawText(QRect(dialog.list.left(), dialog.nameField.top(), dialog.nameField.left() - dialog.list.left() - 6,
                           dialog.nameField.height()),
                     Qt::AlignVCenter, QStringLiteral("Nom du fichier :"));
    painter.drawText(QRect(dialog.list.left(), dialog.typeField.top(), dialog.typeField.left() - dialog.list.left() - 6,
                           dialog.typeField.height()),
                     Qt::AlignVCenter, QStringLiteral("Type :"));
    PictureKit::paintComboBox(painter, dialog.nameField, QString(), true);
    const QRect nameText = dialog.nameField.adjusted(4, 3, -24, -3);
    if (dialog.fileNameSelected) {
        const int w = QFontMetrics(classicFont(11)).horizontalAdvance(dialog.fileName) + 4;
        painter.fillRect(QRect(nameText.left(), nameText.top(), std::min(w, nameText.width()), nameText.height()),
                         QColor(49, 106, 197));
        painter.setPen(Qt::white);
    }
    painter.setFont(classicFont(11));
    painter.drawText(nameText.adjusted(2, 0, 0, 0), Qt::AlignVCenter, dialog.fileName);
    painter.setPen(Qt::black);
    PictureKit::paintComboBox(painter, dialog.typeField, dialog.fileType);
    PictureKit::paintButton(painter, dialog.saveButton, QStringLiteral("&Enregistrer"), true);
    PictureKit::paintButton(painter, dialog.cancelButton, QStringLiteral("Annuler"));
}
}

