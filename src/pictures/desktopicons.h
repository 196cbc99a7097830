#pragma once
#include <QRect>
#include <QString>

class QPainter;

// The icons of a classic desktop, each kind recognisable at a glance: folders (plain,
// compressed with its zip, personal), the computer, the recycle bin, the network
// places, documents, a system browser icon, and program shortcuts, which carry the
// little curved arrow in their lower left corner.
namespace DesktopIcons {

enum class Kind {
    Folder,
    CompressedFolder,
    PersonalFolder,
    Computer,
    RecycleBin,
    NetworkPlaces,
    TextDocument,
    SystemBrowser,   // a browser icon of the system itself: no shortcut arrow
    // Program shortcuts.
    WebBrowser,
    PdfPrinter,
    MediaPlayer,
    VideoPlayer,
    PdfReader,
    MediaLibrary,
    InternetShortcut,
    PhotoEditor,
    ImageViewer,
    WordProcessor,
    TextEditor,
    FileTransfer,
    Spreadsheet,
};
constexpr int KindCount = 21;

bool isShortcut(Kind kind);
// The icon alone, in a square rectangle (the arrow of a shortcut included).
void paintIcon(QPainter &painter, const QRect &rect, Kind kind);
// An icon of 'iconSize' pixels centred at the top of 'tile', its caption on one or
// two lines below it, white with a dark shadow as on a wallpaper.
void paintTile(QPainter &painter, const QRect &tile, Kind kind, const QString &caption, int iconSize = 36,
               bool selected = false);
}
