#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Geometry and texts of the file-properties exercise (competence 1.4): a chain of
// eight windows over the school desktop and its file explorer. Rectangles are in
// client pixels of the windows; the pictures are drawn from the same numbers
// through the explorer family, translated by the explorer's place.
namespace FilePropertiesLayout {

constexpr int Competence = 4;
constexpr int ErrorThreshold = 2;
constexpr QSize WindowSize{896, 746};
constexpr int GuardMs = 500;

// The bubble of every window, Abandon at the bottom right.
constexpr QRect Mascot{32, 32, 84, 100};
constexpr QRect Shape{112, 16, 337, 121};
constexpr QRect Label1{144, 24, 273, 105};
constexpr QRect BitBtn20{784, 712, 89, 25};

// The explorer screenshot of windows 2 to 8, and of window 1 once opened.
constexpr QPoint ExplorerOrigin{16, 152};
constexpr QSize ExplorerSize{838, 548};
constexpr QRect ExplorerRect{ExplorerOrigin, ExplorerSize};
constexpr QRect ExplorerWrong{16, 157, 841, 540};

// A rectangle of a window in the explorer picture's coordinates, and back.
constexpr QRect inExplorer(const QRect &windowRect) { return windowRect.translated(-16, -152); }
constexpr QRect fromExplorer(const QRect &pictureRect) { return pictureRect.translated(16, 152); }
constexpr QRect inPicture(const QRect &windowRect, const QRect &picture)
{
    return windowRect.translated(-picture.left(), -picture.top());
}

// ---- window 1: the desktop, the computer, the drive's menu and properties --------
constexpr QRect W1Image1{0, -48, 895, 796};
constexpr QRect W1Image4{464, 0, 385, 177};      // the diagram to find
constexpr QRect W1image2{16, 152, 837, 548};     // the explorer on the computer
constexpr QRect W1Image6{368, 392, 188, 235};    // the drive's context menu
constexpr QRect W1Image3{320, 248, 471, 479};    // the drive's properties
constexpr QRect W1zs1{0, 240, 345, 505};
constexpr QRect W1zs2{168, 480, 97, 65};
constexpr QRect W1zs5{16, 152, 841, 545};
constexpr QRect W1zs3{248, 392, 217, 33};
constexpr QRect W1zs6{368, 392, 185, 209};
constexpr QRect W1zs4{368, 600, 185, 25};
constexpr QRect W1zs7{552, 696, 73, 25};
constexpr int DriveMenuItemHeight = 22;
constexpr int DriveMenuPropertiesTop = 209;       // in the menu picture

// ---- window 2: the folders button, drive C: in either pane -----------------------
constexpr QRect W2zs1{24, 160, 833, 537};
constexpr QRect W2zs2{312, 208, 89, 41};
constexpr QRect W2zs5{16, 157, 841, 540};
constexpr QRect W2zs4{264, 392, 209, 33};
constexpr QRect W2zs3{40, 341, 153, 19};

// ---- window 3: test-tavelo in either pane, the wrong area after the guard ---------
constexpr QRect W3zs1{16, 157, 841, 540};
constexpr QRect W3zs2{56, 564, 113, 18};
constexpr QRect W3zs3{264, 492, 113, 18};
constexpr int TestFolderRowInDrive = 12;          // its row in the drive's listing
constexpr int TestFolderTreeIndex = 16;           // its line in the folder tree

// ---- window 4: the four questions and the column menu -----------------------------
constexpr QRect W4Edit2{464, 48, 73, 41};
constexpr QRect W4Button1{552, 56, 75, 25};
constexpr QRect W4zs1{16, 157, 841, 540};
constexpr QRect W4zs2{264, 268, 585, 18};
constexpr QRect W4Image2{680, 288, 163, 359};
constexpr QRect W4zs4{680, 288, 169, 353};
constexpr QRect W4zs3{680, 358, 161, 19};
constexpr int ColumnMenuItemHeight = 17;
constexpr int ColumnMenuCreationIndex = 4;

// ---- window 5: sorting by size, the largest file -----------------------------------
constexpr QRect W5zs1{16, 157, 841, 540};
constexpr QRect W5zs2{392, 268, 73, 21};
constexpr QRect W5Label2{464, 28, 66, 33};
constexpr QRect W5Label3{464, 82, 66, 33};
constexpr QRect W5Edit1{536, 24, 153, 41};
constexpr QRect W5Edit2{536, 78, 153, 41};
constexpr QRect W5Button1{712, 64, 75, 25};

// ---- window 6: a new folder by the File menu or the list's context menu ------------
constexpr QRect W6zs1{16, 157, 841, 540};
constexpr QRect W6zs2{16, 180, 57, 29};
constexpr QRect W6Image2{18, 200, 133, 150};
constexpr QRect W6zs3{16, 224, 137, 129};
constexpr QRect W6zs3b{16, 199, 137, 25};
constexpr QRect W6Image4{150, 199, 230, 322};
constexpr QRect W6zs4{320, 328, 225, 297};
constexpr QRect W6zs5{152, 199, 225, 25};
constexpr QRect W6zs6{384, 287, 465, 402};
constexpr QRect W6zs7{264, 528, 577, 153};
constexpr QRect W6Image3{448, 448, 172, 189};
constexpr QRect W6zs8{448, 448, 169, 185};
constexpr QRect W6zs9{448, 583, 169, 25};
constexpr QRect W6Image5{616, 315, 230, 322};
constexpr QRect W6zs11{616, 342, 225, 296};
constexpr QRect W6zs10{616, 316, 225, 26};

// ---- window 7: the new folder's name ------------------------------------------------
constexpr QRect W7Edit1{281, 523, 111, 21};
constexpr int NewFolderRow = 14;

// ---- window 8: the drag of Licence.txt into textes -----------------------------------
constexpr QRect W8zs1{16, 157, 841, 540};
constexpr QSize DraggedFileSize{80, 18};
// Relative to zs1's top left; both edges included.
constexpr QRect LicencePress{QPoint(253, 200), QPoint(330, 214)};
constexpr QRect TextesInList{QPoint(251, 372), QPoint(306, 383)};
constexpr QRect TextesInTree{QPoint(69, 495), QPoint(143, 512)};
constexpr int LicenceRow = 4;
constexpr int TextesTreeIndex = 21;

// ---- the explored folder -------------------------------------------------------------
struct FileEntry
{
    const char *name;
    const char *icon;
    int sizeKo;            // 0: a folder (no size shown)
    const char *type;
    const char *modified;
    const char *created;
};
inline constexpr FileEntry TestFolder[] = {
    {"archives", "folder", 0, "Dossier de fichiers", "14/09/2009 10:12", "02/09/2009 08:41"},
    {"dessins", "folder", 0, "Dossier de fichiers", "21/09/2009 16:05", "02/09/2009 08:42"},
    {"exemples", "folder", 0, "Dossier de fichiers", "05/10/2009 11:30", "02/09/2009 08:42"},
    {"projets", "folder", 0, "Dossier de fichiers", "12/10/2009 09:18", "02/09/2009 08:43"},
    {"accueil.htm", "text-html", 7, "Document HTML", "18/09/2009 15:47", "03/09/2009 09:10"},
    {"aide.htm", "text-html", 15, "Document HTML", "18/09/2009 15:52", "03/09/2009 09:12"},
    {"bouton.gif", "image-gif", 4, "Image GIF", "10/09/2009 14:03", "03/09/2009 09:20"},
    {"config.ini", "text-x-generic", 3, "Paramètres de configuration", "02/09/2009 08:50", "02/09/2009 08:50"},
    {"fleche.gif", "image-gif", 2, "Image GIF", "10/09/2009 14:05", "03/09/2009 09:21"},
    {"installer.exe", "application-x-executable", 412, "Application", "01/09/2009 17:26", "02/09/2009 08:45"},
    {"Licence.txt", "text-plain", 1, "Document texte", "01/09/2009 17:30", "02/09/2009 08:46"},
    {"logo.gif", "image-gif", 22, "Image GIF", "11/09/2009 10:44", "03/09/2009 09:22"},
    {"photo.gif", "image-gif", 64, "Image GIF", "11/09/2009 10:58", "03/09/2009 09:23"},
    {"PhotoFiltre.exe", "application-x-executable", 2657, "Application", "01/09/2009 17:28", "02/09/2009 08:47"},
};
inline const QString LicenceName = QStringLiteral("Licence.txt");
inline const QString NewFolderDefault = QStringLiteral("nouveau fichier");
inline const QString NewFolderName = QStringLiteral("textes");

// ---- texts --------------------------------------------------------------------------
inline const QString W1Start = QStringLiteral("Affiche la fenêtre qui présente le diagramme ci-contre");
inline const QString W1ClickOk = QStringLiteral("Bien, clique maintenant sur OK");
inline const QString W2Start = QStringLiteral("Affiche dans la partie gauche de cette fenêtre l'arborescence des dossiers");
inline const QString W2OpenFolder = QStringLiteral(" Ouvre le dossier c:\\test-tavelo ");
inline const QString W3Start = QStringLiteral("Ouvre le dossier c:\\test-tavelo");
struct Question
{
    const char *text;
    const char *answer;
};
inline constexpr Question Questions[] = {
    {"Combien  y a t-il de répertoires dans test-tavelo ?", "4"},
    {" Combien  y a t-il de fichiers exécutables dans test-tavelo ?", "2"},
    {" Combien  y a t-il de fichiers images dans test-tavelo ?", "4"},
    {" Combien  y a t-il de pages de site Internet dans test-tavelo ? ", "2"},
};
inline const QString W4AddColumn = QStringLiteral(" Ajoute la colonne Date de création dans cette fenêtre ");
inline const QString W5Start = QStringLiteral("Trie les fichiers et dossiers se trouvant dans Test-tavelo par taille");
inline const QString W5Largest = QStringLiteral("Quel est le nom et la taille (en Ko) du plus gros fichier");
inline const QString W5NameKey = QStringLiteral("photofiltre");
inline const QString W5SizeKey = QStringLiteral("2657");
inline const QString W5Right = QStringLiteral("Bravo");
inline const QString W6Start = QStringLiteral("Crée un nouveau répertoire dans le dossier Test-tavelo");
inline const QString W7Start = QStringLiteral("Nomme ce nouveau dossier : textes");
inline const QString W7Hint = QStringLiteral("Nomme le répertoire");
inline const QString W8Start =
    QStringLiteral("A l'aide du glisser-déposer, déplace le fichier Licence.txt dans le dossier textes");
inline const QString LeftButtonOnly =
    QStringLiteral("Utiliser le bouton gauche de la souris pour Glisser-Déposer ! ");
}
