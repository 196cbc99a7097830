#include "exercises/domain4/search_engine/u23v3.h"

#include "exercises/domain4/search_engine/layout.h"
#include "exercises/domain4/search_engine/u23v3b.h"
#include "pictures/fonts.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/choicecombo.h"
#include "widgets/instructionbubble.h"
#include "widgets/messagebox.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QFrame>
#include <QPushButton>
#include <QTextEdit>

using namespace SearchEngineLayout;

namespace {
const QString Lime = QStringLiteral("background: rgb(0,255,0);");
const QString Red = QStringLiteral("background: rgb(255,0,0);");

QFrame *frameBehind(QWidget *parent, const QString &name, const QRect &button)
{
    auto *frame = place(new QFrame(parent), name,
                        button.adjusted(-FrameMargin, -FrameMargin, FrameMargin, FrameMargin));
    frame->hide();
    return frame;
}
}

Texercice23v3::Texercice23v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice23v3"), QuizSize)
{
    setPalette(QPalette(QColor(240, 240, 240)));   // the button face
    for (int i = 0; i < 5; ++i) {
        m_bands[i] = place(new QFrame(this), QStringLiteral("Shape%1").arg(i + 1), Bands[i]);
        m_bands[i]->setStyleSheet(QStringLiteral("QFrame { background: rgb(166,202,240); border: 1px solid rgb(90,130,190); }"));
        m_bands[i]->hide();
    }
    int combo = 0;
    for (int q = 0; q < 7; ++q) {
        auto *memo = place(new QTextEdit(this), QStringLiteral("Memo%1").arg(q + 1), Questions[q].memo);
        memo->setReadOnly(true);
        memo->setFont(pixelFont(QStringLiteral("Comic Sans MS"), 11, true));   // the regular face is too thin
        memo->setPlainText(QString::fromUtf8(Questions[q].text));
        memo->setAlignment(Qt::AlignCenter);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setFocusPolicy(Qt::NoFocus);
        memo->hide();
        m_memos[q] = memo;
        if (Questions[q].kind == Answer::Choice)
            buildChoice(q, QStringLiteral("ComboBoxEx%1").arg(++combo));
    }
    buildTrueFalse(0, QStringLiteral("BitBtn1"), QStringLiteral("BitBtn2"), QStringLiteral("Shape6"), QStringLiteral("Shape7"));
    buildTrueFalse(5, QStringLiteral("BitBtn3"), QStringLiteral("BitBtn4"), QStringLiteral("Shape9"), QStringLiteral("Shape8"));
    buildTrueFalse(6, QStringLiteral("BitBtn5"), QStringLiteral("BitBtn6"), QStringLiteral("Shape10"), QStringLiteral("Shape11"));
    InstructionBubble *bubble = placeBubble(QuizMascot, QuizBubble);
    if (bubble->mascot())
        bubble->mascot()->setObjectName(QStringLiteral("consigne1"));
    bubble->shape()->setObjectName(QStringLiteral("consigne2"));
    bubble->addLabel(QStringLiteral("consigne3"), QuizLabel, QuizInstruction);
    placeAbandon(QStringLiteral("BitBtn20"), QuizAbandon);
    reveal(0);
}

void Texercice23v3::FormShow()
{
    session()->resetErrors();
}

void Texercice23v3::buildTrueFalse(int q, const QString &yesName, const QString &noName, const QString &yesFrame,
                                   const QString &noFrame)
{
    const QRect yes = Questions[q].control;
    const QRect no = yes.translated(yes.width() + TrueFalseGap, 0);
    TrueFalse &tf = m_trueFalse[q];
    tf.yesFrame = frameBehind(this, yesFrame, yes);
    tf.noFrame = frameBehind(this, noFrame, no);
    tf.yes = place(new QPushButton(QStringLiteral("vrai"), this), yesName, yes);
    tf.no = place(new QPushButton(QStringLiteral("faux"), this), noName, no);
    for (QPushButton *b : {tf.yes, tf.no}) {
        b->setFont(pixelFont(QStringLiteral("Comic Sans MS"), 13, true));
        b->hide();
    }
    connect(tf.yes, &QPushButton::clicked, this, [this, q] { answerTrueFalse(q, true); });
    connect(tf.no, &QPushButton::clicked, this, [this, q] { answerTrueFalse(q, false); });
}

void Texercice23v3::buildChoice(int q, const QString &name)
{
    auto *combo = place(new ChoiceCombo(this, false), name, Questions[q].control);
    combo->addItems(ComboEntries);
    combo->setPlaceholderChoice(ComboPlaceholder);
    combo->hide();
    connect(combo, &ChoiceCombo::chosen, this, [this, q](int, const QString &text) { answerChoice(q, text); });
    m_choices[q] = combo;
}

void Texercice23v3::reveal(int q)
{
    m_bands[Questions[q].band]->show();
    m_memos[q]->show();
    if (ChoiceCombo *combo = m_choices[q]) {
        combo->show();
        combo->setFocus();
        return;
    }
    m_trueFalse[q].yes->show();
    m_trueFalse[q].no->show();
    m_trueFalse[q].yes->setFocus();
}

void Texercice23v3::answerTrueFalse(int q, bool saidTrue)
{
    TrueFalse &tf = m_trueFalse[q];
    const bool right = (QString::fromLatin1(Questions[q].right) == QLatin1String("vrai")) == saidTrue;
    QFrame *frame = saidTrue ? tf.yesFrame : tf.noFrame;
    frame->setStyleSheet(right ? Lime : Red);
    frame->show();
    tf.yes->setEnabled(false);
    tf.no->setEnabled(false);
    if (!right) {
        session()->countError();
        if (q != 6)
            MessageBox::error(QuizWrong, this);
    }
    if (q + 1 < int(Questions.size())) {
        reveal(q + 1);
        return;
    }
    MessageBox::information(ToPractice, this);
    session()->handOver(this, new Texercice23v3b(session()));
}

void Texercice23v3::answerChoice(int q, const QString &text)
{
    ChoiceCombo *combo = m_choices[q];
    const bool right = text == QString::fromUtf8(Questions[q].right);
    combo->setColour(right ? QColor(0, 255, 0) : QColor(255, 0, 0));
    combo->setEnabled(false);
    if (!right)
        session()->countError();
    reveal(q + 1);
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice23v3>(Competence));
