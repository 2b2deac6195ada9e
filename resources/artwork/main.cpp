// Draws the dial's fourteen images into a folder as TIFF files with alpha, each also at double
// resolution ("<name>@2x.tif") for screens with two pixels per point.
//
//   tavro-draw-images <folder>
#include "Face.h"
#include "Knob.h"
#include "Logo.h"
#include "SevenSegment.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Artwork {
    QString name;
    QSizeF size; // in points
    std::function<void(QPainter&)> paint;
    const char* format = "tif";
};

std::vector<Artwork> allArtwork() {
    std::vector<Artwork> art{
        {"xr_tuner", artwork::faceSize(), artwork::paintFace},
        {"xr_detent", artwork::knobSize(), artwork::paintKnob},
    };
    for (int digit = 0; digit <= 9; ++digit) {
        art.push_back({QString("xr_dig%1").arg(digit), artwork::digitSize(), [digit](QPainter& p) {
                           artwork::paintLit(p, artwork::digitOutlines(artwork::segmentsOf(digit)));
                       }});
    }
    art.push_back({"xr_digpoint", artwork::pointSize(), [](QPainter& p) {
                       artwork::paintLit(p, {artwork::pointOutline()});
                   }});
    art.push_back({"xr_digdash", artwork::digitSize(), [](QPainter& p) {
                       artwork::paintLit(p, artwork::digitOutlines(artwork::sMiddleSegment));
                   }});
    // The logo goes into the interface file, the icon into the desktop entry: both PNG.
    art.push_back({"xr_logo", artwork::logoSize(), artwork::paintLogo, "png"});
    art.push_back({"usb-tavro", artwork::iconSize(), artwork::paintIcon, "png"});
    return art;
}

bool write(const Artwork& inArt, int inScale, const QString& inFolder) {
    const QSize pixels(static_cast<int>(std::lround(inArt.size.width() * inScale)),
                       static_cast<int>(std::lround(inArt.size.height() * inScale)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.scale(inScale, inScale);
        inArt.paint(painter);
    }
    const QString path = inFolder + "/" + inArt.name +
                         (inScale == 1 ? "" : QString("@%1x").arg(inScale)) + "." + inArt.format;
    const bool tiff = QString(inArt.format) == "tif";
    QImageWriter writer(path, tiff ? "tiff" : inArt.format);
    writer.setCompression(tiff ? 1 : 9); // LZW for TIFF
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (const Artwork& art : allArtwork()) {
        for (const int scale : {1, 2}) {
            ok = write(art, scale, folder) && ok;
        }
    }
    return ok ? 0 : 1;
}
