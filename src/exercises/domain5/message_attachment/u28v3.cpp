#include "exercises/domain5/message_attachment/u28v3.h"

#include "exercises/domain5/message_attachment/layout.h"
#include "exercises/domain5/message_attachment/u28v3b.h"
#include "pictures/fonts.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/limitedmemo.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using namespace MessageAttachmentLayout;

namespace {
HotSpot *spot(const char *name, const QRect &rect, QWidget *window, bool visible)
{
    auto *hotSpot = new HotSpot(QString::fromLatin1(name), rect, window);
    hotSpot->setVisible(visible);
    return hotSpot;
}

QLineEdit *field(const char *name, const QRect &rect, QWidget *window)
{
    auto *edit = place(new QLineEdit(window), name, rect);
    edit->setFrame(false);
    edit->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    edit->hide();
    return edit;
}
}

Texercice28v3::Texercice28v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice28v3"), Window1Size)
{
    setWindowTitle(QStringLiteral("exercice 28v3"));
    const QString prefix = QStringLiteral("Texercice28v3/");
    image1 = new PictureBox(prefix + QStringLiteral("image1"), QStringLiteral("image1"),
                            MessageAttachmentLayout::image1, this);
    zs1 = spot("zs1", MessageAttachmentLayout::zs1, this, true);
    zs2 = spot("zs2", MessageAttachmentLayout::zs2, this, true);
    zs3 = spot("zs3", MessageAttachmentLayout::zs3, this, true);
    Image2 = new PictureBox(prefix + QStringLiteral("Image2"), QStringLiteral("Image2"),
                            MessageAttachmentLayout::Image2, this);
    Image2->hide();
    zs7 = spot("zs7", MessageAttachmentLayout::zs7, this, false);
    zs5 = spot("zs5", MessageAttachmentLayout::zs5, this, false);
    zs6 = spot("zs6", MessageAttachmentLayout::zs6, this, false);
    zs4 = spot("zs4", MessageAttachmentLayout::zs4, this, false);
    Image3 = new PictureBox(prefix + QStringLiteral("Image3"), QStringLiteral("Image3"),
                            MessageAttachmentLayout::Image3, this);
    Image3->hide();
    zs8 = spot("zs8", MessageAttachmentLayout::zs8, this, false);
    zs9 = spot("zs9", MessageAttachmentLayout::zs9, this, false);

    InstructionBubble *bubble = placeBubble(Mascot, Bubble);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), MessageAttachmentLayout::consigne3, CreateMessage);
    placeAbandon(QStringLiteral("BitBtn20"), MessageAttachmentLayout::BitBtn20);

    // The fields and the list lie above every hot spot.
    Edit1 = field("Edit1", MessageAttachmentLayout::Edit1, this);
    Edit3 = field("Edit3", MessageAttachmentLayout::Edit3, this);
    Edit2 = field("Edit2", MessageAttachmentLayout::Edit2, this);
    Memo1 = place(new LimitedMemo(BodyLength, this), "Memo1", MessageAttachmentLayout::Memo1);
    Memo1->setFont(pixelFont(QStringLiteral("Tahoma"), 16));
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->hide();
    ListBox1 = place(new QListWidget(this), "ListBox1", MessageAttachmentLayout::ListBox1);
    ListBox1->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const QString &type : AddressTypes) {
        auto *item = new QListWidgetItem(type, ListBox1);
        item->setSizeHint(QSize(ListBox1->width() - 4, 16));
    }
    ListBox1->hide();

    for (HotSpot *wrong : {zs1, zs2, zs7, zs8, zs9, static_cast<HotSpot *>(Image3)})
        connect(wrong, &HotSpot::clicked, this, &Texercice28v3::wrongRoute);
    connect(zs3, &HotSpot::clicked, this, &Texercice28v3::zs3Click);
    connect(zs4, &HotSpot::clicked, this, &Texercice28v3::zs4Click);
    connect(zs5, &HotSpot::clicked, this, &Texercice28v3::zs5Click);
    connect(zs6, &HotSpot::clicked, this, &Texercice28v3::zs6Click);
    connect(Edit1, &QLineEdit::returnPressed, this, &Texercice28v3::Edit1KeyPress);
    connect(Edit2, &QLineEdit::returnPressed, this, &Texercice28v3::Edit2KeyPress);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &Texercice28v3::Memo1Change);
    Edit3->installEventFilter(this);
    ListBox1->viewport()->installEventFilter(this);
}

bool Texercice28v3::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit3 && event->type() == QEvent::KeyRelease) {
        auto *key = static_cast<QKeyEvent *>(event);
        // The release of the Enter that validated the address lands here: it is no key of this line.
        if (!key->isAutoRepeat() && key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            Edit3KeyUp();
    } else if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        // After the list's own handling of the click has moved its selection.
        QMetaObject::invokeMethod(this, &Texercice28v3::ListBox1Click, Qt::QueuedConnection);
    }
    return ExerciseScreen::eventFilter(watched, event);
}

void Texercice28v3::wrongRoute()
{
    session()->wrong(CommonTexts::WrongWay);
}

void Texercice28v3::zs3Click()
{
    zs1->hide();
    zs2->hide();
    zs3->hide();
    for (QWidget *w : {static_cast<QWidget *>(Image2), static_cast<QWidget *>(zs7), static_cast<QWidget *>(zs8),
                       static_cast<QWidget *>(zs9), static_cast<QWidget *>(zs4), static_cast<QWidget *>(zs5),
                       static_cast<QWidget *>(Edit1)})
        w->show();
    ListBox1->setCurrentRow(0);
    consigne3->setText(RecipientIs);
    Edit1->setFocus();
}

void Texercice28v3::zs4Click()
{
    ListBox1->show();
    ListBox1->raise();
}

void Texercice28v3::ListBox1Click()
{
    if (!ListBox1->isVisible())
        return;
    ListBox1->hide();
    if (ListBox1->currentRow() != 0)
        wrongRoute();
}

void Texercice28v3::zs5Click()
{
    session()->wrong(TypeTheAddress, MessageBox::Kind::Error, false);
}

void Texercice28v3::Edit1KeyPress()
{
    if (Edit1->text() != Recipient) {
        session()->wrong(WrongAddress);
        return;
    }
    consigne3->setText(SubjectIs);
    Edit2->show();
    Edit3->show();
    Image3->show();
    Edit3->setFocus();
    zs8->hide();
    zs4->hide();
    zs5->hide();
    ListBox1->hide();
    Edit1->setEnabled(false);
}

void Texercice28v3::Edit3KeyUp()
{
    Edit3->clear();
    wrongRoute();
}

void Texercice28v3::Edit2KeyPress()
{
    if (Edit2->text() != Subject) {
        session()->wrong(WrongSubject);
        return;
    }
    consigne3->setText(WriteBody);
    Edit2->setEnabled(false);
    Edit3->setEnabled(false);
    zs9->hide();
    Memo1->show();
    Memo1->setFocus();
}

void Texercice28v3::Memo1Change()
{
    // A wrong text is never reported: the step waits for the exact sentence.
    if (!Memo1->isEnabled() || Memo1->toPlainText() != Body)
        return;
    Memo1->setEnabled(false);
    Edit1->hide();
    Edit2->hide();
    Edit3->hide();
    consigne3->setText(AttachFile);
    zs6->show();
}

void Texercice28v3::zs6Click()
{
    session()->handOver(this, session()->window<Texercice28v3b>());
}

static const ExerciseRegistry::Registrar registrar(Competence,
                                                   ExerciseSession::launcher<Texercice28v3, Texercice28v3b>(Competence));
