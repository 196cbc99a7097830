#pragma once
#include <QIcon>
#include <QImage>
#include <QList>

// The program's own icon: the home screen's glass marble on a tile of the
// program's yellow, with a green tick. Each size is drawn for itself (the small
// ones keep fewer details and sit on whole pixels), never scaled from a large one.
// The same drawing is the picture "Tavelo/icone".
namespace ProgramIcon {
// The sizes the desktop's icon themes keep: 16 to 256 pixels.
QList<int> sizes();
// The icon drawn on a transparent square of that many pixels.
QImage image(int pixels);
// Every size, for the windows' title bars and the task bar.
QIcon icon();
}
