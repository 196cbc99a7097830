#pragma once
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

// The web search engine of the browser exercises, an invented one: its coloured name,
// the home page with its field, buttons and scopes, the header of a result page, the
// results themselves and the advanced search form. Every function draws at the
// rectangles it is given (window coordinates of the exercise), so the fields and hot
// spots laid over a picture meet what it shows.
namespace SearchEngine {

inline const QString Name = QStringLiteral("Trouvix");

// The classic browser around the engine's pages (the browser family's chrome: title
// bar, menu strip, navigation tool bar, address and search fields, scroll bar and
// status bar). Returns the page rectangle, which starts 86 pixels from the top.
QRect paintBrowserFrame(QPainter &p, int width, int height, const QString &title, const QString &url);

// The engine's name in its letters of colour, filling 'rect' at most.
void paintLogo(QPainter &p, const QRectF &rect);

struct Home
{
    QRect services;       // the service links at the top left
    QRect signIn;         // the sign-in links at the top right
    QRect logo;
    QRect field;
    QRect links;          // the small links to the right of the field
    QRect searchButton;
    QRect luckyButton;
    QRect scopes;         // the line of search scopes (drawn only when valid)
    QRect footer;
    QString query;        // the text in the field
};
void paintHome(QPainter &p, const Home &home);

struct Header
{
    QRect band;           // the whole header
    QRect services;       // the service links above it (empty: none)
    QRect logo;
    QRect field;
    QRect searchButton;
    QRect advancedLink;   // empty: none
    QString query;
    QString count;        // "Résultats 1 - 10 sur environ ..."
};
void paintResultHeader(QPainter &p, const Header &header);

struct Result
{
    QString title;
    QString url;
    QString snippet;
};
// A result at 'topLeft', wrapped inside 'width'; returns the rectangle it took.
QRect paintResult(QPainter &p, const QPoint &topLeft, int width, const Result &result);

// The advanced search form: a caption right-aligned before each control (a Caption
// row draws its caption alone, in bold, at its rectangle).
struct FormRow
{
    enum class Kind { Field, Select, Button, Caption };
    QString caption;
    QRect control;
    Kind kind = Kind::Field;
    QString value;
};
void paintForm(QPainter &p, const QList<FormRow> &rows);
}
