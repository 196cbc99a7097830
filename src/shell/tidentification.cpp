#include "shell/tidentification.h"
#include "pictures/fonts.h"

#include "pictures/pictures.h"
#include "records/cp1252.h"
#include "records/datafolder.h"
#include "records/frenchorder.h"
#include "records/passwordhash.h"
#include "records/recordstore.h"
#include "widgets/messagebox.h"
#include "widgets/passwordfield.h"
#include "widgets/choicecombo.h"
#include "widgets/windowplacement.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include <cerrno>

QValidator::State RecordNameValidator::validate(QString &input, int &) const
{
    for (QChar c : input)
        if (!RecordStore::isRecordNameCharacter(c))
            return Invalid;
    return Acceptable;
}

namespace {
QString nameTakenText() { return QStringLiteral("Ce nom existe déjà. Choisissez autre chose..."); }

QFont comic(int pixels, bool bold = false)
{
    return pixelFont(QStringLiteral("Comic Sans MS"), pixels, bold);
}

QLabel *caption(QWidget *parent, const QString &name, const QString &text, const QRect &rect)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(rect);
    return l;
}

QLabel *picture(QWidget *parent, const QString &name, const QRect &rect)
{
    auto *l = caption(parent, name, QString(), rect);
    l->setPixmap(Pictures::get(QStringLiteral("Tidentification/") + name));
    return l;
}
}

Tidentification::Tidentification(const QStringList &listedNames)
    : QFrame(nullptr, Qt::Window | Qt::FramelessWindowHint), m_listed(listedNames)
{
    setObjectName(QStringLiteral("identification"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Borderless, but framed so that it stands out over the main window.
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(3);
    setFixedSize(560, 480);
    setFont(comic(11));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xD0, 0xC6, 0x3E));
    setPalette(p);

    Memo1 = new QTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(20, 16, 520, 124);
    Memo1->setReadOnly(true);
    Memo1->setStyleSheet(QStringLiteral("QTextEdit { background: yellow; }"));
    Memo1->setPlainText(QStringLiteral("Vous devez d'abord vous identifier.\n\nRappel : \n\n"
                                       "Vous êtes responsable des informations que vous allez saisir !\n"
                                       "Toute usurpation d'identité ou fausse  déclaration est répréhensible  par la loi !"));
    Label1 = caption(this, QStringLiteral("Label1"), QStringLiteral("NOM : (12 lettres maximum)"), QRect(20, 156, 210, 22));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(240, 154, 160, 24);
    Edit1->setMaxLength(12);
    Edit1->setValidator(new RecordNameValidator(Edit1));
    Label2 = caption(this, QStringLiteral("Label2"), QStringLiteral("Mot de passe :"), QRect(20, 194, 210, 22));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(240, 192, 160, 24);
    makePasswordField(Edit2);
    Label3 = caption(this, QStringLiteral("Label3"), QStringLiteral("Classe  :"), QRect(20, 232, 210, 22));
    ComboBox1 = new ChoiceCombo(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(240, 230, 160, 24);
    Button1 = new QPushButton(QStringLiteral("Valider"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(240, 278, 100, 30);
    BitBtn1 = new QPushButton(QStringLiteral("Abandonner"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(350, 278, 110, 30);
    Label39 = caption(this, QStringLiteral("Label39"), QStringLiteral("TAVELO"), QRect(410, 150, 140, 40));
    Label39->setFont(comic(26, true));
    Label39->setStyleSheet(QStringLiteral("color: green;"));
    Image1 = picture(this, QStringLiteral("Image1"), QRect(24, 326, 120, 140));
    Image2 = picture(this, QStringLiteral("Image2"), QRect(340, 326, 200, 140));

    QStringList classes;
    const IoStatus status = RecordStore::loadTextList(DataFolder::classListPath(), &classes);
    FrenchOrder::sort(&classes);
    if (status.ok())
        ComboBox1->addItems(classes);
    ComboBox1->setPlaceholderChoice(QStringLiteral("sélectionnez..."));
    if (!status.ok())
        MessageBox::error(status.message() + QStringLiteral(" : classes.txt"), this);

    connect(Button1, &QPushButton::clicked, this, &Tidentification::Button1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &Tidentification::BitBtn1Click);
    centreOnScreen(this);
}

QString Tidentification::refusal() const
{
    const QString name = Edit1->text();
    const bool listed = m_listed.contains(name);
    // A name that differs only by letter case would name the same pupil.
    if (listed || (!name.isEmpty() && !RecordStore::existingNameIgnoringCase(name).isEmpty()))
        return nameTakenText();
    if (name.isEmpty())
        return QStringLiteral("Veuillez entrer un nom");
    if (name.startsWith(QLatin1Char('.')))   // a hidden file, not a pupil's name
        return QStringLiteral("Un nom ne peut pas commencer par un point.");
    if (Edit2->text().isEmpty())
        return QStringLiteral("Entrez un mot de passe");
    if (const QString refused = Cp1252::passwordRefusal(Edit2->text()); !refused.isEmpty())
        return refused;
    if (!ComboBox1->chosenFromList() || ComboBox1->currentText().isEmpty())
        return QStringLiteral("Sélectionnez votre classe");
    return {};
}

void Tidentification::Button1Click()
{
    const QString refused = refusal();
    if (!refused.isEmpty()) {
        MessageBox::plain(refused, this);
        return;
    }
    if (!MessageBox::confirm(QStringLiteral("Avez-vous retenu votre mot de passe ?"), this))
        return;
    const IoStatus status = RecordStore::writeNewRecord(Edit1->text(), passwordHash(Edit2->text()), ComboBox1->currentText());
    if (status.errorCode() == EEXIST) {   // another workstation took the name, or a case twin of it, meanwhile
        MessageBox::plain(nameTakenText(), this);
        return;
    }
    if (!status.ok()) {
        MessageBox::error(status.message(), this);
        return;
    }
    m_created = true;
    close();
}

void Tidentification::BitBtn1Click() { close(); }

void Tidentification::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed(m_created);
}
