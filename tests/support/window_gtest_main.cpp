// Runs GoogleTest inside a QApplication on a window system of its own, which the tests drive
// with real input: an X server, or a Wayland compositor for TAVRO_WAYLAND. Listing the tests needs
// neither.
#ifdef TAVRO_WAYLAND
#include "support/WaylandCompositor.h"
using WindowSystem = WaylandCompositor;
#else
#include "support/XServer.h"
using WindowSystem = XServer;
#endif

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    WindowSystem system;
    if (!system.exportTo()) {
        std::fprintf(stderr, "%s\n", WindowSystem::sMissing);
        return 1;
    }
    WindowSystem::sCurrent = &system;
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
