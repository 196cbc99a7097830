#include "exercises/domain4/web_browser/u22v3c.h"

#include "exercises/domain4/web_browser/layout.h"
#include "exercises/domain4/web_browser/u22v3d.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace WebBrowserLayout;

Texercice22v3c::Texercice22v3c(ExerciseSession *session)
    : BrowserScreen(session, QStringLiteral("Texercice22v3c"), 3, Window3Size, 7, WebBrowserLayout::instruction(7))
{
    Image1 = picture(QStringLiteral("Image1"), QRect(0, 0, Window3Size.width(), ScreenshotHeight), true);
    for (int i = 0; i < 6; ++i)
        m_panels[i] = picture(QStringLiteral("Image%1").arg(i + 2), OptionsDialog, false);
    zs10 = hotSpot(QStringLiteral("zs10"), OptionsBody, false);
    for (int i = 0; i < 6; ++i) {
        m_categories[i] = hotSpot(QStringLiteral("zs%1").arg(i + 1), OptionsCategory[i], false);
        connect(m_categories[i], &HotSpot::clicked, this, [this, i] { categoryClick(i); });
    }
    zs7 = hotSpot(QStringLiteral("zs7"), OptionsUseCurrentPage, false);
    Edit1 = new QLineEdit(LibraryUrl, page());
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(OptionsHomePageField);
    Edit1->setReadOnly(true);
    Edit1->hide();
    CheckBox1 = new QCheckBox(page());
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(OptionsBlockPopups);
    CheckBox1->hide();
    zs9 = hotSpot(QStringLiteral("zs9"), OptionsOk, false);
    zs11 = hotSpot(QStringLiteral("zs11"), SidePanelClose, false);

    connect(zs7, &HotSpot::clicked, this, &Texercice22v3c::zs7Click);
    connect(zs9, &HotSpot::clicked, this, &Texercice22v3c::zs9Click);
    connect(zs10, &HotSpot::clicked, this, &Texercice22v3c::zs10Click);
    connect(zs11, &HotSpot::clicked, this, &Texercice22v3c::zs11Click);
    connect(CheckBox1, &QCheckBox::toggled, this, &Texercice22v3c::CheckBox1Click);
}

void Texercice22v3c::menuStep(BrowserMenu::Item item)
{
    if (item == BrowserMenu::Item::Options)
        openOptions();
    else if (item == BrowserMenu::Item::SidePanelHistory)
        toWindow4();
}

void Texercice22v3c::openOptions()
{
    for (HotSpot *spot : m_categories)
        spot->show();
    zs10->show();
    // The general panel, as its own icon shows it at this step.
    categoryClick(General);
}

void Texercice22v3c::showCategory(int index)
{
    for (int i = 0; i < 6; ++i)
        m_panels[i]->setVisible(i == index);
    CheckBox1->hide();
}

void Texercice22v3c::categoryClick(int index)
{
    showCategory(index);
    if (index == General) {
        // The general panel keeps the home-page field and OK as they were. Its
        // "current page" button stays in place at step 8, where it was used already.
        zs7->show();
        if (step() == 8)
            Edit1->show();
        return;
    }
    Edit1->hide();
    zs7->hide();
    zs9->hide();
    if (index == Content && step() == 8) {
        CheckBox1->show();
        zs9->setVisible(CheckBox1->isChecked());
    }
}

void Texercice22v3c::zs7Click()
{
    Edit1->show();
    // Taking the current page again at step 8 is harmless, but its OK must not end
    // the step before the pop-up box is ticked.
    if (step() == 7 || CheckBox1->isChecked())
        zs9->show();
}

void Texercice22v3c::CheckBox1Click()
{
    zs9->setVisible(CheckBox1->isChecked());
}

void Texercice22v3c::closeOptions()
{
    Edit1->hide();
    for (HotSpot *spot : m_categories)
        spot->hide();
    zs7->hide();
    zs9->hide();
    m_panels[General]->hide();
    m_panels[Content]->hide();
    CheckBox1->hide();
    zs10->hide();
}

void Texercice22v3c::zs9Click()
{
    closeOptions();
    next(step() + 1);
    if (step() == 9)
        zs11->show();
}

void Texercice22v3c::zs10Click()
{
    wrongRoute();
}

void Texercice22v3c::zs11Click()
{
    toWindow4();
}

void Texercice22v3c::toWindow4()
{
    session()->handOver(this, session()->window<Texercice22v3d>());
}
