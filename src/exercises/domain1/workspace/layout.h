#pragma once
#include "pictures/desktopicons.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Geometry and texts of the workspace exercise (competence 1.2), in client pixels of
// its window. The desktop, the start menu, the programs list, the office submenu and
// the spreadsheet window are drawn from these rectangles, translated into each
// picture's own coordinates, so every entry lies under its hot spot.
namespace WorkspaceLayout {

constexpr int Competence = 2;
constexpr QSize WindowSize{896, 746};

// Pictures.
constexpr QRect Image1{0, -48, 897, 793};   // the desktop
constexpr QRect Image2{-8, 240, 377, 481};  // the start menu
constexpr QRect Image3{176, 72, 201, 673};  // all programs
constexpr QRect Image4{376, 72, 177, 145};  // the office suite's submenu
constexpr QRect Image6{96, 24, 737, 537};   // the spreadsheet window

// Hot spots of the start-menu part.
constexpr QRect Shape1{0, 720, 137, 25};    // the start button
constexpr QRect Shape2{8, 688, 169, 33};    // "Tous les programmes"
constexpr QRect Shape3{-16, 248, 201, 433}; // the start menu's left column
constexpr QRect Shape4{152, 720, 121, 33};  // the task bar right of the start button
constexpr QRect Shape6{184, 72, 193, 33};   // the office suite's folder
constexpr QRect Shape9{184, 104, 193, 641}; // the rest of the programs list
constexpr QRect Shape7{384, 96, 161, 25};   // the spreadsheet entry
constexpr QRect Shape8{792, 32, 65, 33};    // the spreadsheet's close button

constexpr int ProgramRowHeight = 32;        // rows of the programs list
constexpr int SubmenuRowHeight = 24;        // rows of the submenu

// The instruction bubble and the progress circles.
constexpr QRect Mascot{452, 244, 84, 100};  // Image5
constexpr QRect Shape5{544, 232, 337, 121};
constexpr QRect Label1{552, 240, 321, 56};
constexpr QRect Label2{552, 296, 321, 52};
constexpr int CircleTop = 368;
constexpr int CircleLefts[7] = {640, 672, 704, 736, 768, 800, 832};
constexpr QSize CircleSize{25, 25};
constexpr QRect AbandonButton{776, 672, 104, 28};   // BitBtn20

// The desktop icons: four columns, six rows.
constexpr int IconLefts[4] = {8, 88, 176, 264};
constexpr int IconTops[6] = {248, 320, 392, 472, 552, 632};
constexpr QSize SmallIcon{73, 65};   // Icone1 and icone2
constexpr QSize LargeIcon{81, 73};

struct DesktopIcon
{
    int column, row;
    DesktopIcons::Kind kind;
    const char *caption;
    int answers;   // the question (1 .. 7) it answers rightly, 0 for none
};
using DesktopIcons::Kind;
constexpr DesktopIcon Icons[21] = {
    {0, 0, Kind::WebBrowser, "Navigateur Web", 4},
    {0, 1, Kind::PdfPrinter, "Imprimante PDF", 4},
    {1, 1, Kind::MediaPlayer, "Lecteur multimédia", 4},
    {2, 1, Kind::VideoPlayer, "Lecteur vidéo", 4},
    {3, 1, Kind::PdfReader, "Lecteur PDF", 4},
    {0, 2, Kind::MediaLibrary, "Médiathèque", 4},
    {1, 2, Kind::InternetShortcut, "Navigateur Internet", 4},
    {2, 2, Kind::PersonalFolder, "Mes documents", 3},
    {3, 2, Kind::PhotoEditor, "PhotoFiltre", 4},
    {0, 3, Kind::CompressedFolder, "exposes.zip", 2},
    {1, 3, Kind::ImageViewer, "Visionneuse d'images", 4},
    {2, 3, Kind::Computer, "Poste de travail", 0},
    {3, 3, Kind::Folder, "Cours de français", 1},
    {0, 4, Kind::RecycleBin, "Corbeille", 5},
    {1, 4, Kind::TextDocument, "recette.txt", 7},
    {2, 4, Kind::WordProcessor, "Traitement de texte", 4},
    {3, 4, Kind::TextEditor, "Bloc-notes", 4},
    {0, 5, Kind::CompressedFolder, "photos.zip", 2},
    {1, 5, Kind::SystemBrowser, "Internet", 0},
    {2, 5, Kind::FileTransfer, "Transfert FTP", 4},
    {3, 5, Kind::NetworkPlaces, "Favoris réseau", 6},
};
// The hot spot of icon i (0 .. 20) once the questions start.
constexpr QRect iconRect(int i)
{
    const QSize s = i < 2 ? SmallIcon : LargeIcon;
    return {IconLefts[Icons[i].column], IconTops[Icons[i].row], s.width(), s.height()};
}

// Texts.
inline const QString StartInstruction = QStringLiteral("Lancer le logiciel OpenOffice            (Module TABLEUR)");
inline const QString CloseInstruction = QStringLiteral(" Bravo, ferme maintenant la fenêtre de ce programme !");
inline const QString QuestionsInstruction = QStringLiteral(" Double-clique maintenant sur :");
inline const QString Questions[7] = {
    QStringLiteral("Un dossier non compressé (autre que Mes documents)"),
    QStringLiteral("Un dossier compressé"),
    QStringLiteral(" le dossier comportant tes fichiers personnels"),
    QStringLiteral(" un raccourci vers un logiciel"),
    QStringLiteral(" l'icône permettant de retrouver des fichiers effacés"),
    QStringLiteral(" l'icône permettant d'accéder à des ordinateurs distants"),
    QStringLiteral(" l'icône d'un fichier contenant  du texte"),
};
inline const QString SuccessLabel = QStringLiteral("Exercice réussi : bravo !");
inline const QString SuccessBox = QStringLiteral("Bravo ! Exercice réussi !");
inline const QString FailureLabelFormat = QStringLiteral("Il faudra recommencer : %1 faute(s)");

// What the menus show.
inline const QString AllPrograms = QStringLiteral("Tous les programmes");
inline const QString OfficeFolder = QStringLiteral("OpenOffice.org 2.4");
inline const QString SpreadsheetEntry = QStringLiteral("OpenOffice.org Calc");
inline const QString SpreadsheetCaption = QStringLiteral("Sans nom 1 - OpenOffice.org Calc");

// A rectangle of the window in a picture's own coordinates.
constexpr QRect inPicture(const QRect &r, const QRect &picture)
{
    return r.translated(-picture.left(), -picture.top());
}
}
