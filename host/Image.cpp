#include "host/Image.h"

namespace host {

// Kept in the painter's native format so that drawing never converts.
Image::Image(QImage inImage)
    : mImage(inImage.isNull() ? QImage()
                              : inImage.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

Image Image::fromFile(const QString& inPath) { return Image(QImage(inPath)); }

} // namespace host
