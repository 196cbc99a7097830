#include "administration/tadminiden.h"

#include "administration/tadmin.h"
#include "records/passwordhash.h"
#include "records/recordstore.h"
#include "widgets/messagebox.h"
#include "widgets/placement.h"
#include "widgets/passwordfield.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cerrno>

namespace {
const QString DefaultPassword = QStringLiteral("vorne");
const QString Contact = QStringLiteral("l'administrateur du réseau");

}

Tadminiden::Tadminiden(QWidget *mainWindow)
    : QWidget(nullptr), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("adminiden"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("identification"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(406, 233);
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPixelSize(11);
    setFont(f);

    Label1 = place(new QLabel(this), "Label1", QRect(24, 16, 358, 64));
    Label1->setText(QStringLiteral("Bonjour, administrateur. Veuillez saisir votre mot de passe : (Par défaut : \"")
                    + DefaultPassword + QStringLiteral("\" - Pensez à le changer !!!)"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);

    MaskEdit1 = place(new QLineEdit(this), "MaskEdit1", QRect(123, 96, 160, 24));
    makePasswordField(MaskEdit1);

    Button1 = place(new QPushButton(QStringLiteral("OK"), this), "Button1", QRect(165, 136, 75, 25));
    Button1->setDefault(true);

    Label2 = place(new QLabel(QStringLiteral("TAVELO"), this), "Label2", QRect(24, 184, 358, 32));
    QFont title = f;
    title.setPixelSize(22);
    title.setBold(true);
    Label2->setFont(title);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setStyleSheet(QStringLiteral("color: #000080;"));

    connect(Button1, &QPushButton::clicked, this, &Tadminiden::Button1Click);
    connect(MaskEdit1, &QLineEdit::returnPressed, this, &Tadminiden::Button1Click);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tadminiden::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // Runs once the window is on screen, so that it may close itself.
    QTimer::singleShot(0, this, &Tadminiden::FormShow);
}

void Tadminiden::FormShow()
{
    if (m_hashRead)
        return;
    m_hashRead = true;
    const IoStatus status = RecordStore::readAdminHash(&m_expectedHash);
    if (!status) {
        if (status.errorCode() == ENOENT)
            MessageBox::plain(QStringLiteral("Erreur N°1 : Problème de fichier  / Contacter ") + Contact, this);
        else
            MessageBox::error(status.message(), this);
        close();
        return;
    }
    activateWindow();
    MaskEdit1->setFocus();
}

void Tadminiden::Button1Click()
{
    if (!m_hashRead)
        FormShow();
    if (!isVisible())
        return;
    if (passwordHash(MaskEdit1->text()) != m_expectedHash || m_expectedHash.isEmpty()) {
        MessageBox::plain(QStringLiteral("Mot de passe incorrect"), this);
        close();
        return;
    }
    auto *console = new Tadmin(m_mainWindow);
    emit consoleOpened(console);
    console->show();
    if (m_mainWindow)
        m_mainWindow->hide();
    close();
    console->loadClassList();
}
