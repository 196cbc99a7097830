#include "pictures/appearance.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    installAppearance();
    return 0;
}
