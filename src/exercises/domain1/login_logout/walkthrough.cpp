#include "exercises/domain1/login_logout/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;

namespace {
const QString Window = QStringLiteral("Texercice1v3");

// The perfect run: a name and a password long enough, "Envoyer", then the site's
// own log-out button.
Steps steps()
{
    return {
        click(QStringLiteral("Envoie sans rien remplir"), on(Window, QStringLiteral("zs"))).asMistake(),
        type(QStringLiteral("Tape ton nom et les 3 premières lettres de ton prénom"),
             on(Window, QStringLiteral("Edit1")), QStringLiteral("durandmar")),
        type(QStringLiteral("Tape un mot de passe sécurisé"), on(Window, QStringLiteral("Edit2")),
             QStringLiteral("Tr3s-secret")),
        click(QStringLiteral("Clique sur le bouton 'Envoyer'"), on(Window, QStringLiteral("zs"))),
        click(QStringLiteral("Clique sur 'Déconnexion'"), on(Window, QStringLiteral("zs2"))),
    };
}
}

static const Walkthrough::Registrar walkthrough(LoginLayout::Competence, steps);
