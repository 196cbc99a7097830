#pragma once
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

// The school library's catalogue client: its window with a tool bar, search tabs and
// sub-tabs, forms of labelled fields and buttons, the restriction panel of check
// boxes, a document record and a counted result list. Every function draws at the
// rectangles it is given, so a window's hot spots and its picture share their numbers.
namespace Catalogue {

// The client's frame over 'rect': title bar, menu strip and tool bar, the working
// area in the client's pale blue. Returns the working area.
QRect paintWindow(QPainter &p, const QRect &rect, const QString &caption);

// Search tabs, each at its own rectangle; 'current' is raised and joins the page below.
void paintTabs(QPainter &p, const QList<QRect> &tabs, const QStringList &titles, int current);
// The page under the tabs: a white panel with a thin border.
void paintPage(QPainter &p, const QRect &rect);
// Two or three small sub-tabs sharing 'rect'.
void paintSubTabs(QPainter &p, const QRect &rect, const QStringList &titles, int current);

// A caption ending at 'field.left() - 6', then the white field (with its text).
void paintLabelledField(QPainter &p, const QRect &field, const QString &caption, const QString &text = {});
void paintField(QPainter &p, const QRect &field, const QString &text = {});
// A raised grey button; 'accent' gives it the client's blue.
void paintButton(QPainter &p, const QRect &rect, const QString &text, bool accent = false);
// A check box or radio disc at the left of 'rect', its text after it.
void paintChoice(QPainter &p, const QRect &rect, const QString &text, bool radio, bool checked);
void paintCaption(QPainter &p, const QRect &rect, const QString &text, bool bold = false, int pixels = 12);

// A panel of check boxes: a framed area, group titles and a box with its label at each
// box rectangle (the boxes a window lays real check boxes over). An empty title draws
// no title band.
struct Check
{
    QRect box;
    QString label;
};
struct CheckGroup
{
    QString title;
    QPoint titleAt;
};
void paintCheckPanel(QPainter &p, const QRect &rect, const QString &title, const QList<CheckGroup> &groups,
                     const QList<Check> &checks);

// A document record: a heading band and rows of "caption : value". Returns one
// rectangle per row value, in the order given.
struct RecordRow
{
    QString caption;
    QString value;
    int top;          // of the row
    bool link = false;   // drawn as a blue underlined link (authors, subjects)
};
QList<QRect> paintRecord(QPainter &p, const QRect &rect, const QString &heading, int valueLeft,
                         const QList<RecordRow> &rows);

// A result list: "N notices trouvées" above numbered rows of title, author and support,
// as many as fit, with a scroll bar when the list holds more.
struct ResultRow
{
    QString title;
    QString author;
    QString support;
};
void paintResultList(QPainter &p, const QRect &rect, int total, const QList<ResultRow> &rows);

// The client's desktop icon: stacked books under a magnifying glass, caption below.
void paintDesktopIcon(QPainter &p, const QRect &rect, const QString &caption);
}
