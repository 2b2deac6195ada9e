// Runs GoogleTest inside a QApplication on a real X server of its own, which the tests drive
// through XTest. Listing the tests needs no server.
#include "support/XServer.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    XServer server;
    if (server.name().empty()) {
        std::fprintf(stderr, "Xvfb could not be started (Debian package xvfb)\n");
        return 1;
    }
    XServer::sCurrent = &server;
    setenv("DISPLAY", server.name().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
