#include "exercises/domain4/web_browser/layout.h"

#include <QStringList>

namespace WebBrowserLayout {

QString instruction(int step)
{
    static const QStringList texts = {
        QString(),
        QStringLiteral("1:Saise et valide ") + LibraryAddress + QStringLiteral(" dans la barre d'adresse"),
        QStringLiteral("2:Mets cette page dans les favoris"),
        QStringLiteral("3:Crée un nouvel onglet"),
        QStringLiteral("4:Consulte les pages webs visitées hier et clique sur le site de Quimbel "),
        QStringLiteral("5:Repasse sur le site de la Bnf"),
        QStringLiteral("6:Quel raccourci clavier permet d'obtenir la page en plein écran"),
        QStringLiteral("7:Mets cette page en page d'accueil"),
        QStringLiteral("8:Bloquer toutes les fenêtres Popup "),
        QStringLiteral("9:Fermer le panneau Historique"),
        QStringLiteral("10:Augmente la taille du texte de ce site"),
        QStringLiteral("11:Clique sur l'icône permettant de revenir à la page précédente"),
        QStringLiteral("12:Clique sur l'icône qui permet de retourner sur la page de démarrage"),
        QStringLiteral("13:Clique sur l'icône qui permet d'actualiser la page en cours"),
        QStringLiteral("14:Clique sur l'icône qui permet d'arrêter le chargement d'une page"),
        QStringLiteral("15:Affiche le code source de cette page"),
        QStringLiteral("16:Ferme la fenêtre contenant le code source"),
        QStringLiteral("17:Imprime en 2 exemplaires cette page Internet"),
    };
    return step >= 1 && step < texts.size() ? texts.at(step) : QString();
}
}
