#include "exercises/domain3/simulation/u19v3b.h"

#include "exercises/domain3/simulation/films.h"
#include "exercises/domain3/simulation/layout.h"
#include "pictures/fonts.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/choicecombo.h"
#include "widgets/instructionbubble.h"
#include "widgets/mediacontrolbar.h"
#include "widgets/placement.h"
#include "widgets/videoplayer.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

using namespace SimulationLayout;

namespace {
const QColor Yellow(255, 255, 0);

QFont memoFont()
{
    return pixelFont(QStringLiteral("Tahoma"), 11);
}
}

Texercice19v3b::Texercice19v3b(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice19v3b"), WindowSize)
{
    SimulationFilms::paintWindowBlue(this);
    Panel1 = SimulationFilms::displayArea(this, ClozeArea);
    film = new QWidget(Panel1);
    film->setObjectName(QStringLiteral("film"));
    film->setGeometry(filmSurface(ClozeArea, ClozeControlBar));
    MediaPlayer1 = place(new MediaControlBar(this), "MediaPlayer1", ClozeControlBar);

    Memo2 = place(new QTextEdit(this), "Memo2", SimulationLayout::Memo2);
    Memo2->setReadOnly(true);
    Memo2->setFont(memoFont());
    Memo2->setLineWrapMode(QTextEdit::NoWrap);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setFrameShape(QFrame::NoFrame);
    Memo2->document()->setDocumentMargin(MemoMargin);
    Memo2->setPlainText(ClozeLines.join(QLatin1Char('\n')));
    // Every line 18 pixels high, so the lists lie over their gaps.
    QTextCursor all(Memo2->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat lines;
    lines.setLineHeight(MemoLineHeight, QTextBlockFormat::FixedHeight);
    all.mergeBlockFormat(lines);
    Memo2->setTextInteractionFlags(Qt::NoTextInteraction);

    for (int i = 0; i < 5; ++i) {
        auto *list = new ChoiceCombo(this, true);
        list->setObjectName(QStringLiteral("ComboBox%1").arg(i + 1));
        list->addItems(GapRows);
        list->setMaxVisibleItems(2);
        list->setPlaceholderChoice(GapPrompt);
        list->setColour(Yellow);
        m_lists[i] = list;
    }
    placeLists();
    Button1 = place(new QPushButton(ValidateText, this), "Button1", ValidateButton);
    connect(Button1, &QPushButton::clicked, this, &Texercice19v3b::Button1Click);
    InstructionBubble *bubble = placeBubble(Mascot, ClozeBubbleShape);
    bubble->addLabel(QStringLiteral("consigne3"), ClozeBubbleLabel, ClozeInstruction);
    placeAbandon(QStringLiteral("BitBtn1"), AbandonButton);
}

// Each list starts where its gap starts on its line, whatever font drew the text.
void Texercice19v3b::placeLists()
{
    const QFontMetrics metrics(memoFont());
    const int textLeft = SimulationLayout::Memo2.left() + Memo2->frameWidth() + MemoMargin;
    for (int i = 0; i < 5; ++i) {
        const Gap &gap = Gaps[i];
        const int left = textLeft + metrics.horizontalAdvance(QString::fromUtf8(gap.before));
        m_lists[i]->setGeometry(left, gap.top, GapWidth, GapHeight);
    }
}

void Texercice19v3b::FormShow()
{
    QTimer::singleShot(0, this, [this] {
        m_player = VideoPlayer::create(film);
        MediaPlayer1->setPlayer(m_player);
        if (m_player->open(SimulationFilms::path(Films[5].file)))
            m_player->play();
    });
}

bool Texercice19v3b::answersAccepted() const
{
    for (int i = 0; i < 5; ++i)
        if (!m_lists[i]->chosenFromList() || m_lists[i]->currentText() != QString::fromUtf8(Gaps[i].answer))
            return false;
    return true;
}

void Texercice19v3b::Button1Click()
{
    if (!answersAccepted()) {
        session()->wrong(CommonTexts::WrongWay);
        return;
    }
    if (m_player)
        m_player->close();
    session()->verdict(0, CommonTexts::SuccessBoxCapitalised, instruction());
}
