// The dial's images as the build puts them in the bundle: all fourteen, with double-resolution
// versions, shaped to the dial's layout.
#include "dial/xr_tunerLayout.h"
#include "host/Bundle.h"
#include "host/Image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

host::Image load(const QString& inName) {
    return host::Image::fromFile(host::Bundle(TAVRO_BUNDLE_PATH).pathForResource(inName, "tif"));
}

TEST(BundleImages, AllFourteenFitTheirPlaces) {
    const auto digitWidth = static_cast<int>(sTensPt.x - sHundredsPt.x);
    std::vector<std::pair<QString, int>> widest{{"xr_tuner", 128},
                                                {"xr_detent", 16},
                                                {"xr_digpoint", int(sTenthsPt.x - sPointPt.x)},
                                                {"xr_digdash", digitWidth}};
    for (int digit = 0; digit <= 9; ++digit) {
        widest.emplace_back(QString("xr_dig%1").arg(digit), digitWidth);
    }
    for (const auto& [name, width] : widest) {
        const host::Image image = load(name);
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_TRUE(image.hasDoubleResolution()) << name.toStdString();
        EXPECT_LE(image.size().width(), width) << name.toStdString(); // no overlap
    }
    EXPECT_EQ(load("xr_detent").size(), QSize(16, 16));
}

// The circle of radius 64 about the dial's centre takes the mouse and is outlined by the focus
// ring: the face fills it, and draws nothing beyond it above the centre.
TEST(BundleImages, FaceFillsTheDialsCircle) {
    const host::Image face = load("xr_tuner");
    ASSERT_FALSE(face.isNull());
    for (const double scale : {1.0, 2.0}) {
        const QImage& pixels = face.representation(scale);
        const auto alphaAt = [&](double inRadius, double inDegrees) {
            const double rad = inDegrees * std::numbers::pi / 180.0;
            // y up from the face's lower-left corner.
            const double x = double(sCenterPt.x - sFacePt.x) + inRadius * std::sin(rad);
            const double y = double(sCenterPt.y - sFacePt.y) + inRadius * std::cos(rad);
            const QPoint pixel(int(std::floor(x * scale)),
                               int(std::floor((face.size().height() - y) * scale)));
            return pixels.valid(pixel) ? pixels.pixelColor(pixel).alpha() : 0;
        };
        for (double degrees = -180.0; degrees < 180.0; degrees += 15.0) {
            EXPECT_EQ(alphaAt(62.5, degrees), 255) << scale << ", " << degrees;
            EXPECT_EQ(alphaAt(31.0, degrees), 255) << scale << ", " << degrees;
            if (std::abs(degrees) <= 90.0) {
                EXPECT_EQ(alphaAt(65.5, degrees), 0) << scale << ", " << degrees;
            }
        }
    }
}

} // namespace
