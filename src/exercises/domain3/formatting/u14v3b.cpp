#include "exercises/domain3/formatting/u14v3b.h"

#include "exercises/domain3/formatting/document.h"
#include "exercises/domain3/formatting/layout.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QAction>
#include <climits>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>

using namespace FormattingLayout;

namespace {
const QString FooterInstruction =
    QStringLiteral("Affiche automatiquement en pied de page1 le texte centré suivant : page 1 sur 2");
const QString UseFields = QStringLiteral("Il faut utiliser l'insertion de champs  !");
const QString ReadAgain = QStringLiteral("Relis bien la consigne !");

// The menus: the footer items act, the editing commands are disabled and every
// other item is a wrong way.
enum MenuId { WrongItem, EditItem, FieldMenu, FieldDate, FieldTime, FieldPageNumber, FieldPageCount, InsertFooter };

MenuEntry named(int id, const QString &caption, const QString &name, bool enabled = true)
{
    MenuEntry entry = MenuEntry::item(id, caption, {}, name);
    entry.enabled = enabled;
    return entry;
}

MenuTable windowMenus()
{
    QList<MenuEntry> file, edit, insert;
    for (const char *text : {"&Nouveau", "&Ouvrir", "&Sauver", "Sauver &Comme", "&Imprimer", "&Quitter"})
        file << MenuEntry::item(WrongItem, QString::fromUtf8(text));
    for (const char *text : {"&Défaire", "&Couper", "&Copier", "&Coller"})
        edit << named(EditItem, QString::fromUtf8(text), {}, false);
    edit << MenuEntry::separator() << MenuEntry::item(WrongItem, QStringLiteral("insérer image"));
    for (const char *text : {"Image", "Cadre", "Tableau", "En-tête", "Fichier"})
        insert << named(WrongItem, QString::fromUtf8(text), QString::fromUtf8(text));
    MenuEntry field = MenuEntry::sub(FieldMenu, QStringLiteral("Champ"),
                                     {named(FieldDate, QStringLiteral("Date"), QStringLiteral("insertionchampdate"), false),
                                      named(FieldTime, QStringLiteral("Heure"), QStringLiteral("insertionchampheure"), false),
                                      named(FieldPageNumber, QStringLiteral("Numéro page"),
                                            QStringLiteral("insertionchampnumeropage"), false),
                                      named(FieldPageCount, QStringLiteral("Nombre de pages"),
                                            QStringLiteral("insertionchampnombredepages"), false)},
                                     QStringLiteral("insertionchamp"));
    field.enabled = false;
    insert << field << named(InsertFooter, QStringLiteral("Piedpage"), QStringLiteral("insertionpiedpage"));
    return {{QStringLiteral("&Fichier"), file, {}},
            {QStringLiteral("&Edition"), edit, {}},
            {QStringLiteral("Format"), {MenuEntry::item(WrongItem, QStringLiteral("&Police"))}, {}},
            {QStringLiteral("Insertion"), insert, QStringLiteral("Insertion")}};
}

MenuRoles windowMenuRoles()
{
    MenuRoles roles;
    for (int id : {FieldPageNumber, FieldPageCount, InsertFooter})
        roles.steps << MenuStep{id, INT_MIN, INT_MAX};
    return roles;   // the rest: wrong ways
}
const QString ExpectedFooter = QStringLiteral("page 1 sur 2");
}

Texercice14v3b::Texercice14v3b(ExerciseSession *session)
    : MenuScreen(session, QStringLiteral("Texercice14v3b"), WindowSize, windowMenus(), windowMenuRoles())
{
    // The menu bar takes the top of the window; every control lies in the client
    // area under it, placed in client pixels.
    m_client = client();
    bindMenus();
    auto *desk = new PictureBox(QStringLiteral("Texercice14v3b/Image1"), m_client);
    desk->setGeometry(QRect(QPoint(0, 0), m_client->size()));
    Image2 = new PictureBox(QStringLiteral("Texercice14v3b/Image2"), m_client);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(ToolBar);

    editor2 = new QTextEdit(m_client);
    editor2->setObjectName(QStringLiteral("editor2"));
    Editor = new QTextEdit(m_client);
    Editor->setObjectName(QStringLiteral("Editor"));
    for (QTextEdit *page : {editor2, Editor}) {
        page->setFrameShape(QFrame::NoFrame);
        page->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        page->setReadOnly(true);
        page->setContextMenuPolicy(Qt::NoContextMenu);
    }

    piedpage1 = new QLineEdit(m_client);
    piedpage1->setObjectName(QStringLiteral("piedpage1"));
    piedpage1->setGeometry(LeftFooter);
    piedpage2 = new QLineEdit(m_client);
    piedpage2->setObjectName(QStringLiteral("piedpage2"));
    piedpage2->setGeometry(RightFooter);
    piedpage2->setReadOnly(true);
    for (QLineEdit *footer : {piedpage1, piedpage2}) {
        footer->setMaxLength(50);
        footer->setFrame(false);
        footer->setTextMargins(PageMargin, 0, PageMargin, 0);
        footer->setFont(FormattingDocument::pageFont());
        footer->setContextMenuPolicy(Qt::NoContextMenu);
        footer->hide();
    }
    piedpage1->installEventFilter(this);
    connect(piedpage1, &QLineEdit::textChanged, this, &Texercice14v3b::piedpage1Change);

    zs1 = new HotSpot(m_client);
    zs1->setObjectName(QStringLiteral("zs1"));
    zs1->setGeometry(FormattingLayout::zs1);
    zs1->hide();
    connect(zs1, &HotSpot::clicked, this, &Texercice14v3b::zs1Click);

    placeBubble(Mascot, BubbleShape);
    Label1 = instructionLabel(QStringLiteral("Label1"), FooterInstruction);
    Button3 = new QPushButton(QStringLiteral("OK"), m_client);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(OkButton);
    QFont okFont = Button3->font();
    okFont.setBold(true);
    okFont.setPointSize(14);
    Button3->setFont(okFont);
    connect(Button3, &QPushButton::clicked, this, &Texercice14v3b::Button3Click);
    placeAbandon(QStringLiteral("BitBtn20"), AbandonButton);
}

void Texercice14v3b::bindMenus()
{
    MainMenu = menuBar();
    MainMenu->setObjectName(QStringLiteral("MainMenu"));
    insertionchamp = menuAction(FieldMenu)->menu();
    insertionchampdate = menuAction(FieldDate);
    insertionchampheure = menuAction(FieldTime);
    insertionchampnumeropage = menuAction(FieldPageNumber);
    insertionchampnombredepages = menuAction(FieldPageCount);
    insertionpiedpage = menuAction(InsertFooter);
}

void Texercice14v3b::menuStep(int id)
{
    switch (id) {
    case FieldPageNumber: insertionchampnumeropageClick(); break;
    case FieldPageCount: insertionchampnombredepagesClick(); break;
    case InsertFooter: insertionpiedpageClick(); break;
    default: break;
    }
}

void Texercice14v3b::FormShow()
{
    // The error counter carries over from the first window.
    Label1->setText(FooterInstruction);
    FormattingDocument::fillModel(editor2);
    editor2->setGeometry(LeftPage);
    Editor->setGeometry(RightPage);
    Editor->document()->setDefaultFont(FormattingDocument::pageFont());
    FormattingDocument::fillModel(Editor);
}

bool Texercice14v3b::eventFilter(QObject *watched, QEvent *event)
{
    // The page numbers come from the fields, not from the keyboard.
    if (watched == piedpage1 && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (typed == QLatin1String("1") || typed == QLatin1String("2")) {
            session()->wrong(UseFields);
            return true;
        }
    }
    return MenuScreen::eventFilter(watched, event);
}

void Texercice14v3b::insertionpiedpageClick()
{
    m_step = Step::FooterPresent;
    insertionpiedpage->setEnabled(false);
    piedpage1->show();
    piedpage2->show();
    piedpage1->setFocus();
    zs1->show();
    zs1->raise();
    insertionchamp->setEnabled(true);
    for (QAction *item : {insertionchampdate, insertionchampheure, insertionchampnumeropage, insertionchampnombredepages})
        item->setEnabled(true);
}

void Texercice14v3b::insertField(const QString &value)
{
    piedpage1->insert(value);
    piedpage1->setFocus();
}

void Texercice14v3b::insertionchampnumeropageClick() { insertField(QStringLiteral("1")); }

void Texercice14v3b::insertionchampnombredepagesClick() { insertField(QStringLiteral("2")); }

// Page 2's footer is page 1's with every "1" turned into "2".
void Texercice14v3b::piedpage1Change()
{
    QString line = piedpage1->text();
    line.replace(QLatin1Char('1'), QLatin1Char('2'));
    piedpage2->setText(line);
}

void Texercice14v3b::zs1Click()
{
    piedpage1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    piedpage2->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

void Texercice14v3b::Button3Click()
{
    const bool centred = (piedpage1->alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignHCenter;
    if (piedpage1->text() != ExpectedFooter || !centred) {
        session()->wrong(ReadAgain);
        return;
    }
    session()->verdict(0, CommonTexts::SuccessBox, Label1);
}
