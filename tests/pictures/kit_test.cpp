#include "pictures/classicbrowser.h"
#include "pictures/kit.h"

#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <gtest/gtest.h>

using namespace PictureKit;

namespace {

class Canvas
{
public:
    explicit Canvas(QSize size = {900, 700}, QColor background = QColor(1, 2, 3)) : image(size, QImage::Format_ARGB32)
    {
        image.fill(background);
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing);
    }
    QImage &done()
    {
        painter.end();
        return image;
    }
    QColor at(const QPoint &point) const { return QColor(image.pixel(point)); }

    QImage image;
    QPainter painter;
};

// Whether every pixel of 'rect' has the same colour.
bool uniform(const QImage &image, const QRect &rect)
{
    const QRgb first = image.pixel(rect.topLeft());
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) != first)
                return false;
    return true;
}

// Rectangles following one another without overlap, along x or y.
void expectInOrder(const QList<QRect> &rects, bool horizontal)
{
    for (int i = 1; i < rects.size(); ++i) {
        if (horizontal)
            EXPECT_GE(rects[i].left(), rects[i - 1].right()) << i;
        else
            EXPECT_GE(rects[i].top(), rects[i - 1].bottom()) << i;
    }
}

const QList<MenuItem> fileMenu = {
    {QStringLiteral("&Nouveau"), QStringLiteral("Ctrl+N"), QStringLiteral("document-new")},
    {QStringLiteral("&Ouvrir..."), QStringLiteral("Ctrl+O"), QStringLiteral("document-open")},
    MenuItem::line(),
    {QStringLiteral("Imprimer"), {}, {}, false, false, false, true},
    {QStringLiteral("Quitter"), QStringLiteral("Ctrl+Q"), {}, false, false, false, false, false},
};
}

TEST(PictureKitMenus, ItemRectanglesStackInsideThePopUpAndMatchWhatIsDrawn)
{
    const QPoint topLeft(40, 30);
    Canvas canvas;
    const QList<QRect> drawn = paintMenu(canvas.painter, topLeft, fileMenu, 1);
    const QImage &image = canvas.done();

    EXPECT_EQ(drawn, menuLayout(topLeft, fileMenu));
    ASSERT_EQ(drawn.size(), fileMenu.size());
    const QRect popUp(topLeft, menuSize(fileMenu));
    for (const QRect &r : drawn)
        EXPECT_TRUE(popUp.contains(r));
    for (int i = 1; i < drawn.size(); ++i)
        EXPECT_EQ(drawn[i].top(), drawn[i - 1].bottom() + 1);
    EXPECT_EQ(drawn[2].height(), MenuSeparatorHeight);
    EXPECT_EQ(drawn[0].height(), MenuItemHeight);

    // The highlighted item is filled with the highlight, the others are white.
    const QPoint lit(drawn[1].right() - 60, drawn[1].center().y());
    EXPECT_EQ(canvas.at(lit), Colours::Highlight);
    EXPECT_EQ(canvas.at(QPoint(drawn[0].right() - 60, drawn[0].top() + 2)), QColor(Qt::white));
    // Text and icon are drawn inside the items.
    EXPECT_FALSE(uniform(image, drawn[0]));
    EXPECT_FALSE(uniform(image, drawn[4]));
}

TEST(PictureKitMenus, PopUpIsWideEnoughForItsLongestTextAndShortcut)
{
    const QSize narrow = menuSize({{QStringLiteral("Coller")}});
    const QSize wide = menuSize({{QStringLiteral("Coller"), QStringLiteral("Ctrl+Maj+V")}});
    EXPECT_GT(wide.width(), narrow.width() + QFontMetrics(uiFont()).horizontalAdvance(QStringLiteral("Ctrl+Maj+V")));
    EXPECT_EQ(menuSize({{QStringLiteral("A")}}, 300).width(), 300);
}

TEST(PictureKitMenus, MenuBarTitlesFollowOneAnotherAndTheHighlightedOneIsLit)
{
    const QStringList titles = {QStringLiteral("&Fichier"), QStringLiteral("&Édition"), QStringLiteral("Affichage")};
    const QRect bar(0, 0, 600, MenuBarHeight);
    Canvas canvas;
    const QList<QRect> drawn = paintMenuBar(canvas.painter, bar, titles, 2);
    canvas.done();
    EXPECT_EQ(drawn, menuBarLayout(bar, titles));
    expectInOrder(drawn, true);
    for (const QRect &r : drawn)
        EXPECT_TRUE(bar.contains(r));
    // The mnemonic's "&" takes no room: "&Fichier" is as wide as "Fichier" would be.
    EXPECT_EQ(menuBarLayout(bar, {QStringLiteral("&Fichier")})[0].width(),
              menuBarLayout(bar, {QStringLiteral("Fichier")})[0].width());
    EXPECT_EQ(canvas.at(QPoint(drawn[2].left() + 3, drawn[2].center().y())), Colours::Highlight);
    EXPECT_NE(canvas.at(QPoint(drawn[0].left() + 3, drawn[0].center().y())), Colours::Highlight);
}

TEST(PictureKitToolBars, ThemeIconsAreFoundAndDrawnInTheirButtons)
{
    for (const char *name : {"document-new", "edit-copy", "format-text-bold", "go-previous"})
        EXPECT_FALSE(themeIcon(QString::fromLatin1(name)).isNull()) << name;

    const QList<ToolButton> buttons = {{QStringLiteral("document-new")}, ToolButton::line(),
                                       {QStringLiteral("edit-copy")}, {QStringLiteral("go-previous"), QStringLiteral("Précédent")}};
    const QRect bar(10, 10, 400, 34);
    Canvas canvas;
    const QList<QRect> drawn = paintToolBar(canvas.painter, bar, buttons);
    const QImage &image = canvas.done();
    EXPECT_EQ(drawn, toolBarLayout(bar, buttons));
    expectInOrder(drawn, true);
    for (int i : {0, 2, 3}) {
        EXPECT_TRUE(bar.contains(drawn[i])) << i;
        EXPECT_FALSE(uniform(image, drawn[i])) << i;
    }
    EXPECT_LT(drawn[1].width(), drawn[0].width());
    EXPECT_GT(drawn[3].width(), drawn[2].width());   // the text beside the icon
}

TEST(PictureKitWindows, ClientAreaLiesUnderTheTitleBarWithTheButtonsAtTheRight)
{
    const QRect outer(20, 20, 400, 300);
    WindowFrame frame{QStringLiteral("Propriétés"), QStringLiteral("document-properties")};
    Canvas canvas;
    const QRect client = paintWindowFrame(canvas.painter, outer, frame);
    canvas.done();
    const WindowFrameGeometry g = windowFrameGeometry(outer, frame);
    EXPECT_EQ(client, g.client);
    EXPECT_TRUE(outer.contains(client));
    EXPECT_EQ(client.top(), g.titleBar.bottom() + 1);
    EXPECT_EQ(client.bottom(), outer.bottom() - 1);
    EXPECT_LT(g.minimise.right(), g.maximise.left());
    EXPECT_LT(g.maximise.right(), g.close.left());
    EXPECT_TRUE(g.titleBar.contains(g.close));
    EXPECT_GE(g.close.right(), outer.right() - 10);
    EXPECT_EQ(canvas.at(client.center()), Colours::Window);

    frame.minimiseButton = frame.maximiseButton = false;
    const WindowFrameGeometry dialog = windowFrameGeometry(outer, frame);
    EXPECT_TRUE(dialog.minimise.isNull());
    EXPECT_TRUE(dialog.maximise.isNull());
}

TEST(PictureKitControls, TabsFollowOneAnotherAndThePageLiesUnderThem)
{
    const QStringList titles = {QStringLiteral("Général"), QStringLiteral("Sécurité"), QStringLiteral("Détails")};
    const QRect area(10, 10, 400, 200);
    Canvas canvas;
    const QRect page = paintTabWidget(canvas.painter, area, titles, 1);
    const QImage &image = canvas.done();
    const QList<QRect> tabs = tabLayout(QRect(area.topLeft(), QSize(area.width(), 26)), titles);
    expectInOrder(tabs, true);
    for (const QRect &tab : tabs) {
        EXPECT_LT(tab.bottom(), page.top());
        EXPECT_FALSE(uniform(image, tab));
    }
    EXPECT_TRUE(area.contains(page));
    EXPECT_TRUE(uniform(image, page.adjusted(4, 4, -4, -4)));
}

TEST(PictureKitControls, FieldsAndButtonsShowTheirTextMaskedWhenAsked)
{
    Canvas plain;
    paintTextField(plain.painter, QRect(10, 10, 150, 24), QStringLiteral("abc"));
    Canvas masked;
    paintTextField(masked.painter, QRect(10, 10, 150, 24), QStringLiteral("abc"), false, true);
    Canvas empty;
    paintTextField(empty.painter, QRect(10, 10, 150, 24));
    const QRect inside(14, 14, 60, 16);
    EXPECT_FALSE(uniform(plain.done(), inside));
    EXPECT_NE(plain.image.copy(inside), masked.done().copy(inside));
    EXPECT_TRUE(uniform(empty.done(), inside));
}

TEST(PictureKitWeb, ParagraphGrowsWithItsTextAndLinksAreAsWideAsTheirText)
{
    Canvas canvas;
    const QRect shortText = paintWebParagraph(canvas.painter, QRect(10, 10, 200, 10), QStringLiteral("Bonjour."));
    const QRect longText = paintWebParagraph(canvas.painter, QRect(10, 100, 200, 10),
                                             QStringLiteral("Le collège ouvre ses portes samedi matin. Les parents "
                                                            "sont invités à découvrir les travaux des élèves."));
    EXPECT_EQ(shortText.width(), 200);
    EXPECT_GT(longText.height(), 2 * shortText.height());
    const QRect link = paintWebLink(canvas.painter, QPoint(10, 300), QStringLiteral("Mentions légales"));
    const QRect longer = paintWebLink(canvas.painter, QPoint(10, 330), QStringLiteral("Mentions légales du site"));
    canvas.done();
    EXPECT_EQ(link.topLeft(), QPoint(10, 300));
    EXPECT_GT(longer.width(), link.width());
    EXPECT_FALSE(uniform(canvas.image, link));
}

TEST(PictureKitDesktop, TaskBarPartsLieInsideTheBar)
{
    const QRect bar(0, 560, 900, TaskBarHeight);
    Canvas canvas;
    const TaskBarGeometry g = paintTaskBar(canvas.painter, bar, {QStringLiteral("Explorateur"), QStringLiteral("Courrier")}, 1);
    canvas.done();
    EXPECT_TRUE(bar.contains(g.startButton));
    EXPECT_TRUE(bar.contains(g.clock));
    ASSERT_EQ(g.tasks.size(), 2);
    expectInOrder(QList<QRect>{g.startButton, g.tasks[0], g.tasks[1], g.clock}, true);
}

TEST(BrowserChrome, PageLiesUnderTheBarsAndBesideTheSidePanel)
{
    ClassicBrowser::Chrome chrome;
    chrome.width = 913;
    chrome.height = 574;
    chrome.tabs = {{QStringLiteral("Collège"), QColor(Qt::red), QLatin1Char('C')}, {QStringLiteral("Mairie"), {}, {}}};
    chrome.activeTab = 1;
    chrome.url = QStringLiteral("https://www.mairie-exemple.fr");
    chrome.panel = ClassicBrowser::SidePanel::HistoryYesterdayOpen;
    chrome.yesterday = {{QStringLiteral("Collège"), QColor(Qt::blue), QLatin1Char('C')}};
    Canvas canvas({913, 574});
    const QRect page = ClassicBrowser::paintChrome(canvas.painter, chrome);
    canvas.done();

    const ClassicBrowser::ChromeLayout &l = chrome.layout;
    EXPECT_EQ(page.top(), l.tabTop + l.tabHeight);
    EXPECT_EQ(page.left(), l.sidePanelWidth + 1);
    EXPECT_EQ(page.bottom(), l.statusBarTop - 1);
    EXPECT_LT(page.right(), chrome.width - 16) << "the scroll bar lies right of the page";
    EXPECT_TRUE(uniform(canvas.image, page.adjusted(4, 4, -4, -4)));
    EXPECT_EQ(canvas.at(page.center()), QColor(Qt::white));
    EXPECT_FALSE(uniform(canvas.image, l.address)) << "the address is written in its field";
    EXPECT_FALSE(uniform(canvas.image, ClassicBrowser::historyEntryRect(0))) << "yesterday's page is listed";
    expectInOrder({l.back, l.forward, l.reload, l.stop, l.home}, true);
    expectInOrder({l.address, l.go, l.search}, true);
}

TEST(BrowserChrome, CaptionPutsATitleBarAndMenusAboveAndMovesTheRestDown)
{
    ClassicBrowser::Chrome plain;
    plain.tabs = {{QStringLiteral("Accueil"), {}, {}}};
    ClassicBrowser::Chrome captioned = plain;
    captioned.caption = QStringLiteral("Bibliothèque - Navigateur Web");
    captioned.layout.top = 42;
    Canvas a({928, 574}), b({928, 574});
    const QRect pagePlain = ClassicBrowser::paintChrome(a.painter, plain);
    const QRect pageCaptioned = ClassicBrowser::paintChrome(b.painter, captioned);
    a.done();
    b.done();
    EXPECT_EQ(pageCaptioned.top(), pagePlain.top() + 42);
    EXPECT_EQ(pageCaptioned.bottom(), pagePlain.bottom()) << "the status bar stays at the bottom";
    EXPECT_FALSE(uniform(b.image, QRect(0, 0, 928, 22))) << "a title bar is drawn";
    EXPECT_EQ(ClassicBrowser::menuTitles().size(), 7);
}

TEST(PictureKitDesktop, LongCaptionWrapsUnderItsIconInsideTheTile)
{
    Canvas one;
    const QRect tile = paintDesktopIcon(one.painter, QPoint(10, 10), QStringLiteral("user-home"), QStringLiteral("Corbeille"));
    Canvas two;
    paintDesktopIcon(two.painter, QPoint(10, 10), QStringLiteral("user-home"), QStringLiteral("Dossier personnel"));
    EXPECT_EQ(tile.size(), DesktopIconSize);
    const int lineHeight = QFontMetrics(uiFont(11)).height();
    const QRect secondLine(tile.left(), tile.top() + 56 + lineHeight, tile.width(), lineHeight - 2);
    EXPECT_TRUE(uniform(one.done(), secondLine));
    EXPECT_FALSE(uniform(two.done(), secondLine));
    // Nothing drawn outside the tile.
    EXPECT_TRUE(uniform(two.image, QRect(tile.right() + 1, 0, 100, 200)));
    EXPECT_TRUE(uniform(two.image, QRect(0, tile.bottom() + 1, 200, 100)));
}

TEST(PictureKitDesktop, StartMenuOpensAboveItsCornerWithTheHighlightedItemLit)
{
    const QPoint corner(10, 500);
    const QList<MenuItem> items = {{QStringLiteral("Traitement de texte")}, {QStringLiteral("Navigateur Web")},
                                   MenuItem::line(), {QStringLiteral("Éteindre")}};
    Canvas canvas;
    const QList<QRect> rects = paintStartMenu(canvas.painter, corner, items, 1);
    canvas.done();
    ASSERT_EQ(rects.size(), items.size());
    for (const QRect &r : rects) {
        EXPECT_LT(r.bottom(), corner.y());
        EXPECT_GE(r.left(), corner.x());
    }
    EXPECT_EQ(canvas.at(QPoint(rects[1].right() - 10, rects[1].center().y())), Colours::Highlight);
    EXPECT_EQ(canvas.at(QPoint(rects[0].right() - 10, rects[0].center().y())), QColor(Qt::white));
}

TEST(PictureKitControls, ScrollBarHandleFollowsThePosition)
{
    auto handleRow = [](qreal position) {
        Canvas canvas({40, 300});
        paintScrollBar(canvas.painter, QRect(0, 0, 16, 300), Qt::Vertical, position, 0.2);
        const QImage &image = canvas.done();
        // The handle is the lightest run down the middle of the groove.
        int best = 0;
        int bestValue = -1;
        for (int y = 20; y < 280; ++y) {
            const int value = qGray(image.pixel(8, y));
            if (value > bestValue) {
                bestValue = value;
                best = y;
            }
        }
        return best;
    };
    EXPECT_LT(handleRow(0.0), handleRow(1.0));
    Canvas left;
    paintScrollBar(left.painter, QRect(0, 0, 16, 300), Qt::Vertical);
    EXPECT_TRUE(uniform(left.done(), QRect(17, 0, 20, 300)));
}

TEST(PictureKitControls, StatusBarSectionsFillTheBarFromLeftToRight)
{
    const QRect bar(0, 100, 600, 22);
    Canvas canvas;
    const QList<QRect> sections =
        paintStatusBar(canvas.painter, bar, {QStringLiteral("Page 1 / 2"), QStringLiteral("Français (France)"), QString()});
    canvas.done();
    ASSERT_EQ(sections.size(), 3);
    expectInOrder(sections, true);
    EXPECT_GE(sections.last().right(), bar.right() - 6);
    EXPECT_FALSE(uniform(canvas.image, sections[0]));
}

