#pragma once
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Geometry and texts of the privacy risk exercise (competence 2.2), in client pixels
// of its window: ten situations, each answered by a click on the danger sign or on
// the crossed-out risk sign, scored by ten small circles.
namespace PrivacyRiskLayout {

constexpr int Competence = 8;
constexpr QSize WindowSize{937, 766};
inline const QString Caption = QStringLiteral("exercice8v3");
inline const QColor Background(24, 64, 196);

constexpr QRect Memo1{368, 48, 185, 33};   // the question number
constexpr QRect Memo2{176, 96, 577, 57};   // the situation
constexpr QRect Shape1{112, 208, 169, 169}; // lime disc behind the no-risk sign
constexpr QRect Image4{152, 248, 105, 97};  // the crossed-out "Risque" sign
constexpr QRect Shape3{648, 208, 169, 169}; // red disc behind the danger sign
constexpr QRect Image3{673, 232, 128, 113}; // the "DANGER" sign
constexpr QSize CircleSize{25, 25};
constexpr QPoint Circles[10] = {{320, 232}, {336, 264}, {360, 296}, {392, 320}, {432, 336},
                                {472, 336}, {512, 320}, {544, 296}, {576, 264}, {592, 232}};

constexpr QRect Mascot{88, 652, 84, 100};       // consigne1
constexpr QRect Bubble{168, 641, 513, 111};     // consigne2
constexpr QRect Instruction{191, 678, 483, 35}; // consigne3
constexpr QRect Abandon{808, 732, 105, 25};     // BitBtn20

inline const QString InstructionText = QStringLiteral("Evalue le risque en Cliquant  sur l'un des 2 panneaux ");
inline const QString QuestionFormat = QStringLiteral("Question %1");
inline const QString RiskWord = QStringLiteral("Risque");
inline const QString DangerWord = QStringLiteral("DANGER");

enum Sign { NoRisk = 0, Danger = 1 };

struct Question
{
    QString situation;
    Sign right;
};

inline const Question Questions[10] = {
    {QStringLiteral("Votre banque vous demande de lui communiquer par E.mail votre \n"
                    "login et mot de passe bancaire afin de s'assurer de votre véritable identité"),
     Danger},
    {QStringLiteral("Afin de régler mes achats, un site marchand me demande mon numéro et mon code confidentiel de "
                    "carte bleue"),
     Danger},
    {QStringLiteral("J'utilise un pseudo sur un Tchat"), NoRisk},
    {QStringLiteral("Lors d'un Tchat je communique mon adresse postale"), Danger},
    {QStringLiteral("Lors d'un Tchat je communique seulement mon âge, mon sexe et mon nom"), Danger},
    {QStringLiteral("Lors d'un téléchargement de logiciel, on me demande de remplir un questionnaire nominatif sur "
                    "mes habitudes"),
     Danger},
    {QStringLiteral("Avant d'entrer des informations personnelles j'en informe mes parents"), NoRisk},
    {QStringLiteral("Sur mon blog mes informations personnelles sont en commmentaire"), Danger},
    {QStringLiteral("J'affiche ma photo sur mon blog"), Danger},
    {QStringLiteral("Je diffuse l'adresse de mon blog à tout mon entourage"), NoRisk},
};
}
