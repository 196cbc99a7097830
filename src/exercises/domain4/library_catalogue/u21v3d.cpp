#include "exercises/domain4/library_catalogue/u21v3d.h"

#include "exercises/domain4/library_catalogue/layout.h"
#include "pictures/fonts.h"
#include "widgets/messagebox.h"
#include "widgets/placement.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace LibraryCatalogueLayout;

Texercice21v3d::Texercice21v3d(ExerciseSession *session)
    : CatalogueScreen(session, QStringLiteral("Texercice21v3d"), Question2, Bubble::InAnswerPanel)
{
    Shape1 = place(new QFrame(this), "Shape1", AnswerPanel);
    Shape1->setStyleSheet(QStringLiteral("QFrame { background: rgb(0,255,0); border: 1px solid black; }"));
    placeAnswerBubble(Question2);
    Label2 = place(new QLabel(NumberCaption, this), "Label2", NumberCaptionRect);
    Label2->setFont(pixelFont(QStringLiteral("Comic Sans MS"), 16, true));
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Edit1 = field("Edit1", NumberField, false);
    Edit1->setFont(pixelFont(QStringLiteral("Tahoma"), 18));
    Button1 = place(new QPushButton(QStringLiteral("Valider"), this), "Button1", ValidateButton);
    Button1->setFont(pixelFont(QStringLiteral("Tahoma"), 14, true));
    connect(Button1, &QPushButton::clicked, this, &Texercice21v3d::Button1Click);
    connect(Edit1, &QLineEdit::returnPressed, this, &Texercice21v3d::Button1Click);
}

void Texercice21v3d::Button1Click()
{
    if (Edit1->text() != ResultCount) {
        session()->wrong(WrongNumber);
        return;
    }
    MessageBox::information(RightNumber, this);
    session()->verdict(0, CommonTexts::SuccessBoxCapitalised, instruction());
}
