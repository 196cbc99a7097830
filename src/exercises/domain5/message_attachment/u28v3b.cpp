#include "exercises/domain5/message_attachment/u28v3b.h"

#include "exercises/domain5/message_attachment/layout.h"
#include "shell/exercise/exercisesession.h"
#include "pictures/fonts.h"
#include "widgets/foldertree.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QLabel>

using namespace MessageAttachmentLayout;

Texercice28v3b::Texercice28v3b(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice28v3b"), Window2Size)
{
    setWindowTitle(QStringLiteral("exercice 28v3b"));
    const QString prefix = QStringLiteral("Texercice28v3b/");
    image1 = new PictureBox(prefix + QStringLiteral("image1"), QStringLiteral("image1"), image1b, this);
    Image2 = new PictureBox(prefix + QStringLiteral("Image2"), QStringLiteral("Image2"),
                            MessageAttachmentLayout::Image2, this);
    zs3 = new HotSpot(QStringLiteral("zs3"), zs3b, this);
    zs3->hide();
    zs1 = new HotSpot(QStringLiteral("zs1"), zs1b, this);
    zs1->hide();
    Image4 = new PictureBox(prefix + QStringLiteral("Image4"), QStringLiteral("Image4"),
                            MessageAttachmentLayout::Image4, this);
    TreeView1 = place(new FolderTree(FolderTree::schoolComputer(true), this), "TreeView1",
                      MessageAttachmentLayout::TreeView1);
    zs2 = new HotSpot(QStringLiteral("zs2"), zs2b, this);
    FileName = place(new QLabel(this), "FileName", MailClient::fileNameField(attachDialog()).adjusted(4, 2, -20, -2));
    FileName->setFont(pixelFont(QStringLiteral("DejaVu Sans"), 12));
    FileName->setStyleSheet(QStringLiteral("background: white; color: rgb(35, 38, 41);"));

    InstructionBubble *bubble = placeBubble(Mascot, Bubble);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), MessageAttachmentLayout::consigne3, AttachFile);
    placeAbandon(QStringLiteral("BitBtn20"), MessageAttachmentLayout::BitBtn20);

    connect(zs1, &HotSpot::clicked, this, &Texercice28v3b::zs1Click);
    connect(zs2, &HotSpot::clicked, this, &Texercice28v3b::zs2Click);
    connect(zs3, &HotSpot::clicked, this, &Texercice28v3b::zs3Click);
    connect(TreeView1, &QTreeWidget::itemSelectionChanged, this, &Texercice28v3b::TreeView1Change);
}

void Texercice28v3b::TreeView1Change()
{
    // As in a real dialog, choosing a file names it in the box; a folder leaves the box as it is.
    if (TreeView1->selectedIsFile())
        FileName->setText(TreeView1->selectedText());
}

void Texercice28v3b::zs2Click()
{
    // Opening with no entry selected is a wrong file like any other.
    if (!TreeView1->hasSelection() || TreeView1->selectedText() != AttachedFile) {
        session()->wrong(WrongFile);
        return;
    }
    Image4->hide();
    TreeView1->hide();
    zs2->hide();
    FileName->hide();
    zs1->show();
    zs3->show();
    consigne3->setText(SendIt);
}

void Texercice28v3b::zs3Click()
{
    session()->wrong(CommonTexts::WrongWay);
}

void Texercice28v3b::zs1Click()
{
    session()->verdict(0, CommonTexts::SuccessBox, consigne3);
}
