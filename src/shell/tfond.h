#pragma once
#include <QWidget>

// The background: a disabled window of the program's colour over the whole screen,
// behind every other window for the whole run.
class TFond : public QWidget
{
    Q_OBJECT
public:
    TFond();
};
