#include "exercises/domain1/login_logout/u1v3.h"

#include "exercises/domain1/login_logout/layout.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/passwordfield.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace LoginLayout;

namespace {
const QString ReadAgain = QStringLiteral("Relis les consignes !");

QLineEdit *siteField(const QString &name, const QRect &rect, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(rect);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    edit->setFont(font);
    edit->setFrame(false);
    return edit;
}
}

Texercice1v3::Texercice1v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice1v3"), WindowSize)
{
    setWindowTitle(QStringLiteral("exercice 1v3"));
    setStyleSheet(QStringLiteral("Texercice1v3 { background: rgb(58, 110, 165); }"));

    // Bottom to top: mascot, bubble, two instruction lines, the two screens, the
    // hot spots and the user's name, the third line, Abandon, then the fields.
    InstructionBubble *bubble = placeBubble(LoginLayout::Image5, Shape5);
    Label1 = bubble->addLabel(QStringLiteral("Label1"), LoginLayout::Label1,
                              QStringLiteral("1) Tape ton nom+3 premières lettres de ton prénom"));
    Label2 = bubble->addLabel(QStringLiteral("Label2"), LoginLayout::Label2,
                              QStringLiteral("2) Tape un mot de passe de ton choix (mais suffisament sécurisé)"));
    Image2 = new PictureBox(QStringLiteral("Texercice1v3/Image2"), QStringLiteral("Image2"), LoginLayout::Image2, this);
    Image2->hide();
    Image1 = new PictureBox(QStringLiteral("Texercice1v3/Image1"), QStringLiteral("Image1"), LoginLayout::Image1, this);
    zs = new HotSpot(QStringLiteral("zs"), LoginLayout::zs, this);
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->move(LoginLayout::Label3);
    QFont nameFont(QStringLiteral("Tahoma"));
    nameFont.setPixelSize(11);
    Label3->setFont(nameFont);
    Label3->setTextFormat(Qt::PlainText);   // the name as typed, markup included
    Label3->setStyleSheet(QStringLiteral("background: white; color: black;"));
    Label3->hide();
    zs2 = new HotSpot(QStringLiteral("zs2"), LoginLayout::zs2, this);
    zs2->hide();   // the log-out button reacts on the second screen only
    Label4 = bubble->addLabel(QStringLiteral("Label4"), LoginLayout::Label4,
                              QStringLiteral("3) Clique sur le bouton 'Envoyer'"));
    placeAbandon(QStringLiteral("BitBtn1"), LoginLayout::BitBtn1);
    Edit1 = siteField(QStringLiteral("Edit1"), LoginLayout::Edit1, this);
    Edit2 = siteField(QStringLiteral("Edit2"), LoginLayout::Edit2, this);
    makePasswordField(Edit2);

    connect(zs, &HotSpot::clicked, this, &Texercice1v3::zsClick);
    connect(zs2, &HotSpot::clicked, this, &Texercice1v3::zs2Click);
    connect(Image2, &HotSpot::clicked, this, &Texercice1v3::Image2Click);
}

void Texercice1v3::zsClick()
{
    // Raw lengths: spaces count, the content is not examined.
    if (Edit1->text().size() < MinimumNameLength || Edit2->text().size() < MinimumPasswordLength) {
        session()->wrong(ReadAgain, MessageBox::Kind::Error, false);
        return;
    }
    Image1->hide();
    Image2->show();
    zs->hide();
    Edit1->hide();
    Edit2->hide();
    Label3->setText(Edit1->text());
    Label3->adjustSize();
    Label3->show();
    zs2->show();
    Label4->hide();
    Label1->setText(QStringLiteral("Bien, tu as réussi à t'authentifier sur ce site !"));
    Label2->setText(QStringLiteral("Maintenant , tu dois quitter proprement ce site\u00a0!"));
    m_screen = Screen::LoggedIn;
}

void Texercice1v3::zs2Click()
{
    if (m_screen != Screen::LoggedIn)
        return;
    session()->succeed(Label1);
}

void Texercice1v3::Image2Click()
{
    if (m_screen != Screen::LoggedIn)
        return;
    // Leaving the site any other way fails at once; the wrong click is the error.
    session()->countError();
    FailureTexts texts;
    texts.box = QStringLiteral("Cette compétence n'est pas acquise !");
    session()->fail(Label1, texts);
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice1v3>(Competence));
