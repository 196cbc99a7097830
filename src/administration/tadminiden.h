#pragma once
#include <QWidget>

// The administrator login, opened over the main window by " administrateur".
// Created anew each time and freed when it closes. A right password opens the
// console (Tadmin) and hides the main window; closing the console shows it again.
class Tadminiden : public QWidget
{
    Q_OBJECT
public:
    explicit Tadminiden(QWidget *mainWindow);
};
