#pragma once
#include <QString>
#include <QStringList>

class QWidget;

// The program's modal message boxes. Production shows a QMessageBox; tests install
// a Responder that records every box and answers it.
namespace MessageBox {

enum class Kind {
    Information,   // "Information", OK
    Error,         // "Erreur", OK
    Confirmation,  // "Confirmation", "&Oui" / "&Non"
    Plain,         // "Quorvil", OK, no icon
    Custom         // caption and buttons given by the caller
};

struct Box
{
    Kind kind = Kind::Plain;
    QString caption;
    QString text;
    QStringList buttons;   // in the order shown
    int escapeButton = -1; // the button Escape and the close box stand for; -1 = the last one
};

// Answers a box with the index of the button pressed.
class Responder
{
public:
    virtual ~Responder() = default;
    virtual int answer(const Box &box) = 0;
};
void setResponder(Responder *responder);   // nullptr restores the real boxes

QString captionOf(Kind kind);
QStringList buttonsOf(Kind kind);

// Shows a box and returns the index of the button pressed.
int show(Kind kind, const QString &text, QWidget *parent = nullptr);
int custom(const QString &caption, const QString &text, const QStringList &buttons,
           QWidget *parent = nullptr, bool question = true);
// The same, where Escape or the close box answers with the given button.
int customWithEscape(const QString &caption, const QString &text, const QStringList &buttons,
                     int escapeButton, QWidget *parent = nullptr, bool question = true);

inline void information(const QString &text, QWidget *parent = nullptr) { show(Kind::Information, text, parent); }
inline void error(const QString &text, QWidget *parent = nullptr) { show(Kind::Error, text, parent); }
inline void plain(const QString &text, QWidget *parent = nullptr) { show(Kind::Plain, text, parent); }
inline bool confirm(const QString &text, QWidget *parent = nullptr) { return show(Kind::Confirmation, text, parent) == 0; }

// True while one of our boxes is open (dialogs that close when they lose the focus
// ignore the loss caused by their own boxes).
bool isShowing();
}
