#pragma once

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

// Whether inDrawn is the picture at inExpectedPath. Another processor's drawing code (Qt picks SIMD
// code by what the processor offers) rounds the blending of half-transparent edges otherwise, by a
// level or two: such a pixel may differ by up to 2 levels a channel. A pixel that is opaque or
// clear in the picture must match exactly, so the shape never moves. On a mismatch the drawn
// picture is written to the working folder, beside the others of the test run, to be looked at.
inline ::testing::AssertionResult isPicture(const QImage& inDrawn, const QString& inExpectedPath) {
    const QImage expected = QImage(inExpectedPath).convertToFormat(QImage::Format_ARGB32);
    const QImage drawn = inDrawn.convertToFormat(QImage::Format_ARGB32);
    int beyond = 0, largest = 0; // pixels off by more than rounding, and by how much at most
    for (int y = 0; drawn.size() == expected.size() && y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb a = drawn.pixel(x, y), b = expected.pixel(x, y);
            const int difference =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            beyond += difference > (qAlpha(b) > 0 && qAlpha(b) < 255 ? 2 : 0);
            largest = std::max(largest, difference);
        }
    }
    if (!expected.isNull() && drawn.size() == expected.size() && beyond == 0) {
        return ::testing::AssertionSuccess();
    }
    const QString drawnPath = QDir::current().absoluteFilePath(
        QFileInfo(inExpectedPath).completeBaseName() + ".drawn.png");
    return ::testing::AssertionFailure()
           << (expected.isNull() ? "no picture"
               : drawn.size() != expected.size()
                   ? "a picture of another size"
                   : std::to_string(beyond) + " pixels differ by up to " + std::to_string(largest) +
                         " levels")
           << " at " << inExpectedPath.toStdString()
           << (drawn.save(drawnPath) ? "; drawn: " + drawnPath.toStdString() : "");
}
