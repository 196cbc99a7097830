#pragma once
#include "pictures/mailclient.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Geometry and texts of the message-with-attachment exercise (competence 5.3), in
// client pixels of its two windows. The composition window is drawn by the mail
// family at ComposeOrigin, so its buttons, rows and fields lie under these rectangles.
namespace MessageAttachmentLayout {

constexpr int Competence = 28;
constexpr QSize Window1Size{942, 664};
constexpr QSize Window2Size{938, 660};

// Window 1.
constexpr QRect image1{0, 0, 945, 673};    // the main window
constexpr QRect zs1{1, 22, 624, 83};       // its menu bar and tool bar: wrong route
constexpr QRect zs2{8, 126, 154, 251};     // its folder pane: wrong route
constexpr QRect zs3{57, 46, 56, 51};       // write a new message
constexpr QPoint ComposeOrigin{200, 56};
constexpr QRect Image2{200, 56, 649, 481}; // the empty composition window
constexpr QRect zs7{206, 78, 483, 75};     // its menu bar and tool bar: wrong route
constexpr QRect zs5{272, 102, 57, 51};     // contacts
constexpr QRect zs6{440, 102, 57, 51};     // attach
constexpr QRect zs4{208, 182, 65, 19};     // the first address line's type button
constexpr QRect ListBox1{80, 202, 121, 105};
constexpr QRect Edit1{341, 184, 489, 21};
constexpr QRect Image3{212, 205, 126, 17}; // the second line's type selector: wrong route
constexpr QRect Edit3{341, 203, 489, 21};
constexpr QRect zs8{254, 262, 563, 25};    // the subject line: wrong route
constexpr QRect Edit2{252, 263, 580, 21};
constexpr QRect zs9{208, 326, 625, 187};   // the body: wrong route
constexpr QRect Memo1{205, 325, 630, 185};

// Window 2.
constexpr QRect image1b{-3, -4, 945, 673};
constexpr QRect zs3b{206, 78, 483, 75};    // the composition's menu bar and tool bar: wrong route
constexpr QRect zs1b{206, 102, 49, 51};    // send
constexpr QRect Image4{288, 128, 577, 417};// the attach-files dialog
constexpr QRect TreeView1{392, 184, 449, 285};
constexpr QRect zs2b{760, 470, 89, 35};    // the dialog's open button

// The instruction bubble and Abandon, over the reading pane under the composition,
// clear of the status bar.
constexpr QRect Mascot{12, 536, 84, 100};
constexpr QRect Bubble{104, 540, 640, 92};
constexpr QRect consigne3{116, 550, 616, 72};
constexpr QRect BitBtn20{790, 600, 105, 30};

constexpr int BodyLength = 37;

// The mail.
inline const QString Account = QStringLiteral("eleve.college@boitemail.fr");
inline const QString Sender = QStringLiteral("Élève du collège <eleve.college@boitemail.fr>");
inline const QString Recipient = QStringLiteral("julien.marchal@boitemail.fr");
inline const QString Subject = QStringLiteral("Moto à vendre");
inline const QString Body = QStringLiteral("ci-joint la photo de ma moto à vendre");
inline const QString AttachedFile = QStringLiteral("moto.jpg");
inline const QStringList AddressTypes{QStringLiteral("Pour :"),   QStringLiteral("Copie à :"),
                                      QStringLiteral("Copie cachée à :"), QStringLiteral("Répondre à :"),
                                      QStringLiteral("Forum :"),  QStringLiteral("Faire suivre à :")};

// Texts.
inline const QString CreateMessage = QStringLiteral("Crée un nouveau message");
inline const QString RecipientIs = QStringLiteral(" Le destinataire sera : ") + Recipient;
inline const QString SubjectIs = QStringLiteral("L'objet du message est : Moto à vendre");
inline const QString WriteBody = QStringLiteral("Ecris le texte du message : ci-joint la photo de ma moto à vendre");
inline const QString AttachFile = QStringLiteral("Joins le fichier c:\\velan\\2\\moto.jpg");
inline const QString SendIt = QStringLiteral("Envoie ce message");
inline const QString TypeTheAddress = QStringLiteral("Désolé, pour cet exercice vous devez taper l'adresse !");
inline const QString WrongAddress = QStringLiteral("Erreur dans l'adresse !");
inline const QString WrongSubject = QStringLiteral("Erreur dans l'objet !");
inline const QString WrongFile = QStringLiteral("Ce n'est pas le bon fichier !");

// The attach-files dialog as drawn; its file-name box shows the picture selected.
inline MailClient::FileDialogView attachDialog()
{
    MailClient::FileDialogView v;
    v.frame = Image4;
    v.caption = QStringLiteral("Joindre un ou plusieurs fichiers");
    v.lookInLabel = QStringLiteral("Regarder dans :");
    v.lookIn = QStringLiteral("Poste de travail");
    v.tree = TreeView1;
    v.fileType = QStringLiteral("Tous les fichiers (*.*)");
    v.accept = zs2b;
    v.acceptText = QStringLiteral("Ouvrir");
    return v;
}

constexpr QRect inPicture(const QRect &windowRect, const QRect &picture)
{
    return windowRect.translated(-picture.left(), -picture.top());
}
}
