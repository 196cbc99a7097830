#include "shell/tu_motpasseeleve.h"

#include "records/cp1252.h"
#include "records/passwordhash.h"
#include "records/recordstore.h"
#include "widgets/messagebox.h"
#include "widgets/windowplacement.h"
#include "widgets/passwordfield.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Tu_motpasseeleve::Tu_motpasseeleve(const QString &pupilName)
    : QFrame(nullptr, Qt::Window | Qt::FramelessWindowHint), m_pupil(pupilName)
{
    setObjectName(QStringLiteral("u_motpasseeleve"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Borderless, but framed so that it stands out over the main window.
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(3);
    setFixedSize(520, 250);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xD0, 0xC6, 0x3E));
    setPalette(p);

    Label3 = new QLabel(QStringLiteral("Changement de mot de passe"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont title(QStringLiteral("Tahoma"));
    title.setPixelSize(27);
    Label3->setFont(title);
    Label3->setGeometry(20, 16, 480, 40);
    Label3->setAlignment(Qt::AlignCenter);
    Label1 = new QLabel(QStringLiteral("Nouveau mot de passe : "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(20, 84, 260, 24);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(290, 82, 180, 24);
    makePasswordField(Edit1);
    Label2 = new QLabel(QStringLiteral("Confimer le nouveau mot de passe : "), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(20, 124, 260, 24);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(290, 122, 180, 24);
    makePasswordField(Edit2);
    Button1 = new QPushButton(QStringLiteral("Valider"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(210, 180, 100, 30);
    connect(Button1, &QPushButton::clicked, this, &Tu_motpasseeleve::Button1Click);
    connect(Edit2, &QLineEdit::returnPressed, this, &Tu_motpasseeleve::Button1Click);
    centreOnScreen(this);
}

void Tu_motpasseeleve::Button1Click()
{
    const QString hash = passwordHash(Edit1->text());
    if (Edit1->text() != Edit2->text()) {
        MessageBox::information(QStringLiteral("Les mots de passe sont différents !"), this);
        return;
    }
    if (const QString refused = Cp1252::passwordRefusal(Edit1->text()); !refused.isEmpty()) {
        MessageBox::plain(refused, this);
        return;
    }
    const IoStatus status = RecordStore::changePassword(m_pupil, hash);
    if (!status.ok()) {
        MessageBox::error(status.message(), this);
        return;
    }
    // The logged-in pupil's next save writes the record in memory: it must carry the new password.
    if (login().pupilName == m_pupil)
        student().hash = hash;
    close();
}
