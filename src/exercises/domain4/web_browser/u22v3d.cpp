#include "exercises/domain4/web_browser/u22v3d.h"

#include "exercises/domain4/web_browser/layout.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/messagebox.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"
#include "widgets/spinedit.h"

using namespace WebBrowserLayout;

Texercice22v3d::Texercice22v3d(ExerciseSession *session)
    : BrowserScreen(session, QStringLiteral("Texercice22v3d"), 4, Window4Size, 10, WebBrowserLayout::instruction(10))
{
    const QRect shot(0, 0, Window4Size.width(), ScreenshotHeight);
    Image1 = picture(QStringLiteral("Image1"), shot, true);
    Image2 = picture(QStringLiteral("Image2"), shot, false);
    zs1 = hotSpot(QStringLiteral("zs1"), BackButton, false);
    zs3 = hotSpot(QStringLiteral("zs3"), ReloadButton, false);
    zs4 = hotSpot(QStringLiteral("zs4"), StopButton, false);
    zs2 = hotSpot(QStringLiteral("zs2"), HomeButton, false);
    Image3 = picture(QStringLiteral("Image3"), SourceWindow, false);
    zs5 = hotSpot(QStringLiteral("zs5"), SourceClose, false);
    Image4 = picture(QStringLiteral("Image4"), PrintDialog, false);
    Edit1 = new SpinEdit(page());
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(CopiesField.united(CopiesArrows));
    Edit1->setRange(1, 9999);
    Edit1->setText(QStringLiteral("1"));
    Edit1->hide();
    zs6 = hotSpot(QStringLiteral("zs6"), PrintOk, false);

    connect(zs1, &HotSpot::clicked, this, &Texercice22v3d::zs1Click);
    connect(zs2, &HotSpot::clicked, this, &Texercice22v3d::zs2Click);
    connect(zs3, &HotSpot::clicked, this, &Texercice22v3d::zs3Click);
    connect(zs4, &HotSpot::clicked, this, &Texercice22v3d::zs4Click);
    connect(zs5, &HotSpot::clicked, this, &Texercice22v3d::zs5Click);
    connect(zs6, &HotSpot::clicked, this, &Texercice22v3d::zs6Click);
}

void Texercice22v3d::menuStep(BrowserMenu::Item item)
{
    switch (item) {
    case BrowserMenu::Item::TextLarger:
        showOnly(Image2, {Image1, Image2});
        next(11);
        zs1->show();
        break;
    case BrowserMenu::Item::PageSource:
        next(16);
        Image3->show();
        zs5->show();
        break;
    case BrowserMenu::Item::Print:
        Image4->show();
        Edit1->show();
        zs6->show();
        break;
    default:
        break;
    }
}

void Texercice22v3d::toolbarStep(HotSpot *used, HotSpot *nextSpot)
{
    used->hide();
    next(step() + 1);
    if (nextSpot)
        nextSpot->show();
}

void Texercice22v3d::zs1Click()
{
    showOnly(Image1, {Image1, Image2});
    toolbarStep(zs1, zs2);
}

void Texercice22v3d::zs2Click() { toolbarStep(zs2, zs3); }
void Texercice22v3d::zs3Click() { toolbarStep(zs3, zs4); }
void Texercice22v3d::zs4Click() { toolbarStep(zs4, nullptr); }

void Texercice22v3d::zs5Click()
{
    Image3->hide();
    zs5->hide();
    next(17);
}

void Texercice22v3d::zs6Click()
{
    if (Edit1->text() != RequiredCopies) {
        MessageBox::information(QStringLiteral("Erreur, Relis bien la consigne!"), this);
        return;
    }
    session()->verdict(0, /* success box */ CommonTexts::SuccessBoxCapitalised);
}
