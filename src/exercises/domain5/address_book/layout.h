#pragma once
#include "pictures/mailclient.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Geometry and texts of the address-book exercise (competence 5.4), in client pixels
// of its two windows. The address book, the card and the composition window are
// drawn by the mail family at the origins below, under these rectangles.
namespace AddressBookLayout {

constexpr int Competence = 29;
constexpr QSize Window1Size{942, 786};
constexpr QSize Window2Size{939, 815};

// Window 1.
constexpr QRect Image1{0, 0, 945, 665};    // the main window
constexpr QRect zs1{0, 22, 633, 75};       // its menu bar and tool bar: wrong route
constexpr QRect zs2{112, 48, 57, 49};      // open the address book
constexpr QPoint BookOrigin{72, 56};
constexpr QRect Image2{72, 56, 761, 457};  // the address book, its list empty
constexpr QRect zs3{80, 78, 329, 75};      // its menu bar and tool bar: wrong route
constexpr QRect zs4{80, 102, 81, 51};      // new card
constexpr QRect ListBox1{232, 200, 569, 273};
constexpr QRect zs6{800, 56, 25, 25};      // the address book's close box
constexpr QPoint CardOrigin{88, 24};
constexpr QRect Image3{88, 24, 457, 609};  // the empty new card
constexpr QRect Edit1{240, 148, 265, 21};  // first name
constexpr QRect Edit2{241, 174, 265, 21};  // last name
constexpr QRect Edit3{240, 199, 265, 21};  // display name, read-only
constexpr QRect Edit4{240, 292, 265, 21};  // e-mail
constexpr QRect zs5{368, 590, 81, 35};     // the card's OK

constexpr QRect Mascot1{24, 672, 84, 100};
constexpr QRect Bubble1{116, 670, 650, 106};
constexpr QRect consigne3{128, 680, 626, 42};
constexpr QRect consigne4{128, 724, 626, 42};
constexpr QRect BitBtn20{806, 740, 105, 30};

// Window 2.
constexpr QRect Image1b{-3, 0, 945, 665};
constexpr QRect zs2b{56, 48, 57, 49};      // write a new message
constexpr QPoint ComposeOrigin{216, 56};
constexpr QRect Image2b{216, 56, 649, 481};// the empty composition window
constexpr QRect zs3b{216, 78, 457, 75};    // its menu bar and tool bar: wrong route
constexpr QRect zs7{224, 104, 57, 49};     // send
constexpr QRect zs4b{288, 104, 57, 49};    // contacts
constexpr QRect Image3b{217, 156, 640, 385};// with the contacts sidebar
constexpr QRect ListBox1b{221, 307, 181, 168};
constexpr QRect zs5b{232, 478, 81, 29};    // add as main recipient
constexpr QRect zs6b{316, 478, 92, 29};    // add as copy
constexpr QRect Image4{431, 186, 321, 25}; // the first address line, filled
constexpr QRect Image5{433, 204, 360, 25}; // the second address line, filled
constexpr QRect Edit1b{472, 265, 377, 21}; // subject
constexpr QRect Memo1{426, 328, 426, 185};
constexpr int BodyLength = 45;

constexpr QRect Mascot2{24, 680, 84, 100};
constexpr QRect Bubble2{116, 670, 680, 138};
constexpr QRect consigne3b{128, 678, 656, 40};
constexpr QRect consigne4b{128, 718, 656, 40};
constexpr QRect consigne5{128, 758, 656, 40};
constexpr QRect BitBtn20b{812, 770, 105, 30};

// The contacts.
struct Person
{
    QString name;
    QString address;
};
inline const QList<Person> Contacts{
    {QStringLiteral("gilles VARNIER"), QStringLiteral("gilles.varnier@boitemail.fr")},
    {QStringLiteral("hugo LAMBRET"), QStringLiteral("hugo.lambret@boitemail.fr")},
    {QStringLiteral("yves TORCAL"), QStringLiteral("yves.torcal@club-velo")},
    {QStringLiteral("nadia SOREL"), QStringLiteral("nadia.sorel@college")},
    {QStringLiteral("marcel FERLIN"), QStringLiteral("marcel.ferlin@mairie")},
};
inline const Person NewContact{QStringLiteral("lucie VIRANT"), QStringLiteral("lucie.virant@boitemail.fr")};
inline const QString NewFirstName = QStringLiteral("lucie");
inline const QString NewLastName = QStringLiteral("VIRANT");
constexpr int MainRecipientRow = 3;   // "nadia SOREL"
constexpr int CopyRecipientRow = 5;   // "lucie VIRANT"
inline const QString Account = QStringLiteral("eleve.college@boitemail.fr");
inline const QString Sender = QStringLiteral("Élève du collège <eleve.college@boitemail.fr>");
inline const QString Subject = QStringLiteral("Résultats aux JO");
inline const QString Body = QStringLiteral("J'ai trouvé tous les résultats sur Internet");

// Texts.
inline const QString OpenBook = QStringLiteral("Ouvre le carnet d'adresses");
inline const QString AddContact = QStringLiteral("Ajoute ce correspondant au carnet d'adresse");
inline const QString ContactLine = QStringLiteral("lucie VIRANT  : ") + NewContact.address;
inline const QString CloseBook = QStringLiteral("Ferme le carnet d'adresses");
inline const QString BadCard = QStringLiteral("Certains champs sont mal remplis !");
inline const QString CreateMessage = QStringLiteral("Crée un nouveau message");
inline const QString SendTo = QStringLiteral("Tu dois envoyer ce message à Nadia SOREL");
inline const QString CopyTo = QStringLiteral("puis mettre en copie lucie VIRANT");
inline const QString WithTheBook = QStringLiteral("(en utilisant le carnet d'adresses)");
inline const QString TypeSubject = QStringLiteral("Saisis l'objet du message : 'Résultats aux JO");
inline const QString TypeBody = QStringLiteral("Saisis le corps du message : 'J'ai trouvé tous les résultats sur Internet");
inline const QString ThenSend = QStringLiteral("Puis Envoie ce message ");
inline const QString CheckText = QStringLiteral("Vérifie le texte que tu as saisi !");

constexpr QRect inPicture(const QRect &windowRect, const QRect &picture)
{
    return windowRect.translated(-picture.left(), -picture.top());
}
}
