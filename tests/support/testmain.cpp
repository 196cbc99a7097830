#include "pictures/appearance.h"

#include <QApplication>
#include <gtest/gtest.h>

// Shared by every test binary: a headless QApplication with the program's look.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installAppearance();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
