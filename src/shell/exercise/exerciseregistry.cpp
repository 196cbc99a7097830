#include "shell/exercise/exerciseregistry.h"

#include <QHash>

namespace ExerciseRegistry {
namespace {
QHash<int, Launcher> &launchers()
{
    static QHash<int, Launcher> table;
    return table;
}
}

void add(int competence, Launcher launcher) { launchers().insert(competence, std::move(launcher)); }

bool has(int competence) { return launchers().contains(competence); }

bool launch(int competence, QWidget *mainWindow)
{
    const auto it = launchers().constFind(competence);
    if (it == launchers().constEnd())
        return false;
    (*it)(mainWindow);
    return true;
}
}
