#pragma once
#include <functional>

class HotSpot;

// A click on the window while a dialog is open over it only brings the pupil back:
// the dialog closes as it loses the focus, and that click is not passed on. Every
// release ends the press that found the dialog open, whatever its button or place,
// so no later click is swallowed.
namespace DismissingClicks {
// Runs 'click' for each left click on the hot spot whose press did not find
// 'dialogOpen' true.
void connect(HotSpot *spot, std::function<bool()> dialogOpen, std::function<void()> click);
}
