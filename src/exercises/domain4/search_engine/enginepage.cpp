#include "exercises/domain4/search_engine/enginepage.h"

#include "exercises/domain4/search_engine/layout.h"
#include "pictures/fonts.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace SearchEngineLayout;

EnginePage::EnginePage(ExerciseSession *session, const QString &name, QSize size)
    : ExerciseScreen(session, name, size)
{
    Image1 = new PictureBox(name + QStringLiteral("/Image1"), QStringLiteral("Image1"), QRect(QPoint(0, 0), size), this);
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QLineEdit *EnginePage::field(const char *name, const QRect &rect)
{
    auto *edit = place(new QLineEdit(this), name, rect);
    edit->setFont(pixelFont(QStringLiteral("Arial"), 13));
    edit->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid rgb(127,157,185); background: white;"
                                       " padding: 0 2px; }"));
    return edit;
}

EnginePage::Scopes EnginePage::placeScopes(const QPoint &offset)
{
    Scopes s;
    s.patch = place(new QWidget(this), "Shape1", HomeScopePatch.translated(offset));
    s.patch->setStyleSheet(QStringLiteral("background: white;"));
    s.patch->setAttribute(Qt::WA_StyledBackground);
    s.caption = place(new QLabel(ScopeCaption, this), "Label1", HomeScopeCaption.translated(offset));
    s.caption->setFont(pixelFont(QStringLiteral("Arial"), 11));
    s.frame = place(new QWidget(this), "RadioGroup1", HomeScopeFrame.translated(offset));
    s.frame->setStyleSheet(QStringLiteral("background: white;"));
    s.frame->setAttribute(Qt::WA_StyledBackground);
    auto radio = [this, offset](const char *name, const QString &text, const QRect &rect) {
        auto *r = place(new QRadioButton(text, this), name, rect.translated(offset));
        r->setFont(pixelFont(QStringLiteral("Arial"), 11));
        return r;
    };
    s.web = radio("RadioButton2", ScopeWeb, HomeScopeWeb);
    s.french = radio("RadioButton3", ScopeFrench, HomeScopeFrench);
    s.france = radio("RadioButton1", ScopeFrance, HomeScopeFrance);
    // Each caption whole: in the fonts installed here a button reaches into the next one's
    // square, so the three stand side by side at their own widths within the frame.
    const QRect frame = HomeScopeFrame.translated(offset);
    int x = s.web->x();
    for (QRadioButton *r : {s.web, s.french, s.france}) {
        const int width = qMin(r->sizeHint().width(), frame.right() + 1 - x);
        r->setGeometry(x, r->y(), width, r->height());
        x += width + 4;
    }
    s.web->setChecked(true);
    return s;
}

void EnginePage::finishPage(const QString &instruction)
{
    InstructionBubble *bubble = placeBubble(PageMascot, PageBubble);
    if (bubble->mascot())
        bubble->mascot()->setObjectName(QStringLiteral("consigne1"));
    bubble->shape()->setObjectName(QStringLiteral("consigne2"));
    bubble->addLabel(QStringLiteral("consigne3"), PageLabel, instruction);
    placeAbandon(QStringLiteral("BitBtn20"), PageAbandon);
}

void EnginePage::wrongRoute(const QString &text) { session()->wrong(text); }
