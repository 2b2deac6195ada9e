#pragma once

#include <QImage>
#include <QString>

namespace host {

// An image a view composites; a null image draws nothing.
class Image {
public:
    Image() = default;
    explicit Image(QImage inImage);

    // The image in the file at inPath, or a null image when it cannot be read.
    static Image fromFile(const QString& inPath);

    bool isNull() const { return mImage.isNull(); }
    const QImage& qimage() const { return mImage; }

private:
    QImage mImage;
};

} // namespace host
