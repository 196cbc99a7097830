#include "exercises/domain4/information_origin/u24v3.h"

#include "exercises/domain4/information_origin/layout.h"
#include "exercises/domain4/information_origin/legalnotice.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/messagebox.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/richoffsets.h"
#include "widgets/spinedit.h"

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

using namespace InformationOriginLayout;

namespace {
const char *const ClueTexts[4] = {
    "En effet l'adresse du site est une adresse gouvernementale! (.gouv)",
    "En effet ce logo se retrouve sur tous les sites ministériels Français",
    "En effet ce bandeau précise au visiteur qu'il se trouve un site ministériel",
    "En effet ce symbole signifie qu'il y a un Copyright sur ce site ministériel ",
};
const QString FirstInstruction =
    QStringLiteral("Clique sur les 4 indices qui te permettent de penser\r\rque ce site est un site officiel");
const QString DateInstruction = QStringLiteral("A quelle  date a été publié le dernier article\r de ce site ? ");
const QString SelectInstruction = QStringLiteral("Retrouve et sélectionne à la souris \r\rl'adresse du Webmaster de ce site");

QFrame *whitePatch(QWidget *parent, const QString &name, const QRect &rect)
{
    auto *patch = new QFrame(parent);
    patch->setObjectName(name);
    patch->setGeometry(rect);
    patch->setStyleSheet(QStringLiteral("background: white; border: none;"));
    patch->hide();
    return patch;
}

SpinEdit *dateField(QGroupBox *box, const QString &name, const QRect &field, const QRect &arrows, int low, int high,
                    const QString &start)
{
    auto *spin = new SpinEdit(box);
    spin->setObjectName(name);
    spin->setGeometry(field.united(arrows));
    spin->setRange(low, high);
    spin->setText(start);
    spin->setReadOnly(true);
    return spin;
}
}

Texercice24v3::Texercice24v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice24v3"), WindowSize)
{
    Image1 = new PictureBox(QStringLiteral("Texercice24v3/Image1"), QStringLiteral("Image1"), Screenshot, this);
    auto spot = [this](const QString &name, const QRect &rect) { return new HotSpot(name, rect, this); };
    m_clueSpots[0] = spot(QStringLiteral("zs1"), AddressBar);
    m_clueSpots[1] = spot(QStringLiteral("zs2"), Emblem);
    m_clueSpots[2] = spot(QStringLiteral("zs3"), Banner);
    zs6 = spot(QStringLiteral("zs6"), NavColumn);
    zs7 = spot(QStringLiteral("zs7"), FooterLinks);
    m_clueSpots[3] = spot(QStringLiteral("zs4"), CopyrightNotice);
    zs5 = spot(QStringLiteral("zs5"), LegalNoticeLink);
    zs5->hide();

    GroupBox1 = new QGroupBox(QStringLiteral("Date"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(DateBox);
    GroupBox1->setStyleSheet(QStringLiteral("QGroupBox { background: rgb(255,255,0); }"));
    Edit1 = dateField(GroupBox1, QStringLiteral("Edit1"), DayField, DayArrows, 1, 31, QStringLiteral("1"));
    Edit2 = dateField(GroupBox1, QStringLiteral("Edit2"), MonthField, MonthArrows, 1, 12, QStringLiteral("1"));
    Edit3 = dateField(GroupBox1, QStringLiteral("Edit3"), YearField, YearArrows, 2000, 2099, QStringLiteral("2008"));
    Button1 = new QPushButton(QStringLiteral("Valider"), GroupBox1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(ValidateButton);
    GroupBox1->hide();

    Shape2 = whitePatch(this, QStringLiteral("Shape2"), TopPatch);
    Image2 = new PictureBox(QStringLiteral("Texercice24v3/Image2"), QStringLiteral("Image2"), LegalTitle, this);
    Image2->hide();
    RichEdit1 = LegalNotice::makeField(this);
    RichEdit1->hide();
    Shape1 = whitePatch(this, QStringLiteral("Shape1"), BottomPatch);

    for (int i = 0; i < 4; ++i)
        connect(m_clueSpots[i], &HotSpot::clicked, this, [this, i] { clueClick(i); });
    connect(zs5, &HotSpot::clicked, this, &Texercice24v3::zs5Click);
    connect(zs6, &HotSpot::clicked, this, &Texercice24v3::wrongRouteClick);
    connect(zs7, &HotSpot::clicked, this, &Texercice24v3::wrongRouteClick);
    connect(Button1, &QPushButton::clicked, this, &Texercice24v3::Button1Click);
    connect(RichEdit1, &QTextEdit::selectionChanged, this, &Texercice24v3::RichEdit1SelectionChange);
    // The yellow bubble in the page's free right-hand column, and Abandon.
    InstructionBubble *bubble = placeBubble(Mascot, Bubble, true);
    if (bubble->mascot())
        bubble->mascot()->setObjectName(QStringLiteral("consigne1"));
    bubble->shape()->setObjectName(QStringLiteral("consigne2"));
    bubble->addLabel(QStringLiteral("consigne3"), BubbleLabel, FirstInstruction);
    placeAbandon(QStringLiteral("BitBtn20"), AbandonButton);
}

void Texercice24v3::clueClick(int clue)
{
    MessageBox::information(QString::fromUtf8(ClueTexts[clue]), this);
    m_clueSpots[clue]->hide();
    ++m_clues;
    if (m_clues == 5)
        showDateBox();
}

void Texercice24v3::showDateBox()
{
    MessageBox::information(QStringLiteral("C'est bien, tu as retrouvé ces 4 indices"), this);
    for (HotSpot *s : m_clueSpots)
        s->hide();
    setInstruction(DateInstruction);
    GroupBox1->show();
}

void Texercice24v3::Button1Click()
{
    if (Edit1->text() != DayAnswer || Edit2->text() != MonthAnswer || Edit3->text() != YearAnswer) {
        session()->wrong(QStringLiteral("Mauvaise date !"));
        return;
    }
    MessageBox::information(QStringLiteral("C'est la bonne date"), this);
    setInstruction(SelectInstruction);
    GroupBox1->hide();
    zs5->show();
}

void Texercice24v3::zs5Click()
{
    for (QWidget *w : {static_cast<QWidget *>(Shape2), static_cast<QWidget *>(Image2),
                       static_cast<QWidget *>(RichEdit1), static_cast<QWidget *>(Shape1)})
        w->show();
}

void Texercice24v3::wrongRouteClick()
{
    session()->wrong(CommonTexts::WrongWay);
}

bool Texercice24v3::selectionIsWebmasterAddress() const
{
    const QTextCursor cursor = RichEdit1->textCursor();
    if (!cursor.hasSelection())
        return false;
    const int start = RichOffsets::selectionStart(cursor);
    const int length = RichOffsets::selectionLength(cursor);
    const int p = LegalNotice::webmasterOffset();
    return (start == p || start == p - 1) && length >= WebmasterAddressLength && length <= WebmasterAddressLength + 4;
}

void Texercice24v3::RichEdit1SelectionChange()
{
    if (m_judged || !selectionIsWebmasterAddress())
        return;
    // The verdict falls at once, even while the pupil is still dragging.
    m_judged = true;
    session()->verdict(0, CommonTexts::SuccessBoxCapitalised);
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice24v3>(Competence));
