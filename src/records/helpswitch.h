#pragma once
#include "records/iostatus.h"

// Whether pupils may ask the mascot for help (a demonstration or a guided run). The
// teacher's choice is a marker file in the record folder whose presence FORBIDS the
// help, so a new installation allows it: recordFolder() + "aide-refusee.bin".
namespace HelpSwitch {
QString markerPath();
bool allowed();
IoStatus allow(bool allowed);
}
