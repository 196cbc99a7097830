#pragma once
#include <functional>

class QWidget;

// The board launches exercises by competence number; each exercise registers its
// launcher when its library is loaded. A launcher creates the exercise's windows,
// shows the first and hides the main window (the record was saved by the board).
namespace ExerciseRegistry {
using Launcher = std::function<void(QWidget *mainWindow)>;
void add(int competence, Launcher launcher);
bool has(int competence);
// Returns false when no exercise is registered for that competence.
bool launch(int competence, QWidget *mainWindow);

struct Registrar
{
    Registrar(int competence, Launcher launcher) { add(competence, std::move(launcher)); }
};
}
