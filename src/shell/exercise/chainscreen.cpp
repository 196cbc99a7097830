#include "shell/exercise/chainscreen.h"

#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QPalette>

ChainScreen::ChainScreen(ExerciseSession *session, const QString &name, const QString &caption, QSize size,
                         const Style &style)
    : ExerciseScreen(session, name, size), m_style(style)
{
    setWindowTitle(caption);
    if (style.background.isValid()) {
        // A palette, not a style sheet: cheaper at launch, and the children keep theirs.
        QPalette colours = palette();
        colours.setColor(QPalette::Window, style.background);
        setPalette(colours);
    }
}

PictureBox *ChainScreen::picture(const QString &control, const QRect &rect, bool visible)
{
    auto *box = new PictureBox(objectName() + QLatin1Char('/') + control, control, rect, this);
    box->setVisible(visible);
    return box;
}

HotSpot *ChainScreen::hotSpot(const QString &control, const QRect &rect, bool visible)
{
    auto *spot = new HotSpot(control, rect, this);
    spot->setVisible(visible);
    return spot;
}

HotSpot *ChainScreen::wrongArea(const QString &control, const QRect &rect, bool visible)
{
    HotSpot *spot = hotSpot(control, rect, visible);
    connect(spot, &HotSpot::clicked, this, &ChainScreen::wrongAction);
    return spot;
}

void ChainScreen::wrongAction()
{
    session()->wrong(m_style.wrongText);
}

void ChainScreen::handOverTo(ExerciseScreen *next)
{
    session()->handOver(this, next);
}

void ChainScreen::finalVerdict(QLabel *label)
{
    session()->verdict(m_style.errorThreshold, CommonTexts::SuccessBox, label);
}
