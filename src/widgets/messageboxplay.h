#pragma once
#include "widgets/messagebox.h"

// For a player that runs an exercise by itself: it answers the boxes of the run in
// place of the pupil, then gives the boxes back to whoever answered them before.
namespace MessageBox {
Responder *responder();

// Shows a real box for a while and closes it by itself with the given answer (a
// demonstration shows the boxes of its run without waiting for the pupil).
int showFor(const Box &box, int answer, int msecs, QWidget *parent = nullptr);
// Shows a real box whatever responder is installed.
int showReal(const Box &box, QWidget *parent = nullptr);
}
