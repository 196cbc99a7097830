#pragma once
#include "pictures/mailclient.h"

#include <QRect>
#include <QSize>
#include <QString>

// Geometry and texts of the received-attachment exercise (competence 5.2), in client
// pixels of its two windows. The pictures are parts of the same drawing of the mail
// client, so the buttons, rows and entries they show lie under the hot spots below.
namespace ReceivedAttachmentLayout {

constexpr int Competence = 27;
constexpr QSize Window1Size{942, 786};
constexpr QSize Window2Size{941, 786};

// Window 1.
constexpr QRect zs7{0, 0, 945, 673};       // the main window, inbox selected, no message
constexpr QRect zs1{0, 22, 633, 75};       // menu bar and tool bar: wrong route
constexpr QRect zs2{1, 46, 63, 51};        // get mail
constexpr QRect zs3{16, 166, 145, 203};    // folder pane: wrong route
constexpr QRect Image2{223, 160, 593, 41}; // the two new messages
constexpr QRect zs4{208, 158, 721, 22};    // the older one
constexpr QRect zs5{208, 180, 721, 22};    // the newer one
constexpr QRect Image3{200, 159, 738, 211};// first message open
constexpr QRect zs6{202, 178, 721, 22};    // the second message in that list
constexpr QRect Image4{200, 158, 737, 248};// second message open
constexpr QRect zs9{200, 603, 721, 33};    // the attachment bar
constexpr QRect Image6{304, 608, 601, 25}; // the attached file's entry
constexpr QRect Image7{104, 168, 561, 417};// the save dialog
constexpr QRect TreeView1{206, 226, 451, 287};
constexpr QRect zs8{576, 512, 89, 33};     // the dialog's save button

// Window 2.
constexpr QRect zs7b{0, -3, 945, 673};
constexpr QRect zs10{304, 603, 625, 33};   // the attached file's entry
constexpr QRect Image5{80, 8, 737, 681};   // the picture viewer with the opened file

// The instruction bubble and Abandon, below the screenshot.
constexpr QRect Mascot{24, 680, 84, 100};
constexpr QRect Bubble{116, 678, 650, 102};
constexpr QRect consigne3{128, 688, 626, 42};
constexpr QRect consigne4{128, 732, 626, 42};
constexpr QRect BitBtn20{806, 740, 105, 30};

// What the mail holds.
inline const QString Account = QStringLiteral("eleve.college@boitemail.fr");
inline const QString Sender = QStringLiteral("Léa MOREAU");
inline const QString SenderAddress = QStringLiteral("lea.moreau@boitemail.fr");
inline const QString FirstSubject = QStringLiteral("Notre classe verte");
inline const QString SecondSubject = QStringLiteral("La photo de la classe verte");
inline const QString FirstDate = QStringLiteral("09/12/2026 08:12");
inline const QString SecondDate = QStringLiteral("09/12/2026 08:15");
inline const QString FirstBody = QStringLiteral(
    "Salut !\nJe t'envoie dans un deuxième message la photo de notre randonnée en classe verte.\nLéa");
inline const QString SecondBody = QStringLiteral(
    "Voici la photo promise, prise au col le dernier jour. Garde-la bien !\nLéa");
inline const QString AttachedFile = QStringLiteral("classe_verte.jpg");
inline const QString AttachedSize = QStringLiteral("84,2 Ko");
inline const QString TargetFolder = QStringLiteral("pieces jointes");

// Texts.
inline const QString CheckMail = QStringLiteral("Vérifie la présence de nouveaux messages dans la  boîte de réception");
inline const QString ReadInOrder = QStringLiteral("Lis les 2 nouveaux messages dans l'ordre d'arrivée des messages");
inline const QString SaveAttachment = QStringLiteral("Enregistrer la pièce jointe que tu as reçue");
inline const QString SaveWhere = QStringLiteral("dans C:\\Mes documents \\ Email \\ Pièces jointes");
inline const QString OpenAttachment = QStringLiteral("Ouvre la pièce jointe reçue");
inline const QString NotInOrder = QStringLiteral("Fausse route, dans l'ordre chronologique !");
inline const QString DeleteRefused = QStringLiteral("Fausse route ");
inline const QString WrongFolder = QStringLiteral("Erreur dans l'arborescence");

// The attachment's context menu.
inline const QString MenuOpen = QStringLiteral("Ouvrir");
inline const QString MenuSaveAs = QStringLiteral("Enregistrer sous ...");
inline const QString MenuDelete = QStringLiteral("Supprimer");

constexpr QRect inPicture(const QRect &windowRect, const QRect &picture)
{
    return windowRect.translated(-picture.left(), -picture.top());
}
}
