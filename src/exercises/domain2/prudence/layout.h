#pragma once
#include "pictures/browseroptions.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// Geometry and texts of the prudence exercise (competence 2.5), in client pixels of
// each of its five windows: the security words matched on a brick wall, the
// antivirus of the notification area, the firewall in the security centre, a hoax and
// a spam, then a secure site and the browser's cookies.
namespace PrudenceLayout {

constexpr int Competence = 11;

// ---- Window 1: the matching worksheet ----------------------------------------------
constexpr QSize Window1Size{834, 578};
constexpr QSize BrickCell{219, 163};
constexpr int TermLeft = 5;
constexpr int TermWidth = 170;
constexpr int TermCheckLeft = 178;
constexpr int DefinitionCheckLeft = 303;
constexpr int DefinitionLeft = 335;
constexpr int DefinitionWidth = 490;
constexpr int RowTop = 110;
constexpr int RowPitch = 50;
constexpr QSize CheckSize{17, 17};
constexpr int BoxHeight = 46;
constexpr int LineLeft = 214;
constexpr int LineWidth = 4;
constexpr QRect Shape1{80, 62, 26, 26};    // which column is next: terms
constexpr QRect Shape2{567, 62, 26, 26};   // definitions
constexpr QRect Window1Mascot{12, 468, 84, 100};
constexpr QRect Window1Bubble{100, 476, 470, 90};
constexpr QRect Window1Label{112, 486, 446, 70};   // Label2
constexpr QRect Window1Abandon{712, 540, 105, 25}; // BitBtn1
inline const QColor TermColour(112, 48, 160);
inline const QColor DefinitionColour(0, 32, 112);

// Term k (1 .. 7) and definition j (8 .. 14) rows.
constexpr QRect termBox(int k) { return {TermLeft, RowTop - 14 + RowPitch * (k - 1), TermWidth, BoxHeight}; }
constexpr QRect termCheck(int k) { return {QPoint(TermCheckLeft, RowTop + RowPitch * (k - 1)), CheckSize}; }
constexpr QRect definitionCheck(int j) { return {QPoint(DefinitionCheckLeft, RowTop + RowPitch * (j - 8)), CheckSize}; }
constexpr QRect definitionBox(int j)
{
    return {DefinitionLeft, RowTop - 14 + RowPitch * (j - 8), DefinitionWidth, BoxHeight};
}
// The line of a pair, from the term's side to the definition's box.
constexpr QPoint lineStart(int k) { return {LineLeft, RowPitch * k + 65}; }
constexpr QPoint lineEnd(int j) { return {DefinitionCheckLeft, 115 + RowPitch * (j - 8)}; }

inline const QString Terms[7] = {
    QStringLiteral("Spam"),      QStringLiteral("Ver"),    QStringLiteral("Firewall"), QStringLiteral("Antivirus"),
    QStringLiteral("Cheval de troie"), QStringLiteral("Hacker"), QStringLiteral("Hoax"),
};
struct Definition
{
    QString text;
    int rightTerm;   // 1 .. 7
};
inline const Definition Definitions[7] = {
    {QStringLiteral("Logiciel malveillant, c’est-à-dire un logiciel d’apparence légitime, mais conçu pour  \n"
                    "exécuter des actions nuisibles à l’utilisateur "),
     5},
    {QStringLiteral("Equipement logiciel ou matériel qui permet de filtrer les communications passant à \n"
                    "travers lui. Permet de protéger ainsi un réseau local d'attaque provenant d'Internet. "),
     3},
    {QStringLiteral("Pirates informatiques"), 6},
    {QStringLiteral("Message destiné à se moquer de ceux qui le reçoive en les manipulant, par exemple \n"
                    "en les poussant à répandre une rumeur, comme par exemple une fausse alerte de sécurité"),
     7},
    {QStringLiteral("Courrier électronique, non sollicitée par les destinataires, expédiée en \n"
                    "masse à des fins publicitaires ou malhonnêtes."),
     1},
    {QStringLiteral("Utilitaire capable de rechercher et d'éliminer les virus informatiques et autres \n"
                    "malwares. "),
     4},
    {QStringLiteral("Logiciel malveillant qui se reproduit sur des \n"
                    "ordinateurs à l'aide d'un réseau informatique comme l'Internet."),
     2},
};
inline const QString MatchInstruction = QStringLiteral("Cochez 2 cases pour les faire correspondre...");
inline const QString MatchSuccess = QStringLiteral("Bravo, un peu de pratique maintenant...");

// ---- Windows 2 and 3: the desktop ----------------------------------------------------
constexpr QSize Window2Size{897, 794};
constexpr QSize Window3Size{897, 747};
constexpr QRect TrayArea2{595, 766, 305, 41};   // Image2 of window 2
// In the shorter third window the desktop's task bar, and its tray, sit lower on the picture.
constexpr QRect TrayArea3{595, 719, 305, 41};

// A no-break space keeps the question mark on its word's line.
inline const QString AntivirusQuestion = QStringLiteral("Un antivirus est-il actif sur ce poste\u00a0?");
inline const QString DateInstruction = QStringLiteral("Indique la date de mise à jour des signatures");
inline const QString HourInstruction = QStringLiteral("Indique l'heure à laquelle se fait la mise à jour automatique");
inline const QString WrongDate = QStringLiteral("Mauvaise date !");
inline const QString WrongHour = QStringLiteral("Mauvaise heure !");
inline const QString AntivirusTooltipLead = QStringLiteral("Kaspersky antivirus (6.0.1)\rDate des signatures :");
inline const QStringList DayNames = {QStringLiteral("Dimanche "), QStringLiteral("Lundi "),
                                     QStringLiteral("Mardi "),    QStringLiteral("Mercredi "),
                                     QStringLiteral("Jeudi "),    QStringLiteral("Vendredi "),
                                     QStringLiteral("Samedi ")};
constexpr int AntivirusZone = 10;   // ZS10
constexpr int ClockZone = 15;       // ZS15
constexpr int UpdateHour = 7;
constexpr int UpdateMinute = 0;

constexpr QRect Window2Mascot{792, 560, 84, 100};
constexpr QRect Window2Bubble{612, 300, 276, 250};
constexpr QRect Window2Label{624, 312, 252, 84};       // Label2
constexpr QRect Window2Yes{650, 420, 80, 27};          // Button1
constexpr QRect Window2No{770, 420, 80, 27};           // Button2
constexpr QRect DateGroup{624, 404, 252, 130};         // GroupBox1
constexpr QRect HourGroup{624, 404, 252, 130};         // GroupBox2
// Fields inside the groups.
constexpr QRect DayField{16, 40, 52, 24};              // Edit1 + UpDown1
constexpr QRect MonthField{84, 40, 52, 24};            // Edit2 + UpDown2
constexpr QRect YearField{152, 40, 76, 24};            // Edit3 + UpDown3
constexpr QRect HourField{16, 40, 56, 24};             // Edit4 + UpDown4
constexpr QRect HourWord{78, 40, 46, 24};
constexpr QRect MinuteField{128, 40, 56, 24};          // Edit5 + UpDown5
constexpr QRect GroupValidate{86, 88, 80, 27};         // Button3 / Button4
constexpr QRect Image3{8, 16, 601, 465};               // the antivirus settings
constexpr QRect Window2Abandon{612, 700, 105, 25};     // BitBtn20

inline const QStringList AntivirusMenu = {
    QStringLiteral("Analyse du poste de travail"), QStringLiteral("Recherche de virus"), QString(),
    QStringLiteral("Configuration"), QString(), QStringLiteral("Suspension de la protection"),
    QStringLiteral("Quitter")};

// Window 3.
inline const QString FirewallLook = QStringLiteral("Regarde si  le pare-feu est bien activé ");
inline const QString FirewallQuestion = QStringLiteral("Le pare-feu est-il activé ?");
inline const QString WirelessHint = QStringLiteral("Connection sans fil");
constexpr QRect StartButtonZone{0, 720, 137, 25};      // Shape1
constexpr QRect ControlPanelEntry{184, 470, 184, 32};  // Shape2
constexpr QRect SecurityCentreEntry{568, 442, 169, 55}; // Shape3
constexpr QRect StartMenu{0, 300, 380, 420};           // Image2
constexpr QRect ControlPanel{110, 120, 720, 560};      // Image3
constexpr QRect SecurityCentre{110, 120, 720, 560};    // Image4
constexpr QRect Window3Mascot{776, 8, 84, 100};
constexpr QRect Window3Bubble{300, 14, 470, 96};
constexpr QRect Window3Label{312, 24, 446, 76};        // consigne3
constexpr QRect Window3Yes{112, 40, 80, 27};
constexpr QRect Window3No{204, 40, 80, 27};
constexpr QRect Window3Abandon{780, 684, 105, 25};

// ---- Window 4: the two documents -------------------------------------------------------
constexpr QSize Window4Size{793, 517};
// Nor does "ci-contre" break at its hyphen.
inline const QString DocumentQuestion = QStringLiteral("Que penses-tu du document  ci-\u2060contre\u00a0?");
inline const QStringList DocumentKinds = {QStringLiteral("Virus"), QStringLiteral("Hoax"), QStringLiteral("Spam"),
                                          QStringLiteral("Cheval de troie"), QStringLiteral("Cookie")};
inline const QString DocumentAnswers[2] = {QStringLiteral("Hoax"), QStringLiteral("Spam")};
constexpr QRect Document{292, 8, 493, 501};            // Image1 and Image2
constexpr QRect Window4Mascot{8, 8, 84, 100};
constexpr QRect Window4Bubble{14, 112, 270, 100};
constexpr QRect Window4Label{24, 122, 250, 80};
constexpr QRect ItIsA{20, 250, 64, 24};               // "C'est un"
constexpr QRect ListBox1{90, 240, 170, 102};
constexpr QRect Window4Validate{120, 354, 90, 27};
constexpr QRect Window4Abandon{20, 480, 105, 25};

// ---- Window 5: the browser --------------------------------------------------------------
constexpr QSize Window5Size{787, 683};
inline const QString BrowserCaption = QStringLiteral("Mozilla - Firefox ");
inline const QString SecureQuestion = QStringLiteral("Ce site fonctionne t-il en mode  sécurisé ?");
inline const QString PadlockInstruction = QStringLiteral("Clique sur l'élément signifiant\r\"en Mode sécurisé\"");
inline const QString CookiesInstruction = QStringLiteral("Désactive les cookies sur ce navigateur");
inline const QString SecureSiteUrl = QStringLiteral("https://www.service-public-famille.gouv.fr/espace-personnel/connexion");
inline const QString SecureSiteHost = QStringLiteral("www.service-public-famille.gouv.fr");
constexpr QRect ImageA{0, 0, 787, 532};
constexpr QRect Padlock{728, 504, 25, 25};             // zs9
constexpr QRect OptionsDialog{QPoint(234, 48), BrowserOptions::Size};   // Image1 .. Image7
constexpr QRect onDialog(const QRect &r) { return r.translated(OptionsDialog.topLeft()); }
constexpr QRect optionsCategory(int i) { return onDialog(BrowserOptions::Category[i]); }   // zs1 .. zs6
constexpr QRect OptionsBody = onDialog(BrowserOptions::Body);   // zs10: 529 x 278 at 242, 123
constexpr QRect CookiesTab{547, 168, 50, 20};          // zs7
constexpr QRect CookiesPage{242, 164, 537, 265};       // Image8
constexpr QRect AllowCookies{262, 214, 15, 17};        // CheckBox1, over the pictured box
constexpr QRect AllowCookiesCaption{280, 212, 300, 21}; // zs8
constexpr QRect Window5Mascot{8, 540, 84, 100};
constexpr QRect Window5Bubble{96, 544, 440, 96};
constexpr QRect Window5Label{108, 552, 416, 80};       // consigne3
constexpr QRect Window5Yes{560, 560, 80, 27};
constexpr QRect Window5No{660, 560, 80, 27};
constexpr QRect Window5Abandon{660, 640, 105, 25};

// A window rectangle in the coordinates of a picture laid at 'picture'.
constexpr QRect inPicture(const QRect &r, const QRect &picture) { return r.translated(-picture.topLeft()); }
}
