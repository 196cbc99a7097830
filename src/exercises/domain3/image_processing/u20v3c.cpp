#include "exercises/domain3/image_processing/u20v3c.h"

#include "dialogs/u20v3enregistrer.h"
#include "dialogs/utailledelimagev3.h"
#include "exercises/domain3/image_processing/layout.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"

#include <algorithm>

using namespace ImageProcessingLayout;

namespace {
const QString Window = QStringLiteral("Texercice20v3c/");

PictureBox *picture(const QString &control, const QRect &rect, QWidget *window)
{
    auto *box = new PictureBox(Window + control, control, rect, window);
    box->hide();
    return box;
}
}

Texercice20v3c::Texercice20v3c(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice20v3c"), WindowSize)
{
    setWindowTitle(QStringLiteral("exercice 20v3c"));
    // Bottom to top: the editor, the photographs, the tool bars, the menus and
    // their live entries.
    Image1 = new PictureBox(Window + QStringLiteral("Image1"), QStringLiteral("Image1"), Editor, this);
    for (int level = 1; level <= 5; ++level)
        levels << picture(QStringLiteral("Image%1").arg(level + 1), Photo, this);
    Image17 = picture(QStringLiteral("Image17"), HalfPhoto, this);
    zs13 = new HotSpot(QStringLiteral("zs13"), ImageProcessingLayout::zs13, this);
    for (int row = 0; row < 2; ++row) {
        const QList<ImageEditor::Tool> tools = ImageEditor::tools(row);
        for (int i = 0; i < tools.size(); ++i) {
            QString name = QStringLiteral("zs%1").arg((row == 0 ? 100 : 130) + i);
            if (row == 1 && i == ImageEditor::BrightnessUp)
                name = QStringLiteral("zs1");
            if (row == 1 && i == ImageEditor::BrightnessDown)
                name = QStringLiteral("zs2");
            auto *zone = new HotSpot(name, toolZone(row, i), this);
            zone->setHint(tools[i].hint);
            toolZones[row] << zone;
        }
    }
    zs1 = toolZones[1][ImageEditor::BrightnessUp];
    zs2 = toolZones[1][ImageEditor::BrightnessDown];
    zs14 = new HotSpot(QStringLiteral("zs14"), ImageProcessingLayout::zs14, this);
    zs14->setHint(PaletteHint);
    zs62 = new HotSpot(QStringLiteral("zs62"), toolZone(0, ImageEditor::ImageSizeTool), this);
    zs62->setHint(ImageEditor::tools(0)[ImageEditor::ImageSizeTool].hint);
    for (int m = 0; m < ImageEditor::MenuCount; ++m)
        menuTitles << new HotSpot(QStringLiteral("zs%1").arg(3 + m), menuTitleZone(m), this);
    for (int m = 0; m < ImageEditor::MenuCount; ++m)
        menus << picture(QStringLiteral("Image%1").arg(7 + m), menuPicture(m), this);
    zs60 = new HotSpot(QStringLiteral("zs60"), ImageProcessingLayout::zs60, this);
    zs61 = new HotSpot(QStringLiteral("zs61"), ImageProcessingLayout::zs61, this);
    zs63 = new HotSpot(QStringLiteral("zs63"), ImageProcessingLayout::zs63, this);
    placeBubble(Mascot, Bubble);
    instructionLabel(QStringLiteral("Label1"), ImageProcessingLayout::Label1, RaiseBrightness);
    placeAbandon(QStringLiteral("BitBtn20"), ImageProcessingLayout::BitBtn20);

    for (const QList<HotSpot *> &row : toolZones)
        for (HotSpot *zone : row)
            if (zone != zs1 && zone != zs2)
                connect(zone, &HotSpot::clicked, this, &Texercice20v3c::wrongWay);
    connect(zs1, &HotSpot::clicked, this, &Texercice20v3c::zs1Click);
    connect(zs2, &HotSpot::clicked, this, &Texercice20v3c::zs2Click);
    connect(zs14, &HotSpot::clicked, this, &Texercice20v3c::wrongWay);
    connect(zs62, &HotSpot::clicked, this, &Texercice20v3c::openImageSize);
    connect(zs61, &HotSpot::clicked, this, &Texercice20v3c::openImageSize);
    connect(zs60, &HotSpot::clicked, this, &Texercice20v3c::zs60Click);
    connect(zs63, &HotSpot::clicked, this, &Texercice20v3c::zs63Click);
    connect(zs13, &HotSpot::clicked, this, &Texercice20v3c::zs13Click);
    connect(Image17, &HotSpot::clicked, this, &Texercice20v3c::zs13Click);
    for (int m = 0; m < ImageEditor::MenuCount; ++m) {
        connect(menuTitles[m], &HotSpot::clicked, this, [this, m] { menuTitleClick(m); });
        connect(menus[m], &HotSpot::clicked, this, &Texercice20v3c::wrongWay);
    }
    reset();
}

void Texercice20v3c::FormShow()
{
    reset();
}

void Texercice20v3c::reset()
{
    m_level = StartLevel;
    m_brightnessDone = false;
    m_resizeDone = false;
    showLevel(m_level);
    Image1->setPictureName(Window + QStringLiteral("Image1"));
    Image17->hide();
    for (HotSpot *zone : {zs60, zs61, zs62, zs63})
        zone->hide();
    zs13Click();
}

void Texercice20v3c::showLevel(int level)
{
    m_level = level;
    for (int i = 0; i < levels.size(); ++i)
        levels[i]->setVisible(i + 1 == level);
}

void Texercice20v3c::wrongWay()
{
    session()->wrong(CommonTexts::WrongWayReadCarefully);
}

void Texercice20v3c::zs1Click()
{
    if (m_brightnessDone) {
        wrongWay();
        return;
    }
    showLevel(std::max(1, m_level - 1));
    if (m_level > 1)
        return;
    setInstruction(HalveSize);
    MessageBox::information(BrightnessDone, this);
    m_brightnessDone = true;
    zs62->show();
}

void Texercice20v3c::zs2Click()
{
    if (m_brightnessDone) {
        wrongWay();
        return;
    }
    showLevel(std::min(5, m_level + 1));
}

void Texercice20v3c::menuTitleClick(int menu)
{
    for (int m = 0; m < menus.size(); ++m)
        menus[m]->setVisible(m == menu);
    zs60->setVisible(menu == ImageEditor::Adjust && !m_brightnessDone);
    // A line of a closed menu never reacts, whichever menu took its place.
    zs61->setVisible(menu == ImageEditor::Image && m_brightnessDone && !m_resizeDone);
}

void Texercice20v3c::zs13Click()
{
    for (PictureBox *menu : menus)
        menu->hide();
    zs60->hide();
    zs61->hide();
}

void Texercice20v3c::zs60Click()
{
    session()->wrong(UseToolBar, MessageBox::Kind::Information, false);
    menus[ImageEditor::Adjust]->hide();
    zs60->hide();
}

void Texercice20v3c::openImageSize()
{
    // Like any menu, the one the entry was chosen in closes.
    zs13Click();
    if (m_sizeDialog) {
        m_sizeDialog->activateWindow();
        return;
    }
    m_sizeDialog = new TUtailleimage(
        this, [this](const QString &w, const QString &h) { return sizeChosen(w, h); },
        [this](const QString &text) { session()->wrong(text); });
    m_sizeDialog->show();
    m_sizeDialog->activateWindow();
}

bool Texercice20v3c::sizeChosen(const QString &width, const QString &height)
{
    if (width != AcceptedWidth || height != AcceptedHeight)
        return false;
    for (PictureBox *photo : levels)
        photo->hide();
    Image17->show();
    Image1->setPictureName(ResizedEditor);
    menus[ImageEditor::Image]->hide();
    zs61->hide();
    zs62->hide();
    zs63->show();
    m_resizeDone = true;
    setInstruction(SaveAsBitmap);
    return true;
}

void Texercice20v3c::zs63Click()
{
    zs13Click();
    if (m_saveDialog) {
        m_saveDialog->activateWindow();
        return;
    }
    m_saveDialog = new Texcercice20v3enregistrer(
        this, [this](const QString &type) { return typeChosen(type); },
        [this](const QString &text) { session()->wrong(text); });
    m_saveDialog->show();
    m_saveDialog->activateWindow();
}

bool Texercice20v3c::typeChosen(const QString &type)
{
    if (type != BmpType)
        return false;
    // The dialog stays under the verdict box and goes with the window.
    session()->verdict(MaxErrors, CommonTexts::SuccessBoxCapitalised, instruction());
    return true;
}
