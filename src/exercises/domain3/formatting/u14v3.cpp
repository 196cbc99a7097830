#include "exercises/domain3/formatting/u14v3.h"
#include "exercises/domain3/formatting/toolbar.h"

#include "exercises/domain3/formatting/document.h"
#include "exercises/domain3/formatting/fontdialog.h"
#include "exercises/domain3/formatting/layout.h"
#include "exercises/domain3/formatting/u14v3b.h"
#include "pictures/wordprocessor.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/picturebox.h"

#include <QAction>
#include <climits>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QToolButton>

using namespace FormattingLayout;
using WordProcessor::Tool;

namespace {
const QString CopyInstruction = QStringLiteral("Copiez le texte de la page1 dans la page2, puis appuyer sur \"OK\"");
const QString FormatInstruction =
    QStringLiteral("Maintenant, mets le texte en forme dans la\npage2(caractères : times new roman 12)");
const QString ReadAgain = QStringLiteral("Relis bien la consigne !");

// The word processor's menus. Only the four editing commands and the font item
// act; everything else is disabled or does nothing here.
enum MenuId {
    FileItem, EditUndo, EditCut, EditCopy, EditPaste, EditInsertPicture, FormatFont,
    InsertItem, InsertField, FieldItem, InsertFooter
};

MenuEntry disabled(int id, const QString &caption)
{
    MenuEntry entry = MenuEntry::item(id, caption);
    entry.enabled = false;
    return entry;
}

MenuTable windowMenus()
{
    QList<MenuEntry> file, insert, fields;
    for (const char *text : {"&Nouveau", "&Ouvrir", "&Sauver", "Sauver &Comme", "&Imprimer", "&Quitter"})
        file << disabled(FileItem, QString::fromUtf8(text));
    for (const char *text : {"Image", "Cadre", "Tableau", "En-tête", "Fichier"})
        insert << disabled(InsertItem, QString::fromUtf8(text));
    for (const char *text : {"Date", "Heure", "Numéro page", "Nombre de pages"})
        fields << disabled(FieldItem, QString::fromUtf8(text));
    MenuEntry field = MenuEntry::sub(InsertField, QStringLiteral("Champ"), fields);
    field.enabled = false;
    insert << field << MenuEntry::item(InsertFooter, QStringLiteral("Piedpage"));   // enabled, does nothing here
    MenuEntry font = disabled(FormatFont, QStringLiteral("&Police"));
    font.name = QStringLiteral("miEditFont");
    return {
        {QStringLiteral("&Fichier"), file, {}},
        {QStringLiteral("&Edition"),
         {MenuEntry::item(EditUndo, QStringLiteral("&Défaire"), {}, QStringLiteral("EditUndoCmd")), MenuEntry::separator(),
          MenuEntry::item(EditCut, QStringLiteral("&Couper"), {}, QStringLiteral("EditCutCmd")),
          MenuEntry::item(EditCopy, QStringLiteral("&Copier"), {}, QStringLiteral("EditCopyCmd")),
          MenuEntry::item(EditPaste, QStringLiteral("&Coller"), {}, QStringLiteral("EditPasteCmd")), MenuEntry::separator(),
          disabled(EditInsertPicture, QStringLiteral("insérer image"))},
         {}},
        {QStringLiteral("Format"), {font}, {}},
        {QStringLiteral("Insertion"), insert, {}},
    };
}

MenuRoles windowMenuRoles()
{
    MenuRoles roles;
    for (int id : {EditUndo, EditCut, EditCopy, EditPaste, FormatFont})
        roles.steps << MenuStep{id, INT_MIN, INT_MAX};
    roles.otherwise = MenuRole::Inert;
    return roles;
}

QAction *inertItem(QMenu *menu, const QString &text)
{
    QAction *item = menu->addAction(text);
    item->setEnabled(false);
    return item;
}

// The key sequences the window's actions own, whatever control has the focus.
bool isActionKey(QKeyEvent *key)
{
    return key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut)
           || key->matches(QKeySequence::Undo);
}
}

Texercice14v3::Texercice14v3(ExerciseSession *session)
    : MenuScreen(session, QStringLiteral("Texercice14v3"), WindowSize, windowMenus(), windowMenuRoles())
{
    // The menu bar takes the top of the window; every control lies in the client
    // area under it, placed in client pixels.
    m_client = client();
    bindMenus();
    auto *desk = new PictureBox(QStringLiteral("Texercice14v3/Image1"), m_client);
    desk->setGeometry(QRect(QPoint(0, 0), m_client->size()));
    createToolBar();
    createEditors();

    placeBubble(Mascot, BubbleShape);
    Label1 = instructionLabel(QStringLiteral("Label1"), CopyInstruction);

    Button1 = new QPushButton(QStringLiteral("OK"), m_client);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(OkButton);
    QFont okFont = Button1->font();
    okFont.setBold(true);
    okFont.setItalic(true);
    okFont.setPointSize(14);
    Button1->setFont(okFont);
    Button1->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    Button2 = new QPushButton(QStringLiteral("OK"), m_client);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(OkButton);
    Button2->setFont(okFont);
    Button2->hide();
    connect(Button1, &QPushButton::clicked, this, &Texercice14v3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Texercice14v3::Button2Click);

    placeAbandon(QStringLiteral("BitBtn20"), AbandonButton);

    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &Texercice14v3::updateActions);
    updateActions();
}

void Texercice14v3::bindMenus()
{
    MainMenu = menuBar();
    MainMenu->setObjectName(QStringLiteral("MainMenu"));
    EditCutCmd = menuAction(EditCut);
    EditCutCmd->setShortcuts(QKeySequence::Cut);
    EditCutCmd->setToolTip(QStringLiteral("couper"));
    EditCopyCmd = menuAction(EditCopy);
    EditCopyCmd->setShortcuts(QKeySequence::Copy);
    EditCopyCmd->setToolTip(QStringLiteral("copier"));
    EditPasteCmd = menuAction(EditPaste);
    EditPasteCmd->setShortcuts(QKeySequence::Paste);
    EditPasteCmd->setToolTip(QStringLiteral("coller"));
    EditUndoCmd = menuAction(EditUndo);
    EditUndoCmd->setShortcuts(QKeySequence::Undo);
    EditUndoCmd->setToolTip(QStringLiteral("Défaire"));
    for (QAction *action : {EditCutCmd, EditCopyCmd, EditPasteCmd, EditUndoCmd}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    miEditFont = menuAction(FormatFont);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    inertItem(PopupMenu1, QStringLiteral("Couper"));
    PopupMenu1->addAction(EditCopyCmd);
    inertItem(PopupMenu1, QStringLiteral("Coller"));
    changerpolice1 = PopupMenu1->addAction(QStringLiteral("changer police"));
    changerpolice1->setObjectName(QStringLiteral("changerpolice1"));
    changerpolice1->setEnabled(false);
    connect(changerpolice1, &QAction::triggered, this, &Texercice14v3::miEditFontClick);

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    inertItem(PopupMenu2, QStringLiteral("Couper"));
    inertItem(PopupMenu2, QStringLiteral("Copier"));
    Coller2 = PopupMenu2->addAction(QStringLiteral("Coller"));
    Coller2->setObjectName(QStringLiteral("Coller2"));
    connect(Coller2, &QAction::triggered, this, &Texercice14v3::EditPasteCmdExecute);
}

QToolButton *Texercice14v3::toolButton(const QString &name, int tool, const QString &hint, bool toggle)
{
    auto *button = new QToolButton(m_client);
    button->setObjectName(name);
    button->setGeometry(WordProcessor::toolRect(FormattingToolBar::items(), Tool(tool)));
    button->setIcon(WordProcessor::icon(Tool(tool)));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setCheckable(toggle);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(hint);
    return button;
}

void Texercice14v3::createToolBar()
{
    NewButton = toolButton(QStringLiteral("NewButton"), int(Tool::New), QStringLiteral("créer un nouveau fichier"), false);
    OpenButton = toolButton(QStringLiteral("OpenButton"), int(Tool::Open), QStringLiteral("ouvrir un fichier existant"), false);
    SaveButton = toolButton(QStringLiteral("SaveButton"), int(Tool::Save), QStringLiteral("sauvegarder le fichier"), false);
    PrintButton = toolButton(QStringLiteral("PrintButton"), int(Tool::Print), QStringLiteral("imprimer le fichier"), false);
    CutButton = toolButton(QStringLiteral("CutButton"), int(Tool::Cut), QStringLiteral("couper"), false);
    CopyButton = toolButton(QStringLiteral("CopyButton"), int(Tool::Copy), QStringLiteral("copier"), false);
    PasteButton = toolButton(QStringLiteral("PasteButton"), int(Tool::Paste), QStringLiteral("coller"), false);
    UndoButton = toolButton(QStringLiteral("UndoButton"), int(Tool::Undo), QStringLiteral("Défaire"), false);
    BoldButton = toolButton(QStringLiteral("BoldButton"), int(Tool::Bold), QStringLiteral("Gras"), true);
    ItalicButton = toolButton(QStringLiteral("ItalicButton"), int(Tool::Italic), QStringLiteral("Italique"), true);
    UnderlineButton = toolButton(QStringLiteral("UnderlineButton"), int(Tool::Underline), QStringLiteral("souligné"), true);
    LeftAlign = toolButton(QStringLiteral("LeftAlign"), int(Tool::AlignLeft), QStringLiteral("aligner gauche"), true);
    CenterAlign = toolButton(QStringLiteral("CenterAlign"), int(Tool::AlignCenter), QStringLiteral("centrer"), true);
    RightAlign = toolButton(QStringLiteral("RightAlign"), int(Tool::AlignRight), QStringLiteral("aligner à droite"), true);
    BulletsButton = toolButton(QStringLiteral("BulletsButton"), int(Tool::Bullets), QStringLiteral("puces et numéros"), true);
    for (QToolButton *group : {LeftAlign, CenterAlign, RightAlign})
        group->setAutoExclusive(true);
    LeftAlign->setChecked(true);

    // Bound buttons show their action's state and run it.
    const auto bind = [this](QToolButton *button, QAction *action) {
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
    };
    bind(CutButton, EditCutCmd);
    bind(CopyButton, EditCopyCmd);
    bind(PasteButton, EditPasteCmd);
    bind(UndoButton, EditUndoCmd);

    connect(BoldButton, &QToolButton::toggled, this, &Texercice14v3::BoldButtonClick);
    connect(ItalicButton, &QToolButton::toggled, this, &Texercice14v3::ItalicButtonClick);
    connect(UnderlineButton, &QToolButton::toggled, this, &Texercice14v3::UnderlineButtonClick);
    for (QToolButton *group : {LeftAlign, CenterAlign, RightAlign})
        connect(group, &QToolButton::toggled, this, &Texercice14v3::AlignButtonClick);
    connect(BulletsButton, &QToolButton::toggled, this, &Texercice14v3::BulletsButtonClick);
}

void Texercice14v3::createEditors()
{
    PageLabel1 = new QLabel(QStringLiteral("Page1"), m_client);
    PageLabel1->setObjectName(QStringLiteral("PageLabel1"));
    PageLabel1->setGeometry(LeftPageLabel);
    PageLabel2 = new QLabel(QStringLiteral("Page2"), m_client);
    PageLabel2->setObjectName(QStringLiteral("PageLabel2"));
    PageLabel2->setGeometry(RightPageLabel);
    for (QLabel *label : {PageLabel1, PageLabel2}) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->setStyleSheet(QStringLiteral("color: white;"));
    }

    Editor = new QTextEdit(m_client);
    Editor->setObjectName(QStringLiteral("Editor"));
    Editor->setGeometry(LeftPage);
    editor2 = new QTextEdit(m_client);
    editor2->setObjectName(QStringLiteral("editor2"));
    editor2->setGeometry(RightPage);
    for (QTextEdit *page : {Editor, editor2}) {
        page->document()->setDefaultFont(FormattingDocument::pageFont());
        page->setFrameShape(QFrame::NoFrame);
        // A page keeps its width: no scroll bar comes to narrow it and rewrap the lines.
        page->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        page->setContextMenuPolicy(Qt::CustomContextMenu);
        page->installEventFilter(this);
        FormattingDocument::applyPageMargins(page);
        connect(page, &QTextEdit::selectionChanged, this, &Texercice14v3::SelectionChange);
        connect(page, &QTextEdit::cursorPositionChanged, this, &Texercice14v3::SelectionChange);
    }
    connect(Editor, &QTextEdit::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(Editor->mapToGlobal(at)); });
    connect(editor2, &QTextEdit::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu2->popup(editor2->mapToGlobal(at)); });
    connect(Editor, &QTextEdit::copyAvailable, this, &Texercice14v3::updateActions);
    connect(Editor, &QTextEdit::undoAvailable, this, &Texercice14v3::updateActions);
}

void Texercice14v3::FormShow()
{
    MenuScreen::FormShow();
    // Page 1 is filled when the window first shows; a failed copy reloads it.
    FormattingDocument::fillSource(Editor);
    Editor->setFocus();
    SelectionChange();
    updateActions();
}

bool Texercice14v3::eventFilter(QObject *watched, QEvent *event)
{
    // Copy, cut, paste and undo are the window's actions, whichever page has the
    // focus: the page must not take their keys for itself.
    if ((watched == Editor || watched == editor2) && event->type() == QEvent::ShortcutOverride
        && isActionKey(static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return true;
    }
    return MenuScreen::eventFilter(watched, event);
}

void Texercice14v3::paintEvent(QPaintEvent *event)
{
    reapplyMargins();
    MenuScreen::paintEvent(event);
}

void Texercice14v3::resizeEvent(QResizeEvent *event)
{
    MenuScreen::resizeEvent(event);
    reapplyMargins();
    SelectionChange();
}

void Texercice14v3::reapplyMargins()
{
    if (!Editor)
        return;
    FormattingDocument::applyPageMargins(Editor);
    FormattingDocument::applyPageMargins(editor2);
}

// Step 1: the first five displayed lines of both pages must be equal.
void Texercice14v3::Button1Click()
{
    if (FormattingDocument::sameFirstLines(Editor, editor2)) {
        enterFormatStep();
        return;
    }
    session()->wrong(ReadAgain);
    FormattingDocument::fillSource(Editor);   // page 1 is reloaded when the box closes
    SelectionChange();
}

void Texercice14v3::enterFormatStep()
{
    m_step = Step::Format;
    Button2->show();
    changerpolice1->setEnabled(true);
    miEditFont->setEnabled(true);
    Label1->setText(FormatInstruction);
    Button1->hide();
    FormattingDocument::fillModel(editor2);
    editor2->setReadOnly(true);
    Editor->setReadOnly(false);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(8);
    Editor->document()->setDefaultFont(arial);
    Editor->setGeometry(RightPage);
    editor2->setGeometry(LeftPage);
    SelectionChange();
    updateActions();
}

// Step 2: the four ranges of the pupil's page against the model.
void Texercice14v3::Button2Click()
{
    const int passed = FormattingDocument::passedRanges(Editor);   // counted silently
    const int total = int(FormattingDocument::formatRanges().size());
    if (passed == total) {
        session()->handOver(this, new Texercice14v3b(session()));
        return;
    }
    Label1->setText(QStringLiteral("Il reste ") + QString::number(total - passed) + QStringLiteral(" erreur(s)."));
    session()->countError();
}

void Texercice14v3::setStyleBit(const QTextCharFormat &bit)
{
    if (m_updating)
        return;
    Editor->mergeCurrentCharFormat(bit);
}

void Texercice14v3::BoldButtonClick(bool down)
{
    QTextCharFormat bit;
    bit.setFontWeight(down ? QFont::Bold : QFont::Normal);
    setStyleBit(bit);
}

void Texercice14v3::ItalicButtonClick(bool down)
{
    QTextCharFormat bit;
    bit.setFontItalic(down);
    setStyleBit(bit);
}

void Texercice14v3::UnderlineButtonClick(bool down)
{
    QTextCharFormat bit;
    bit.setFontUnderline(down);
    setStyleBit(bit);
}

void Texercice14v3::AlignButtonClick()
{
    if (m_updating)
        return;
    auto *button = qobject_cast<QToolButton *>(sender());
    if (!button || !button->isChecked())
        return;
    const Qt::Alignment alignment = button == CenterAlign ? Qt::AlignHCenter
                                    : button == RightAlign ? Qt::AlignRight
                                                           : Qt::AlignLeft;
    Editor->setAlignment(alignment);
}

void Texercice14v3::BulletsButtonClick(bool down)
{
    if (m_updating)
        return;
    QTextCursor cursor = Editor->textCursor();
    if (down) {
        if (!cursor.currentList())
            cursor.createList(QTextListFormat::ListDisc);
        return;
    }
    if (QTextList *list = cursor.currentList()) {
        list->remove(cursor.block());
        QTextBlockFormat plain = cursor.blockFormat();
        plain.setIndent(0);
        cursor.setBlockFormat(plain);
    }
}

void Texercice14v3::menuStep(int id)
{
    switch (id) {
    case EditUndo: EditUndoCmdExecute(); break;
    case EditCut: EditCutCmdExecute(); break;
    case EditCopy: EditCopyCmdExecute(); break;
    case EditPaste: EditPasteCmdExecute(); break;
    case FormatFont: miEditFontClick(); break;
    default: break;
    }
}

void Texercice14v3::EditCutCmdExecute()
{
    if (Editor->textCursor().hasSelection())
        Editor->cut();
}

void Texercice14v3::EditCopyCmdExecute()
{
    if (Editor->textCursor().hasSelection())
        Editor->copy();
    updateActions();
}

void Texercice14v3::EditPasteCmdExecute()
{
    if (!editor2->isReadOnly())
        editor2->paste();
}

void Texercice14v3::EditUndoCmdExecute()
{
    Editor->undo();
}

void Texercice14v3::updateActions()
{
    if (!Editor)
        return;
    const bool selection = Editor->textCursor().hasSelection();
    EditCopyCmd->setEnabled(selection);
    EditCutCmd->setEnabled(selection && !Editor->isReadOnly());
    const QMimeData *clipboard = QApplication::clipboard()->mimeData();
    EditPasteCmd->setEnabled(clipboard && clipboard->hasText() && !clipboard->text().isEmpty());
    EditUndoCmd->setEnabled(Editor->document()->isUndoAvailable());
}

// Reads Editor (even when editor2 moved) and puts the tool buttons up or down.
void Texercice14v3::SelectionChange()
{
    if (!Editor || !BoldButton)
        return;
    m_updating = true;
    const FormattingDocument::Reading current = FormattingDocument::readCurrent(Editor);
    BoldButton->setChecked(current.bold);
    ItalicButton->setChecked(current.italic);
    UnderlineButton->setChecked(current.underline);
    BulletsButton->setChecked(Editor->textCursor().currentList() != nullptr);
    const Qt::Alignment alignment = Editor->alignment() & Qt::AlignHorizontal_Mask;
    (alignment & Qt::AlignHCenter ? CenterAlign : alignment & Qt::AlignRight ? RightAlign : LeftAlign)->setChecked(true);
    m_updating = false;
    updateActions();
}

// "&Police" and "changer police": the font dialog, preset from the selection.
void Texercice14v3::miEditFontClick()
{
    if (m_polices)
        return;
    m_polices = new FontDialog(this);
    m_polices->setAttribute(Qt::WA_DeleteOnClose);
    session()->adopt(m_polices);   // it closes with the exercise, whatever ends it
    const FormattingDocument::Reading current = FormattingDocument::readCurrent(Editor);
    FontDialog::Choice preset;
    preset.family = current.family;
    preset.pointSize = current.pointSize;
    preset.bold = current.bold;
    preset.italic = current.italic;
    preset.underline = current.underline;
    preset.strikeOut = current.strikeOut;
    preset.colour = current.automaticColour ? QColor(0, 0, 0) : current.colour;
    m_polices->setChoice(preset);
    connect(m_polices, &QDialog::finished, this, [this](int result) {
        if (result == QDialog::Accepted && m_polices)
            Editor->mergeCurrentCharFormat(m_polices->charFormat());
        SelectionChange();
        Editor->setFocus();
    });
    m_polices->open();
}

namespace {
const ExerciseRegistry::Registrar registration(FormattingLayout::Competence,
                                                 ExerciseSession::launcher<Texercice14v3>(FormattingLayout::Competence));
}
