// Images from files, with their double-resolution versions, in the painter's native format.
#include "host/Image.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ImageFiles : public ::testing::Test {
protected:
    QString write(const QString& inName, QSize inSize, QImage::Format inFormat) {
        QImage image(inSize, inFormat);
        image.fill(QColor(10, 20, 30, 128));
        image.save(folder.filePath(inName), "tiff");
        return folder.filePath(inName);
    }
    QTemporaryDir folder;
};

TEST_F(ImageFiles, TwiceAsLargeVersionBesideItServesDenserScreens) {
    const host::Image knob =
        host::Image::fromFile(write("knob.tif", {16, 16}, QImage::Format_ARGB32));
    write("knob@2x.tif", {32, 32}, QImage::Format_RGB888);
    const host::Image sharp = host::Image::fromFile(folder.filePath("knob.tif"));
    write("odd@2x.tif", {20, 20}, QImage::Format_ARGB32); // not twice odd.tif
    const host::Image odd =
        host::Image::fromFile(write("odd.tif", {10, 12}, QImage::Format_ARGB32));

    EXPECT_FALSE(knob.hasDoubleResolution()); // read before its double was written
    for (const double scale : {1.0, 1.5, 2.0}) {
        const QImage& pixels = sharp.representation(scale);
        EXPECT_EQ(pixels.size(), scale > 1.0 ? QSize(32, 32) : QSize(16, 16)) << scale;
        EXPECT_EQ(pixels.deviceIndependentSize(), QSizeF(16, 16)) << scale;
        EXPECT_EQ(pixels.format(), QImage::Format_ARGB32_Premultiplied) << scale;
        EXPECT_EQ(odd.representation(scale).size(), QSize(10, 12)) << scale;
    }
}

} // namespace
