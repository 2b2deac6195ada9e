#pragma once

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

// Whether inDrawn is the picture at inExpectedPath. Another processor's drawing code (Qt picks SIMD
// code by what the processor offers) rounds the blending of half-transparent edges otherwise, by a
// level or two: such a pixel may differ by up to sEdgeTolerance a channel. A pixel that is opaque
// or clear in the picture must match exactly, so the shape never moves. On a mismatch the drawn
// picture is written to the working folder, beside the others of the test run, to be looked at.
inline ::testing::AssertionResult isPicture(const QImage& inDrawn, const QString& inExpectedPath) {
    constexpr int sEdgeTolerance = 2;
    const QImage expected = QImage(inExpectedPath).convertToFormat(QImage::Format_ARGB32);
    const QImage drawn = inDrawn.convertToFormat(QImage::Format_ARGB32);
    std::ostringstream why;
    if (expected.isNull()) {
        why << "no picture at " << inExpectedPath.toStdString();
    } else if (drawn.size() != expected.size()) {
        why << "drawn " << drawn.width() << "x" << drawn.height() << ", the picture is "
            << expected.width() << "x" << expected.height();
    } else {
        int differing = 0, beyond = 0, largest = 0;
        QPoint where;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb a = drawn.pixel(x, y), b = expected.pixel(x, y);
                const int difference =
                    std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
                const bool edge = qAlpha(b) > 0 && qAlpha(b) < 255;
                differing += difference > 0;
                if (difference > (edge ? sEdgeTolerance : 0)) {
                    ++beyond;
                    if (difference > largest) {
                        largest = difference;
                        where = QPoint(x, y);
                    }
                }
            }
        }
        if (beyond == 0) {
            return ::testing::AssertionSuccess();
        }
        why << differing << " pixels differ, " << beyond
            << " of them beyond the rounding of a half-transparent edge, by up to " << largest
            << " levels (the most at (" << where.x() << ", " << where.y() << "))";
    }
    const QString drawnPath = QDir::current().absoluteFilePath(
        QFileInfo(inExpectedPath).completeBaseName() + ".drawn.png");
    if (!drawn.isNull() && drawn.save(drawnPath)) {
        why << "; drawn: " << drawnPath.toStdString();
    }
    return ::testing::AssertionFailure()
           << why.str() << "; expected: " << inExpectedPath.toStdString();
}
