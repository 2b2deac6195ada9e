#include "host/Image.h"

#include <QDir>
#include <QFileInfo>

namespace host {

namespace {

// Converted once here, so that drawing never converts.
QImage premultiplied(const QImage& inImage) {
    if (inImage.isNull()) {
        return {};
    }
    QImage image = inImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1.0);
    return image;
}

QString doubleResolutionPath(const QString& inPath) {
    const QFileInfo file(inPath);
    const QString suffix = file.suffix();
    const QString stem = suffix.isEmpty() ? file.fileName() : file.completeBaseName();
    return file.dir().filePath(stem + "@2x" + (suffix.isEmpty() ? "" : "." + suffix));
}

} // namespace

Image::Image(const QImage& inImage) : mImage(premultiplied(inImage)) {
}

Image::Image(const QImage& inImage, const QImage& inDoubleImage) : Image(inImage) {
    if (!mImage.isNull() && inDoubleImage.size() == mImage.size() * 2) {
        mDoubleImage = premultiplied(inDoubleImage);
        mDoubleImage.setDevicePixelRatio(2.0);
    }
}

Image Image::fromFile(const QString& inPath) {
    const QImage image(inPath);
    if (image.isNull()) {
        return {};
    }
    return Image(image, QImage(doubleResolutionPath(inPath)));
}

const QImage& Image::representation(double inPixelsPerPoint) const {
    return inPixelsPerPoint > 1.0 && hasDoubleResolution() ? mDoubleImage : mImage;
}

} // namespace host
