#pragma once
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// Geometry and texts of the chart exercise (competence 3.5), in client pixels of
// its window, below the menu bar. The wizard pages are pictures laid at Page, their
// live boxes, fields and hot spots placed from the page rectangles below.
namespace ChartLayout {

constexpr int Competence = 18;
constexpr QSize ClientSize{913, 706};
inline const QString Caption = QStringLiteral("inventaire informtique.ods - Tableur");

constexpr QRect Image1{0, 0, 913, 417};     // the spreadsheet window
constexpr QRect zs3{548, 0, 27, 25};        // the insert-chart icon
constexpr QRect Edit2{8, 58, 90, 21};       // the name box
constexpr QRect Edit1{216, 60, 641, 20};    // the input line
constexpr QRect StringGrid1{1, 82, 912, 291};
constexpr int NarrowSheetWidth = 312;
constexpr int Columns = 13;                 // with the row numbers
constexpr int Rows = 41;                    // with the column letters
constexpr int RowHeight = 16;
constexpr int HeaderWidth = 30;
constexpr int ColumnA = 82;
constexpr int ColumnL = 64;
inline int columnWidth(int column)          // 1 = A
{
    if (column == 1)
        return ColumnA;
    if (column == 12)
        return ColumnL;
    return 78 + column % 4;                 // 78 to 81
}
constexpr QRect Image5{313, 82, 600, 291};  // empty columns beside the narrowed sheet
constexpr QRect Image3{16, 416, 321, 281};  // the chart to obtain
constexpr QRect Image8{575, 96, 321, 281};  // the same, finished, at the end

constexpr QRect Mascot{352, 456, 84, 100};
constexpr QRect Shape{444, 430, 456, 150};
constexpr QRect consigne3{456, 444, 432, 52};
constexpr QRect Label1{456, 502, 432, 64};
constexpr QRect BitBtn20{800, 664, 100, 32};

// The wizard pages.
constexpr QRect Page{320, 109, 560, 300};
constexpr QRect inPage(const QRect &pageRect) { return pageRect.translated(Page.topLeft()); }
constexpr QRect fromPage(const QRect &windowRect) { return windowRect.translated(-Page.left(), -Page.top()); }
constexpr int PageTitleHeight = 24;
constexpr QRect StepsPane{8, 32, 144, 226};
constexpr QRect Content{160, 32, 392, 226};
constexpr QRect HelpButton{8, 268, 70, 24};
constexpr QRect PreviousButton{218, 268, 100, 24};
constexpr QRect NextButton{324, 268, 100, 24};
constexpr QRect CreateButton{430, 268, 60, 24};
constexpr QRect CancelButton{494, 268, 58, 24};

// Page 1, range.
constexpr QRect Edit3InPage{292, 66, 180, 22};
constexpr QRect CheckBox1InPage{172, 170, 300, 20};
constexpr QRect CheckBox2InPage{172, 196, 300, 20};
// Page 2, the eight types: two rows of four.
constexpr QSize TypeZone{65, 58};
constexpr int TypeLeft = 178;
constexpr int TypePitch = 94;
constexpr int TypeTops[2] = {72, 160};
constexpr int TypeHeights[2] = {58, 56};
constexpr QRect typeZone(int index)   // 0 .. 7, in page coordinates
{
    return QRect(TypeLeft + (index % 4) * TypePitch, TypeTops[index / 4], TypeZone.width(), TypeHeights[index / 4]);
}
constexpr int ColumnType = 2;
// Page 3, titles and options.
constexpr QRect CheckBox3InPage{172, 62, 130, 20};
constexpr QRect Edit4InPage{310, 60, 230, 22};
constexpr QRect CheckBox4InPage{172, 90, 200, 20};
constexpr QRect CheckBox5InPage{172, 140, 130, 20};
constexpr QRect Edit5InPage{310, 138, 230, 22};
constexpr QRect CheckBox6InPage{172, 168, 130, 20};
constexpr QRect Edit6InPage{310, 166, 230, 22};
constexpr QRect CheckBox7InPage{172, 222, 120, 20};
constexpr QRect CheckBox8InPage{310, 222, 120, 20};

// Texts drawn on the pages; the live boxes carry the same.
inline const QString WizardTitle = QStringLiteral("Assistant de diagramme");
inline const QStringList StepNames{QStringLiteral("1. Plage de données"), QStringLiteral("2. Type de diagramme"),
                                   QStringLiteral("3. Éléments du diagramme")};
inline const QString FirstRowLabel = QStringLiteral("Première ligne comme étiquette");
inline const QString FirstColumnLabel = QStringLiteral("Première colonne comme étiquette");
inline const QString TitleBox = QStringLiteral("Titre");
inline const QString LegendBox = QStringLiteral("Afficher la légende");
inline const QString XAxisBox = QStringLiteral("Axe X");
inline const QString YAxisBox = QStringLiteral("Axe Y");
inline const QString MainTitlePlaceholder = QStringLiteral("Titre principal");
inline const QString XTitlePlaceholder = QStringLiteral("Titre de l'axe X");
inline const QString YTitlePlaceholder = QStringLiteral("Titre de l'axe Y");

// The table to type, the range and the chart.
constexpr int TableTop = 5;
inline const QStringList Components{QStringLiteral("souris"), QStringLiteral("clavier"), QStringLiteral("tour"),
                                    QStringLiteral("moniteur")};
inline const QStringList Quantities{QStringLiteral("6"), QStringLiteral("8"), QStringLiteral("5"), QStringLiteral("3")};
inline const QString Range = QStringLiteral("a5:b8");
inline const QString MainTitle = QStringLiteral("inventaire informatique");
inline const QString XTitle = QStringLiteral("composant");
inline const QString YTitle = QStringLiteral("quantité");
// As the target chart shows them.
inline const QString ShownTitle = QStringLiteral("Inventaire informatique");
inline const QStringList ShownCategories{QStringLiteral("Souris"), QStringLiteral("Clavier"), QStringLiteral("Tour"),
                                         QStringLiteral("Moniteur")};
inline const QList<double> ShownValues{6, 8, 5, 3};
inline const QString ShownXTitle = QStringLiteral("Composant");
inline const QString ShownYTitle = QStringLiteral("Quantité");

// The instruction and the wrong ways.
inline const QString Instruction = QStringLiteral("Tu dois réaliser le graphique ci-contre");
inline const QString WhereToType = QStringLiteral("Les données devront être saisies dans la plage de cellules A5 à B8");
inline const QString SwappedData = QStringLiteral("Les données dans les colonnes A et B sont inversées !");
inline const QString WrongData = QStringLiteral("Les données saisies ne sont pas bonnes ou mal placées !");
inline const QString WrongRange = QStringLiteral("La plage de cellules n'est pas la bonne!");
inline const QString WrongLabelBoxes = QStringLiteral("Erreur dans les cases à cocher!");
inline const QString WrongType = QStringLiteral("Ce n'est pas le bon type de graphique!");
inline const QString TypeFirst = QStringLiteral("Sélectionne d'abord le type de graphique!");
inline const QString WrongTitles = QStringLiteral("Vérifie les titres !");
inline const QString WrongBoxes = QStringLiteral("Vérifie les cases à cocher !");
}
