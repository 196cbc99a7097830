#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// The default-printer exercise (competence 1.6): a desktop, its start menu, the
// printers folder and two context menus, then the printer's properties dialog.
// Client pixels of the two borderless windows.
namespace DefaultPrinterLayout {
constexpr int Competence = 6;

// The printers of the folder, in the order of their tiles.
inline const QStringList &printerNames()
{
    static const QStringList names{QStringLiteral("Canon iP4200"), QStringLiteral("Canon LBP3200 sur SALLE-INFO"),
                                   QStringLiteral("Fax"), QStringLiteral("PDFCreator"),
                                   QStringLiteral("Samsung ML-2150")};
    return names;
}
constexpr int CanonIP4200 = 0;      // the tile of the printer to make the default
constexpr int NetworkCanon = 1;     // the default so far
inline const QString FolderCaption = QStringLiteral("Imprimantes et télécopieurs");

namespace Window1 {
constexpr QSize ClientSize(899, 771);
inline const QString Caption = QStringLiteral("exercice6v3");
inline const QString Instruction = QStringLiteral("Définis l'imprimante Canon ip4200 comme imprimante par défaut");
constexpr QRect Image1(2, -26, 897, 801);    // the desktop
constexpr QRect Image2(0, 264, 377, 481);    // the open start menu
constexpr QRect Image3(96, 232, 694, 346);   // the printers folder
constexpr QRect Image4(472, 352, 12, 14);    // the default tick, on the network Canon
constexpr QRect Image5(328, 424, 221, 187);  // the printer's context menu
constexpr QRect zs1(0, 336, 345, 401);
constexpr QRect zs2(-8, 264, 97, 73);
constexpr QRect zs3(0, 736, 137, 33);        // the start button
constexpr QRect zs4(0, 328, 377, 417);
constexpr QRect zs5(192, 584, 185, 33);      // "Imprimantes et télécopieurs" in the start menu
constexpr QRect zs6(104, 256, 673, 313);
constexpr QRect zs7(328, 344, 89, 81);       // the Canon iP4200 icon
constexpr QRect zs8(328, 424, 217, 185);
constexpr QRect zs9(328, 448, 217, 25);      // "Définir par défaut"
constexpr QRect Image0(465, 33, 84, 100);
constexpr QRect Shape5(545, 25, 337, 104);
constexpr QRect Label1(577, 41, 273, 72);
constexpr QRect BitBtn20(780, 688, 110, 34);
}

namespace Window2 {
constexpr QSize ClientSize(905, 812);
inline const QString Caption = QStringLiteral("exercice6v3b");
inline const QString Instruction = QStringLiteral("Modifie les paramètres par défaut de l'imprimante Canon iP4200");
inline const QString SecondLine =
    QStringLiteral("Haute qualité d'impression couleur sur papier photo mat en mode paysage ");
constexpr QRect Image1(QPoint(0, 0), ClientSize);   // the desktop, down to the window's bottom edge
constexpr QRect Image2(96, 256, 694, 346);   // the printers folder
constexpr QRect Image3(384, 376, 12, 14);    // the default tick, now on the Canon iP4200
constexpr QRect Image4(328, 448, 176, 204);  // the default printer's context menu
constexpr QRect zs1(104, 280, 673, 313);
constexpr QRect zs2(328, 368, 89, 81);       // the Canon iP4200 icon
constexpr QRect zs3(328, 448, 177, 161);
constexpr QRect zs4(328, 624, 169, 33);      // "Propriétés"
constexpr QRect Image0(465, 33, 84, 100);
constexpr QRect Shape5(545, 25, 337, 168);
constexpr QRect Label1(577, 41, 273, 60);
constexpr QRect Label2(577, 105, 273, 76);
constexpr QRect BitBtn20(785, 706, 110, 34);
}

// The entries of the two context menus; an empty text is a separator.
inline const QStringList &printerMenu()
{
    static const QStringList items{QStringLiteral("Ouvrir"), QStringLiteral("Définir par défaut"),
                                   QStringLiteral("Options d'impression..."), QStringLiteral("Suspendre l'impression"),
                                   QStringLiteral("Partager..."), QStringLiteral("Créer un raccourci"),
                                   QStringLiteral("Supprimer"), QStringLiteral("Propriétés")};
    return items;
}
constexpr int PrinterMenuRow = 23;
inline const QStringList &defaultPrinterMenu()
{
    static const QStringList items{QStringLiteral("Ouvrir"), QString(), QStringLiteral("Options d'impression..."),
                                   QStringLiteral("Suspendre l'impression"), QString(), QStringLiteral("Partager..."),
                                   QStringLiteral("Utiliser l'imprimante en ligne"), QString(),
                                   QStringLiteral("Créer un raccourci"), QStringLiteral("Supprimer"),
                                   QStringLiteral("Renommer"), QString(), QStringLiteral("Propriétés")};
    return items;
}
constexpr int DefaultMenuRow = 20;
constexpr int DefaultMenuSeparator = 5;
constexpr int DefaultPropertiesTop = 182;   // "Propriétés" in the menu picture, inside zs4

// Where the start menu draws "Imprimantes et télécopieurs", in its own coordinates.
constexpr QRect printersEntryInMenu() { return Window1::zs5.translated(-Window1::Image2.topLeft()); }
}
