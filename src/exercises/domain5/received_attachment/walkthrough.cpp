#include "exercises/domain5/received_attachment/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace ReceivedAttachmentLayout;

namespace {
const QString MailWindow = QStringLiteral("Texercice27v3");
const QString SavedWindow = QStringLiteral("Texercice27v3b");


// The perfect run: get the mail, read both messages in order, save the attachment
// in its folder, then open it from the second window.
Steps steps()
{
    Steps run{
        click(QStringLiteral("Clique dans la barre d'outils"), on(MailWindow, QStringLiteral("zs1"))).asMistake(),
        click(QStringLiteral("Relève le courrier"), on(MailWindow, QStringLiteral("zs2"))),
        click(QStringLiteral("Ouvre le premier message arrivé"), on(MailWindow, QStringLiteral("zs4"))),
        click(QStringLiteral("Ouvre le second message"), on(MailWindow, QStringLiteral("zs6"))),
        rightClick(QStringLiteral("Clique droit sur la pièce jointe"), at(MailWindow, Image6)),
        chooseMenu(QStringLiteral("Choisis 'Enregistrer sous ...'"), QString(), {MenuSaveAs}),
    };
    run += unfoldFolder(MailWindow, QStringLiteral("TreeView1"), QStringLiteral("C:\\"));
    run += unfoldFolder(MailWindow, QStringLiteral("TreeView1"), QStringLiteral("mes documents"));
    run += unfoldFolder(MailWindow, QStringLiteral("TreeView1"), QStringLiteral("Email"));
    run << chooseEntry(QStringLiteral("Sélectionne le dossier ") + TargetFolder,
                       on(MailWindow, QStringLiteral("TreeView1")), TargetFolder)
        << click(QStringLiteral("Clique sur Enregistrer"), on(MailWindow, QStringLiteral("zs8")))
        << rightClick(QStringLiteral("Clique droit sur la pièce jointe"), on(SavedWindow, QStringLiteral("zs10")))
        << chooseMenu(QStringLiteral("Choisis 'Ouvrir'"), QString(), {MenuOpen});
    return run;
}
}

static const Walkthrough::Registrar walkthrough(Competence, steps);
