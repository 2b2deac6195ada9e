#include "host/Snapshot.h"

#include <QLayout>
#include <QWidget>

#include <cmath>

namespace host {

QImage snapshot(QWidget& inWidget, double inDevicePixelRatio, Backdrop inBackdrop) {
    // A widget that was never shown has not laid out its children yet.
    inWidget.ensurePolished();
    if (QLayout* layout = inWidget.layout()) {
        layout->activate();
    }
    const QSize pixels(static_cast<int>(std::ceil(inWidget.width() * inDevicePixelRatio)),
                       static_cast<int>(std::ceil(inWidget.height() * inDevicePixelRatio)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(inDevicePixelRatio);
    image.fill(Qt::transparent);
    QWidget::RenderFlags flags = QWidget::DrawChildren;
    if (inBackdrop == Backdrop::Window) {
        flags |= QWidget::DrawWindowBackground;
    }
    inWidget.render(&image, QPoint(), QRegion(), flags);
    return image;
}

bool writeSnapshot(QWidget& inWidget, const QString& inPath, double inDevicePixelRatio,
                   Backdrop inBackdrop) {
    return snapshot(inWidget, inDevicePixelRatio, inBackdrop).save(inPath, "PNG");
}

} // namespace host
