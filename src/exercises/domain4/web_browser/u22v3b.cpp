#include "exercises/domain4/web_browser/u22v3b.h"

#include "exercises/domain4/web_browser/layout.h"
#include "exercises/domain4/web_browser/u22v3c.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace WebBrowserLayout;

Texercice22v3b::Texercice22v3b(ExerciseSession *session)
    : BrowserScreen(session, QStringLiteral("Texercice22v3b"), 2, Window2Size, 4, Window2Step4)
{
    const QRect shot(0, 0, Window2Size.width(), ScreenshotHeight);
    Image1 = picture(QStringLiteral("Image1"), shot, true);
    Image2 = picture(QStringLiteral("Image2"), shot, false);
    Image3 = picture(QStringLiteral("Image3"), shot, false);
    Image4 = picture(QStringLiteral("Image4"), shot, false);
    zs1 = hotSpot(QStringLiteral("zs1"), HistoryYesterday, true);
    zs2 = hotSpot(QStringLiteral("zs2"), HistoryTownEntry, false);
    zs3 = hotSpot(QStringLiteral("zs3"), HistoryLibraryTab, false);

    Shape1 = new QFrame(page());
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(AnswerBox);
    Shape1->setStyleSheet(QStringLiteral("background: rgb(0,255,0); border: 1px solid black;"));
    Label1 = new QLabel(QStringLiteral("Touche :"), page());
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(AnswerLabel);
    QFont big(QStringLiteral("Arial"));
    big.setPixelSize(27);
    Label1->setFont(big);
    Edit1 = new QLineEdit(QStringLiteral("?"), page());
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(AnswerField);
    Edit1->setStyleSheet(QStringLiteral("background: rgb(0,255,255);"));
    QFont answer(QStringLiteral("Arial"));
    answer.setPixelSize(24);
    Edit1->setFont(answer);
    Button1 = new QPushButton(QStringLiteral("Ok"), page());
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(AnswerButton);
    for (QWidget *w : {static_cast<QWidget *>(Shape1), static_cast<QWidget *>(Label1),
                       static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Button1)})
        w->hide();

    connect(zs1, &HotSpot::clicked, this, &Texercice22v3b::zs1Click);
    connect(zs2, &HotSpot::clicked, this, &Texercice22v3b::zs2Click);
    connect(zs3, &HotSpot::clicked, this, &Texercice22v3b::zs3Click);
    connect(Button1, &QPushButton::clicked, this, &Texercice22v3b::Button1Click);
}

void Texercice22v3b::zs1Click()
{
    zs1->setEnabled(false);
    showOnly(Image2, {Image1, Image2, Image3, Image4});
    zs2->show();
}

void Texercice22v3b::zs2Click()
{
    zs2->setEnabled(false);
    showOnly(Image3, {Image1, Image2, Image3, Image4});
    zs3->show();
    next(5);
}

void Texercice22v3b::zs3Click()
{
    zs3->setEnabled(false);
    showOnly(Image4, {Image1, Image2, Image3, Image4});
    next(6);
    for (QWidget *w : {static_cast<QWidget *>(Shape1), static_cast<QWidget *>(Label1),
                       static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Button1)})
        w->show();
    Edit1->setFocus();
    Edit1->selectAll();
}

void Texercice22v3b::Button1Click()
{
    if (Edit1->text().toLower() != FullScreenKey) {
        session()->wrong(QStringLiteral("Ce n'est pas la bonne touche !"));
        return;
    }
    session()->handOver(this, session()->window<Texercice22v3c>());
}
