// Reading the settings file at its worst: lists at each of the reader's bounds, and lists just
// past them that it must still refuse quickly. Argument: which list.
#include "host/PropertyList.h"
#include "settings/Settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using host::Dictionary;

QByteArray xml(const QByteArray& inBody) {
    return "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Frequency</key><integer>"
           "88100</integer>" +
           inBody + "</dict></plist>";
}

// Whitespace after the list, up to the size bound: libplist reads all of it.
QByteArray padded(QByteArray inList) {
    inList += QByteArray(Dictionary::sMaxSize - inList.size(), ' ');
    return inList;
}

struct Shape {
    const char* name;
    QByteArray list;
};

const std::vector<Shape>& shapes() {
    static const std::vector<Shape> sShapes = [] {
        const QByteArray values = QByteArray("<true/>").repeated(Dictionary::sMaxValues - 10);
        const QByteArray keys = [] {
            QByteArray dict;
            for (std::size_t i = 0; i < Dictionary::sMaxValues / 2 - 10; ++i) {
                dict += "<key>" + QByteArray::number(static_cast<qulonglong>(i)) + "</key><true/>";
            }
            return dict;
        }();
        const QByteArray entities = QByteArray("&amp;").repeated(Dictionary::sMaxEscapes);
        QByteArray nested = QByteArray("<array>").repeated(Dictionary::sMaxDepth - 2) + "<data>" +
                            QByteArray(Dictionary::sMaxPayload - 64, '\x5a').toBase64() +
                            "</data>" + QByteArray("</array>").repeated(Dictionary::sMaxDepth - 2);
        return std::vector<Shape>{
            {"accepted: most values in an array",
             padded(xml("<key>A</key><array>" + values + "</array>"))},
            {"accepted: most keys in the dictionary", padded(xml(keys))},
            {"accepted: most entities in the longest string",
             padded(xml("<key>S</key><string>" + entities +
                        QByteArray(Dictionary::sMaxPayload - 2048, 'x') + "</string>"))},
            {"accepted: deepest, with the most data", padded(xml("<key>D</key>" + nested))},
            {"refused: most entities in a string of the whole size",
             xml("<key>S</key><string>" + entities + QByteArray(Dictionary::sMaxSize - 4096, 'x') +
                 "</string>")},
        };
    }();
    return sShapes;
}

void BM_ReadSettingsFile(benchmark::State& inState) {
    const Shape& shape = shapes()[static_cast<std::size_t>(inState.range(0))];
    inState.SetLabel(shape.name);
    QTemporaryDir folder;
    const QString path = folder.filePath("settings.plist");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(shape.list) != shape.list.size()) {
        inState.SkipWithError("the settings file could not be written");
        return;
    }
    file.close();
    const bool accepted = settings::read(path).state == settings::FileState::Read;
    if (accepted != QByteArray(shape.name).startsWith("accepted")) {
        inState.SkipWithError("read otherwise than its name says");
        return;
    }
    for (auto _ : inState) {
        benchmark::DoNotOptimize(settings::read(path));
    }
}

BENCHMARK(BM_ReadSettingsFile)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

} // namespace
