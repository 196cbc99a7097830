#include "exercises/domain5/address_book/contactlist.h"
#include "exercises/domain5/address_book/layout.h"
#include "shell/exercise/walkthrough.h"

using namespace Walkthrough;
using namespace AddressBookLayout;

namespace {
const QString BookWindow = QStringLiteral("Texercice29v3");
const QString MessageWindow = QStringLiteral("Texercice29v3b");

// The perfect run: the new card filled in the address book, the book closed, then a
// message addressed from the contacts sidebar (main recipient, then copy), its
// subject and text typed, and sent.
Steps steps()
{
    const QString mainRecipient = ContactList::sidebarEntry(Contacts[MainRecipientRow].name);
    const QString copyRecipient = ContactList::sidebarEntry(NewContact.name);
    return {
        click(QStringLiteral("Clique dans la barre d'outils"), at(BookWindow, zs1)).asMistake(),
        click(QStringLiteral("Ouvre le carnet d'adresses"), at(BookWindow, zs2)),
        click(QStringLiteral("Crée une nouvelle fiche"), at(BookWindow, zs4)),
        type(QStringLiteral("Tape le prénom"), on(BookWindow, QStringLiteral("Edit1")), NewFirstName),
        type(QStringLiteral("Tape le nom"), on(BookWindow, QStringLiteral("Edit2")), NewLastName),
        type(QStringLiteral("Tape l'adresse électronique"), on(BookWindow, QStringLiteral("Edit4")), NewContact.address),
        click(QStringLiteral("Clique sur OK"), at(BookWindow, zs5)),
        click(QStringLiteral("Ferme le carnet d'adresses"), at(BookWindow, zs6)),
        click(QStringLiteral("Crée un nouveau message"), at(MessageWindow, zs2b)),
        click(QStringLiteral("Ouvre les contacts"), at(MessageWindow, zs4b)),
        chooseEntry(QStringLiteral("Sélectionne Nadia SOREL"), on(MessageWindow, QStringLiteral("ListBox1")),
                    mainRecipient),
        click(QStringLiteral("Ajoute-la comme destinataire"), at(MessageWindow, zs5b)),
        chooseEntry(QStringLiteral("Sélectionne lucie VIRANT"), on(MessageWindow, QStringLiteral("ListBox1")),
                    copyRecipient),
        click(QStringLiteral("Ajoute-la en copie"), at(MessageWindow, zs6b)),
        type(QStringLiteral("Saisis l'objet du message"), on(MessageWindow, QStringLiteral("Edit1")), Subject),
        type(QStringLiteral("Saisis le corps du message"), on(MessageWindow, QStringLiteral("Memo1")), Body),
        click(QStringLiteral("Envoie le message"), at(MessageWindow, zs7)),
    };
}
}

static const Walkthrough::Registrar walkthrough(Competence, steps);
