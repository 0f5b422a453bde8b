#include <QGuiApplication>
#include <gtest/gtest.h>

// Reading back SVG and PNG output needs the platform's fonts and image
// plugins, so the renderer's tests run inside one application object.
int main(int argc, char **argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
