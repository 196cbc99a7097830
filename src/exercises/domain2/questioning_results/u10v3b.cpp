#include "exercises/domain2/questioning_results/u10v3b.h"

#include "exercises/domain2/questioning_results/answerlist.h"
#include "exercises/domain2/questioning_results/layout.h"
#include "pictures/fonts.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/fittedfont.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace QuestioningLayout;
namespace W = QuestioningLayout::Second;

namespace {
QPushButton *button(const QString &caption, const QString &name, const QRect &rect, QWidget *parent)
{
    auto *b = place(new QPushButton(caption, parent), name, rect);
    b->setFont(pixelFont(QStringLiteral("Tahoma"), 11));
    return b;
}
}

Texercice10v3b::Texercice10v3b(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice10v3b"), W::WindowSize)
{
    setWindowTitle(QStringLiteral("exercice10v3b"));
    setAutoFillBackground(true);
    QPalette blue = palette();
    blue.setColor(QPalette::Window, QColor(30, 70, 190));
    setPalette(blue);

    Image1 = new PictureBox(QStringLiteral("Texercice10v3b/Image1"), QStringLiteral("Image1"), W::Image1, this);
    Image2 = new PictureBox(QStringLiteral("Texercice10v3b/Image2"), QStringLiteral("Image2"), W::Image2, this);
    Image3 = new PictureBox(QStringLiteral("Texercice10v3b/Image3"), QStringLiteral("Image3"), W::Image3, this);
    Image3->hide();
    Image4 = new PictureBox(QStringLiteral("Texercice10v3b/Image4"), QStringLiteral("Image4"), W::Image4, this);
    Image4->hide();
    zs2 = new HotSpot(QStringLiteral("zs2"), W::zs2, this);
    zs2->hide();
    Memo1 = place(new QPlainTextEdit(W::MemoLines.join(QLatin1Char('\n')), this), "Memo1", W::Memo1);
    Memo1->setReadOnly(true);
    // Its lines held whole, as the pupil compares them with the chart.
    Memo1->setFont(fittedFont(pixelFont(QStringLiteral("Tahoma"), 11), W::MemoLines, W::Memo1.width() - 14));
    QPalette yellow = Memo1->palette();
    yellow.setColor(QPalette::Base, QColor(255, 255, 0));
    yellow.setColor(QPalette::Text, Qt::black);
    Memo1->setPalette(yellow);
    // Should a line still outgrow the frame, it wraps inside it; the text ends with
    // empty lines, which need no scroll bar.
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Button1 = button(W::ReadButton, QStringLiteral("Button1"), W::Button1, this);
    ListBox1 = AnswerList::place(this, QStringLiteral("GroupBox1"), QStringLiteral("ListBox1"), W::GroupBox1,
                                 W::NatureCaption, W::Natures, &GroupBox1);
    ListBox2 = AnswerList::place(this, QStringLiteral("GroupBox2"), QStringLiteral("ListBox2"), W::GroupBox2,
                                 W::SourceCaption, W::Sources, &GroupBox2);

    InstructionBubble *bubble = placeBubble(W::Mascot, W::Shape);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), W::consigne3, W::FirstLine);
    consigne4 = bubble->addLabel(QStringLiteral("consigne4"), W::consigne4, W::SecondLine);
    consigne5 = bubble->addLabel(QStringLiteral("consigne5"), W::consigne5, W::ClickCells);
    consigne5->hide();
    Button2 = button(QStringLiteral("Oui"), QStringLiteral("Button2"), W::Button2, this);
    Button2->hide();
    Button3 = button(QStringLiteral("Non"), QStringLiteral("Button3"), W::Button3, this);
    Button3->hide();
    placeAbandon(QStringLiteral("BitBtn20"), W::BitBtn20);

    // The only blinking timer; it dies with its window.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(W::BlinkMs);

    connect(Button1, &QPushButton::clicked, this, &Texercice10v3b::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Texercice10v3b::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &Texercice10v3b::Button3Click);
    connect(ListBox1, &AnswerList::judged, this, &Texercice10v3b::ListBox1DblClick);
    connect(ListBox2, &AnswerList::judged, this, &Texercice10v3b::ListBox2DblClick);
    connect(Timer1, &QTimer::timeout, this, &Texercice10v3b::Timer1Timer);
    connect(zs2, &HotSpot::clicked, this, &Texercice10v3b::zs2Click);
}

void Texercice10v3b::Button1Click()
{
    consigne3->setText(W::AskAgreement);
    consigne4->clear();
    Button2->show();
    Button3->show();
    Button1->hide();
    m_step = Step::Agreement;
}

void Texercice10v3b::Button2Click()
{
    session()->wrong(W::YesWrong);
}

void Texercice10v3b::Button3Click()
{
    consigne3->setText(W::AskNature);
    Button2->hide();
    Button3->hide();
    GroupBox1->show();
    m_step = Step::Nature;
}

void Texercice10v3b::ListBox1DblClick(int row)
{
    if (row != W::RightNature) {
        session()->wrong(WrongChoice);
        return;
    }
    ListBox1->setEnabled(false);
    GroupBox2->show();
    consigne3->setText(W::AskSource);
    m_step = Step::Source;
}

void Texercice10v3b::ListBox2DblClick(int row)
{
    if (row != W::RightSource) {
        session()->wrong(WrongChoice);
        return;
    }
    Timer1->start();
    ListBox2->setEnabled(false);
    consigne3->setText(W::WatchCells);
    consigne4->setText(W::LegendChanges);
    consigne4->show();
    consigne5->setText(W::ClickCells);
    consigne5->show();
    zs2->show();
    m_step = Step::Blinking;
}

// The exchanged labels show in the table and the legend together, then hide together.
void Texercice10v3b::Timer1Timer()
{
    const bool show = Image3->isHidden();
    Image3->setVisible(show);
    Image4->setVisible(show);
}

void Texercice10v3b::zs2Click()
{
    if (m_step != Step::Blinking)
        return;
    if (Image3->isHidden()) {
        session()->wrong(W::Missed);
        return;
    }
    m_step = Step::Over;
    Timer1->stop();
    consigne4->clear();
    consigne5->clear();
    session()->verdict(0, CommonTexts::SuccessBox, consigne3);
}
