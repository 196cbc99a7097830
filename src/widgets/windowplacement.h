#pragma once

class QWidget;

// Centres a top-level window on the primary screen's available area.
void centreOnScreen(QWidget *window);
