// Window tests: the real windows on Qt's offscreen platform, driven by gtest.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings of this process only: the tests clear and set them, and must neither touch the
    // technician's own nor meet those of another shard.
    QTemporaryDir config;
    if (config.isValid())
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tolvane_JIG");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
