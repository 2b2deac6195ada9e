#include "support/TestBundle.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace {

constexpr int sBlue = 200;
constexpr int sDoubleBlue = 100;

QSize sizeOf(const QString& inName) {
    if (inName == "xr_tuner") {
        return {128, 135};
    }
    if (inName == "xr_detent") {
        return {16, 16};
    }
    return inName == "xr_digpoint" ? QSize(4, 4) : QSize(13, 23);
}

void writeSolid(const QString& inPath, QSize inSize, QColor inColour) {
    QImage image(inSize, QImage::Format_ARGB32);
    image.fill(inColour);
    image.save(inPath, "tiff");
}

} // namespace

TestBundle::TestBundle(int inSet, bool inDoubles, const QStringList& inBroken) {
    const QString folder = mFolder.path() + "/USB_Tavro.prefPane/Contents/Resources/";
    QDir().mkpath(folder);
    for (const QString& name : names()) {
        const int red = 10 + 15 * static_cast<int>(names().indexOf(name));
        if (inBroken.contains(name + "!")) {
            QFile file(folder + name + ".tif");
            file.open(QIODevice::WriteOnly);
            file.write("not an image");
        } else if (!inBroken.contains(name)) {
            writeSolid(folder + name + ".tif", sizeOf(name), QColor(red, 20 * inSet, sBlue));
            if (inDoubles) {
                writeSolid(folder + name + "@2x.tif", sizeOf(name) * 2,
                           QColor(red, 20 * inSet, sDoubleBlue));
            }
        }
    }
}

const QStringList& TestBundle::names() {
    static const QStringList sNames{"xr_tuner", "xr_detent", "xr_dig0",     "xr_dig1",   "xr_dig2",
                                    "xr_dig3",  "xr_dig4",   "xr_dig5",     "xr_dig6",   "xr_dig7",
                                    "xr_dig8",  "xr_dig9",   "xr_digpoint", "xr_digdash"};
    return sNames;
}

QString TestBundle::nameOf(QColor inColour) {
    const int index = (inColour.red() - 10) / 15;
    const int blue = inColour.blue();
    if (inColour.alpha() != 255 || index < 0 || index >= names().size() ||
        (blue != sBlue && blue != sDoubleBlue)) {
        return {};
    }
    return names().at(index) + (blue == sDoubleBlue ? "@2x" : "") +
           (inColour.green() != 0 ? QString("#%1").arg(inColour.green() / 20) : "");
}
