// Runs GoogleTest inside a QApplication on a headless Wayland compositor of its own, which the
// tests drive through virtual input devices. Listing the tests needs no compositor.
#include "support/WaylandCompositor.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    WaylandCompositor compositor;
    if (compositor.socket().isEmpty()) {
        std::fprintf(stderr, "sway could not be started (Debian packages sway, wtype)\n");
        return 1;
    }
    WaylandCompositor::sCurrent = &compositor;
    setenv("WAYLAND_DISPLAY", qPrintable(compositor.socket()), 1);
    setenv("XDG_RUNTIME_DIR", qPrintable(compositor.clientRuntimeDir()), 1);
    setenv("QT_QPA_PLATFORM", "wayland", 1);
    unsetenv("DISPLAY");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
