#include "exercises/domain2/data_security/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace DataSecurityLayout;

namespace {
const QString Network = QStringLiteral("Texercice12v3");
const QString Desktop = QStringLiteral("Texercice12v3b");

// A corner of the diagram where no element lies.
constexpr QRect EmptyDiagram{380, 330, 20, 20};

// The perfect run: the workstations, the server and the firewall on the diagram;
// the log-on as eleve2 on the server, "keep me logged on" unticked; then on the
// desktop the picture opened, saved on the server's drive, the editor closed and
// the session ended.
Steps steps()
{
    return {
        click(QStringLiteral("Clique à côté des éléments du réseau"), at(Network, EmptyDiagram)).asMistake(),
        click(QStringLiteral("Clique sur les stations de travail"), at(Network, zs1)),
        click(QStringLiteral("Clique sur le serveur de fichiers"), at(Network, zs3)),
        click(QStringLiteral("Clique sur le pare-feu"), at(Network, zs4)),
        type(QStringLiteral("Tape le nom du compte"), at(Network, edit1), LogOnUser),
        type(QStringLiteral("Tape son mot de passe"), at(Network, edit2),
             QString::fromLatin1(Accounts[LogOnAccount].password)),
        type(QStringLiteral("Tape le nom du serveur"), at(Network, edit3), ServerName),
        click(QStringLiteral("Décoche la case"), at(Network, CheckBox1)),
        click(QStringLiteral("Clique sur 'OK' pour te connecter"), at(Network, zs5)),
        doubleClick(QStringLiteral("Double-clique sur l'image du bureau"), at(Desktop, W2zs1)),
        click(QStringLiteral("Ouvre le menu 'Fichier'"), at(Desktop, W2zs2)),
        click(QStringLiteral("Clique sur 'Enregistrer sous'"), at(Desktop, W2zs3)),
        click(QStringLiteral("Choisis le lecteur du serveur"), at(Desktop, W2zs5)),
        click(QStringLiteral("Clique sur 'Enregistrer'"), at(Desktop, W2zs6)),
        click(QStringLiteral("Ferme le logiciel de retouche"), at(Desktop, W2zs7)),
        click(QStringLiteral("Clique sur 'Démarrer'"), at(Desktop, W2zs8)),
        click(QStringLiteral("Clique sur 'Fermer la session'"), at(Desktop, W2zs9)),
    };
}
}

static const Walkthrough::Registrar walkthrough(DataSecurityLayout::Competence, steps);
