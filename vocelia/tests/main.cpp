#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

// Every test process gets its own settings folder, so the suite file is the test's own.
int main(int argc, char** argv) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
