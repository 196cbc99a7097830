#include "exercises/domain2/prudence/u11v3d.h"

#include "exercises/domain2/prudence/layout.h"
#include "exercises/domain2/prudence/u11v3e.h"
#include "pictures/fonts.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace PrudenceLayout;

Texercice11v3d::Texercice11v3d(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice11v3d"), Window4Size)
{
    setWindowTitle(QStringLiteral("exercice11v3d"));
    setStyleSheet(QStringLiteral("Texercice11v3d { background: rgb(58, 110, 165); }"));
    Image1 = new PictureBox(QStringLiteral("Texercice11v3d/Image1"), QStringLiteral("Image1"), Document, this);
    Image2 = new PictureBox(QStringLiteral("Texercice11v3d/Image2"), QStringLiteral("Image2"), Document, this);
    Image2->hide();
    InstructionBubble *bubble = placeBubble(Window4Mascot, Window4Bubble);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), Window4Label, DocumentQuestion);
    auto *itIsA = place(new QLabel(QStringLiteral("C'est un"), this), "Label1", ItIsA);
    itIsA->setFont(pixelFont(QStringLiteral("Comic Sans MS"), 15, true));
    itIsA->setStyleSheet(QStringLiteral("QLabel { color: white; }"));
    ListBox1 = place(new QListWidget(this), "ListBox1", PrudenceLayout::ListBox1);
    ListBox1->addItems(DocumentKinds);
    ListBox1->setFont(pixelFont(QStringLiteral("Tahoma"), 14));
    Button1 = place(new QPushButton(QStringLiteral("Valider"), this), "Button1", Window4Validate);
    placeAbandon(QStringLiteral("BitBtn20"), Window4Abandon);
    connect(Button1, &QPushButton::clicked, this, &Texercice11v3d::Button1Click);
}

void Texercice11v3d::Button1Click()
{
    QListWidgetItem *chosen = ListBox1->currentItem();
    const bool right = chosen && chosen->isSelected() && chosen->text() == DocumentAnswers[m_document - 1];
    if (!right) {
        session()->wrong(CommonTexts::WrongWay);
        return;
    }
    if (m_document == 1) {
        Image1->hide();
        Image2->show();
        m_document = 2;
        return;
    }
    session()->handOver(this, session()->window<Texercice11v3e>());
}
