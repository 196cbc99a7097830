#include "dialogs/urechercherremplacerv3.h"

#include "pictures/pictures.h"
#include "widgets/messagebox.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {
constexpr QSize ClientSize(454, 423);
constexpr QPoint ScreenPlace(650, 100);
constexpr QSize ArrowSize(16, 16);

// Two stacked chevrons, pointing down (collapsed) or up (expanded).
void paintArrows(QPainter &painter, const QSize &size, bool up)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 70, 140), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal w = size.width(), h = size.height();
    for (int i = 0; i < 2; ++i) {
        const qreal y = h * (up ? 0.62 - 0.3 * i : 0.38 + 0.3 * i);
        const qreal dy = up ? -h * 0.18 : h * 0.18;
        QPainterPath path;
        path.moveTo(w * 0.2, y - dy / 2);
        path.lineTo(w * 0.5, y + dy / 2);
        path.lineTo(w * 0.8, y - dy / 2);
        painter.drawPath(path);
    }
}

const Pictures::Registrar downArrows{{QStringLiteral("TUrechercherv3/Image2"), ArrowSize,
                                      [](QPainter &p, const QSize &s) { paintArrows(p, s, false); }, {}}};
const Pictures::Registrar upArrows{{QStringLiteral("TUrechercherv3/Image1"), ArrowSize,
                                    [](QPainter &p, const QSize &s) { paintArrows(p, s, true); }, {}}};
}

const QString TUrechercherv3::WrongText = QStringLiteral("Fausse route ! Lisez bien...");

TUrechercherv3::TUrechercherv3(QWidget *owner, Judge judge, WrongAction wrong)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_judge(std::move(judge)),
      m_wrong(std::move(wrong))
{
    setObjectName(QStringLiteral("TUrechercherv3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Rechercher et Remplacer"));
    setFixedSize(ClientSize);

    Label1 = new QLabel(QStringLiteral("Rechercher"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(10, 8, 300, 18);
    Edit1 = new QLineEdit(QStringLiteral("Edit1"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(10, 27, 300, 24);
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(12, 53, 298, 18);
    Label2 = new QLabel(QStringLiteral("Remplacer"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(10, 78, 300, 18);
    Edit2 = new QLineEdit(QStringLiteral("Edit2"), this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(10, 97, 300, 24);
    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(12, 123, 298, 18);
    for (QLabel *line : {Label3, Label4})
        line->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));

    CheckBox1 = makeCheckBox(QStringLiteral("CheckBox1"), QStringLiteral("Respecter la casse"), QRect(10, 150, 300, 22));
    CheckBox2 = makeCheckBox(QStringLiteral("CheckBox2"), QStringLiteral("Mots entiers uniquement"), QRect(10, 174, 300, 22));

    Button1 = makeButton(QStringLiteral("Button1"), QStringLiteral("Rechercher"), QRect(326, 26, 118, 27));
    Button2 = makeButton(QStringLiteral("Button2"), QStringLiteral("Rechercher tout"), QRect(326, 58, 118, 27));
    Button3 = makeButton(QStringLiteral("Button3"), QStringLiteral("Remplacer"), QRect(326, 96, 118, 27));
    Button4 = makeButton(QStringLiteral("Button4"), QStringLiteral("Remplacer tout"), QRect(326, 128, 118, 27));

    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(10, 204, 434, 4);
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(QRect(QPoint(10, 220), ArrowSize));
    Image2->setPixmap(Pictures::get(QStringLiteral("TUrechercherv3/Image2")));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(QRect(QPoint(10, 220), ArrowSize));
    Image1->setPixmap(Pictures::get(QStringLiteral("TUrechercherv3/Image1")));
    Button9 = makeButton(QStringLiteral("Button9"), QStringLiteral("Autres options"), QRect(30, 214, 130, 27));
    Button10 = makeButton(QStringLiteral("Button10"), QStringLiteral("Moins d'options"), QRect(30, 214, 130, 27));
    for (QPushButton *expander : {Button9, Button10})
        expander->setFlat(true);

    CheckBox3 = makeCheckBox(QStringLiteral("CheckBox3"), QStringLiteral("Sélection active seulement"), QRect(10, 250, 300, 22));
    CheckBox4 = makeCheckBox(QStringLiteral("CheckBox4"), QStringLiteral("Vers le haut"), QRect(10, 274, 300, 22));
    CheckBox5 = makeCheckBox(QStringLiteral("CheckBox5"), QStringLiteral("Expressions régulières"), QRect(10, 298, 300, 22));
    CheckBox6 = makeCheckBox(QStringLiteral("CheckBox6"), QStringLiteral("Recherche de similarité"), QRect(10, 322, 300, 22));
    CheckBox7 = makeCheckBox(QStringLiteral("CheckBox7"), QStringLiteral("Rechercher des styles"), QRect(10, 346, 300, 22));
    Button7 = makeButton(QStringLiteral("Button7"), QStringLiteral("Attributs..."), QRect(326, 250, 118, 27));
    Button5 = makeButton(QStringLiteral("Button5"), QStringLiteral("Format"), QRect(326, 282, 118, 27));
    Button6 = makeButton(QStringLiteral("Button6"), QStringLiteral("Aucun attribut"), QRect(326, 314, 118, 27));

    auto *bottomRule = new QFrame(this);
    bottomRule->setFrameShape(QFrame::HLine);
    bottomRule->setFrameShadow(QFrame::Sunken);
    bottomRule->setGeometry(10, 378, 434, 4);
    Button8 = makeButton(QStringLiteral("Button8"), QStringLiteral("Fermer"), QRect(326, 388, 118, 27));

    connect(Button1, &QPushButton::clicked, this, &TUrechercherv3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TUrechercherv3::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TUrechercherv3::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TUrechercherv3::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TUrechercherv3::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TUrechercherv3::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TUrechercherv3::Button7Click);
    connect(Button8, &QPushButton::clicked, this, &TUrechercherv3::Button8Click);
    connect(Button9, &QPushButton::clicked, this, &TUrechercherv3::Button9Click);
    connect(Button10, &QPushButton::clicked, this, &TUrechercherv3::Button10Click);
    for (QCheckBox *option : furtherOptions())
        connect(option, &QCheckBox::clicked, this, &TUrechercherv3::FurtherOptionClick);
    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);

    setOptionsExpanded(false);
    Edit1->setFocus();
}

TUrechercherv3::~TUrechercherv3()
{
    // The attribute dialog is a child: free it while this dialog's members still
    // exist, without running the handlers that update them.
    if (m_attributes) {
        disconnect(m_attributes, nullptr, this, nullptr);
        delete m_attributes.data();
    }
}

QPushButton *TUrechercherv3::makeButton(const QString &name, const QString &caption, const QRect &rect)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(rect);
    button->setAutoDefault(false);
    return button;
}

QCheckBox *TUrechercherv3::makeCheckBox(const QString &name, const QString &caption, const QRect &rect)
{
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(name);
    box->setGeometry(rect);
    return box;
}

QList<QCheckBox *> TUrechercherv3::furtherOptions() const
{
    return {CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7};
}

void TUrechercherv3::showOverOwner()
{
    m_ownerLock.lock(parentWidget());
    move(ScreenPlace);
    show();
    activateWindow();
}

void TUrechercherv3::done(int result)
{
    if (m_attributes)
        m_attributes->close();
    m_ownerLock.release();
    QDialog::done(result);
}

bool TUrechercherv3::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == Edit1)
            setActiveSide(Side::Search);
        else if (watched == Edit2)
            setActiveSide(Side::Replace);
    }
    return QDialog::eventFilter(watched, event);
}

void TUrechercherv3::setActiveSide(Side side)
{
    m_activeSide = side;
    Button7->setEnabled(side == Side::Search);
}

void TUrechercherv3::setOptionsExpanded(bool expanded)
{
    m_expanded = expanded;
    for (QCheckBox *option : furtherOptions())
        option->setVisible(expanded);
    for (QPushButton *button : {Button7, Button5, Button6})
        button->setVisible(expanded);
    Button9->setVisible(!expanded);
    Button10->setVisible(expanded);
    Image2->setVisible(!expanded);
    Image1->setVisible(expanded);
}

// A further option never stays ticked: each ticked one is unticked and costs one error.
void TUrechercherv3::checkFurtherOptions()
{
    for (QCheckBox *option : furtherOptions()) {
        if (!option->isChecked())
            continue;
        option->setChecked(false);
        wrongWay();
    }
}

void TUrechercherv3::wrongWay()
{
    if (m_wrong)
        m_wrong(WrongText);
    else
        MessageBox::error(WrongText, this);
}

void TUrechercherv3::Button4Click()
{
    const bool accepted = m_judge && m_judge(Edit1->text(), Edit2->text(), CheckBox1->isChecked(),
                                             CheckBox2->isChecked());
    // On acceptance the exercise has closed this dialog (and maybe its own window).
    if (!accepted)
        wrongWay();
}

void TUrechercherv3::Button5Click()
{
    if (m_attributes)
        return;
    m_attributes = new TUformatrechercher15v3(&activeAttributes(), m_activeSide == Side::Replace, this);
    connect(m_attributes, &TUformatrechercher15v3::attributesConfirmed, this, &TUrechercherv3::writeAttributeLines);
    connect(m_attributes, &TUformatrechercher15v3::sideCleared, this, &TUrechercherv3::writeActiveLine);
    const auto attributesGone = [this] {
        m_attributes = nullptr;
        m_selfLock.release();
    };
    connect(m_attributes, &QDialog::finished, this, attributesGone);
    connect(m_attributes, &QObject::destroyed, this, attributesGone);
    m_selfLock.lock(this);
    m_attributes->show();
    m_attributes->activateWindow();
}

void TUrechercherv3::Button6Click()
{
    activeAttributes().clear();
    writeActiveLine();
}

void TUrechercherv3::Button7Click()
{
    wrongWay();
}

void TUrechercherv3::writeAttributeLines()
{
    Label3->setText(m_search.line());
    Label4->setText(m_replace.line());
}

void TUrechercherv3::writeActiveLine()
{
    (m_activeSide == Side::Search ? Label3 : Label4)->setText(activeAttributes().line());
}
