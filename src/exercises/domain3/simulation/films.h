#pragma once
#include <QString>

// Where the simulation films lie: beside the program, in its data folder.
namespace SimulationFilms {
QString path(const char *fileName);
}
