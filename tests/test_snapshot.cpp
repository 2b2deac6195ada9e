// Widgets rendered to images and PNG files without a display.
#include "host/Snapshot.h"

#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A window that was never shown, with a green 10 x 10 child that only its layout places.
struct Window : ::testing::Test {
    Window() {
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* block = new QWidget;
        block->setAutoFillBackground(true);
        block->setPalette(QPalette(Qt::green));
        block->setFixedSize(10, 10);
        layout->addWidget(block, 0, Qt::AlignLeft | Qt::AlignTop);
        window.resize(30, 20);
    }
    QWidget window;
};

TEST_F(Window, RendersWithItsChildrenAtTheChosenScale) {
    for (const double scale : {1.0, 1.5, 2.0}) {
        const QImage shot = host::snapshot(window, scale, host::Backdrop::Transparent);
        EXPECT_EQ(shot.size(), QSize(30, 20) * scale);
        EXPECT_EQ(shot.devicePixelRatio(), scale);
        EXPECT_EQ(shot.pixelColor(QPoint(9, 9) * scale), QColor(Qt::green)) << scale;
        EXPECT_EQ(shot.pixelColor(QPoint(20, 15) * scale).alpha(), 0) << scale;
    }
    EXPECT_EQ(host::snapshot(window).pixelColor(20, 15), window.palette().color(QPalette::Window));
}

TEST_F(Window, WritesAPng) {
    QTemporaryDir folder;
    ASSERT_TRUE(host::writeSnapshot(window, folder.filePath("shot.png"), 2.0).isEmpty());
    const QImage read(folder.filePath("shot.png"), "PNG");
    EXPECT_EQ(read.size(), QSize(60, 40));
    EXPECT_EQ(read.pixelColor(18, 18), QColor(Qt::green));
    EXPECT_FALSE(host::writeSnapshot(window, folder.filePath("missing/shot.png")).isEmpty());
}

} // namespace
