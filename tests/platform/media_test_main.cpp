#include <QGuiApplication>

#include <gtest/gtest.h>

// Fonts, pictures and sound need a running application object; without a display (as when
// the tests are listed at build time) it runs on the offscreen platform.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
