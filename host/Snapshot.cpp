#include "host/Snapshot.h"

#include "host/SystemLog.h"

#include <QCoreApplication>

#include <QFile>
#include <QLayout>
#include <QWidget>

#include <cerrno>
#include <cmath>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

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

QString writeSnapshot(QWidget& inWidget, const QString& inPath, double inDevicePixelRatio,
                      Backdrop inBackdrop) {
    const int fd = ::open(QFile::encodeName(inPath).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        return errno == ENXIO ? QCoreApplication::translate("Snapshot", "nothing reads from it")
                              : systemMessage(errno);
    }
    // Opened; a reader of a pipe takes the picture at its own pace.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    if (!snapshot(inWidget, inDevicePixelRatio, inBackdrop).save(&file, "PNG") || !file.flush()) {
        return file.errorString().isEmpty()
                   ? QCoreApplication::translate("Snapshot", "the picture could not be written")
                   : file.errorString();
    }
    return {};
}

} // namespace host
