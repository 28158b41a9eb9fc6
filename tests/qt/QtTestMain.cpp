// The test main of the Qt host's tests: one QApplication and one installed
// Qt host for the whole run. ctest runs these tests offscreen.

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/QtHost.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    platform::QtHost host;
    platform::InstallHost(&host);
    const int result = RUN_ALL_TESTS();
    platform::InstallHost(nullptr);
    return result;
}
