#include "widgets/messagebox.h"
#include "widgets/messageboxplay.h"

#include "widgets/windowplacement.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace MessageBox {
namespace {
Responder *g_responder = nullptr;
int g_showing = 0;

struct ShowingGuard
{
    ShowingGuard() { ++g_showing; }
    ~ShowingGuard() { --g_showing; }
};

QMessageBox::Icon iconOf(Kind kind);

// The real box; with msecs > 0 it closes by itself after that time with 'answer'.
int execReal(const Box &box, QWidget *parent, QMessageBox::Icon icon, int answer = -1, int msecs = 0)
{
    QWidget *owner = parent ? parent : QApplication::activeWindow();
    // Over a window shown scaled, the box is a window of its own over the host,
    // at its true size, with its caption.
    if (QWidget *host = owner ? WindowFit::hostOf(owner->window()) : nullptr)
        owner = host;
    QMessageBox dialog(icon, box.caption, box.text, QMessageBox::NoButton, owner);
    QList<QAbstractButton *> buttons;
    for (int i = 0; i < box.buttons.size(); ++i) {
        const auto role = (box.kind == Kind::Confirmation && i == 1) ? QMessageBox::NoRole
                        : (i == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
        buttons << dialog.addButton(box.buttons.at(i), role);
    }
    const int escape = box.escapeButton >= 0 && box.escapeButton < buttons.size() ? box.escapeButton
                                                                                  : int(buttons.size()) - 1;
    if (!buttons.isEmpty()) {
        dialog.setDefaultButton(qobject_cast<QPushButton *>(buttons.first()));
        dialog.setEscapeButton(buttons.at(escape));
    }
    dialog.setWindowModality(Qt::ApplicationModal);
    if (msecs > 0 && answer >= 0 && answer < buttons.size())
        QTimer::singleShot(msecs, &dialog, [&dialog, button = buttons.at(answer)] { button->click(); });
    dialog.exec();
    const int index = buttons.indexOf(dialog.clickedButton());
    return index < 0 ? escape : index;
}

int exec(const Box &box, QWidget *parent, QMessageBox::Icon icon)
{
    ShowingGuard guard;
    if (g_responder)
        return g_responder->answer(box);
    return execReal(box, parent, icon);
}

QMessageBox::Icon iconOf(Kind kind)
{
    switch (kind) {
    case Kind::Information: return QMessageBox::Information;
    case Kind::Error: return QMessageBox::Critical;
    case Kind::Confirmation: return QMessageBox::Question;
    case Kind::Plain:
    case Kind::Custom: return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}
}

void setResponder(Responder *responder) { g_responder = responder; }
Responder *responder() { return g_responder; }

int showFor(const Box &box, int answer, int msecs, QWidget *parent)
{
    return execReal(box, parent, iconOf(box.kind), answer, msecs);
}

int showReal(const Box &box, QWidget *parent) { return execReal(box, parent, iconOf(box.kind)); }

bool isShowing() { return g_showing > 0; }

QString captionOf(Kind kind)
{
    switch (kind) {
    case Kind::Information: return QStringLiteral("Information");
    case Kind::Error: return QStringLiteral("Erreur");
    case Kind::Confirmation: return QStringLiteral("Confirmation");
    case Kind::Plain:
    case Kind::Custom: return QStringLiteral("Quorvil");
    }
    return {};
}

QStringList buttonsOf(Kind kind)
{
    if (kind == Kind::Confirmation)
        return {QStringLiteral("&Oui"), QStringLiteral("&Non")};
    return {QStringLiteral("OK")};
}

int show(Kind kind, const QString &text, QWidget *parent)
{
    return exec(Box{kind, captionOf(kind), text, buttonsOf(kind)}, parent, iconOf(kind));
}

int custom(const QString &caption, const QString &text, const QStringList &buttons,
           QWidget *parent, bool question)
{
    return exec(Box{Kind::Custom, caption, text, buttons}, parent,
                question ? QMessageBox::Question : QMessageBox::NoIcon);
}

int customWithEscape(const QString &caption, const QString &text, const QStringList &buttons,
                     int escapeButton, QWidget *parent, bool question)
{
    return exec(Box{Kind::Custom, caption, text, buttons, escapeButton}, parent,
                question ? QMessageBox::Question : QMessageBox::NoIcon);
}
}
