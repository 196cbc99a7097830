#pragma once
// The catalogue lies with the records so that the console can head its columns
// with the competences' codes and statements.
#include "records/competencecatalogue.h"
