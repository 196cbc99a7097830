#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The sixteen questions of the communication tools quiz, eight a page. A question
// with options is answered with a drop-down list, one without by a "vrai" / "faux"
// pair of buttons.
namespace CommunicationQuiz {

struct Question
{
    QString text;           // the memo's lines joined
    QStringList options;    // empty: a "vrai" / "faux" pair
    QString answer;         // the right entry, or "vrai" / "faux"

    bool isChoice() const { return !options.isEmpty(); }
    bool isRight(const QString &given) const { return given == answer; }
};

const QList<Question> &firstPage();    // services, then blogs
const QList<Question> &secondPage();   // chat rooms, then the mail client's buttons
}
