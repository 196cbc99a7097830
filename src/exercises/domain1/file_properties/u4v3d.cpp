#include "exercises/domain1/file_properties/u4v3d.h"

#include "exercises/domain1/file_properties/layout.h"
#include "exercises/domain1/file_properties/u4v3e.h"
#include "pictures/fonts.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <iterator>

using namespace FilePropertiesLayout;

namespace {
constexpr int QuestionCount = int(std::size(Questions));
}

Texercice4v3d::Texercice4v3d(ExerciseSession *session)
    : FilePropertiesScreen(session, QStringLiteral("Texercice4v3d"), QStringLiteral("exercice4v3d"))
{
    Image1 = picture(QStringLiteral("Image1"), ExplorerRect);
    placeInstruction(QString::fromUtf8(Questions[0].text));
    Edit2 = place(new QLineEdit(this), "Edit2", W4Edit2);
    Edit2->setFont(pixelFont(QStringLiteral("Tahoma"), 19));
    Button1 = place(new QPushButton(QStringLiteral("Valider"), this), "Button1", W4Button1);
    zs1 = wrongArea(QStringLiteral("zs1"), W4zs1, false);
    zs2 = hotSpot(QStringLiteral("zs2"), W4zs2);
    Image2 = picture(QStringLiteral("Image2"), W4Image2, false);
    zs4 = wrongArea(QStringLiteral("zs4"), W4zs4, false);
    zs3 = hotSpot(QStringLiteral("zs3"), W4zs3, false);

    connect(Button1, &QPushButton::clicked, this, &Texercice4v3d::Button1Click);
    connect(zs2, &HotSpot::rightClicked, this, &Texercice4v3d::zs2RightClick);
    connect(zs3, &HotSpot::clicked, this, &Texercice4v3d::zs3Click);
}

void Texercice4v3d::FormShow()
{
    Edit2->setFocus();
}

void Texercice4v3d::Button1Click()
{
    if (m_question > QuestionCount)
        return;
    const bool right = Edit2->text() == QString::fromUtf8(Questions[m_question - 1].answer);
    ++m_question;
    // One attempt per question: the next one follows whatever the answer.
    if (m_question <= QuestionCount) {
        Label1->setText(QString::fromUtf8(Questions[m_question - 1].text));
    } else {
        Button1->hide();
        Edit2->hide();
        zs1->show();
        Label1->setText(W4AddColumn);
    }
    if (!right)
        wrongAction();
}

void Texercice4v3d::zs2RightClick()
{
    Image2->show();
    zs3->show();
    zs4->show();
}

void Texercice4v3d::zs3Click()
{
    moveOn<Texercice4v3e>();
}
