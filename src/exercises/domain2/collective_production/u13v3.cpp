#include "exercises/domain2/collective_production/u13v3.h"

#include "exercises/domain2/collective_production/layout.h"
#include "exercises/domain2/collective_production/u13v3a.h"
#include "pictures/fonts.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/choicecombo.h"
#include "widgets/instructionbubble.h"
#include "widgets/memolabel.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

using namespace CollectiveLayout;

namespace {
const QColor Yellow(255, 255, 0);

QFont sentenceFont()
{
    return pixelFont(QStringLiteral("Comic Sans MS"), 13);
}

QTextEdit *memo(QWidget *parent, const char *name, const QRect &rect, const QFont &font)
{
    auto *m = place(new QTextEdit(parent), name, rect);
    m->setReadOnly(true);
    m->setFont(font);
    m->setTextInteractionFlags(Qt::NoTextInteraction);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setFocusPolicy(Qt::NoFocus);
    return m;
}

void setLines(QTextEdit *m, const QStringList &lines, Qt::Alignment alignment, int lineHeight = 0)
{
    m->setPlainText(lines.join(QLatin1Char('\n')));
    QTextCursor all(m->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(alignment);
    if (lineHeight > 0)
        format.setLineHeight(lineHeight, QTextBlockFormat::FixedHeight);
    all.mergeBlockFormat(format);
}
}

Texercice13v3::Texercice13v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice13v3"), WindowSize)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(30, 60, 150));
    setPalette(p);
    new PictureBox(QStringLiteral("Texercice13v3/Image1"), QStringLiteral("Image1"), Decoration, this);
    buildSentence();
    buildDefinitions();
    InstructionBubble *bubble = placeBubble(FirstMascot, FirstBubble);
    if (bubble->mascot())
        bubble->mascot()->setObjectName(QStringLiteral("consigne1"));
    bubble->shape()->setObjectName(QStringLiteral("consigne2"));
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), FirstLabel, SentenceInstruction);
    placeAbandon(QStringLiteral("BitBtn20"), AbandonButton);
}

void Texercice13v3::buildSentence()
{
    Memo2 = memo(this, "Memo2", CollectiveLayout::Memo2, sentenceFont());
    Memo2->document()->setDocumentMargin(SentenceMargin);
    setLines(Memo2, SentenceLines, Qt::AlignLeft, SentenceLineHeight);
    // Each list starts where its gap starts, whatever font drew the sentence.
    const QFontMetrics metrics(sentenceFont());
    const int textLeft = CollectiveLayout::Memo2.left() + Memo2->frameWidth() + SentenceMargin;
    for (int i = 0; i < 4; ++i) {
        auto *list = new ChoiceCombo(this, true);
        list->setObjectName(QStringLiteral("ComboBox%1").arg(i + 1));
        list->setFont(pixelFont(QStringLiteral("Comic Sans MS"), 10));
        list->addItems(SentenceRows);
        list->setMaxVisibleItems(2);
        list->setPlaceholderChoice(SentencePrompt);
        list->setColour(Yellow);
        const int left = textLeft + metrics.horizontalAdvance(SentenceBefore[i]);
        list->setGeometry(QRect(QPoint(left, SentenceListTops[i]), SentenceListSize));
        m_lists[i] = list;
    }
    Button1 = place(new QPushButton(ValidateText, this), "Button1", CollectiveLayout::Button1);
    connect(Button1, &QPushButton::clicked, this, &Texercice13v3::Button1Click);
}

void Texercice13v3::buildDefinitions()
{
    Shape2 = place(new QFrame(this), "Shape2", CollectiveLayout::Shape2);
    Shape2->setFrameShape(QFrame::Box);
    Shape2->setAutoFillBackground(true);
    QPalette band = Shape2->palette();
    band.setColor(QPalette::Window, QColor(190, 225, 255));
    band.setColor(QPalette::WindowText, QColor(90, 130, 190));
    Shape2->setPalette(band);
    BandTitle = place(new QLabel(BandTitleText, this), "Label3", CollectiveLayout::BandTitle);
    BandTitle->setFont(pixelFont(QStringLiteral("Tahoma"), 19, FontStyle{true, true}));
    BandTitle->setAlignment(Qt::AlignCenter);
    const QFont definitionFont = pixelFont(QStringLiteral("Comic Sans MS"), 11);
    Memo1 = new MemoLabel(QStringLiteral("Memo1"), CollectiveLayout::Memo1, definitionFont, this);
    Memo1->setText(WikiLines.join(QLatin1Char('\n')));
    Memo3 = new MemoLabel(QStringLiteral("Memo3"), CollectiveLayout::Memo3, definitionFont, this);
    Memo3->setText(BlogLines.join(QLatin1Char('\n')));
    ComboBoxEx1 = place(new ChoiceCombo(this, false), "ComboBoxEx1", CollectiveLayout::ComboBoxEx1);
    ComboBoxEx2 = place(new ChoiceCombo(this, false), "ComboBoxEx2", CollectiveLayout::ComboBoxEx2);
    for (ChoiceCombo *list : {ComboBoxEx1, ComboBoxEx2}) {
        list->addItems({Wikis, Blogs});
        list->setPlaceholderChoice(DefinitionPrompt);
    }
    connect(ComboBoxEx1, &ChoiceCombo::chosen, this, [this](int, const QString &text) { ComboBoxEx1Change(text); });
    Button2 = place(new QPushButton(ValidateText, this), "Button2", CollectiveLayout::Button2);
    connect(Button2, &QPushButton::clicked, this, &Texercice13v3::Button2Click);
    m_secondPart = {Shape2, BandTitle, Memo1, Memo3, ComboBoxEx1, ComboBoxEx2, Button2};
    for (QWidget *w : m_secondPart)
        w->hide();
}

void Texercice13v3::Button1Click()
{
    for (int i = 0; i < 4; ++i)
        if (m_lists[i]->currentText() != SentenceAnswers[i]) {   // typed whole or chosen, alike
            session()->wrong(CommonTexts::WrongWay);
            return;
        }
    for (ChoiceCombo *list : m_lists)
        list->setEnabled(false);
    Button1->hide();
    consigne3->setText(DefinitionsInstruction);
    for (QWidget *w : m_secondPart)
        w->show();
}

void Texercice13v3::ComboBoxEx1Change(const QString &text)
{
    // The other definition takes the other name; the pupil may still change it.
    ComboBoxEx2->setCurrentIndex(ComboBoxEx2->findText(text == Wikis ? Blogs : Wikis));
}

void Texercice13v3::Button2Click()
{
    // Only the first definition is judged.
    if (!ComboBoxEx1->chosenFromList() || ComboBoxEx1->currentText() != Wikis) {
        session()->wrong(CommonTexts::WrongWay);
        return;
    }
    session()->handOver(this, new Texercice13v3a(session()));
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice13v3>(Competence));
