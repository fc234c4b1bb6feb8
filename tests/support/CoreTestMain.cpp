// Entry point of the test programs of the layers below the desktop: Qt Core only.

#include "support/TestEnvironment.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (!quillfen::test::pinTestEnvironment().isValid())
        return 2;
    QCoreApplication app(argc, argv);
    quillfen::test::pinTestLocale();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
