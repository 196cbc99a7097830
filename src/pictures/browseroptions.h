#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QRadioButton;
class QWidget;

// The classic browser's Options dialog, shared by the exercises that open it: a title
// bar, a strip of six page icons (general, privacy, content, tabs, downloads,
// advanced), the page's controls and the OK, Annuler and Aide buttons. Every
// rectangle is in the dialog's own coordinates; a window lays the dialog at its own
// place and translates them.
namespace BrowserOptions {

constexpr QSize Size{553, 425};
constexpr QRect Category[6] = {{16, 19, 45, 50}, {72, 19, 57, 50}, {136, 19, 57, 50},
                               {192, 19, 57, 50}, {256, 19, 89, 50}, {352, 19, 57, 50}};
constexpr QRect Body{8, 75, 529, 278};
constexpr QRect UseCurrentPage{248, 131, 97, 30};   // general page
constexpr QRect HomePageField{96, 109, 425, 21};    // general page
constexpr QRect BlockPopups{27, 93, 14, 17};        // content page: the box alone
constexpr QRect Ok{296, 379, 76, 27};
constexpr QRect Cancel{380, 379, 76, 27};
constexpr QRect Help{464, 379, 76, 27};

enum class Panel { General, Privacy, Content, Tabs, Downloads, Advanced };

// The dialog on a page. 'homePage' fills the general page's address; 'body', when
// given, builds the page's controls instead of the standard ones (the buttons and the
// strip stay). The page's icon is drawn selected.
void paint(QPainter &painter, const QSize &size, Panel panel, const QString &homePage,
           const std::function<void(QWidget *root)> &body = {});

// Controls for a page's builder, laid at dialog coordinates.
QGroupBox *group(QWidget *root, const QRect &r, const QString &title);
QCheckBox *check(QWidget *root, int x, int y, const QString &text, bool checked = false, int width = 380);
QRadioButton *radio(QWidget *root, int x, int y, const QString &text, bool checked = false, int width = 300);
QPushButton *button(QWidget *root, const QRect &r, const QString &text);
QLabel *label(QWidget *root, const QRect &r, const QString &text);
QLineEdit *field(QWidget *root, const QRect &r, const QString &text);
QComboBox *combo(QWidget *root, const QRect &r, const QString &text);
}
