// The screenshots of the browser exercise, drawn from the layout constants.
#include "exercises/domain4/web_browser/webpages.h"
#include "pictures/classicbrowser.h"
#include "exercises/domain4/web_browser/layout.h"
#include "pictures/browseroptions.h"
#include "pictures/pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

namespace {
using namespace WebBrowserLayout;
using namespace ClassicBrowser;

const QString BlankTab = QStringLiteral("(Sans titre)");

// ---- Browser screenshots -------------------------------------------------------

enum class Page { SearchEngine, Library, LargeLibrary, Town, Blank };

// The sites' favicons: the library's and the town's have their own colours.
Tab tab(const QString &title)
{
    if (title.contains(LibraryName))
        return {title, QColor(0x8b, 0x1a, 0x2b), QLatin1Char('B')};
    if (title.contains(TownName))
        return {title, QColor(0x2e, 0x8b, 0x57), QLatin1Char('Q')};
    return {title, QColor(), QChar()};
}

Pictures::Painter browserShot(int width, const QString &url, const QStringList &tabs, int active,
                              SidePanel panel, Page page)
{
    return [=](QPainter &p, const QSize &) {
        Chrome c;
        c.width = width;
        c.height = ScreenshotHeight;
        c.url = url;
        c.searchHint = SearchEngineName;
        for (const QString &title : tabs)
            c.tabs << tab(title);
        c.activeTab = active;
        c.panel = panel;
        c.yesterday = {{TownTitle, QColor(0x2e, 0x8b, 0x57), QLatin1Char('Q')},
                       {SearchEngine::Name + QStringLiteral(" - Recherche"), QColor(0x33, 0x66, 0xcc), QLatin1Char('T')},
                       {QStringLiteral("Météo de la semaine"), QColor(0xe0, 0x90, 0x10), QLatin1Char('M')}};
        const QRect area = paintChrome(p, c);
        switch (page) {
        case Page::SearchEngine: WebPages::paintSearchEnginePage(p, area); break;
        case Page::Library: WebPages::paintLibraryPage(p, area); break;
        case Page::LargeLibrary: WebPages::paintLibraryPage(p, area, 1.35); break;
        case Page::Town: WebPages::paintTownPage(p, area); break;
        case Page::Blank: break;
        }
    };
}

Pictures::Entry shot(const char *name, int width, const QString &url, const QStringList &tabs, int active,
                     SidePanel panel, Page page, QList<Pictures::HotSpotOutline> spots = {})
{
    return {QString::fromLatin1(name), QSize(width, ScreenshotHeight), browserShot(width, url, tabs, active, panel, page),
            spots};
}

const QStringList LibraryOnly = {LibraryTitle};
const QStringList LibraryAndBlank = {LibraryTitle, BlankTab};
const QStringList LibraryAndTown = {LibraryTitle, TownTitle};

const Pictures::Registrar w1a{shot("Texercice22v3/Image1", Window1Size.width(), SearchEngineUrl,
                                   {SearchEngineName + QStringLiteral(" - Recherche")}, 0, SidePanel::None,
                                   Page::SearchEngine,
                                   {{"Edit1", AddressField}, {"Edit2", EngineQueryField}, {"Edit3", ToolbarSearchField}})};
const Pictures::Registrar w1b{shot("Texercice22v3/Image2", Window1Size.width(), LibraryUrl, LibraryOnly, 0,
                                   SidePanel::None, Page::Library)};
const Pictures::Registrar w1c{shot("Texercice22v3/Image3", Window1Size.width(), QString(), LibraryAndBlank, 1,
                                   SidePanel::None, Page::Blank)};

const Pictures::Registrar w2a{shot("Texercice22v3b/Image1", Window2Size.width(), QString(), LibraryAndBlank, 1,
                                   SidePanel::HistoryClosed, Page::Blank, {{"zs1", HistoryYesterday}})};
const Pictures::Registrar w2b{shot("Texercice22v3b/Image2", Window2Size.width(), QString(), LibraryAndBlank, 1,
                                   SidePanel::HistoryYesterdayOpen, Page::Blank, {{"zs2", HistoryTownEntry}})};
const Pictures::Registrar w2c{shot("Texercice22v3b/Image3", Window2Size.width(), TownUrl, LibraryAndTown, 1,
                                   SidePanel::HistoryYesterdayOpen, Page::Town, {{"zs3", HistoryLibraryTab}})};
const Pictures::Registrar w2d{shot("Texercice22v3b/Image4", Window2Size.width(), LibraryUrl, LibraryAndTown, 0,
                                   SidePanel::HistoryYesterdayOpen, Page::Library)};

const Pictures::Registrar w3a{shot("Texercice22v3c/Image1", Window3Size.width(), LibraryUrl, LibraryAndTown, 0,
                                   SidePanel::HistoryYesterdayOpen, Page::Library, {{"zs11", SidePanelClose}})};

const Pictures::Registrar w4a{shot("Texercice22v3d/Image1", Window4Size.width(), LibraryUrl, LibraryAndTown, 0,
                                   SidePanel::None, Page::Library,
                                   {{"zs1", BackButton}, {"zs2", HomeButton}, {"zs3", ReloadButton}, {"zs4", StopButton}})};
const Pictures::Registrar w4b{shot("Texercice22v3d/Image2", Window4Size.width(), LibraryUrl, LibraryAndTown, 0,
                                   SidePanel::None, Page::LargeLibrary)};

// ---- The Options dialog ------------------------------------------------------------

using BrowserOptions::Panel;
// The other dialog pictures are built from the same controls.
using BrowserOptions::button;
using BrowserOptions::check;
using BrowserOptions::combo;
using BrowserOptions::field;
using BrowserOptions::group;
using BrowserOptions::label;
using BrowserOptions::radio;


void paintOptions(QPainter &p, const QSize &size, Panel panel)
{
    BrowserOptions::paint(p, size, panel, SearchEngineUrl);
}

QList<Pictures::HotSpotOutline> optionSpots(Panel panel)
{
    QList<Pictures::HotSpotOutline> spots;
    for (int i = 0; i < 6; ++i)
        spots.append({QStringLiteral("zs%1").arg(i + 1), inDialog(OptionsCategory[i])});
    spots.append({QStringLiteral("zs10"), inDialog(OptionsBody)});
    spots.append({QStringLiteral("zs9"), inDialog(OptionsOk)});
    if (panel == Panel::General) {
        spots.append({QStringLiteral("zs7"), inDialog(OptionsUseCurrentPage)});
        spots.append({QStringLiteral("Edit1"), inDialog(OptionsHomePageField)});
    }
    if (panel == Panel::Content)
        spots.append({QStringLiteral("CheckBox1"), inDialog(OptionsBlockPopups)});
    return spots;
}

Pictures::Entry options(const char *name, Panel panel)
{
    return {QString::fromLatin1(name), OptionsDialog.size(),
            [panel](QPainter &p, const QSize &s) { paintOptions(p, s, panel); }, optionSpots(panel)};
}

const Pictures::Registrar w3b{options("Texercice22v3c/Image2", Panel::General)};
const Pictures::Registrar w3c{options("Texercice22v3c/Image3", Panel::Privacy)};
const Pictures::Registrar w3d{options("Texercice22v3c/Image4", Panel::Content)};
const Pictures::Registrar w3e{options("Texercice22v3c/Image5", Panel::Tabs)};
const Pictures::Registrar w3f{options("Texercice22v3c/Image6", Panel::Downloads)};
const Pictures::Registrar w3g{options("Texercice22v3c/Image7", Panel::Advanced)};

// ---- The page-source window ----------------------------------------------------------

QRect sourceClose() { return SourceClose.translated(-SourceWindow.topLeft()); }

void paintSourceWindow(QPainter &p, const QSize &size)
{
    const QRect all(QPoint(0, 0), size);
    p.fillRect(all, QColor(0xf4, 0xf3, 0xf0));
    const QRect close = sourceClose();
    const QRect title(0, 0, size.width(), close.bottom() + 3);
    paintTitleBar(p, title, QStringLiteral("Source de : ") + LibraryUrl + QStringLiteral(" - Mozilla Firefox"), false);
    // The close box exactly where the hot spot lies.
    p.setPen(QColor(0xff, 0xff, 0xff, 200));
    p.setBrush(QColor(0xd0, 0x44, 0x2c));
    p.drawRoundedRect(QRectF(close).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(QPen(Qt::white, 2));
    const QRect x = close.adjusted(8, 6, -8, -6);
    p.drawLine(x.topLeft(), x.bottomRight());
    p.drawLine(x.topRight(), x.bottomLeft());
    paintMenuStrip(p, QRect(0, title.bottom() + 1, size.width(), 20),
                                 {QStringLiteral("Fichier"), QStringLiteral("Edition"), QStringLiteral("Affichage"),
                                  QStringLiteral("Aide")});
    const QRect text(2, title.bottom() + 23, size.width() - 20, size.height() - title.bottom() - 46);
    p.fillRect(text, Qt::white);
    paintVerticalScrollBar(p, QRect(text.right() + 1, text.top(), 16, text.height()));
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(12);
    p.setFont(mono);
    const QColor tag(0x88, 0x12, 0x80), attr(0x00, 0x00, 0x00), value(0x1a, 0x1a, 0xa6), plain(0x20, 0x20, 0x20),
        comment(0x23, 0x8b, 0x23);
    using Piece = QPair<QString, QColor>;
    const QList<QList<Piece>> lines = {
        {{"<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\">", comment}},
        {{"<html ", tag}, {"xmlns=", attr}, {"\"http://www.w3.org/1999/xhtml\"", value}, {" lang=", attr}, {"\"fr\"", value}, {">", tag}},
        {{"<head>", tag}},
        {{"  <meta ", tag}, {"http-equiv=", attr}, {"\"Content-Type\"", value}, {" content=", attr}, {"\"text/html; charset=iso-8859-1\"", value}, {" />", tag}},
        {{"  <title>", tag}, {LibraryTitle, plain}, {"</title>", tag}},
        {{"  <link ", tag}, {"rel=", attr}, {"\"stylesheet\"", value}, {" href=", attr}, {"\"/css/accueil.css\"", value}, {" />", tag}},
        {{"  <script ", tag}, {"type=", attr}, {"\"text/javascript\"", value}, {" src=", attr}, {"\"/js/menu.js\"", value}, {"></script>", tag}},
        {{"</head>", tag}},
        {{"<body>", tag}},
        {{"<!-- bandeau -->", comment}},
        {{"<div ", tag}, {"id=", attr}, {"\"bandeau\"", value}, {">", tag}},
        {{"  <a ", tag}, {"href=", attr}, {"\"/\"", value}, {"><img ", tag}, {"src=", attr}, {"\"/img/logo.gif\"", value}, {" alt=", attr}, {"\"Bnf\"", value}, {" /></a>", tag}},
        {{"  <h1>", tag}, {"Bibliothèque nationale", plain}, {"</h1>", tag}},
        {{"</div>", tag}},
        {{"<ul ", tag}, {"id=", attr}, {"\"menu\"", value}, {">", tag}},
        {{"  <li><a ", tag}, {"href=", attr}, {"\"/catalogues/\"", value}, {">", tag}, {"Catalogues", plain}, {"</a></li>", tag}},
        {{"  <li><a ", tag}, {"href=", attr}, {"\"/collections/\"", value}, {">", tag}, {"Collections", plain}, {"</a></li>", tag}},
        {{"  <li><a ", tag}, {"href=", attr}, {"\"/expositions/\"", value}, {">", tag}, {"Expositions", plain}, {"</a></li>", tag}},
        {{"  <li><a ", tag}, {"href=", attr}, {"\"/pratique/\"", value}, {">", tag}, {"Informations pratiques", plain}, {"</a></li>", tag}},
        {{"</ul>", tag}},
        {{"<form ", tag}, {"action=", attr}, {"\"/catalogue/recherche\"", value}, {" method=", attr}, {"\"get\"", value}, {">", tag}},
        {{"  <input ", tag}, {"type=", attr}, {"\"text\"", value}, {" name=", attr}, {"\"q\"", value}, {" size=", attr}, {"\"20\"", value}, {" />", tag}},
        {{"  <input ", tag}, {"type=", attr}, {"\"submit\"", value}, {" value=", attr}, {"\"Chercher\"", value}, {" />", tag}},
        {{"</form>", tag}},
        {{"<div ", tag}, {"id=", attr}, {"\"exposition\"", value}, {">", tag}},
        {{"  <h2>", tag}, {"Exposition : mille ans de livres", plain}, {"</h2>", tag}},
        {{"  <p>", tag}, {"Des manuscrits enluminés aux premiers livres imprimés...", plain}, {"</p>", tag}},
        {{"</div>", tag}},
        {{"</body>", tag}},
        {{"</html>", tag}},
    };
    int y = text.top() + 4;
    for (const auto &line : lines) {
        int x = text.left() + 4;
        for (const auto &piece : line) {
            p.setPen(piece.second);
            p.drawText(x, y + 12, piece.first);
            x += p.fontMetrics().horizontalAdvance(piece.first);
        }
        y += 15;
        if (y > text.bottom() - 14)
            break;
    }
    const QRect status(0, size.height() - 20, size.width(), 20);
    p.setPen(QColor(0xa8, 0xa5, 0x9c));
    p.drawLine(status.topLeft(), status.topRight());
    p.setPen(Qt::black);
    p.setFont(uiFont(12));
    p.drawText(status.adjusted(6, 0, 0, 0), Qt::AlignVCenter, QStringLiteral("Terminé"));
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0, 0, -1, -1));
}

const Pictures::Registrar w4c{{QStringLiteral("Texercice22v3d/Image3"), SourceWindow.size(), &paintSourceWindow,
                               {{QStringLiteral("zs5"), sourceClose()}}}};

// ---- The print dialog ------------------------------------------------------------------

QRect inPrint(const QRect &r) { return r.translated(-PrintDialog.topLeft()); }

void buildPrintDialog(QWidget *root)
{
    group(root, QRect(10, 30, 517, 112), QStringLiteral("Imprimante"));
    label(root, QRect(24, 52, 60, 22), QStringLiteral("Nom :"));
    combo(root, QRect(90, 52, 290, 22), QStringLiteral("Imprimante laser du CDI"));
    button(root, QRect(396, 50, 117, 25), QStringLiteral("Propriétés..."));
    label(root, QRect(24, 80, 300, 18), QStringLiteral("État :   Prête"));
    label(root, QRect(24, 98, 300, 18), QStringLiteral("Type :   Laser couleur"));
    label(root, QRect(24, 116, 300, 18), QStringLiteral("Où :      Salle informatique"));
    check(root, 340, 114, QStringLiteral("Imprimer dans un fichier"), false, 180);
    group(root, QRect(10, 152, 250, 150), QStringLiteral("Zone d'impression"));
    radio(root, 24, 176, QStringLiteral("Tout"), true, 200);
    radio(root, 24, 204, QStringLiteral("Pages     de :"), false, 100);
    field(root, QRect(126, 204, 36, 21), QStringLiteral("1"));
    label(root, QRect(168, 204, 24, 21), QStringLiteral("à :"));
    field(root, QRect(194, 204, 36, 21), QStringLiteral("1"));
    radio(root, 24, 232, QStringLiteral("Sélection"), false, 200);
    group(root, QRect(270, 152, 257, 150), QStringLiteral("Copies"));
    label(root, QRect(282, inPrint(CopiesField).top(), 110, 21), QStringLiteral("Nombre de copies :"));
    auto *copies = ClassicBrowser::placeIn(root, QRect(inPrint(CopiesField).topLeft(), QSize(CopiesField.width() + CopiesArrows.width(), 21)),
                         new QSpinBox);
    copies->setValue(1);
    check(root, 282, 262, QStringLiteral("Copies assemblées"), true, 140);
    group(root, QRect(10, 310, 517, 42), QString());
    label(root, QRect(24, 320, 160, 22), QStringLiteral("Imprimer :"));
    combo(root, QRect(90, 320, 200, 22), QStringLiteral("Toutes les pages de la plage"));
    button(root, QRect(10, inPrint(PrintOk).top(), 90, 21), QStringLiteral("Options..."));
    button(root, inPrint(PrintOk), QStringLiteral("OK"))->setDefault(true);
    button(root, inPrint(PrintCancel), QStringLiteral("Annuler"));
}

void paintPrintDialog(QPainter &p, const QSize &size)
{
    paintWidgets(p, QRect(QPoint(0, 0), size), &buildPrintDialog);
    paintTitleBar(p, QRect(0, 0, size.width(), 22), QStringLiteral("Imprimer"), false);
    // The collated pages beside "Copies assemblées".
    for (int i = 0; i < 3; ++i) {
        const QRect page(430 + i * 26 - (i % 2) * 0, 232 + (i % 2) * 4, 22, 28);
        for (int k = 1; k >= 0; --k) {
            const QRect r = page.translated(k * 4, -k * 4);
            p.setPen(QColor(0x70, 0x70, 0x70));
            p.setBrush(Qt::white);
            p.drawRect(r);
            if (k == 0) {
                p.setFont(uiFont(10));
                p.drawText(r, Qt::AlignCenter, QString::number(i + 1));
            }
        }
    }
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
}

const Pictures::Registrar w4d{{QStringLiteral("Texercice22v3d/Image4"), PrintDialog.size(), &paintPrintDialog,
                               {{QStringLiteral("Edit1"), inPrint(CopiesField.united(CopiesArrows))},
                                {QStringLiteral("zs6"), inPrint(PrintOk)}}}};
}
