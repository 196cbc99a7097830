#include "exercises/domain5/communication_tools/quiz.h"

namespace CommunicationQuiz {
namespace {
const QString True = QStringLiteral("vrai");
const QString False = QStringLiteral("faux");

const QStringList Services = {QStringLiteral("Visioconférence"), QStringLiteral("Courrier électronique"),
                              QStringLiteral("Forum de discussion"), QStringLiteral("Messagerie instantanée")};
const QStringList MailButtons = {QStringLiteral("Répondre"), QStringLiteral("Répondre à tous"),
                                 QStringLiteral("Transférer"), QStringLiteral("Ecrire")};
const QStringList Recipients = {QStringLiteral("à"), QStringLiteral("cc"), QStringLiteral("cci")};
}

const QList<Question> &firstPage()
{
    static const QList<Question> questions = {
        {QStringLiteral("Outil qui permet l'échange instantané de messages et de "
                        "fichiers entre un ou plusieurs contacts."),
         Services, QStringLiteral("Messagerie instantanée")},
        {QStringLiteral("Désigne le service Internet de transfert de messages envoyés par un "
                        "système de messagerie électronique"),
         Services, QStringLiteral("Courrier électronique")},
        {QStringLiteral("Permet de dialoguer et de voir en temps réel un ou plusieurs "
                        "interlocuteurs par l'intermédiaire d'une caméra et d'un micro"),
         Services, QStringLiteral("Visioconférence")},
        {QStringLiteral("Site d'échange de messages autour d'un sujet précis. Les discussions "
                        "sont publiées sous la forme de fil de messages"),
         Services, QStringLiteral("Forum de discussion")},
        {QStringLiteral("Il est conseillé sur un blog d'écrire en langage SMS, pour réduire le "
                        "nombre de caractères"),
         {}, False},
        {QStringLiteral("Sur mon blog personnel, je peux  mettre n'importe quel image ou "
                        "commentaire"),
         {}, False},
        {QStringLiteral("Sur mon blog personnel, je peux laisser ou non la possibilité aux "
                        "visiteurs de déposer des commentaires sur mes articles"),
         {}, True},
        {QStringLiteral("Je suis en partie responsable de tous les commentaires déposés sur "
                        "mon blog personnel"),
         {}, True},
    };
    return questions;
}

const QList<Question> &secondPage()
{
    static const QList<Question> questions = {
        {QStringLiteral("Sur un Tchat, la connection sous un pseudo est autorisé afin de "
                        "pouvoir plus facilement injurier son interlocuteur"),
         {}, False},
        {QStringLiteral("Sur un Tchat, dans le salon 12-16 ans, je suis certain de ne pas "
                        "communiquer avec un adulte"),
         {}, False},
        {QStringLiteral("Sur un Tchat, l'utilisation de raccouris d'écriture ou d'abréviation "
                        "n'est pas conseillée !"),
         {}, False},
        {QStringLiteral("Sur un Tchat, la communication se fait en temps réel"), {}, True},
        {QStringLiteral("Je souhaite répondre à un message provenant d'une liste "
                        "de diffusion, je clique sur"),
         MailButtons, QStringLiteral("Répondre à tous")},
        {QStringLiteral("Je souhaite répondre uniquement à l'auteur d'un message, je "
                        "clique sur "),
         MailButtons, QStringLiteral("Répondre")},
        {QStringLiteral("Je souhaite renvoyer à un ami un message que j'ai reçu, je clique "
                        "sur"),
         MailButtons, QStringLiteral("Transférer")},
        {QStringLiteral("Je souhaite mettre en copie invisible un destinataire, je clique sur"), Recipients,
         QStringLiteral("cci")},
    };
    return questions;
}
}
