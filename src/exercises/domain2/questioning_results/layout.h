#pragma once
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// Geometry and texts of the questioning-results exercise (competence 2.4), in client
// pixels of its two windows: a spreadsheet whose average leaves out a mark, then a
// chart whose legend contradicts a written study.
namespace QuestioningLayout {

constexpr int Competence = 10;

// Where an element of the window lies in a picture placed at 'picture'.
constexpr QRect inPicture(const QRect &windowRect, const QRect &picture)
{
    return windowRect.translated(-picture.left(), -picture.top());
}

// The group box of an answer list and the list inside it, in the box's coordinates.
constexpr QRect AnswerListInBox{8, 30, 289, 49};

namespace First {
constexpr QSize WindowSize{825, 768};
constexpr QRect Image1{0, 0, 825, 569};
constexpr QRect Edit1{218, 101, 599, 21};
constexpr QRect zs1{181, 41, 23, 29};      // the print button
constexpr QRect zs2{36, 143, 768, 374};    // the whole sheet
constexpr QRect zs3{211, 311, 86, 19};     // cell B11
constexpr QRect GroupBox1{368, 160, 305, 89};
constexpr QRect GroupBox2{416, 288, 305, 89};
constexpr QRect Image2{265, 314, 31, 15};  // the corrected value over B11

// The drawn sheet: row numbers 36 wide, column A 175, the others 86; rows 17 high.
constexpr int SheetTop = 124;
constexpr int HeaderWidth = 36;
constexpr int HeaderHeight = 19;
constexpr int RowHeight = 17;
constexpr int ColumnA = 175;
constexpr int OtherColumns = 86;
constexpr QRect NameBox{6, 101, 110, 21};

constexpr QRect Mascot{36, 600, 84, 100};
constexpr QRect Shape{136, 584, 560, 160};
constexpr QRect consigne3{146, 596, 540, 40};
constexpr QRect consigne4{146, 640, 540, 40};
constexpr QRect consigne5{146, 684, 540, 48};
constexpr QRect BitBtn20{712, 720, 100, 34};

inline const QString Formula = QStringLiteral("=MOYENNE(B6:B9)");
inline const QString CorrectFormula = QStringLiteral("=moyenne(b5:b9)");
inline const QStringList Subjects{QStringLiteral("Français"), QStringLiteral("Mathématiques"),
                                  QStringLiteral("Histoire-géographie"), QStringLiteral("Anglais"),
                                  QStringLiteral("Sciences")};
inline const QList<int> Marks{2, 14, 11, 13, 16};   // B5 to B9
inline const QString AverageLabel = QStringLiteral("Moyenne des 5 matières");
inline const QString ShownAverage = QStringLiteral("13,5");
inline const QString CorrectedAverage = QStringLiteral("11,2");

inline const QStringList Instructions{QStringLiteral("Clique sur l'icone Imprimer pour Imprimer ce document "),
                                      QStringLiteral("ou"),
                                      QStringLiteral("sur une cellule qui pourrait contenir une erreur")};
inline const QString NatureCaption = QStringLiteral("Nature de l'erreur");
inline const QStringList Natures{QStringLiteral("Mauvaise taille de la cellule"), QStringLiteral("Mauvais choix de couleur"),
                                 QStringLiteral("Mauvais choix de police"), QStringLiteral("Mauvaise formule de calcul"),
                                 QStringLiteral("Mauvaise position de la cellule")};
constexpr int RightNature = 3;
inline const QString SourceCaption = QStringLiteral("Source de l'erreur");
inline const QStringList Sources{QStringLiteral("Dysfonctionnement du logiciel"), QStringLiteral("Erreur de frappe"),
                                 QStringLiteral("Erreur de sélection")};
constexpr int WrongSource = 0;
inline const QString AskNature = QStringLiteral("Double-clique sur la nature de l'erreur");
inline const QString AskSource = QStringLiteral("Double-clique sur la source probable de l'erreur");
inline const QString AskCorrection = QStringLiteral("Corrige cette erreur de formule");
inline const QString NextLabel = QStringLiteral("Bravo, passe au 2ème exercice  !");
inline const QString NextBox = QStringLiteral("Bravo passe au 2ème exercice  !");
}

namespace Second {
constexpr QSize WindowSize{780, 768};
constexpr QRect Image1{0, 0, 785, 569};
constexpr QRect Image2{328, 168, 425, 265};   // the line chart
constexpr QRect Memo1{64, 400, 241, 177};
constexpr QRect Button1{128, 584, 121, 25};
constexpr QRect Button2{264, 692, 75, 25};
constexpr QRect Button3{408, 692, 75, 25};
constexpr QRect GroupBox1{360, 432, 305, 81};
constexpr QRect GroupBox2{392, 552, 377, 81};
constexpr QRect Image3{39, 262, 65, 41};      // A8 and A9 with the labels exchanged
constexpr QRect Image4{656, 267, 105, 57};    // the legend with the labels exchanged
constexpr QRect zs2{37, 259, 66, 39};
constexpr int BlinkMs = 1000;
// The chart's own legend, under Image4's box (in window pixels).
constexpr QRect Legend{658, 269, 93, 53};

constexpr int SheetTop = 102;
constexpr int SheetLeft = 9;
constexpr int HeaderWidth = 30;
constexpr int HeaderHeight = 20;
constexpr int RowHeight = 20;
constexpr int ColumnA = 65;
constexpr int OtherColumns = 70;
constexpr QRect NameBox{6, 77, 90, 21};

constexpr QRect Mascot{30, 652, 84, 100};
constexpr QRect Shape{126, 640, 534, 122};
constexpr QRect consigne3{136, 644, 514, 44};
constexpr QRect consigne4{136, 688, 514, 28};
constexpr QRect consigne5{136, 718, 514, 40};
constexpr QRect BitBtn20{668, 726, 100, 32};

inline const QStringList Years{QStringLiteral("2000"), QStringLiteral("2004"), QStringLiteral("2008")};
inline const QString Row8Label = QStringLiteral("6ème");
inline const QString Row9Label = QStringLiteral("3ème");
inline const QList<double> Row8{110, 40, 37};
inline const QList<double> Row9{160, 90, 88};

inline const QStringList MemoLines{QStringLiteral("Une étude a été réalisée dans ton collège."),
                                   QStringLiteral("Cette étude portait sur le nombre d'emprunt de "),
                                   QStringLiteral("dictionnaires pour les classes de 6ème et de "),
                                   QStringLiteral("3ème"),
                                   QString(),
                                   QStringLiteral("Les résultats sont les suivants :"),
                                   QString(),
                                   QStringLiteral("Le nombre d'emprunts  baisse sensiblement "),
                                   QStringLiteral("jusqu'en 2004 puis se stabilise jusqu'en 2008"),
                                   QStringLiteral("Les élèves de 6ème empruntent davantage de "),
                                   QStringLiteral("dictionnaires que les élèves de 3ème"),
                                   QString(),
                                   QString()};

inline const QString ReadButton = QStringLiteral("J'ai lu le cadre jaune");
inline const QString FirstLine = QStringLiteral("1) Lis attentivement le cadre jaune ");
inline const QString SecondLine = QStringLiteral("2) Clique sur le bouton \"J'ai lu le cadre jaune\"");
inline const QString ClickCells = QStringLiteral("Clique sur la celulle A8 ou A9 lorsque les bonnes valeurs apparaissent !");
inline const QString AskAgreement = QStringLiteral("le graphique correspond-il bien au texte du cadre jaune");
inline const QString YesWrong = QStringLiteral("Fausse route ! Lis bien le cadre jaune et regarde le graphique");
inline const QString NatureCaption = QStringLiteral("Nature de l'erreur");
inline const QStringList Natures{QStringLiteral("Mauvaise allure des courbes"),
                                 QStringLiteral("Mauvaise graduation de l'axe x"),
                                 QStringLiteral("Mauvaise graduation de l'axe y"), QStringLiteral("Mauvaise légende"),
                                 QString(), QString()};
constexpr int RightNature = 3;
inline const QString SourceCaption = QStringLiteral("Source de l'erreur");
inline const QStringList Sources{QStringLiteral("Dysfonctionnement du logiciel"),
                                 QStringLiteral("Inversion des étiquettes  dans le tableau des données"),
                                 QStringLiteral("Problème dans l'affichage des couleurs")};
constexpr int RightSource = 1;
inline const QString AskNature = QStringLiteral("Double-clique sur la nature de l'erreur");
inline const QString AskSource = QStringLiteral("Double-clique sur la source de l'erreur");
inline const QString WatchCells = QStringLiteral("Regarde les cellules A8 et A9 , ");
inline const QString LegendChanges = QStringLiteral("lorsque leur valeur changent la légende du graphique change  , ");
inline const QString Missed = QStringLiteral("Raté ! ");
}

inline const QString WrongChoice = QStringLiteral("Fausse route ! ");
}
