#include "exercises/domain1/workspace/u2v3.h"

#include "exercises/domain1/workspace/layout.h"
#include "pictures/fonts.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QPainter>
#include <QLabel>

using namespace WorkspaceLayout;

namespace {
// A progress circle: its colour fill and a black outline.
class Circle : public QWidget
{
public:
    explicit Circle(QWidget *parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(property("colour").value<QColor>());
        p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
};

void paintCircle(QWidget *circle, const QColor &colour)
{
    circle->setProperty("colour", colour);
    circle->update();
}
}

Texercice2v3::Texercice2v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice2v3"), WindowSize)
{
    setWindowTitle(QStringLiteral("exercice2v3"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(118, 124, 152));
    setPalette(p);

    auto picture = [this](const char *name, const QRect &rect) {
        auto *box = new PictureBox(QStringLiteral("Texercice2v3/") + QLatin1String(name), QLatin1String(name), rect, this);
        return box;
    };
    Image1 = picture("Image1", WorkspaceLayout::Image1);
    Image2 = picture("Image2", WorkspaceLayout::Image2);
    Image3 = picture("Image3", WorkspaceLayout::Image3);
    Image4 = picture("Image4", WorkspaceLayout::Image4);
    Image6 = picture("Image6", WorkspaceLayout::Image6);

    auto spot = [this](const char *name, const QRect &rect) { return new HotSpot(QLatin1String(name), rect, this); };
    Shape1 = spot("Shape1", WorkspaceLayout::Shape1);
    Shape2 = spot("Shape2", WorkspaceLayout::Shape2);
    Shape3 = spot("Shape3", WorkspaceLayout::Shape3);
    Shape4 = spot("Shape4", WorkspaceLayout::Shape4);
    Shape9 = spot("Shape9", WorkspaceLayout::Shape9);
    Shape6 = spot("Shape6", WorkspaceLayout::Shape6);
    Shape7 = spot("Shape7", WorkspaceLayout::Shape7);
    Shape8 = spot("Shape8", WorkspaceLayout::Shape8);
    for (int i = 0; i < 21; ++i) {
        const QString name = i == 0 ? QStringLiteral("Icone1") : QStringLiteral("icone%1").arg(i + 1);
        m_icons[i] = new HotSpot(name, iconRect(i), this);
        connect(m_icons[i], &HotSpot::doubleClicked, this, [this, i] { iconDblClick(i); });
    }

    InstructionBubble *bubble = placeBubble(Mascot, WorkspaceLayout::Shape5);
    if (bubble->mascot())
        bubble->mascot()->setObjectName(QStringLiteral("Image5"));
    bubble->shape()->setObjectName(QStringLiteral("Shape5"));
    Label1 = bubble->addLabel(QStringLiteral("Label1"), WorkspaceLayout::Label1, StartInstruction);
    Label2 = bubble->addLabel(QStringLiteral("Label2"), WorkspaceLayout::Label2);
    Label2->setFont(pixelFont(QStringLiteral("Comic Sans MS"), 16));
    Label2->setStyleSheet(QStringLiteral("color: black; background: transparent; font-family: \"Comic Sans MS\"; "
                                         "font-size: 16px; font-weight: normal;"));
    for (int k = 0; k < 7; ++k) {
        m_circles[k] = place(new Circle(this), QStringLiteral("c%1").arg(k + 1),
                             QRect(QPoint(CircleLefts[k], CircleTop), CircleSize));
        paintCircle(m_circles[k], Qt::white);
    }
    placeAbandon(QStringLiteral("BitBtn20"), AbandonButton);

    connect(Shape1, &HotSpot::pressed, this, &Texercice2v3::OnMouseDownShape1);
    connect(Shape2, &HotSpot::pressed, this, &Texercice2v3::OnMouseShape2);
    connect(Shape3, &HotSpot::entered, this, &Texercice2v3::OnMouseMoveShape3);
    connect(Shape4, &HotSpot::entered, this, &Texercice2v3::OnMouseMoveShape3);
    connect(Shape6, &HotSpot::pressed, this, &Texercice2v3::OnMouseDownShape6);
    connect(Shape7, &HotSpot::pressed, this, &Texercice2v3::OnMouseDownShape7);
    connect(Shape8, &HotSpot::pressed, this, &Texercice2v3::OnMouseDownShape8);
    connect(Shape9, &HotSpot::entered, this, &Texercice2v3::OnMouseMoveShape9);
    connect(Image1, &HotSpot::pressed, this, &Texercice2v3::OnMouseDownImage1);
    Label2->hide();
    setPhase(Phase::Closed);
}

void Texercice2v3::FormShow()
{
    m_desktopLocked = false;
    m_questionNumber = 0;
    m_rightAnswers = 0;
    Label2->hide();
    setPhase(Phase::Closed);
}

// What each phase shows: the menus open one inside the other, each with the hot
// spots over its entries; the spreadsheet only has its close button; the questions
// only the icons.
void Texercice2v3::setPhase(Phase phase)
{
    m_phase = phase;
    const bool menu = phase == Phase::StartMenu || phase == Phase::Programs || phase == Phase::Submenu;
    const bool programs = phase == Phase::Programs || phase == Phase::Submenu;
    Image2->setVisible(menu);
    Image3->setVisible(programs);
    Image4->setVisible(phase == Phase::Submenu);
    Image6->setVisible(phase == Phase::Spreadsheet);
    Shape1->setVisible(phase == Phase::Closed || menu);
    for (HotSpot *s : {Shape2, Shape3, Shape4})
        s->setVisible(menu);
    Shape6->setVisible(programs);
    Shape9->setVisible(programs);
    Shape7->setVisible(phase == Phase::Submenu);
    Shape8->setVisible(phase == Phase::Spreadsheet);
    for (HotSpot *icon : m_icons)
        icon->setVisible(phase == Phase::Questions);
}

void Texercice2v3::OnMouseDownShape1()
{
    // The start button opens the menu, or closes it with everything it opened.
    setPhase(m_phase == Phase::Closed ? Phase::StartMenu : Phase::Closed);
}

void Texercice2v3::OnMouseShape2()
{
    if (m_phase == Phase::StartMenu)
        setPhase(Phase::Programs);
}

void Texercice2v3::OnMouseMoveShape3()
{
    // Back over the start menu: its submenus close.
    if (m_phase == Phase::Programs || m_phase == Phase::Submenu)
        setPhase(Phase::StartMenu);
}

void Texercice2v3::OnMouseDownShape6()
{
    if (m_phase == Phase::Programs)
        setPhase(Phase::Submenu);
}

void Texercice2v3::OnMouseMoveShape9()
{
    if (m_phase == Phase::Submenu)
        setPhase(Phase::Programs);
}

void Texercice2v3::OnMouseDownShape7()
{
    setPhase(Phase::Spreadsheet);
    Label1->setText(InstructionBubble::displayText(CloseInstruction));
    m_desktopLocked = true;
}

void Texercice2v3::OnMouseDownShape8()
{
    Label1->setText(InstructionBubble::displayText(QuestionsInstruction));
    m_questionNumber = 1;
    showQuestion();
    Label2->show();
    setPhase(Phase::Questions);
}

void Texercice2v3::OnMouseDownImage1()
{
    if (!m_desktopLocked)
        setPhase(Phase::Closed);
}

void Texercice2v3::showQuestion()
{
    Label2->setText(Questions[m_questionNumber - 1]);
}

void Texercice2v3::iconDblClick(int icon)
{
    const int k = m_questionNumber;
    if (m_phase != Phase::Questions || k < 1 || k > 7)
        return;
    const bool right = Icons[icon].answers == k;
    if (right)
        ++m_rightAnswers;
    else
        session()->countError();   // no message: the circle turns red
    paintCircle(m_circles[k - 1], right ? QColor(Qt::green) : QColor(Qt::red));
    ++m_questionNumber;
    if (k < 7)
        showQuestion();
    else
        finish();
}

void Texercice2v3::finish()
{
    Label2->hide();
    for (HotSpot *i : m_icons)
        i->hide();
    if (m_rightAnswers == 7) {
        session()->succeed(Label1, SuccessTexts{SuccessLabel, SuccessBox});
        return;
    }
    session()->fail(Label1, FailureTexts{FailureLabelFormat});
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice2v3>(Competence));
