#include "exercises/domain3/combined_document/u9.h"

#include "exercises/domain3/combined_document/layout.h"
#include "exercises/domain3/combined_document/picturepanel.h"
#include "pictures/fonts.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

using namespace CombinedDocumentLayout;

namespace {
using M = Texercice9;

MenuTable sheetMenus()
{
    auto item = [](int id, const char *caption, bool enabled = true) {
        MenuEntry e = MenuEntry::item(id, QString::fromUtf8(caption));
        e.enabled = enabled;
        return e;
    };
    return {
        {QStringLiteral("&Fichier"),
         {item(M::New, "&Nouveau", false), item(M::Open, "&Ouvrir", false), item(M::Save, "&Sauver", false),
          item(M::SaveAs, "Sauver &Comme", false), item(M::Print, "&Imprimer", false), MenuEntry::separator(),
          MenuEntry::sub(-1, QStringLiteral("insérer image"),
                         {item(M::InsertFromFile, "à partir d'un fichier"),
                          item(M::InsertFromScanner, "à partir du scanneur")}),
          MenuEntry::separator(), item(M::Quit, "&Quitter")}},
        {QStringLiteral("&Edition"),
         {item(M::Undo, "&Défaire"), item(M::Cut, "&Couper"), item(M::CopyItem, "&Copier"),
          item(M::Paste, "&Coller")}},
        {QStringLiteral("format"), {item(M::Font, "&Police")}},
        {QStringLiteral("Insertion"),
         {item(M::SpecialCharacter, "caractère spécial"), item(M::PageNumber, "numéro de page"),
          item(M::FileItem, "fichier"), item(M::Hyperlink, "lien hypertexte")}},
    };
}

MenuRoles sheetRoles()
{
    MenuRoles roles;
    roles.steps = {{M::InsertFromFile, 0, 0}};
    roles.otherwise = MenuRole::Inert;
    return roles;
}

QString lines(const QStringList &text)
{
    return text.join(QStringLiteral("<br>"));
}
}

Texercice9::Texercice9(ExerciseSession *session)
    : MenuScreen(session, QStringLiteral("Texercice9"), ClientSize, sheetMenus(), sheetRoles())
{
    setWindowTitle(QStringLiteral("exercice 9"));
    QWidget *area = client();
    area->setAutoFillBackground(true);
    QPalette white = area->palette();
    white.setColor(QPalette::Window, Qt::white);
    area->setPalette(white);

    Image1 = picture(QStringLiteral("Image1"), ToolBar);
    RichEdit1 = block("RichEdit1", CombinedDocumentLayout::RichEdit1,
                      QStringLiteral("<p align=center style='color:red'><b><u>%1</u></b></p><p></p><p>%2</p>")
                          .arg(Title, Heading1));
    RichEdit2 = block("RichEdit2", CombinedDocumentLayout::RichEdit2, lines(Text2));
    RichEdit3 = block("RichEdit3", CombinedDocumentLayout::RichEdit3, lines(Text3));
    RichEdit4 = block("RichEdit4", CombinedDocumentLayout::RichEdit4, Heading2);
    RichEdit5 = block("RichEdit5", CombinedDocumentLayout::RichEdit5, lines(Text5));
    RichEdit6 = block("RichEdit6", CombinedDocumentLayout::RichEdit6, lines(Text6));
    for (auto [frame, name, rect] : {std::tuple{&Shape1, "Shape1", CombinedDocumentLayout::Shape1},
                                     std::tuple{&Shape2, "Shape2", CombinedDocumentLayout::Shape2}}) {
        auto *shape = place(new QFrame(area), name, rect);
        shape->setFrameStyle(QFrame::Box | QFrame::Plain);
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
        *frame = shape;
    }
    Panel2 = new PicturePanel(QStringLiteral("Panel2"), QStringLiteral("Texercice9/Panel2"), Panel2Start, area);
    Panel1 = new PicturePanel(QStringLiteral("Panel1"), QStringLiteral("Texercice9/Panel1"), Panel1Start, area);
    Panel2->hide();
    Panel1->hide();

    InstructionBubble *bubble = placeBubble(Mascot, Bubble);
    Label1 = bubble->addLabel(QStringLiteral("Label1"), CombinedDocumentLayout::Label1, InsertAxial);
    Label39 = place(new QLabel(QStringLiteral("TAVELO"), area), "Label39", CombinedDocumentLayout::Label39);
    Label39->setStyleSheet(QStringLiteral("color: rgb(0, 120, 0); font: italic bold 20px 'Times New Roman';"));
    placeAbandon(QStringLiteral("BitBtn20"), CombinedDocumentLayout::BitBtn20);
    fin = place(new QPushButton(QStringLiteral("quitter"), area), "fin", CombinedDocumentLayout::fin);
    fin->hide();

    connect(Panel2, &PicturePanel::released, this, &Texercice9::Panel2Released);
    connect(Panel1, &PicturePanel::released, this, &Texercice9::Panel1Released);
    connect(fin, &QPushButton::clicked, this, &Texercice9::finClick);
}

QTextEdit *Texercice9::block(const char *name, const QRect &rect, const QString &html)
{
    auto *edit = place(new QTextEdit(client()), name, rect);
    edit->setReadOnly(true);
    edit->setFrameStyle(QFrame::NoFrame);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setFont(pixelFont(QStringLiteral("Arial"), 14));
    edit->setStyleSheet(QStringLiteral("QTextEdit { color: navy; background: white; }"));
    edit->document()->setDocumentMargin(0);
    edit->setHtml(html);
    return edit;
}

void Texercice9::menuStep(int id)
{
    if (id != InsertFromFile)
        return;
    if (m_open) {
        m_open->activateWindow();
        return;
    }
    m_open = new Touverture(this, [this](const QString &name) { fileChosen(name); });
    m_open->show();
    m_open->activateWindow();
}

void Texercice9::fileChosen(const QString &fileName)
{
    if (m_state == Won)
        return;
    if (fileName == AxialFile) {
        // Opened again once placed, the picture stays where it is, disabled; the
        // instruction still asks to place it.
        Panel2->show();
        Label1->setText(PlaceAxial);
        if (m_state == NothingInserted)
            m_state = FirstShown;
        return;
    }
    if (fileName == CentralFile && m_state == FirstPlaced) {
        m_state = SecondShown;
        Panel1->show();
        Panel1->raise();
        Label1->setText(PlaceCentral);
    }
}

void Texercice9::Panel2Released()
{
    if (!Panel2Place.holds(Panel2->geometry()))
        return;
    Panel2->setEnabled(false);
    m_state = FirstPlaced;
    Label1->setText(InsertCentral);
}

void Texercice9::Panel1Released()
{
    if (!Panel1Place.holds(Panel1->geometry()))
        return;
    m_state = Won;
    Label1->setText(WonText);
    fin->show();
    abandonButton()->hide();
    Panel1->setEnabled(false);
    session()->recordSuccess();
}

void Texercice9::finClick()
{
    session()->end();
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice9>(Competence));
