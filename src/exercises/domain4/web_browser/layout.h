#pragma once
#include "pictures/browseroptions.h"
#include "pictures/searchengine.h"

#include <QRect>
#include <QSize>
#include <QString>

// Geometry and texts of the browser exercise (competence 4.2). Every rectangle is
// in client pixels of the window's page area (below its menu bar); the pictures are
// drawn from the same constants, so a drawn element and the control or hot spot
// laid over it cannot drift apart.
namespace WebBrowserLayout {

constexpr int Competence = 22;

// Addresses: the one the pupil types, the one shown at start and the home page.
inline const QString LibraryAddress = QStringLiteral("www.bnf.fr");
inline const QString LibraryUrl = QStringLiteral("http://") + LibraryAddress + QLatin1Char('/');
inline const QString SearchEngineUrl = QStringLiteral("http://www.trouvix.fr/");
inline const QString SearchEngineName = SearchEngine::Name;
inline const QString TownName = QStringLiteral("Quimbel");
inline const QString TownUrl = QStringLiteral("http://www.quimbel.fr/");
inline const QString LibraryName = QStringLiteral("Bnf");
inline const QString LibraryTitle = QStringLiteral("Bibliothèque nationale - Bnf");
inline const QString TownTitle = QStringLiteral("Ville de Quimbel");
inline const QString FullScreenKey = QStringLiteral("f11");
inline const QString RequiredCopies = QStringLiteral("2");

inline const QString Caption = QStringLiteral("Mozilla - Firefox ");

// Client sizes: the screenshot strip on top, the instruction strip below it.
constexpr int ScreenshotHeight = 574;
constexpr int ClientHeight = 746;
constexpr QSize Window1Size{928, ClientHeight};
constexpr QSize Window2Size{937, ClientHeight};
constexpr QSize Window3Size{936, ClientHeight};
constexpr QSize Window4Size{936, ClientHeight};

// The browser chrome every screenshot shares.
constexpr int ToolbarBottom = 44;
constexpr QRect BackButton{0, 4, 33, 37};
constexpr QRect ForwardButton{33, 4, 34, 37};
constexpr QRect ReloadButton{67, 4, 30, 37};
constexpr QRect StopButton{96, 4, 27, 37};
constexpr QRect HomeButton{123, 4, 30, 37};
constexpr QRect AddressField{151, 11, 633, 21};      // window 1's Edit1
constexpr QRect GoButton{790, 9, 52, 25};
constexpr QRect ToolbarSearchField{858, 12, 77, 21}; // window 1's Edit3
constexpr QRect BookmarksBar{0, 44, 940, 22};
constexpr int SidePanelWidth = 162;
constexpr QRect SidePanelClose{142, 68, 19, 19};      // window 3's zs11
constexpr int TabTop = 68;
constexpr int TabHeight = 26;
constexpr QRect FirstTabWithPanel{163, 72, 190, 21};  // window 2's zs3
constexpr int StatusBarTop = 554;

// Window 1: the search engine's query box and the step markers.
constexpr QRect EngineQueryField{336, 249, 265, 21};  // Edit2
constexpr QPoint FirstMarker{264, 656};
constexpr int MarkerCount = 13;
constexpr int MarkerSize = 9;
constexpr int MarkerPitch = 16;

// Window 2: the history panel and the answer box.
constexpr QRect HistoryYesterday{-5, 141, 54, 16};    // zs1
constexpr QRect HistoryTownEntry{19, 160, 102, 21};   // zs2
constexpr QRect HistoryLibraryTab = FirstTabWithPanel; // zs3
constexpr QRect AnswerBox{208, 496, 281, 49};         // Shape1
constexpr QRect AnswerLabel{216, 503, 124, 35};
constexpr QRect AnswerField{344, 504, 73, 37};        // Edit1
constexpr QRect AnswerButton{433, 506, 49, 33};       // "Ok"

// Window 3: the Options dialog and its controls.
constexpr QRect OptionsDialog{QPoint(336, 48), BrowserOptions::Size};
constexpr QRect onDialog(const QRect &r) { return r.translated(OptionsDialog.topLeft()); }
constexpr QRect OptionsCategory[6] = {
    onDialog(BrowserOptions::Category[0]), onDialog(BrowserOptions::Category[1]),
    onDialog(BrowserOptions::Category[2]), onDialog(BrowserOptions::Category[3]),
    onDialog(BrowserOptions::Category[4]), onDialog(BrowserOptions::Category[5])};
constexpr QRect OptionsUseCurrentPage = onDialog(BrowserOptions::UseCurrentPage);   // zs7
constexpr QRect OptionsHomePageField = onDialog(BrowserOptions::HomePageField);     // Edit1
constexpr QRect OptionsBlockPopups = onDialog(BrowserOptions::BlockPopups);         // CheckBox1
constexpr QRect OptionsOk = onDialog(BrowserOptions::Ok);                           // zs9
constexpr QRect OptionsCancel = onDialog(BrowserOptions::Cancel);
constexpr QRect OptionsHelp = onDialog(BrowserOptions::Help);
constexpr QRect OptionsBody = onDialog(BrowserOptions::Body);                       // zs10
inline QRect inDialog(const QRect &r) { return r.translated(-OptionsDialog.topLeft()); }

// Window 4: toolbar hot spots, page source and print dialog.
constexpr QRect SourceWindow{240, 48, 641, 481};   // Image3
constexpr QRect SourceClose{854, 50, 25, 21};      // zs5
constexpr QRect PrintDialog{248, 72, 537, 409};    // Image4
constexpr QRect CopiesField{643, 264, 33, 21};     // Edit1
constexpr QRect CopiesArrows{676, 264, 17, 21};    // UpDown1
constexpr QRect PrintOk{606, 434, 75, 21};         // zs6
constexpr QRect PrintCancel{690, 434, 75, 21};

// The instruction strip under the screenshot.
constexpr QRect Mascot{24, 590, 84, 100};          // consigne1
constexpr QRect Bubble{120, 580, 700, 70};         // consigne2
constexpr QRect BubbleLabel{132, 586, 676, 58};    // consigne3
constexpr QRect AbandonButton{820, 700, 89, 25};   // BitBtn20

// The instruction texts, by step number (window 2 shows its own wording of step 4).
QString instruction(int step);
inline const QString Window2Step4 =
    QStringLiteral("4:Consulte les pages Webs visitées hier et clique sur le site de Quimbel");
}
