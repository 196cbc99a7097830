#pragma once
#include <QString>

// The texts several exercises share, written once. An exercise keeps the texts that
// are its own in its layout.h; a variant quoted by one exercise only stays there too.
namespace CommonTexts {
// Wrong actions.
inline const QString WrongWay = QStringLiteral("Fausse route !");
inline const QString WrongWayReadCarefully = QStringLiteral("Fausse route ! Lisez bien...");
// Success: the instruction label, then the information box (and its variants).
inline const QString SuccessLabel = QStringLiteral("Bravo, exercice réussi !");
inline const QString SuccessBox = QStringLiteral("Bravo exercice réussi !");
inline const QString SuccessBoxCapitalised = QStringLiteral("Bravo, Exercice réussi!");
// Failure: the label, %1 standing for the error count, then the error box.
inline const QString FailureLabelFormat = QStringLiteral("Il faudra recommencer : %1 erreur(s)");
inline const QString FailureBox = QStringLiteral("Exercice non maîtrisé !");
}
