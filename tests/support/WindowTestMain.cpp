// Entry point of the test programs of the desktop and the layers above it: an offscreen
// application with widgets.

#include "support/TestEnvironment.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (!quillfen::test::pinTestEnvironment().isValid())
        return 2;
    QApplication app(argc, argv);
    quillfen::test::pinTestLocale();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
