#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/TestDesktop.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    e2e::TheDesktop();
    const int status = RUN_ALL_TESTS();
    e2e::EndTheDesktop();
    return status;
}
