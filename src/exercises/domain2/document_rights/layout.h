#pragma once
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Geometry and texts of the rights-on-documents exercise (competence 2.3), in client
// pixels of its window: nine statements, each answered by one of three discs ("Oui",
// "ça dépend !", "Non"); a right "ça dépend !" shows its justification for a while.
namespace DocumentRightsLayout {

constexpr int Competence = 9;
constexpr QSize WindowSize{937, 767};
inline const QString Caption = QStringLiteral("exercice9v3");
inline const QColor Background(24, 64, 196);

constexpr QRect Memo1{368, 48, 185, 33};
constexpr QRect Memo2{176, 96, 577, 57};
constexpr QRect Shape1{112, 208, 169, 169};   // "Oui", lime
constexpr QRect Shape2{392, 392, 169, 169};   // "ça dépend !", yellow
constexpr QRect Shape3{648, 208, 169, 169};   // "Non", red
constexpr QSize CircleSize{25, 25};
constexpr QPoint Circles[9] = {{328, 232}, {344, 272}, {376, 304}, {416, 328}, {464, 336},
                               {512, 328}, {544, 304}, {576, 272}, {592, 232}};
constexpr QRect Shape5{328, 528, 297, 113};   // the justification box
constexpr QRect Label8{343, 542, 274, 91};
constexpr int JustificationMs = 4000;

constexpr QRect Mascot{88, 660, 84, 100};       // consigne1
constexpr QRect Bubble{168, 649, 513, 111};     // consigne2
constexpr QRect Instruction{183, 670, 474, 43}; // consigne3
constexpr QRect Abandon{808, 708, 105, 25};     // BitBtn20

inline const QString InstructionText =
    QStringLiteral("Réponds aux questions en cliquant  sur l'un des 3 panneaux");
inline const QString QuestionFormat = QStringLiteral("Question %1");

enum Answer { Yes = 0, Depends = 1, No = 2 };

struct Choice
{
    const char *hotSpot;   // the transparent label over the disc
    const char *caption;   // the caption label
    QString text;
    int captionPixels;
};
inline const Choice Choices[3] = {
    {"Label4", "Label1", QStringLiteral("Oui"), 40},
    {"Label5", "Label2", QStringLiteral("ça dépend !"), 27},
    {"Label6", "Label3", QStringLiteral("Non"), 40},
};

struct Question
{
    QString statement;
    Answer right;
    QString justification;   // shown when "ça dépend !" is right
};

inline const Question Questions[9] = {
    {QStringLiteral("Le téléchargement sur Internet est légal "), Depends,
     QStringLiteral("Il a y sur Internet des téléchargements légaux(autorisés) et illégaux (non autorisés)")},
    {QStringLiteral("J'ai le droit de mettre à disposition sur Internet une musique que j'ai créée"), Yes, {}},
    {QStringLiteral("J'ai le droit d'envoyer un virus par E.mail à un amis pour lui faire une blague"), No, {}},
    {QStringLiteral("J'ai le droit d'afficher sur mon blog des photos"), Depends,
     QStringLiteral("Certaines photos nécessitent une autorisation")},
    {QStringLiteral("J'ai le droit de transmettre une copie d'un logiciel commercial à l'un de mes amis"), No, {}},
    {QStringLiteral("J'ai le droit d'utiliser sans payer un logiciel freeware"), Yes, {}},
    {QStringLiteral("Les œuvres tombées dans le domaine public sont utilisables sans demande d'autorisation"), Yes, {}},
    {QStringLiteral("J'ai le droit de télécharger  par peer to peer des MP3 libres de droit"), Yes, {}},
    {QStringLiteral("J'ai le droit sur mon blog d'afficher des informations concernant l'un de mes professeurs "),
     Depends,
     QStringLiteral("Il faut selon la nature des informations demander l'autorisation à la personne concernée")},
};
}
