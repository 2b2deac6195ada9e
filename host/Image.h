#pragma once

#include <QImage>

namespace host {

// An image a view composites; a null image draws nothing.
class Image {
public:
    Image() = default;
    explicit Image(QImage inImage) : mImage(std::move(inImage)) {}

    bool isNull() const { return mImage.isNull(); }
    const QImage& qimage() const { return mImage; }

private:
    QImage mImage;
};

} // namespace host
