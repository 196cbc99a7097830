#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// Geometry and texts of the spreadsheet formula exercise (competence 3.4), in
// client pixels of its one window.
namespace SpreadsheetFormulaLayout {

constexpr int Competence = 17;
constexpr QSize WindowSize{792, 578};

// The grid: 9 columns of 35 pixels and 18 rows, shown whole without scroll bars.
constexpr QRect t{16, 40, 328, 454};
constexpr int GridColumns = 9;
constexpr int GridRows = 18;
constexpr int ColumnWidth = 36;   // 35 and the grid line
constexpr int RowHeight = 25;

constexpr QRect Label11{16, 8, 62, 21};    // "Formule :"
constexpr QRect Label12{80, 8, 52, 21};    // the name box
constexpr QRect Edit2{136, 8, 209, 21};    // the formula bar
constexpr QRect BitBtn1{349, 6, 44, 25};   // its OK button

// The yellow instruction panel and what it holds, in the panel's coordinates.
constexpr QRect Panel1{360, 40, 416, 454};
constexpr QRect Mascot{2, 12, 84, 100};
constexpr QRect Bubble{86, 4, 326, 118};   // the speech bubble with its tail at the left
constexpr QRect BubbleText{102, 12, 306, 102};
constexpr int ItemsTop = 134;
constexpr int ItemPitch = 74;              // from one arrowed item to the next
constexpr QSize Arrow{18, 14};
constexpr int ItemTextLeft = 30;
constexpr int ItemLineHeight = 18;
constexpr QRect Button1{496, 236, 200, 36}; // "Exercice réussi." in window pixels

constexpr QRect BitBtn20{676, 532, 100, 32};
constexpr QRect Label39{16, 540, 120, 22};

inline const QString FormulaCaption = QStringLiteral("Formule :");
inline const QString MenuItem = QStringLiteral("insérer formule");
inline const QString SuccessButton = QStringLiteral("Exercice réussi.");
inline const QString Banner = QStringLiteral("TAVELO");
inline const QString Error = QStringLiteral("ERREUR !!!");
inline const QString ShownFormula = QStringLiteral("=moyenne(A1:H15)");
constexpr int ErrorPauseMs = 1000;

inline const QStringList BubbleLines{
    QStringLiteral("Dans le tableau ci-contre, nous retrouvons les notes sur 40"),
    QStringLiteral("obtenues par les élèves du collège Brisval au brevet en"),
    QStringLiteral("maths. Un tableur permet d'effectuer des calculs sur un grand"),
    QStringLiteral("nombre de données. Voici les instructions :")};

// The four arrowed items; the gap of the first item's second line holds Edit1.
inline const QStringList Item1{QStringLiteral("Calculez la note moyenne des 120 élèves, en utilisant la"),
                               QStringLiteral("formule :                                       à placer en B17.")};
inline const QString Item1GapPrefix = QStringLiteral("formule : ");
inline const QStringList Item2{QStringLiteral("Déterminez la plus petite note des 120 élèves, en utilisant la"),
                               QStringLiteral("formule : \"min\" sur le modèle précédent (à placer en E17).")};
inline const QStringList Item3{QStringLiteral("Déterminez la plus grande note des 120 élèves, en utilisant la"),
                               QStringLiteral("formule : \"max\" (à placer en H17).")};
inline const QString Item4 = QStringLiteral("Un clic droit ou un double clic peuvent simplifier la vie !");
}
