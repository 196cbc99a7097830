#include "exercises/domain5/received_attachment/u27v3.h"

#include "exercises/domain5/received_attachment/layout.h"
#include "exercises/domain5/received_attachment/u27v3b.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/foldertree.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QLabel>

using namespace ReceivedAttachmentLayout;

namespace {
PictureBox *picture(const QString &control, const QRect &rect, QWidget *window, bool visible)
{
    auto *box = new PictureBox(QStringLiteral("Texercice27v3/") + control, control, rect, window);
    box->setVisible(visible);
    return box;
}

HotSpot *spot(const QString &name, const QRect &rect, QWidget *window, bool visible)
{
    auto *hotSpot = new HotSpot(name, rect, window);
    hotSpot->setVisible(visible);
    return hotSpot;
}
}

Texercice27v3::Texercice27v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice27v3"), Window1Size)
{
    setWindowTitle(QStringLiteral("exercice 27v3"));
    // Bottom to top, as the pupil's clicks must find them.
    zs7 = picture(QStringLiteral("zs7"), ReceivedAttachmentLayout::zs7, this, true);
    zs1 = spot(QStringLiteral("zs1"), ReceivedAttachmentLayout::zs1, this, true);
    zs2 = spot(QStringLiteral("zs2"), ReceivedAttachmentLayout::zs2, this, true);
    zs3 = spot(QStringLiteral("zs3"), ReceivedAttachmentLayout::zs3, this, true);
    Image2 = picture(QStringLiteral("Image2"), ReceivedAttachmentLayout::Image2, this, false);
    zs4 = spot(QStringLiteral("zs4"), ReceivedAttachmentLayout::zs4, this, false);
    zs5 = spot(QStringLiteral("zs5"), ReceivedAttachmentLayout::zs5, this, false);
    Image3 = picture(QStringLiteral("Image3"), ReceivedAttachmentLayout::Image3, this, false);
    zs6 = spot(QStringLiteral("zs6"), ReceivedAttachmentLayout::zs6, this, false);
    Image4 = picture(QStringLiteral("Image4"), ReceivedAttachmentLayout::Image4, this, false);
    zs9 = picture(QStringLiteral("zs9"), ReceivedAttachmentLayout::zs9, this, false);
    Image6 = picture(QStringLiteral("Image6"), ReceivedAttachmentLayout::Image6, this, false);
    Image7 = picture(QStringLiteral("Image7"), ReceivedAttachmentLayout::Image7, this, false);
    TreeView1 = place(new FolderTree(FolderTree::schoolComputer(false), this), "TreeView1",
                      ReceivedAttachmentLayout::TreeView1);
    TreeView1->hide();
    zs8 = spot(QStringLiteral("zs8"), ReceivedAttachmentLayout::zs8, this, false);

    InstructionBubble *bubble = placeBubble(Mascot, Bubble);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), ReceivedAttachmentLayout::consigne3, CheckMail);
    consigne4 = bubble->addLabel(QStringLiteral("consigne4"), ReceivedAttachmentLayout::consigne4);
    placeAbandon(QStringLiteral("BitBtn20"), ReceivedAttachmentLayout::BitBtn20);

    connect(zs1, &HotSpot::clicked, this, &Texercice27v3::zs1Click);
    connect(zs2, &HotSpot::clicked, this, &Texercice27v3::zs2Click);
    connect(zs3, &HotSpot::clicked, this, &Texercice27v3::zs3Click);
    connect(zs4, &HotSpot::clicked, this, &Texercice27v3::zs4Click);
    connect(zs5, &HotSpot::clicked, this, &Texercice27v3::zs5Click);
    connect(zs6, &HotSpot::clicked, this, &Texercice27v3::zs6Click);
    connect(zs8, &HotSpot::clicked, this, &Texercice27v3::zs8Click);
    AttachmentMenu::install(Image6, [this](AttachmentMenu::Choice choice) { attachmentChosen(choice); });
}

void Texercice27v3::wrongRoute()
{
    session()->wrong(CommonTexts::WrongWay);
}

void Texercice27v3::zs1Click()
{
    wrongRoute();
}

void Texercice27v3::zs3Click()
{
    wrongRoute();
}

void Texercice27v3::zs2Click()
{
    zs2->hide();
    Image2->show();
    zs4->show();
    zs5->show();
    consigne3->setText(ReadInOrder);
}

void Texercice27v3::zs5Click()
{
    session()->wrong(NotInOrder);
}

void Texercice27v3::zs4Click()
{
    for (QWidget *w : {static_cast<QWidget *>(Image2), static_cast<QWidget *>(zs4), static_cast<QWidget *>(zs5)})
        w->hide();
    Image3->show();
    zs6->show();
}

void Texercice27v3::zs6Click()
{
    Image3->hide();
    zs6->hide();
    Image4->show();
    zs9->show();
    Image6->show();
    consigne3->setText(SaveAttachment);
    consigne4->setText(SaveWhere);
}

void Texercice27v3::attachmentChosen(AttachmentMenu::Choice choice)
{
    switch (choice) {
    case AttachmentMenu::Choice::Open:
        wrongRoute();
        break;
    case AttachmentMenu::Choice::Delete:
        session()->wrong(DeleteRefused);
        break;
    case AttachmentMenu::Choice::SaveAs:
        zs9->hide();
        Image6->hide();
        Image7->show();
        TreeView1->show();
        zs8->show();
        TreeView1->setFocus();
        break;
    }
}

void Texercice27v3::zs8Click()
{
    // Saving with no folder selected is a wrong folder like any other.
    if (!TreeView1->hasSelection() || TreeView1->selectedText() != TargetFolder) {
        session()->wrong(WrongFolder);
        return;
    }
    session()->handOver(this, session()->window<Texercice27v3b>());
}

static const ExerciseRegistry::Registrar registrar(Competence,
                                                   ExerciseSession::launcher<Texercice27v3, Texercice27v3b>(Competence));
