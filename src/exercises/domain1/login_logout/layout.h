#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Geometry and texts of the log-in and log-out exercise (competence 1.1), in client
// pixels of its window. The two pictures are drawn from the same rectangles,
// translated into their own coordinates, so that the boxes and buttons they show lie
// exactly under the fields and hot spots.
namespace LoginLayout {

constexpr int Competence = 1;
constexpr QSize WindowSize{943, 746};

constexpr QRect Image1{29, 24, 833, 441};   // the log-in page
constexpr QRect Image2{27, 22, 913, 451};   // the pupil's home page after log-in
constexpr QRect Edit1{603, 384, 121, 20};   // user name box
constexpr QRect Edit2{603, 407, 121, 20};   // password box
constexpr QRect zs{638, 439, 57, 17};       // send button of the log-in page
constexpr QRect zs2{838, 128, 83, 18};      // log-out button of the home page
constexpr QRect DecoySend{838, 152, 83, 18}; // the home page's own send button, below it
constexpr QPoint Label3{32, 128};           // where the site names the user

constexpr QRect Image5{54, 632, 84, 100};   // mascot
constexpr QRect Shape5{136, 616, 465, 121};
constexpr QRect Label1{148, 624, 445, 33};
constexpr QRect Label2{192, 656, 325, 49};
constexpr QRect Label4{200, 704, 325, 33};
constexpr QRect BitBtn1{784, 704, 89, 25};

constexpr int MinimumNameLength = 5;
constexpr int MinimumPasswordLength = 6;

// The site the pictures show.
inline const QString SiteAddress = QStringLiteral("https://certif.college-numerique.fr/quorvil/connexion");
inline const QString HomeAddress = QStringLiteral("https://certif.college-numerique.fr/quorvil/accueil");
inline const QString SiteName = QStringLiteral("Quorvil - Espace élève");

// A rectangle of the window in a picture's own coordinates.
constexpr QRect inPicture(const QRect &windowRect, const QRect &picture)
{
    return windowRect.translated(-picture.left(), -picture.top());
}
}
