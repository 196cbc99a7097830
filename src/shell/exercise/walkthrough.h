#pragma once
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <Qt>
#include <functional>

// A walkthrough is an exercise's perfect run written as data: the steps a pupil
// takes, each aimed at a named control (or a rectangle) of a named window. The
// player (walkthroughplayer.h) plays it with real input events, delivered where a
// real pointer delivers them, to show the exercise, to guide the pupil through it,
// and in the tests to prove the perfect run is still reachable the pupil's way.
//
// How an exercise folder writes its walkthrough
// ---------------------------------------------
// One file `walkthrough.cpp` in the exercise's folder (it is compiled with the
// folder's other sources, nothing to add to CMake). It builds the steps from the
// folder's layout.h and registers them in one line at its end, by competence:
//
//   #include "exercises/domain1/login_logout/layout.h"
//   #include "shell/exercise/walkthrough.h"
//   using namespace Walkthrough;
//   namespace {
//   const QString W = QStringLiteral("Texercice1v3");
//   Steps steps()
//   {
//       return {
//           type("Tape ton nom", on(W, "Edit1"), QStringLiteral("durandmar")),
//           click("Clique sur Envoyer", on(W, "zs")),
//       };
//   }
//   }
//   static const Walkthrough::Registrar walkthrough(LoginLayout::Competence, steps);
//
// Targets
//   on(window, control)        the centre of a control (found by object name
//                              anywhere in the window: a hot spot, a field, a button)
//   on(window, control, rect)  a rectangle in that control's own coordinates
//   at(window, rect)           a rectangle in the window's client coordinates (the
//                              layout's rectangles; under a menu bar, the client area)
// `window` is the object name or the class name of a top-level window ("Texercice1v3",
// a simulated dialog's class); the topmost visible one of that name is used.
//
// Steps (`name` is what the step does, in the pupil's words: a failing test quotes it)
//   click, doubleClick, rightClick, hover (target)
//   drag(name, from, to)        press at `from`, moves, release at `to`
//   type(name, field, text)     a click in the field, then the text key by key
//   key(name, window, key)      one key (with modifiers) to the focused control
//   chooseEntry(name, control, entry)  a combo box's entry (opened, then clicked) or
//                              a visible row of a list, tree or table
//   openEntry(name, control, entry)  a double click on a visible row of a list or
//                              tree, found by its caption (a folder opened in a
//                              file dialog)
//   chooseMenu(name, window, {"Fichier", "Imprimer..."})  the title opened in the
//                              window's menu bar, each submenu entry hovered, the last
//                              clicked; with an empty window the path starts in the
//                              menu already open (a context menu after a right click)
//   answer(name, "&Non")        the button of the message box the previous step
//                              opens (boxes without an answer step get their first
//                              button, "OK")
//   .waitingUpTo(ms)           when the target shows only after the exercise's own
//                              timer (an animation, a film)
//   .asMistake()               one wrong action of the pupil (showing the exercise's
//                              usual message), where it fits in the run: the tests
//                              play it in the guided mode, the normal and shown runs
//                              skip it. Every walkthrough has one.
// Captions are compared without their '&'.
//
// A step whose target a pupil could not reach (a window that never shows, a control
// hidden, disabled or covered by another, a greyed or hidden menu entry, a missing
// list entry) stops the play with the step's name and the reason.
namespace Walkthrough {

enum class Gesture { Click, DoubleClick, RightClick, Hover, Drag, Type, Key, ChooseEntry, OpenEntry, ChooseMenu, Answer };

struct Target
{
    QString window;    // object or class name of a top-level window
    QString control;   // object name of a widget in it; empty: the window's client area
    QRect rect;        // in the control's (or client area's) coordinates; null: the whole control
};

struct Step
{
    QString name;
    Gesture gesture = Gesture::Click;
    Target target;
    Target to;                     // a drag's release point
    QString text;                  // the text typed, the entry chosen, the button answered
    QStringList path;              // a menu path
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    int patience = 0;              // ms the target may take to show
    bool mistake = false;          // a wrong action, played only to test the guided mode

    Step waitingUpTo(int msecs) const
    {
        Step s = *this;
        s.patience = msecs;
        return s;
    }
    Step asMistake() const
    {
        Step s = *this;
        s.mistake = true;
        return s;
    }
};
using Steps = QList<Step>;

Target on(const QString &window, const QString &control, const QRect &rect = QRect());
Target at(const QString &window, const QRect &rect);

Step click(const QString &name, const Target &target);
Step doubleClick(const QString &name, const Target &target);
Step rightClick(const QString &name, const Target &target);
Step hover(const QString &name, const Target &target);
Step drag(const QString &name, const Target &from, const Target &to);
Step type(const QString &name, const Target &field, const QString &text);
Step key(const QString &name, const QString &window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
Step chooseEntry(const QString &name, const Target &control, const QString &entry);
Step openEntry(const QString &name, const Target &control, const QString &entry);
// A folder of a tree opened the keyboard's way: its row selected, then the Right key.
Steps unfoldFolder(const QString &window, const QString &tree, const QString &folder);
Step chooseMenu(const QString &name, const QString &window, const QStringList &path);
Step answer(const QString &name, const QString &button);

// The walkthroughs of the exercises, by competence.
using Builder = std::function<Steps()>;
void add(int competence, Builder builder);
bool has(int competence);
Steps of(int competence);
// The steps without the mistakes (the run as shown).
Steps withoutMistakes(const Steps &steps);
QList<int> competences();   // in increasing order

struct Registrar
{
    Registrar(int competence, Builder builder) { add(competence, std::move(builder)); }
};

// A caption without its '&' markers (and the "&&" that stands for one '&' kept).
QString plainCaption(const QString &caption);
}
