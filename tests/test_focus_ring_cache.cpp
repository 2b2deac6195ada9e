// The kept focus ring must look exactly like one drawn afresh, and follow what it depends on.
#include "host/FocusRingCache.h"
#include "host/PainterContext.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const host::Rect sOval{{4.0f, 11.0f}, {128.0f, 128.0f}};

QImage drawRing(QWidget& inWidget, int inScale, host::FocusRingCache* inCache) {
    QImage image(inWidget.size() * inScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(inScale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    host::PainterContext context(painter, inWidget, inCache);
    context.saveGraphicsState();
    context.setFocusRingStyle(host::FocusRingPlacement::Only);
    context.fillOval(sOval);
    context.restoreGraphicsState();
    return image;
}

// Largest difference of any channel of any pixel.
int difference(const QImage& inA, const QImage& inB) {
    if (inA.size() != inB.size()) {
        return 256;
    }
    int worst = 0;
    for (int y = 0; y < inA.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(inA.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(inB.constScanLine(y));
        for (int x = 0; x < inA.width(); ++x) {
            for (int shift : {0, 8, 16, 24}) {
                worst = std::max(worst, std::abs(static_cast<int>((a[x] >> shift) & 0xFF) -
                                                 static_cast<int>((b[x] >> shift) & 0xFF)));
            }
        }
    }
    return worst;
}

TEST(FocusRingCache, KeptRingMatchesAFreshOneAndFollowsColourAndScale) {
    QWidget widget;
    widget.resize(136, 143);
    host::FocusRingCache cache;
    for (const QColor colour : {QColor(Qt::red), QColor(Qt::blue)}) {
        QPalette palette = widget.palette();
        palette.setColor(QPalette::Highlight, colour);
        widget.setPalette(palette);
        for (int scale : {1, 2, 1}) {
            const QImage fresh = drawRing(widget, scale, nullptr);
            EXPECT_LE(difference(drawRing(widget, scale, &cache), fresh), 1)
                << colour.name().toStdString() << " at " << scale << "x";
            EXPECT_LE(difference(drawRing(widget, scale, &cache), fresh), 1) << "drawn again";
        }
    }
}

} // namespace
