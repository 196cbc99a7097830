#include "dialogs/uimpressionv3.h"

#include "dialogs/uimpressionapercuv3.h"
#include "pictures/fonts.h"
#include "pictures/pictures.h"
#include "pictures/printing.h"
#include "shell/exercise/exercisescreen.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/choicecombo.h"
#include "widgets/messagebox.h"
#include "widgets/placement.h"
#include "widgets/spinedit.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVariant>
#include <QWindow>

namespace PrintDialogs {
void dress(QWidget *dialog, const QString &name, const QString &caption, int width, int height)
{
    dialog->setObjectName(name);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(caption);
    dialog->setFixedSize(width, height);
    dialog->setFont(pixelFont(QStringLiteral("Comic Sans MS"), 11));
}

void centreOnScreen(QWidget *dialog)
{
    const QScreen *screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), dialog->size());
    frame.moveCenter(screen->availableGeometry().center());
    dialog->move(frame.topLeft());
}

namespace {
// True when the window is the dialog's own or one of its pop-ups (a list opened).
bool belongsTo(const QWindow *window, const QWidget *dialog)
{
    for (const QWindow *w = window; w; w = w->transientParent())
        if (w == dialog->windowHandle())
            return true;
    return window && window->type() == Qt::Popup;
}
}

void closeWhenLeft(QWidget *dialog)
{
    // A tool window counts as active for as long as its owner is, so Qt sends it no
    // deactivation when the pupil clicks the owner: follow the focus window instead.
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, dialog, [dialog](QWindow *now) {
        if (!dialog->isVisible() || belongsTo(now, dialog) || MessageBox::isShowing())
            return;
        if (!dialog->property("tavelo_wasFocused").toBool())
            return;   // not yet reached by the pupil: its own activation is on its way
        // Deferred: the window system is still delivering the change.
        QTimer::singleShot(0, dialog, [dialog] {
            if (dialog->isVisible() && !belongsTo(QGuiApplication::focusWindow(), dialog)
                && !MessageBox::isShowing())
                dialog->close();
        });
    });
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, dialog, [dialog](QWindow *now) {
        if (now && now == dialog->windowHandle())
            dialog->setProperty("tavelo_wasFocused", true);
    });
}
}

namespace {
constexpr QSize ClientSize(476, 260);
constexpr QRect PrinterIcon(56, 18, 26, 26);
constexpr QRect PageOutlines(254, 170, 84, 48);

const Pictures::Registrar printerIcon{{QStringLiteral("Timpressionv3/Image1"), PrinterIcon.size(),
                                       [](QPainter &p, const QSize &s) {
                                           Printing::paintPrinterIcon(p, QRectF(QPointF(0, 0), s));
                                       },
                                       {}}};
const Pictures::Registrar pageOutlines{{QStringLiteral("Timpressionv3/Image2"), PageOutlines.size(),
                                        [](QPainter &p, const QSize &s) {
                                            Printing::paintPageOutlines(p, QRect(QPoint(0, 0), s));
                                        },
                                        {}}};

QLabel *pictureLabel(QWidget *parent, const QString &name, const QRect &rect)
{
    auto *label = place(new QLabel(parent), name, rect);
    label->setPixmap(Pictures::get(QStringLiteral("Timpressionv3/") + name));
    return label;
}

QLabel *textLabel(QWidget *parent, const QString &text, const QRect &rect, const QString &name = QString())
{
    auto *label = place(new QLabel(text, parent), name, rect);
    return label;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, const QRect &rect)
{
    auto *b = place(new QPushButton(caption, parent), name, rect);
    b->setAutoDefault(false);
    return b;
}
}

const QString Timpressionv3::Caption = QStringLiteral("Imprimer");
const QStringList Timpressionv3::Printers{QStringLiteral("Jet d'encre  Brother 1030 monochrome"),
                                          QStringLiteral("Laser Canon ip4200 couleur"),
                                          QStringLiteral("Laser Samsung 2150 monochrome")};
const QString Timpressionv3::ColourPrinter = QStringLiteral("Laser Canon ip4200 couleur");

Timpressionv3::Timpressionv3(ExerciseScreen *owner, std::function<int()> selectionLength, QLabel *label1,
                             QLabel *label2)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_owner(owner),
      m_selectionLength(std::move(selectionLength)), m_label1(label1), m_label2(label2)
{
    PrintDialogs::dress(this, QStringLiteral("Timpressionv3"), Caption, ClientSize.width(), ClientSize.height());

    GroupBox1 = place(new QGroupBox(QStringLiteral("Imprimante"), this), "GroupBox1", QRect(8, 2, 460, 122));
    Label1 = textLabel(GroupBox1, QStringLiteral("&Nom :"), QRect(10, 22, 44, 20), QStringLiteral("Label1"));
    Image1 = pictureLabel(GroupBox1, QStringLiteral("Image1"), PrinterIcon);
    ComboBox1 = place(new ChoiceCombo(GroupBox1), "ComboBox1", QRect(86, 20, 252, 24));
    ComboBox1->addItems(Printers);
    ComboBox1->setMaxVisibleItems(3);
    ComboBox1->setCurrentIndex(0);   // shown, not chosen
    Label1->setBuddy(ComboBox1);
    Button1 = button(GroupBox1, QStringLiteral("Button1"), QStringLiteral("P&ropriétés"), QRect(352, 19, 96, 26));
    textLabel(GroupBox1, QStringLiteral("Etat :"), QRect(10, 52, 80, 18));
    textLabel(GroupBox1, QStringLiteral("Inactive"), QRect(96, 52, 200, 18));
    textLabel(GroupBox1, QStringLiteral("Où :"), QRect(10, 72, 80, 18));
    textLabel(GroupBox1, QStringLiteral("LPT1"), QRect(96, 72, 200, 18));
    textLabel(GroupBox1, QStringLiteral("Commentaire :"), QRect(10, 92, 84, 18));
    CheckBox1 = place(new QCheckBox(QStringLiteral("Imprimer dans un &fichier"), GroupBox1), "CheckBox1",
                      QRect(292, 94, 160, 20));

    GroupBox2 = place(new QGroupBox(QStringLiteral("Plusieurs pages"), this), "GroupBox2", QRect(8, 128, 226, 96));
    RadioButton1 = place(new QRadioButton(QStringLiteral("&Tout"), GroupBox2), "RadioButton1", QRect(10, 18, 120, 18));
    RadioButton2 = place(new QRadioButton(QStringLiteral("P&age en cours"), GroupBox2), "RadioButton2",
                         QRect(10, 37, 130, 18));
    RadioButton3 = place(new QRadioButton(QStringLiteral("&Pages :"), GroupBox2), "RadioButton3", QRect(10, 56, 72, 18));
    Edit1 = place(new QLineEdit(GroupBox2), "Edit1", QRect(86, 55, 128, 20));
    Edit1->setReadOnly(true);
    RadioButton4 = place(new QRadioButton(QStringLiteral("Sélection"), GroupBox2), "RadioButton4",
                         QRect(10, 75, 120, 18));
    RadioButton1->setChecked(true);

    GroupBox3 = place(new QGroupBox(QStringLiteral("Copies"), this), "GroupBox3", QRect(242, 128, 226, 96));
    Label6 = textLabel(GroupBox3, QStringLiteral("Nombre de &copies :"), QRect(10, 20, 118, 20), QStringLiteral("Label6"));
    Edit2 = place(new SpinEdit(GroupBox3), "Edit2", QRect(134, 18, 64, 24));
    Edit2->setRange(1, 100);
    Edit2->setText(QStringLiteral("1"));
    Edit2->upButton()->setObjectName(QStringLiteral("UpDown1Up"));
    Edit2->downButton()->setObjectName(QStringLiteral("UpDown1Down"));
    Label6->setBuddy(Edit2->edit());
    Image2 = pictureLabel(this, QStringLiteral("Image2"), PageOutlines);
    CheckBox2 = place(new QCheckBox(QStringLiteral("Copies assem&blées"), GroupBox3), "CheckBox2",
                      QRect(100, 62, 122, 20));
    CheckBox2->setChecked(true);

    Button5 = button(this, QStringLiteral("Button5"), QStringLiteral("Aperçu "), QRect(8, 230, 84, 26));
    Button3 = button(this, QStringLiteral("Button3"), QStringLiteral("OK"), QRect(296, 230, 84, 26));
    Button4 = button(this, QStringLiteral("Button4"), QStringLiteral("Annuler"), QRect(384, 230, 84, 26));

    PrintDialogs::closeWhenLeft(this);   // FormDeactivate
    connect(Button5, &QPushButton::clicked, this, &Timpressionv3::Button5Click);
    connect(Button3, &QPushButton::clicked, this, &Timpressionv3::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &Timpressionv3::Button4Click);
}

void Timpressionv3::showCentred()
{
    PrintDialogs::centreOnScreen(this);
    show();
    activateWindow();
}

bool Timpressionv3::settingsRight() const
{
    const int length = m_selectionLength ? m_selectionLength() : 0;
    const bool selection = length >= ShortestSelection && length <= LongestSelection;
    const bool printer = ComboBox1->chosenFromList() && ComboBox1->currentText() == ColourPrinter;
    const bool copies = Edit2->text() == QLatin1String("2");
    return selection && printer && copies && RadioButton4->isChecked() && !CheckBox1->isChecked();
}

void Timpressionv3::wrongAction()
{
    if (ExerciseSession *session = m_owner ? m_owner->session() : nullptr)
        session->wrong(CommonTexts::WrongWayReadCarefully);
}

void Timpressionv3::Button5Click()
{
    if (!settingsRight()) {
        wrongAction();
        return;
    }
    // One preview at a time: an older one goes.
    for (Timpressionapercuv3 *older : m_owner->findChildren<Timpressionapercuv3 *>(Qt::FindDirectChildrenOnly))
        older->close();
    auto *preview = new Timpressionapercuv3(m_owner, m_label1, m_label2);
    if (ExerciseSession *session = m_owner->session())
        session->adopt(preview);
    preview->showCentred();
    close();
}

void Timpressionv3::Button3Click()
{
    wrongAction();
}

void Timpressionv3::Button4Click()
{
    close();
}
