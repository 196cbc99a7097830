#include "exercises/domain3/simulation/films.h"

#include "records/datafolder.h"

namespace SimulationFilms {
QString path(const char *fileName)
{
    return DataFolder::path() + QString::fromUtf8(fileName);
}
}
