#pragma once
#include "pictures/imageeditor.h"

#include <QRect>
#include <QSize>
#include <QString>

// Geometry and texts of the image exercise (competence 3.7), in client pixels of its
// three windows. The editor picture lies at EditorTop; its menu titles, tool
// buttons and menu lines come from the image-editor family, moved by the same
// offset, so each hot spot lies over what the pupil sees.
namespace ImageProcessingLayout {

constexpr int Competence = 20;
constexpr QSize WindowSize{900, 750};

// The bubble and Abandon, above the editor (over the desktop in window 1).
constexpr QRect Mascot{12, 2, 84, 100};
constexpr QRect Bubble{104, 8, 640, 88};
constexpr QRect Label1{116, 14, 616, 76};
constexpr QRect BitBtn20{772, 36, 110, 32};

// Window 1: the desktop.
constexpr QRect zs{264, 402, 73, 73};        // the image editor's shortcut
constexpr QRect zs1Desktop{-16, 250, 369, 497};
constexpr int IconColumns[4] = {8, 92, 176, 260};
constexpr int IconRows[4] = {304, 396, 488, 580};
constexpr int EditorIconColumn = 3;
constexpr int EditorIconRow = 1;

// Windows 2 and 3: the editor.
constexpr QPoint EditorTop{0, 104};
constexpr QRect Editor{0, 104, 900, 646};
constexpr QRect inWindow(const QRect &editorRect) { return editorRect.translated(EditorTop); }

// Window 2: the empty editor.
constexpr QRect zs3b{-8, 129, 57, 24};       // "Fichier"
constexpr QRect zs1b{-8, 129, 713, 80};      // menu bar and tool bars
constexpr QRect zs2b{704, 209, 65, 424};     // tool palette
constexpr QRect Image2b{2, 153, 210, 264};   // the File menu
constexpr QRect zs4b{4, 153, 209, 264};
constexpr QRect zs5b{2, 208, 209, 24};       // "Fichiers récents"
constexpr QRect Image3b{210, 208, 160, 80};  // the recent files
constexpr QRect zs6b{212, 208, 161, 81};
constexpr QRect zs7b{211, 248, 161, 21};     // "Coucher de soleil.jpg"

// Window 3: the editor with the photograph.
constexpr QRect Photo{8, 214, 606, 457};     // Image2 .. Image6, levels 1 .. 5
constexpr QRect HalfPhoto{8, 214, 400, 300}; // Image17
constexpr QRect zs13{8, 214, 601, 451};      // closes the open menu
constexpr QRect zs14{704, 209, 65, 424};     // the drawing-tool palette
constexpr QRect zs61{116, 278, 229, 22};     // Image: image size
constexpr int MenuTitleTop = 134;
constexpr int StartLevel = 4;
constexpr int MaxErrors = 2;

inline QRect menuTitleZone(int menu)
{
    const QRect title = inWindow(ImageEditor::menuTitle(menu));
    return QRect(title.left(), MenuTitleTop, title.width(), title.bottom() + 1 - MenuTitleTop);
}
inline QRect menuPicture(int menu)
{
    return QRect(ImageEditor::menuTopLeft(menu) + EditorTop, ImageEditor::menuSize(ImageEditor::menu(menu)));
}
// A menu line in window pixels: its hot spot covers the drawn row whole.
inline QRect menuLine(int menu, int line)
{
    return ImageEditor::lineRects(ImageEditor::menu(menu)).at(line).translated(menuPicture(menu).topLeft());
}
inline const QRect zs60 = menuLine(ImageEditor::Adjust, ImageEditor::AdjustBrightnessContrast);
inline const QRect zs63 = menuLine(ImageEditor::File, ImageEditor::FileSaveAs);
inline QRect toolZone(int row, int index)
{
    return inWindow(ImageEditor::toolRects(row).at(index));
}

inline const QString Caption = ImageEditor::SunsetFile;
// The editor once the image is halved: its status bar gives the new size.
inline const QString ResizedEditor = QStringLiteral("Texercice20v3c/Image1b");
inline const QString BmpType = QStringLiteral("bmp (*.bmp)");
inline const QString AcceptedWidth = QStringLiteral("400");
inline const QString AcceptedHeight = QStringLiteral("300");

// Texts.
inline const QString StartEditor =
    QStringLiteral("A partir du bureau, lance le logiciel permettant de réaliser du traitement d'images");
inline const QString OpenRecent = QStringLiteral("Ouvre le fichier récent \"Coucher de soleil\"");
inline const QString RaiseBrightness = QStringLiteral("Augmente au maximum la luminosité de cette image");
inline const QString HalveSize =
    QStringLiteral("Bien, maintenant divise par 2 la hauteur et la largeur (en pixel) de cette image ");
inline const QString SaveAsBitmap = QStringLiteral("Pour finir, enregistre cette nouvelle image au format Bitmap");
inline const QString BrightnessDone = QStringLiteral("Bravo, passe à la suite !");
inline const QString UseToolBar = QStringLiteral("Utilise plutôt la barre d'outils ");
inline const QString PaletteHint = QStringLiteral("Outils de dessin");
}
