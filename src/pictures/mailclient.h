#pragma once
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QPainter;

// The e-mail client family: its main window (title bar, menu bar, a tool bar of
// large buttons, the folder pane, the message list with unread marks and paper
// clips, the reading pane and its attachment bar), the composition window (with or
// without its contacts sidebar), the address book, the contact card, the attachment
// dialogs and the picture viewer. Every element a hot spot may cover has its
// rectangle here, in the coordinates of the exercise window that shows it, so the
// exercises check their hot spots against the same numbers the drawings use.
namespace MailClient {

// ---- main window (a 945 x 673 screenshot at the window's top left) -----------------

constexpr QSize MainSize{945, 673};
constexpr int TitleHeight = 22;
constexpr QRect MenuBar{0, 22, 945, 24};
constexpr QRect ToolBar{0, 46, 945, 51};

enum class MainButton { GetMail, Write, AddressBook, Reply, ReplyAll, Forward, Tag, Delete, Junk, Print, Stop };
QRect mainButton(MainButton button);

constexpr QRect FolderPane{0, 100, 198, 551};
// Folder rows: 0 is the account, 1 the inbox, 2.. the other folders.
QRect folderRow(int index);
constexpr QRect ListHeader{200, 136, 745, 22};
// The rows of the message list, 22 pixels high from y 158.
QRect messageRow(int index);
constexpr QRect ReadingPane{200, 212, 745, 439};
constexpr QRect AttachmentBar{200, 603, 721, 33};
constexpr QRect AttachmentEntry{304, 606, 601, 27};
constexpr QRect StatusBar{0, 651, 945, 22};

struct Message
{
    QString subject;
    QString from;
    QString date;
    bool unread = true;
    bool attachment = false;
};

struct OpenedMessage
{
    QString from;
    QString to;
    QString subject;
    QString date;
    QString body;            // "\n" separates paragraphs
    QString attachment;      // file name; empty: no attachment bar
    QString attachmentSize;
};

struct MainView
{
    QString folder = QStringLiteral("Courrier entrant");
    QString account;
    QList<Message> messages;
    int selected = -1;
    bool opened = false;
    OpenedMessage message;
    int height = MainSize.height();   // a shorter screenshot keeps its status bar at its foot
};

// The whole main window, in window coordinates.
void paintMainWindow(QPainter &painter, const MainView &view);

// paintPart(painter, region, paint) (defined at the end) paints only what falls in
// 'region' of the window into a picture of that size: the pictures laid over a
// screenshot are parts of one whole drawing, so they match it.

// ---- composition window (649 x 481 at 'origin') --------------------------------------

constexpr QSize ComposeSize{649, 481};
enum class ComposeButton { Send, Contacts, Spelling, Save, Attach, Security };

struct ComposeGeometry
{
    QRect frame;
    QRect menuAndTools;       // menu bar and tool bar
    QRect sidebar;            // empty without the sidebar
    QRect sidebarList;
    QRect addToButton;
    QRect addCcButton;
    QRect content;            // the part right of the sidebar (the whole width without it)
    QRect addressType(int row) const;
    QRect addressField(int row) const;
    QRect addressRow(int row) const;
    QRect subjectLabel;
    QRect subjectField;
    QRect body;
    int rowTop = 0;
    int rowHeight = 19;
    int typeWidth = 65;
    int typeLeft = 7;         // from content.left()
    int fieldLeft = 140;
};
ComposeGeometry composeGeometry(const QPoint &origin, bool sidebar);
QRect composeButton(const QPoint &origin, ComposeButton button);

struct AddressLine
{
    QString type = QStringLiteral("Pour :");
    QString address;
};

struct ComposeView
{
    QPoint origin;
    QString caption;          // empty: "Rédaction : " + subject or "(pas de sujet)"
    QString from;
    QList<AddressLine> lines; // drawn first, the rest of the rows stay empty
    QString subject;
    QString body;
    QStringList attachments;
    bool sidebar = false;
    QString addressBook = QStringLiteral("Adresses personnelles");
    QStringList contacts;     // the sidebar list's names
};
void paintComposeWindow(QPainter &painter, const ComposeView &view);
// One filled address line (type selector and address) in 'rect'.
void paintAddressLine(QPainter &painter, const QRect &rect, const AddressLine &line, int typeWidth = 90);
// The type selector alone (a small drop-down box).
void paintAddressType(QPainter &painter, const QRect &rect, const QString &type);

// ---- address book (761 x 457 at 'origin') ---------------------------------------------

constexpr QSize AddressBookSize{761, 457};
struct AddressBookGeometry
{
    QRect frame;
    QRect closeBox;
    QRect menuAndTools;
    QRect newCard;
    QRect books;              // the left pane
    QRect listHeader;
    QRect list;
};
AddressBookGeometry addressBookGeometry(const QPoint &origin);

struct Contact
{
    QString name;
    QString address;
};
void paintAddressBook(QPainter &painter, const QPoint &origin, const QList<Contact> &contacts);

// ---- contact card (457 x 609 at 'origin') ----------------------------------------------

constexpr QSize CardSize{457, 609};
struct CardGeometry
{
    QRect frame;
    QRect firstName;
    QRect lastName;
    QRect displayName;
    QRect nickname;
    QRect email;
    QRect ok;
    QRect cancel;
};
CardGeometry cardGeometry(const QPoint &origin);
void paintCardDialog(QPainter &painter, const QPoint &origin);

// ---- file dialogs laid over by a real folder tree ---------------------------------------

struct FileDialogView
{
    QRect frame;
    QString caption;
    QString lookIn;           // the folder box's text
    QRect tree;               // where the folder tree lies
    QString fileName;
    QString fileType;
    QRect accept;             // "Enregistrer" or "Ouvrir"
    QString acceptText;
    QString lookInLabel = QStringLiteral("Enregistrer dans :");
};
void paintFileDialog(QPainter &painter, const FileDialogView &view);
// The file-name box (a drop-down box with its arrow at the right).
QRect fileNameField(const FileDialogView &view);

// ---- picture viewer showing an opened attachment -----------------------------------------

void paintPictureViewer(QPainter &painter, const QRect &frame, const QString &fileName);
// The drawn photograph itself (a school trip in the mountains).
void paintPhotograph(QPainter &painter, const QRect &rect);

// ---- parts of a drawing ----------------------------------------------------------------

void translateForPart(QPainter &painter, const QRect &region);
template <class Paint>
void paintPart(QPainter &painter, const QRect &region, Paint &&paint)
{
    translateForPart(painter, region);
    paint(painter);
}
}
