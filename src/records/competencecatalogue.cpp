#include "records/competencecatalogue.h"

#include <array>

namespace CompetenceCatalogue {
namespace {
using L = QStringList;
const std::array<CompetenceRow, Count> &rows()
{
    static const std::array<CompetenceRow, Count> table = {{
        {1, "1.1", "Je sais m'identifier sur un réseau ou un site et mettre fin à cette identification.", "ex1Click", L{"Texercice1v3"}},
        {2, "1.2", "Je sais accéder aux logiciels et aux documents disponibles à partir de mon espace de travail.", "ex2Click", L{"Texercice2v3"}},
        {3, "1.3", "Je sais organiser mes espaces de stockage.", "ex3Click", L{"Texercice3v3"}},
        {4, "1.4", "Je sais lire les propriétés d'un fichier : nom, format, taille, dates de création et de dernière modification.", "ex4Click", L{"Texercice4v3"}},
        {5, "1.5", "Je sais paramétrer l'impression (prévisualisation, quantité, partie de documents...).", "ex5Click", L{"Texercice5v3"}},
        {6, "1.6", "Je sais faire un autre choix que celui proposé par défaut (lieu d'enregistrement, format, imprimante...).", "ex6Click", L{"Texercice6v3"}},
        {7, "2.1", "Je connais les droits et devoirs indiqués dans la charte d'usage des TIC et la procédure d'alerte de mon établissement.", "ex7Click", L{"Texercice7v3"}},
        {8, "2.2", "Je protège ma vie privée en ne donnant sur Internet des renseignements me concernant qu'avec l'accord de mon responsable légal.", "ex8click", L{"Texercice8v3"}},
        {9, "2.3", "Lorsque j'utilise ou transmets des documents, je vérifie que j'en ai le droit.", "ex9Click", L{"Texercice9v3"}},
        {10, "2.4", "Je m'interroge sur les résultats des traitements informatiques (calcul, représentation graphique, correcteur...)", "ex10clic", L{"Texercice10v3"}},
        {11, "2.5", "J'applique les règles de prudence contre les risques de malveillances (virus,spam...)", "ex11Click", L{"Texercice11v3"}},
        {12, "2.6", "Je sécurise mes données (gestion des mots de passe, fermeture de session, sauvegarde)", "ex12Click", L{"Texercice12v3"}},
        {13, "2.7", "Je mets mes compétences au service d'une production collective", "ex13Click", L{"Texercice13v3"}},
        {14, "3.1", "Je sais modifier la mise en forme des caractères et des paragraphes, paginer automatiquement.", "ex14Click", L{"Texercice14v3"}},
        {15, "3.2", "Je sais utiliser l'outil de recherche et de remplacement dans un document..", "ex15Click", L{"Texercice15v3"}},
        {16, "3.3", "Je sais regrouper dans un même document plusieurs éléments (texte, image, tableau, son, graphique, vidéo...)", "ex16Click", L{"Texercice9"}},
        {17, "3.4", "Je sais créer, modifier une feuille de calcul, insérer une formule", "ex17Click", L{"Texercice25"}},
        {18, "3.5", "Je sais réaliser un graphique de type donné", "ex18Click", L{"Texercice18v3"}},
        {19, "3.6", "Je sais utiliser un outil de simulation (ou de modélisation) en étant conscient de ses limites", "ex19Click", L{"Texercice19v3"}},
        {20, "3.7", "Je sais traiter un fichier image ou son à l'aide d'un logiciel dédié notamment pour modifier ses propriétés élémentaires", "ex20clic", L{"Texercice20v3"}},
        {21, "4.1", "Je sais rechercher des références de documents à l'aide du logiciel documentaire présent au CDI", "ex21clic",
         L{"Texercice21v3", "Texercice21v3a", "Texercice21v3b", "Texercice21v3c", "Texercice21v3d", "Texercice21v3e"}},
        {22, "4.2", "Je sais utiliser les fonctions principales d'un logiciel de navigation sur le web", "ex22clic",
         L{"Texercice22v3", "Texercice22v3b", "Texercice22v3c", "Texercice22v3d"}},
        {23, "4.3", "Je sais utiliser les fonctions principales d'un outil de recherche sur le web (moteur de recherche, annuaire,...)", "ex23clic", L{"Texercice23v3"}},
        {24, "4.4", "Je sais relever des éléments me permettant de connaître l'origine de l'information (auteur, date, source...)", "ex24clic", L{"Texercice24v3"}},
        {25, "4.5", "Je sais sélectionner des résultats lors d'une recherche (et donner des arguments permettant de justifier mon choix)", "ex25Click", L{"Texercice25v3"}},
        {26, "5.1", "Lorsque j'envoie ou je publie des informations, je réfléchis aux lecteurs possibles en fonction de l'outil utilisé", "ex26Clic", L{"Texercice26v3"}},
        {27, "5.2", "Je sais ouvrir et enregistrer un fichier joint à un message ou à une publication", "ex27clic", L{"Texercice27v3"}},
        {28, "5.3", "Je sais envoyer ou publier un message  avec un fichier joint", "ex28clic", L{"Texercice28v3"}},
        {29, "5.4", "Je sais utiliser un carnet d'adresses ou un annuaire pour choisir un destinataire", "ex29clic", L{"Texercice29v3"}},
    }};
    return table;
}
}

const CompetenceRow &row(int number) { return rows().at(qBound(1, number, Count) - 1); }

int domainOf(int number) { return row(number).code.left(1).toInt(); }
}
