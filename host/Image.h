#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace host {

// An image a view composites, in the painter's native premultiplied format; a null image draws
// nothing. Besides its own pixels it may carry a double-resolution version of the same picture,
// drawn in its place on screens of more than one pixel per point.
class Image {
public:
    Image() = default;
    explicit Image(const QImage& inImage);
    // inDoubleImage is kept only when it is exactly twice inImage's size.
    Image(const QImage& inImage, const QImage& inDoubleImage);

    // The image in the file at inPath, or a null image when it cannot be read. A readable file
    // "<name>@2x.<ext>" beside it becomes the double-resolution version.
    static Image fromFile(const QString& inPath);

    bool isNull() const { return mImage.isNull(); }
    // In points: the size it covers when drawn.
    QSize size() const { return mImage.size(); }
    bool hasDoubleResolution() const { return !mDoubleImage.isNull(); }
    const QImage& qimage() const { return mImage; }
    // The pixels that suit a device of inPixelsPerPoint; the double-resolution version reports a
    // device pixel ratio of 2 so that it covers the same points.
    const QImage& representation(double inPixelsPerPoint) const;

private:
    QImage mImage;
    QImage mDoubleImage;
};

} // namespace host
