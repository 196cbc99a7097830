#include "exercises/domain4/library_catalogue/cataloguescreen.h"

#include "exercises/domain4/library_catalogue/layout.h"
#include "pictures/fonts.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QLineEdit>
#include <QPalette>

using namespace LibraryCatalogueLayout;

CatalogueScreen::CatalogueScreen(ExerciseSession *session, const QString &name, const QString &instruction,
                                 Bubble bubble)
    : ExerciseScreen(session, name, ScreenSize)
{
    Image1 = new PictureBox(name + QStringLiteral("/Image1"), QStringLiteral("Image1"), Screenshot, this);
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
    struct Place
    {
        QRect mascot, shape, label;
    };
    static const Place places[] = {{ScreenMascot, ScreenBubble, ScreenLabel},
                                   {RecordMascot, RecordBubble, RecordLabel},
                                   {ListMascot, ListBubble, ListLabel}};
    const Place &at = places[int(bubble)];
    // In the answer panel the bubble is laid later, over the lime panel.
    if (bubble != Bubble::InAnswerPanel) {
        placeBubble(at.mascot, at.shape);
        instructionLabel(QStringLiteral("Label1"), at.label, instruction);
    }
    placeAbandon(QStringLiteral("BitBtn20"), ScreenAbandon);
}

void CatalogueScreen::placeAnswerBubble(const QString &instruction)
{
    placeBubble(ListMascot, ListBubble);
    instructionLabel(QStringLiteral("Label1"), ListLabel, instruction);
}

HotSpot *CatalogueScreen::spot(const char *name, const QRect &rect)
{
    return new HotSpot(QString::fromLatin1(name), rect, this);
}

QLineEdit *CatalogueScreen::field(const char *name, const QRect &rect, bool drawnBelow)
{
    auto *edit = place(new QLineEdit(this), name, rect);
    edit->setFont(pixelFont(QStringLiteral("Tahoma"), qMin(13, rect.height() - 6)));
    if (drawnBelow) {
        // The screenshot draws the field, border included: the edit only types in it.
        edit->setFrame(false);
        edit->setTextMargins(3, 0, 2, 0);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, Qt::transparent);
        edit->setPalette(palette);
    }
    return edit;
}

void CatalogueScreen::wrongRoute() { session()->wrong(CommonTexts::WrongWay); }

void CatalogueScreen::wrongMethod() { session()->wrong(WrongMethod); }

QList<CatalogueTab *> CatalogueTab::tabsOf(ExerciseSession *session)
{
    QList<CatalogueTab *> tabs;
    for (QWidget *w : session->windows())
        if (auto *tab = qobject_cast<CatalogueTab *>(w))
            tabs << tab;
    return tabs;
}

void CatalogueTab::askSecondQuestion(ExerciseSession *session)
{
    for (CatalogueTab *tab : tabsOf(session)) {
        tab->m_secondQuestion = true;
        tab->setInstruction(Question2);
        tab->enterSecondQuestion();
    }
}

void CatalogueTab::switchTo(CatalogueTab *to)
{
    if (!to || to == this)
        return;
    for (CatalogueTab *tab : tabsOf(session()))
        if (tab->Edit1)
            tab->Edit1->clear();
    leaving();
    to->show();
    to->activateWindow();
    hide();
}
