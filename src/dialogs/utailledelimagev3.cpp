#include "dialogs/utailledelimagev3.h"

#include "pictures/kit.h"
#include "pictures/pictures.h"
#include "widgets/messagebox.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"
#include "widgets/spinedit.h"
#include "widgets/windowplacement.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {
constexpr QSize ChainSize{20, 60};
constexpr QSize ResolutionSize{64, 22};

// Two brackets from the width field and the height field joined by a chain link:
// the two sizes change together.
void paintChain(QPainter &p, const QSize &s)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawLine(0, 6, s.width() / 2, 6);
    p.drawLine(s.width() / 2, 6, s.width() / 2, s.height() / 2 - 9);
    p.drawLine(0, s.height() - 7, s.width() / 2, s.height() - 7);
    p.drawLine(s.width() / 2, s.height() - 7, s.width() / 2, s.height() / 2 + 9);
    p.setPen(QPen(QColor(120, 120, 130), 2));
    p.setBrush(Qt::NoBrush);
    const qreal cx = s.width() / 2.0, cy = s.height() / 2.0;
    p.drawRoundedRect(QRectF(cx - 4, cy - 10, 8, 11), 4, 4);
    p.drawRoundedRect(QRectF(cx - 4, cy - 1, 8, 11), 4, 4);
}

void paintResolution(QPainter &p, const QSize &s)
{
    PictureKit::paintSpinBox(p, QRect(QPoint(0, 0), s), QStringLiteral("72"));
}

const Pictures::Registrar chain{{QStringLiteral("TUtailleimage/Image1"), ChainSize, &paintChain, {}}};
const Pictures::Registrar resolution{{QStringLiteral("TUtailleimage/Image2"), ResolutionSize, &paintResolution, {}}};

QLabel *label(QWidget *parent, const QString &text, const QRect &rect)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(rect);
    return l;
}

// A read-only value in a flat sunken frame.
QLabel *value(QWidget *parent, const char *name, const QString &text, const QRect &rect)
{
    auto *l = place(new QLabel(text, parent), name, rect);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMargin(2);
    return l;
}
}

const QString TUtailleimage::Caption = QStringLiteral("Taille de l'image");
const QString TUtailleimage::Rejected = QStringLiteral("Erreur!");
const QString TUtailleimage::WrongText = QStringLiteral("Fausse route ! Lisez bien...");

TUtailleimage::TUtailleimage(QWidget *owner, Judge judge, WrongAction wrong)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_judge(std::move(judge)),
      m_wrong(std::move(wrong))
{
    setObjectName(QStringLiteral("TUtailleimage"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Caption);
    setFixedSize(ClientSize);

    auto *current = new QGroupBox(QStringLiteral("Taille actuelle en pixels "), this);
    current->setGeometry(8, 8, 238, 84);
    label(this, QStringLiteral("Largeur :"), QRect(24, 34, 70, 20));
    Label1 = value(this, "Label1", QStringLiteral("800"), QRect(110, 32, 70, 22));
    label(this, QStringLiteral("Hauteur :"), QRect(24, 62, 70, 20));
    Label2 = value(this, "Label2", QStringLiteral("600"), QRect(110, 60, 70, 22));

    auto *next = new QGroupBox(QStringLiteral("Nouvelle taille"), this);
    next->setGeometry(8, 104, 238, 200);
    label(this, QStringLiteral("Largeur :"), QRect(24, 134, 70, 20));
    Edit1 = place(new SpinEdit(this), "Edit1", QRect(110, 130, 76, 24));
    label(this, QStringLiteral("Hauteur :"), QRect(24, 178, 70, 20));
    Edit2 = place(new SpinEdit(this), "Edit2", QRect(110, 174, 76, 24));
    Edit1->setRange(0, 10000);
    Edit1->setText(QStringLiteral("800"));
    Edit2->setRange(0, 10000);
    Edit2->setText(QStringLiteral("600"));
    Edit1->upButton()->setObjectName(QStringLiteral("UpDown1"));
    Edit2->upButton()->setObjectName(QStringLiteral("UpDown2"));
    Image1 = new PictureBox(QStringLiteral("TUtailleimage/Image1"), QStringLiteral("Image1"),
                            QRect(QPoint(190, 134), ChainSize), this);
    label(this, QStringLiteral("Pixels"), QRect(212, 156, 34, 20));
    label(this, QStringLiteral("Résolution : "), QRect(24, 240, 80, 20));
    Image2 = new PictureBox(QStringLiteral("TUtailleimage/Image2"), QStringLiteral("Image2"),
                            QRect(QPoint(110, 238), ResolutionSize), this);
    label(this, QStringLiteral("Pixels / pouces"), QRect(110, 264, 120, 20));

    Button3 = place(new QPushButton(QStringLiteral("OK"), this), "Button3", QRect(36, 334, 84, 28));
    Button4 = place(new QPushButton(QStringLiteral("Annuler"), this), "Button4", QRect(134, 334, 84, 28));
    Button3->setDefault(true);

    connect(Button3, &QPushButton::clicked, this, &TUtailleimage::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TUtailleimage::Button4Click);
    connect(Image2, &HotSpot::clicked, this, &TUtailleimage::Image2Click);

    centreOnScreen(this);
    Edit1->edit()->setFocus();
    Edit1->edit()->selectAll();
}

void TUtailleimage::Button3Click()
{
    if (m_judge && m_judge(Edit1->text(), Edit2->text())) {
        close();
        return;
    }
    MessageBox::information(Rejected, this);
}

void TUtailleimage::Image2Click()
{
    if (m_wrong)
        m_wrong(WrongText);
}

bool TUtailleimage::event(QEvent *event)
{
    if (event->type() == QEvent::WindowDeactivate)
        closeWhenInactive();
    return QDialog::event(event);
}

void TUtailleimage::closeWhenInactive()
{
    // A box of ours takes the activation for a moment: that is not the pupil
    // clicking elsewhere.
    if (MessageBox::isShowing())
        return;
    // Deferred: the window system is still delivering the deactivation.
    QTimer::singleShot(0, this, [this] {
        if (!isActiveWindow() && !MessageBox::isShowing())
            close();
    });
}
