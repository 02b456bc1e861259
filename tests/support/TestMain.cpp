// Test entry: a widget application on the offscreen platform, so no test needs a display.
#include <QApplication>
#include <gtest/gtest.h>

#ifdef VINDREL_WEB_TESTS
#include "platform/engine/impl/DriveAddresses.h"
#include "platform/engine/impl/WebEngineBrowser.h"
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef VINDREL_WEB_TESTS
    PrepareWebEngineEnvironment();
    RegisterDriveSchemes();
#endif
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
