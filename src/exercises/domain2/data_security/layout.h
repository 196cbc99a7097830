#pragma once
#include <QRect>
#include <QSize>
#include <QString>

// Geometry and texts of the data-security exercise (competence 2.6): the school
// network's diagram and the log-on to its file server, then a picture saved on the
// server and the computer freed by logging off. Client pixels of the two windows.
namespace DataSecurityLayout {

constexpr int Competence = 12;
constexpr int ErrorThreshold = 0;
constexpr QSize Window1Size{937, 579};
constexpr QSize Window2Size{889, 789};

constexpr QRect inPicture(const QRect &windowRect, const QRect &picture)
{
    return windowRect.translated(-picture.left(), -picture.top());
}

// ---- window 1 -------------------------------------------------------------------
constexpr QRect W1Mascot{40, 420, 84, 100};
constexpr QRect W1Shape{136, 400, 640, 150};
constexpr QRect W1consigne3{152, 410, 608, 130};
constexpr QRect W1BitBtn20{824, 540, 89, 25};
constexpr QRect Image1{32, 32, 401, 345};
constexpr QRect zs2{32, 32, 401, 345};
constexpr QRect zs1{136, 64, 73, 81};
constexpr QRect zs3{150, 149, 34, 51};
constexpr QRect zs4{150, 213, 34, 51};
constexpr QRect Memo1{192, 160, 129, 97};
constexpr QRect Image2{496, 72, 417, 297};
constexpr QRect edit1{600, 211, 244, 21};
constexpr QRect edit2{600, 238, 244, 21};
constexpr QRect edit3{600, 267, 244, 21};
constexpr QRect CheckBox1{607, 300, 14, 14};
constexpr QRect zs5{542, 328, 75, 25};

struct Account
{
    const char *login;
    const char *password;   // four capitals, one small letter, two digits
};
inline constexpr Account Accounts[] = {
    {"eleve1", "KRTAb41"}, {"eleve2", "MOVEs27"}, {"eleve3", "PLUMa83"}, {"eleve4", "ZEBRo65"}, {"eleve5", "TIGRe09"}};
constexpr int LogOnAccount = 1;
inline const QString LogOnUser = QStringLiteral("eleve2");
inline const QString ServerName = QStringLiteral("servpeda");
inline const QString ServerCaption = QStringLiteral("SERVPEDA");

// ---- window 2 -------------------------------------------------------------------
constexpr QRect W2Mascot{392, 612, 84, 100};
constexpr QRect W2Shape{480, 596, 400, 121};
constexpr QRect W2consigne3{492, 606, 376, 50};
constexpr QRect W2consigne4{492, 658, 376, 50};
constexpr QRect W2BitBtn20{784, 758, 89, 25};
constexpr QSize DesktopSize{897, 801};
constexpr QRect W2Image1{0, -8, 897, 801};
constexpr QRect W2zs1{88, 296, 89, 73};
constexpr QRect W2Image2{16, 8, 609, 561};
constexpr QRect W2zs2{22, 40, 41, 21};
constexpr QRect W2Image3{22, 58, 217, 273};
constexpr QRect W2zs3{22, 163, 217, 24};   // the save-as line of the File menu, whole
constexpr QRect W2Image4{128, 72, 737, 417};
constexpr QRect W2zs5{234, 166, 111, 19};
constexpr QRect W2Image5{231, 103, 625, 269};
constexpr QRect W2zs6{774, 422, 74, 24};
constexpr QRect W2zs7{590, 14, 27, 24};
constexpr QRect W2zs8{-2, 758, 140, 31};
constexpr QRect W2Image6{0, 240, 385, 521};
constexpr QRect W2zs9{120, 726, 122, 27};
constexpr QRect W2zs10{248, 726, 122, 27};
constexpr int ServerDriveEntry = 1;   // its line in the dialog's list
inline const QString ServerDrive = QStringLiteral("SERVPEDA (E:)");
inline const QString PictureFile = QStringLiteral("keyboard3v3.jpg");

// ---- texts ------------------------------------------------------------------------
inline const QString FindWorkstations = QStringLiteral("Clique sur les stations de travail réservées aux élèves et enseignants");
inline const QString FindServer = QStringLiteral("Clique sur le serveur de fichiers");
inline const QString FindFirewall = QStringLiteral("Clique sur le pare-feu");
inline const QString LogOn = QStringLiteral("Connecte-toi au serveur de fichiers SERVPEDA\ravec le compte eleve2\r"
                                            "(sans prendre de risque au niveau de la sécurité !)");
// The diagram's captions.
inline const QString NetworkWorkstations = QStringLiteral("Stations de travail élèves et enseignants");
inline const QString NetworkServer = QStringLiteral("Serveur de fichiers");
inline const QString NetworkFirewall = QStringLiteral("Pare-feu");
inline const QString NetworkOffice = QStringLiteral("Postes du secrétariat");
inline const QString MemoHeader = QStringLiteral("Login        Mot de passe");
inline const QString OpenPicture = QStringLiteral("Ouvre le fichier Keyboard3v3.jpg");
inline const QString FromDesktop = QStringLiteral("(A partir du bureau)");
inline const QString SaveOnServer = QStringLiteral("sauvegarde cette image sur le serveur SERVPEDA");
inline const QString CloseEditor = QStringLiteral("Ferme le logiciel Photofiltre");
inline const QString FreeComputer = QStringLiteral("Tu dois maintenant libérer cet ordinateur");
inline const QString ForNextPupil = QStringLiteral("pour laisser la place à l'élève3");
}
