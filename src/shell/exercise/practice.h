#pragma once
#include <QString>

class ExerciseScreen;
class ExerciseSession;
class QWidget;

// Help for a pupil who is stuck: the mascot of every exercise window opens a small
// menu; "Montre-moi comment faire" restarts the exercise and plays its walkthrough
// for him to watch, "Guide-moi pas à pas" restarts it and guides him step by step.
// A practice run counts no error, records nothing and ends with its own box
// instead of the verdict; then the exercise starts again fresh, for the pupil.
namespace Practice {
enum class Mode { None, Demonstration, Guided };

inline const QString HelpHint = QStringLiteral("Besoin d'aide ? Clique sur moi !");
inline const QString ShowMe = QStringLiteral("Montre-moi comment faire");
inline const QString GuideMe = QStringLiteral("Guide-moi pas à pas");
inline const QString ShownEnd = QStringLiteral("Voilà ! À toi maintenant.");
inline const QString GuidedEnd = QStringLiteral("Bravo ! Tu as réussi avec de l'aide. Essaie maintenant tout seul.");

Mode of(const ExerciseSession *session);
// Ends the running exercise quietly (the main window stays hidden) and launches
// it fresh in that mode.
void relaunch(int competence, QWidget *mainWindow, Mode mode);

// Launches the exercise in that mode; a practice run gets its driver.
void launchFresh(int competence, QWidget *mainWindow, Mode mode);
// Given to the session being created: the mode relaunch asked for.
Mode takePending();
// The session of a practice run reached its success: the driver lets go.
void succeeded(ExerciseSession *session);
// A question that cannot be asked again was answered wrong: the guide passes on
// to the next step (a wrong answer counts nothing, the pupil goes on).
void questionPassed(ExerciseSession *session);

// Gives the window's mascot the hint and the help menu, when the teacher allows the
// help and the exercise has a walkthrough.
void offerHelp(ExerciseScreen *screen);
}
