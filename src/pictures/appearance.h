#pragma once

// The program's look, set once at start-up (and by the tests' main): Fusion style,
// the Breeze icon theme, and the font families the windows ask for.
void installAppearance();
