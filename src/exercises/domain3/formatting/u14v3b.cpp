#include "exercises/domain3/formatting/u14v3b.h"

#include "exercises/domain3/formatting/document.h"
#include "exercises/domain3/formatting/layout.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"

#include <QAction>
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
const QString &WrongWay = CommonTexts::WrongWay;
const QString ReadAgain = QStringLiteral("Relis bien la consigne !");
const QString ExpectedFooter = QStringLiteral("page 1 sur 2");
}

Texercice14v3b::Texercice14v3b(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice14v3b"), WindowSize)
{
    // The menu bar takes the top of the window; every control lies in the client
    // area under it, placed in client pixels.
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setGeometry(0, MenuHeight, WindowSize.width(), WindowSize.height() - MenuHeight);
    createMenus();
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

QAction *Texercice14v3b::wrongItem(QMenu *menu, const QString &text)
{
    QAction *item = menu->addAction(text);
    connect(item, &QAction::triggered, this, [this] { session()->wrong(WrongWay); });
    return item;
}

void Texercice14v3b::createMenus()
{
    MainMenu = new QMenuBar(this);
    MainMenu->setObjectName(QStringLiteral("MainMenu"));
    MainMenu->setGeometry(0, 0, WindowSize.width(), MenuHeight);

    QMenu *file = MainMenu->addMenu(QStringLiteral("&Fichier"));
    for (const char *text : {"&Nouveau", "&Ouvrir", "&Sauver", "Sauver &Comme", "&Imprimer", "&Quitter"})
        wrongItem(file, QString::fromUtf8(text));

    QMenu *edit = MainMenu->addMenu(QStringLiteral("&Edition"));
    for (const char *text : {"&Défaire", "&Couper", "&Copier", "&Coller"})
        edit->addAction(QString::fromUtf8(text))->setEnabled(false);
    edit->addSeparator();
    wrongItem(edit, QStringLiteral("insérer image"));

    QMenu *format = MainMenu->addMenu(QStringLiteral("Format"));
    wrongItem(format, QStringLiteral("&Police"));

    QMenu *insert = MainMenu->addMenu(QStringLiteral("Insertion"));
    insert->setObjectName(QStringLiteral("Insertion"));
    for (const char *text : {"Image", "Cadre", "Tableau", "En-tête", "Fichier"})
        wrongItem(insert, QString::fromUtf8(text))->setObjectName(QString::fromUtf8(text));
    insertionchamp = insert->addMenu(QStringLiteral("Champ"));
    insertionchamp->setObjectName(QStringLiteral("insertionchamp"));
    insertionchamp->setEnabled(false);
    insertionchampdate = wrongItem(insertionchamp, QStringLiteral("Date"));
    insertionchampdate->setObjectName(QStringLiteral("insertionchampdate"));
    insertionchampheure = wrongItem(insertionchamp, QStringLiteral("Heure"));
    insertionchampheure->setObjectName(QStringLiteral("insertionchampheure"));
    insertionchampnumeropage = insertionchamp->addAction(QStringLiteral("Numéro page"));
    insertionchampnumeropage->setObjectName(QStringLiteral("insertionchampnumeropage"));
    insertionchampnombredepages = insertionchamp->addAction(QStringLiteral("Nombre de pages"));
    insertionchampnombredepages->setObjectName(QStringLiteral("insertionchampnombredepages"));
    for (QAction *item : {insertionchampdate, insertionchampheure, insertionchampnumeropage, insertionchampnombredepages})
        item->setEnabled(false);
    connect(insertionchampnumeropage, &QAction::triggered, this, &Texercice14v3b::insertionchampnumeropageClick);
    connect(insertionchampnombredepages, &QAction::triggered, this, &Texercice14v3b::insertionchampnombredepagesClick);
    insertionpiedpage = insert->addAction(QStringLiteral("Piedpage"));
    insertionpiedpage->setObjectName(QStringLiteral("insertionpiedpage"));
    connect(insertionpiedpage, &QAction::triggered, this, &Texercice14v3b::insertionpiedpageClick);
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
    return ExerciseScreen::eventFilter(watched, event);
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
