#include "exercises/domain1/print_settings/u5v3.h"

#include "dialogs/uimpressionv3.h"
#include "exercises/domain1/print_settings/layout.h"
#include "pictures/fonts.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/dismissingclicks.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"
#include "widgets/richoffsets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

using namespace PrintSettingsLayout;

namespace {
using W = Texercice5v3;

MenuTable wordProcessorMenus()
{
    return {
        {QStringLiteral("Fichier"),
         {MenuEntry::item(W::Nouveau, QStringLiteral("Nouveau")), MenuEntry::item(W::Ouvrir, QStringLiteral("Ouvrir")),
          MenuEntry::item(W::Fermer, QStringLiteral("Fermer")),
          MenuEntry::item(W::Enregistrer, QStringLiteral("Enregistrer")),
          MenuEntry::item(W::Imprimer, QStringLiteral("Imprimer")),
          MenuEntry::item(W::Apercu, QStringLiteral("Aperçu"), QString(), QStringLiteral("Aperu1")),
          MenuEntry::item(W::Quitter, QStringLiteral("Quitter"))}},
        {QStringLiteral("Edition"), {}},
        {QStringLiteral("Affichage"), {}},
        {QString(), {}},
        {QString(), {}},
    };
}

MenuRoles wordProcessorRoles()
{
    MenuRoles roles;
    roles.steps = {{W::Apercu, 0, 0}};   // the window has no steps: always the preview
    return roles;
}
}

Texercice5v3::Texercice5v3(ExerciseSession *session)
    : MenuScreen(session, QStringLiteral("Texercice5v3"), ClientSize, wordProcessorMenus(), wordProcessorRoles())
{
    useTitleBar(Caption);
    QWidget *area = client();
    area->setAutoFillBackground(true);
    QPalette background = area->palette();
    background.setColor(QPalette::Window, Background);
    area->setPalette(background);

    Image1 = picture(QStringLiteral("Image1"), PrintSettingsLayout::Image1);
    RichEdit1 = place(new QTextEdit(area), "RichEdit1", PrintSettingsLayout::RichEdit1);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    RichEdit1->setFont(pixelFont(QStringLiteral("Tahoma"), 11));
    RichEdit1->document()->setDefaultFont(pixelFont(QStringLiteral("Tahoma"), 11));
    // Protected: the pupil selects, nothing he types reaches the text.
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->setContextMenuPolicy(Qt::NoContextMenu);
    RichEdit1->installEventFilter(this);
    RichEdit1->viewport()->installEventFilter(this);
    zs1 = hotSpot(QStringLiteral("zs1"), PrintSettingsLayout::zs1);
    zs2 = hotSpot(QStringLiteral("zs2"), PrintSettingsLayout::zs2);

    InstructionBubble *bubble = placeBubble(teteordi, Shape5);
    Label1 = bubble->addLabel(QStringLiteral("Label1"), PrintSettingsLayout::Label1, Instruction);
    Label2 = bubble->addLabel(QStringLiteral("Label2"), PrintSettingsLayout::Label2, SecondLine);
    Label2->setFont(pixelFont(QStringLiteral("Comic Sans MS"), 16));
    placeAbandon(QStringLiteral("BitBtn20"), PrintSettingsLayout::BitBtn20);
    centreOnScreen();

    // Clicking the tool bars while the print dialog shows only closes the dialog.
    DismissingClicks::connect(zs1, [this] { return m_print && m_print->isVisible(); }, [this] { zs1Click(); });
    connect(zs2, &HotSpot::clicked, this, &Texercice5v3::Aperu1Click);
}

void Texercice5v3::FormShow()
{
    MenuScreen::FormShow();
    session()->resetErrors();
    fillText();
    setFocus();
    RichEdit1->selectAll();
}

void Texercice5v3::fillText()
{
    RichEdit1->clear();
    QTextCursor cursor(RichEdit1->document());
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    const QStringList &lines = poem();
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.setBlockFormat(centred);
        QTextCharFormat format;
        format.setFont(pixelFont(QStringLiteral("Tahoma"), 11));
        const int stanza = stanzaOf(i);
        format.setForeground(stanza < 0 ? QColor(Qt::black) : stanzaColour(stanza));
        cursor.insertText(lines.at(i), format);
    }
}

int Texercice5v3::selectionLength() const
{
    return RichOffsets::selectionLength(RichEdit1->textCursor());
}

void Texercice5v3::menuStep(int id)
{
    if (id == Apercu)
        Aperu1Click();
}

void Texercice5v3::wrongMenu()
{
    Nouveau1Click();
}

void Texercice5v3::Aperu1Click()
{
    if (m_print)
        m_print->close();
    m_print = new Timpressionv3(this, [this] { return selectionLength(); }, Label1, Label2);
    session()->adopt(m_print);
    m_print->showCentred();
}

void Texercice5v3::Nouveau1Click()
{
    session()->wrong(CommonTexts::WrongWayReadCarefully);
}

void Texercice5v3::zs1Click()
{
    Nouveau1Click();
}

// Every key that gives a character (letters, digits, space, Enter, Backspace, the
// control combinations such as copying) is a wrong action; moving keys are free.
bool Texercice5v3::RichEdit1KeyPress(const QString &typed)
{
    if (typed.isEmpty())
        return false;
    session()->wrong(CommonTexts::WrongWayReadCarefully);
    return true;
}

bool Texercice5v3::eventFilter(QObject *watched, QEvent *event)
{
    // A press inside the selection starts a new one: the protected text is not
    // dragged away (a drag would select nothing and puzzle the pupil).
    if (watched == RichEdit1->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && !(mouse->modifiers() & Qt::ShiftModifier)) {
            QTextCursor cursor = RichEdit1->textCursor();
            cursor.clearSelection();
            RichEdit1->setTextCursor(cursor);
        }
    }
    if (watched == RichEdit1 && event->type() == QEvent::KeyPress)
        return RichEdit1KeyPress(static_cast<QKeyEvent *>(event)->text());
    // Shortcut-like keys (Ctrl+C) are still key presses for the text.
    if (watched == RichEdit1 && event->type() == QEvent::ShortcutOverride
        && !static_cast<QKeyEvent *>(event)->text().isEmpty()) {
        event->accept();
        return true;
    }
    return MenuScreen::eventFilter(watched, event);
}

namespace {
const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice5v3>(Competence));
}
