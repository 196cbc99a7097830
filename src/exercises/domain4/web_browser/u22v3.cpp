#include "exercises/domain4/web_browser/u22v3.h"

#include "exercises/domain4/web_browser/layout.h"
#include "exercises/domain4/web_browser/u22v3b.h"
#include "exercises/domain4/web_browser/u22v3c.h"
#include "exercises/domain4/web_browser/u22v3d.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/picturebox.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QMenuBar>

using namespace WebBrowserLayout;

namespace {
QLineEdit *overlayField(QWidget *page, const QString &name, const QRect &rect, const QString &text)
{
    auto *edit = new QLineEdit(text, page);
    edit->setObjectName(name);
    edit->setGeometry(rect);
    edit->setFrame(false);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(13);
    edit->setFont(f);
    return edit;
}

void paintMarker(QFrame *marker, bool done)
{
    marker->setStyleSheet(done ? QStringLiteral("background: rgb(255,0,0); border: 1px solid black;")
                               : QStringLiteral("background: white; border: 1px solid black;"));
}
}

Texercice22v3::Texercice22v3(ExerciseSession *session)
    : BrowserScreen(session, QStringLiteral("Texercice22v3"), 1, Window1Size, 1, WebBrowserLayout::instruction(1))
{
    Image1 = picture(QStringLiteral("Image1"), QRect(0, 0, Window1Size.width(), ScreenshotHeight), true);
    Image2 = picture(QStringLiteral("Image2"), Image1->geometry(), false);
    Image3 = picture(QStringLiteral("Image3"), Image1->geometry(), false);
    Edit1 = overlayField(page(), QStringLiteral("Edit1"), AddressField, SearchEngineUrl);
    Edit2 = overlayField(page(), QStringLiteral("Edit2"), EngineQueryField, QString());
    Edit3 = overlayField(page(), QStringLiteral("Edit3"), ToolbarSearchField, QString());
    Edit3->setPlaceholderText(SearchEngineName);
    for (int i = 0; i < MarkerCount; ++i) {
        auto *marker = new QFrame(page());
        marker->setObjectName(QStringLiteral("Shape%1").arg(i + 2));
        marker->setGeometry(FirstMarker.x() + i * MarkerPitch, FirstMarker.y(), MarkerSize, MarkerSize);
        paintMarker(marker, false);
        m_markers[i] = marker;
    }
    connect(Edit1, &QLineEdit::returnPressed, this, &Texercice22v3::Edit1KeyPress);
    // Only the pupil's own edits count: emptying the boxes below does not.
    connect(Edit2, &QLineEdit::textEdited, this, &Texercice22v3::SearchBoxChange);
    connect(Edit3, &QLineEdit::textEdited, this, &Texercice22v3::SearchBoxChange);
    Edit1->setFocus();
}

void Texercice22v3::markDone(int step)
{
    paintMarker(m_markers[step - 1], true);
}

void Texercice22v3::Edit1KeyPress()
{
    if (Edit1->text().toLower() != LibraryAddress) {
        session()->wrong(QStringLiteral("Erreur de saisie !"));
        return;
    }
    markDone(1);
    next(2);
    for (QLineEdit *e : {Edit1, Edit2, Edit3})
        e->hide();
    showOnly(Image2, {Image1, Image2, Image3});
}

void Texercice22v3::SearchBoxChange()
{
    Edit2->clear();
    Edit3->clear();
    wrongRoute();
}

void Texercice22v3::menuStep(BrowserMenu::Item item)
{
    switch (item) {
    case BrowserMenu::Item::BookmarkPage:
        if (QAction *bookmark = BrowserMenu::action(menuBar(), BrowserMenu::Item::LibraryBookmark))
            bookmark->setVisible(true);
        markDone(2);
        next(3);
        break;
    case BrowserMenu::Item::NewTab:
        markDone(3);
        next(4);
        showOnly(Image3, {Image1, Image2, Image3});
        break;
    case BrowserMenu::Item::GoHistory:
        session()->handOver(this, session()->window<Texercice22v3b>());
        break;
    default:
        break;
    }
}

// The four windows are created together at launch; the first is shown.
static const ExerciseRegistry::Registrar registrar(
    Competence, ExerciseSession::launcher<Texercice22v3, Texercice22v3b, Texercice22v3c, Texercice22v3d>(Competence));
