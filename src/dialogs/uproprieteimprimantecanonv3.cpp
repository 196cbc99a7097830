#include "dialogs/uproprieteimprimantecanonv3.h"

#include "dialogs/uimpressionv3.h"
#include "pictures/pictures.h"
#include "pictures/printing.h"
#include "shell/exercise/exercisescreen.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/choicecombo.h"
#include "widgets/placement.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr QSize ClientSize(476, 260);
constexpr QRect PhotoPrinter(326, 6, 142, 100);
constexpr QRect PortraitPage(100, 16, 34, 46);
constexpr QRect LandscapePage(236, 22, 46, 34);
const QString Name = QStringLiteral("Tproprieteimprimantecanonv3");

const Pictures::Registrar photoPrinter{{Name + QStringLiteral("/Image4"), PhotoPrinter.size(),
                                        [](QPainter &p, const QSize &s) {
                                            Printing::paintPhotoPrinter(p, QRectF(QPointF(0, 0), s));
                                        },
                                        {}}};
const Pictures::Registrar portrait{{Name + QStringLiteral("/Image1"), PortraitPage.size(),
                                    [](QPainter &p, const QSize &s) {
                                        Printing::paintOrientationPage(p, QRect(QPoint(0, 0), s), false);
                                    },
                                    {}}};
const Pictures::Registrar landscape{{Name + QStringLiteral("/Image2"), LandscapePage.size(),
                                     [](QPainter &p, const QSize &s) {
                                         Printing::paintOrientationPage(p, QRect(QPoint(0, 0), s), true);
                                     },
                                     {}}};

QLabel *pictureLabel(QWidget *parent, const QString &control, const QRect &rect)
{
    auto *label = place(new QLabel(parent), control, rect);
    label->setPixmap(Pictures::get(Name + QLatin1Char('/') + control));
    return label;
}
}

const QString Tproprieteimprimantecanonv3::Caption = QStringLiteral("Imprimantes et télécopieurs");
const QStringList Tproprieteimprimantecanonv3::Media{
    QStringLiteral("Papier ordinaire"),   QStringLiteral("Papier photo professionnel"),
    QStringLiteral("Papier photo Glacé Extra"), QStringLiteral("Papier photo Mat"),
    QStringLiteral("Papier photo Glacé"), QStringLiteral("Enveloppe"),
    QStringLiteral("Transparent"),        QStringLiteral("Disque imprimable"),
    QString()};
const QString Tproprieteimprimantecanonv3::RightMedium = QStringLiteral("Papier photo Mat");

Tproprieteimprimantecanonv3::Tproprieteimprimantecanonv3(ExerciseScreen *owner, QLabel *label1, QLabel *label2)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_owner(owner),
      m_label1(label1), m_label2(label2)
{
    PrintDialogs::dress(this, Name, Caption, ClientSize.width(), ClientSize.height());
    Image4 = pictureLabel(this, QStringLiteral("Image4"), PhotoPrinter);

    GroupBox1 = place(new QGroupBox(QStringLiteral("Type de support"), this), "GroupBox1", QRect(8, 4, 308, 56));
    ComboBox1 = place(new ChoiceCombo(GroupBox1), "ComboBox1", QRect(10, 22, 288, 24));
    ComboBox1->addItems(Media);
    ComboBox1->setMaxVisibleItems(3);
    ComboBox1->setCurrentIndex(0);   // shown, not chosen

    GroupBox2 = place(new QGroupBox(QStringLiteral("Qualité d'impression"), this), "GroupBox2", QRect(8, 64, 308, 50));
    RadioButton1 = place(new QRadioButton(QStringLiteral("Haute"), GroupBox2), "RadioButton1", QRect(10, 22, 90, 20));
    RadioButton2 = place(new QRadioButton(QStringLiteral("Standard"), GroupBox2), "RadioButton2", QRect(104, 22, 100, 20));
    RadioButton3 = place(new QRadioButton(QStringLiteral("Rapide"), GroupBox2), "RadioButton3", QRect(210, 22, 90, 20));
    RadioButton2->setChecked(true);

    CheckBox2 = place(new QCheckBox(QStringLiteral("Impression niveau de gris"), this), "CheckBox2",
                      QRect(16, 120, 290, 20));
    CheckBox2->setChecked(true);

    GroupBox3 = place(new QGroupBox(this), "GroupBox3", QRect(8, 144, 460, 72));
    Label3 = place(new QLabel(QStringLiteral("Orientation :"), GroupBox3), "Label3", QRect(10, 26, 86, 20));
    Image1 = pictureLabel(GroupBox3, QStringLiteral("Image1"), PortraitPage);
    RadioButton5 = place(new QRadioButton(QStringLiteral("Portrait"), GroupBox3), "RadioButton5", QRect(140, 28, 86, 20));
    Image2 = pictureLabel(GroupBox3, QStringLiteral("Image2"), LandscapePage);
    RadioButton4 = place(new QRadioButton(QStringLiteral("Paysage"), GroupBox3), "RadioButton4", QRect(288, 28, 90, 20));
    RadioButton5->setChecked(true);

    Button3 = place(new QPushButton(QStringLiteral("OK"), this), "Button3", QRect(296, 226, 84, 26));
    Button4 = place(new QPushButton(QStringLiteral("Annuler"), this), "Button4", QRect(384, 226, 84, 26));
    for (QPushButton *b : {Button3, Button4})
        b->setAutoDefault(false);

    PrintDialogs::closeWhenLeft(this);   // FormDeactivate
    connect(Button3, &QPushButton::clicked, this, &Tproprieteimprimantecanonv3::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &Tproprieteimprimantecanonv3::Button4Click);
}

void Tproprieteimprimantecanonv3::showCentred()
{
    PrintDialogs::centreOnScreen(this);
    show();
    activateWindow();
}

bool Tproprieteimprimantecanonv3::settingsRight() const
{
    const bool medium = ComboBox1->chosenFromList() && ComboBox1->currentText() == RightMedium;
    return medium && RadioButton1->isChecked() && RadioButton4->isChecked() && !CheckBox2->isChecked();
}

void Tproprieteimprimantecanonv3::Button3Click()
{
    ExerciseSession *session = m_owner ? m_owner->session() : nullptr;
    if (!session)
        return;
    if (!settingsRight()) {
        session->wrong(CommonTexts::WrongWayReadCarefully);
        return;
    }
    if (m_label2)
        m_label2->clear();
    FailureTexts failure;
    failure.kind = MessageBox::Kind::Information;
    // The verdict closes the exercise window, and this dialog with it.
    session->verdict(PrintDialogs::ErrorThreshold, CommonTexts::SuccessBox, m_label1, failure);
}

void Tproprieteimprimantecanonv3::Button4Click()
{
    if (ExerciseSession *session = m_owner ? m_owner->session() : nullptr)
        session->wrong(CommonTexts::WrongWayReadCarefully);
}
