#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/TestDesktop.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    // The build lists the tests, to give each suite a desktop of its own, where there is none.
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    e2e::TheDesktop();
    const int status = RUN_ALL_TESTS();
    e2e::EndTheDesktop();
    return status;
}
