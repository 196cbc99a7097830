#include "dialogs/uimpressionapercuv3.h"

#include "dialogs/uimpressionv3.h"
#include "shell/exercise/exercisescreen.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr QSize ClientSize(406, 380);
constexpr QRect PageRect(40, 24, 323, 295);
}

const QString Timpressionapercuv3::Caption = QStringLiteral("Aperçu");

Timpressionapercuv3::Timpressionapercuv3(ExerciseScreen *owner, QLabel *label1, QLabel *label2)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_owner(owner),
      m_label1(label1), m_label2(label2)
{
    PrintDialogs::dress(this, QStringLiteral("Timpressionapercuv3"), Caption, ClientSize.width(), ClientSize.height());
    // The page is the exercise's: it registers the picture with the text it printed.
    Image1 = new PictureBox(QStringLiteral("Timpressionapercuv3/Image1"), QStringLiteral("Image1"), PageRect, this);
    Button1 = place(new QPushButton(QStringLiteral("Imprimer"), this), "Button1", QRect(214, 338, 88, 28));
    Button2 = place(new QPushButton(QStringLiteral("Annuler"), this), "Button2", QRect(310, 338, 88, 28));
    for (QPushButton *b : {Button1, Button2})
        b->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &Timpressionapercuv3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Timpressionapercuv3::Button2Click);
}

void Timpressionapercuv3::showCentred()
{
    PrintDialogs::centreOnScreen(this);
    show();
    activateWindow();
}

void Timpressionapercuv3::Button1Click()
{
    ExerciseSession *session = m_owner ? m_owner->session() : nullptr;
    if (!session)
        return;
    if (m_label2)
        m_label2->clear();
    // The verdict closes the exercise window, and this preview with it.
    session->verdict(PrintDialogs::ErrorThreshold, CommonTexts::SuccessBox, m_label1);
}

void Timpressionapercuv3::Button2Click()
{
    if (ExerciseSession *session = m_owner ? m_owner->session() : nullptr)
        session->wrong(CommonTexts::WrongWayReadCarefully);
}
