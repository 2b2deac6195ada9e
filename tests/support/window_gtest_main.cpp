// Runs GoogleTest inside a QApplication on a window system of its own, which the tests drive
// with real input. Listing the tests needs none.
#include "support/DisplayServer.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    DisplayServer system;
    if (!system.exportTo()) {
        std::fprintf(stderr, "%s\n", DisplayServer::sMissing);
        return 1;
    }
    DisplayServer::sCurrent = &system;
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
