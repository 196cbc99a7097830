#include "exercises/domain5/message_attachment/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace MessageAttachmentLayout;

namespace {
const QString ComposeWindow = QStringLiteral("Texercice28v3");
const QString AttachWindow = QStringLiteral("Texercice28v3b");


// The perfect run: a new message, its address, subject and body, then the picture
// attached from c:\velan\2 and the message sent.
Steps steps()
{
    Steps run{
        click(QStringLiteral("Clique dans la liste des dossiers"), at(ComposeWindow, zs2)).asMistake(),
        click(QStringLiteral("Crée un nouveau message"), at(ComposeWindow, zs3)),
        type(QStringLiteral("Tape l'adresse du destinataire"), on(ComposeWindow, QStringLiteral("Edit1")), Recipient),
        key(QStringLiteral("Valide l'adresse"), ComposeWindow, Qt::Key_Return),
        type(QStringLiteral("Tape l'objet du message"), on(ComposeWindow, QStringLiteral("Edit2")), Subject),
        key(QStringLiteral("Valide l'objet"), ComposeWindow, Qt::Key_Return),
        type(QStringLiteral("Écris le texte du message"), on(ComposeWindow, QStringLiteral("Memo1")), Body),
        click(QStringLiteral("Clique sur Joindre"), at(ComposeWindow, zs6)),
    };
    run += unfoldFolder(AttachWindow, QStringLiteral("TreeView1"), QStringLiteral("C:\\"));
    run += unfoldFolder(AttachWindow, QStringLiteral("TreeView1"), QStringLiteral("velan"));
    run += unfoldFolder(AttachWindow, QStringLiteral("TreeView1"), QStringLiteral("2"));
    run << chooseEntry(QStringLiteral("Sélectionne la photo ") + AttachedFile,
                       on(AttachWindow, QStringLiteral("TreeView1")), AttachedFile)
        << click(QStringLiteral("Clique sur Ouvrir"), at(AttachWindow, zs2b))
        << click(QStringLiteral("Envoie le message"), at(AttachWindow, zs1b));
    return run;
}
}

static const Walkthrough::Registrar walkthrough(Competence, steps);
