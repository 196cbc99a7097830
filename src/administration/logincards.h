#pragma once
#include "administration/printing.h"

#include <QList>
#include <QString>

class QWidget;

// The login cards handed out after an import, ten to an A4 page, to cut out: the
// program's name, the pupil's login, class and password, and how to log in.
namespace LoginCards {

constexpr int CardsPerPage = 10;   // two columns of five

struct Card
{
    QString login;
    QString className;
    QString password;
    QString fullName;   // "Prénom Nom" when the file gave it
};

QString jobTitle();      // "cartes de connexion"
QString howToLogIn();    // the line printed on every card
QString pdfFileName();   // "cartes-connexion.pdf"

Printing::Job job(const QList<Card> &cards);

// Prints on the default printer, without dialog; when there is none, the cards
// are saved as one PDF file where the teacher chooses.
void print(const QList<Card> &cards, QWidget *parent);
}
