#include "administration/tadminiden.h"

Tadminiden::Tadminiden(QWidget *mainWindow)
    : QWidget(nullptr)
{
    Q_UNUSED(mainWindow);
    setAttribute(Qt::WA_DeleteOnClose);
}
