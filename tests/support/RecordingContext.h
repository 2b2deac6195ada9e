#pragma once

#include "host/GraphicsContext.h"
#include "support/TestBundle.h"

#include <QString>

#include <string>
#include <vector>

// Records what a view draws, in its own coordinates: "<image> (x, y)" for an image's lower-left
// corner, the image named by its colour (see TestBundle); "ring (x, y, w, h)" for a fill under
// the focus-ring style, "oval (...)" for a plain fill. Two decimals.
class RecordingContext final : public host::GraphicsContext {
public:
    void compositeImage(const host::Image& inImage, host::Point inPoint,
                        host::CompositeOperation inOperation) override {
        if (!inImage.isNull() && inOperation == host::CompositeOperation::SourceOver) {
            add(TestBundle::nameOf(inImage.qimage().pixelColor(0, 0)),
                {fixed(inPoint.x), fixed(inPoint.y)});
        }
    }
    void saveGraphicsState() override { mSaved.push_back(mRingOnly); }
    void restoreGraphicsState() override {
        if (!mSaved.empty()) {
            mRingOnly = mSaved.back();
            mSaved.pop_back();
        }
    }
    void setFocusRingStyle(host::FocusRingPlacement inPlacement) override {
        mRingOnly = inPlacement == host::FocusRingPlacement::Only;
    }
    void fillOval(const host::Rect& inRect) override {
        add(mRingOnly ? "ring" : "oval", {fixed(inRect.origin.x), fixed(inRect.origin.y),
                                          fixed(inRect.size.width), fixed(inRect.size.height)});
    }

    // Every saved state restored, and the focus-ring style no longer in force.
    bool stateRestored() const { return mSaved.empty() && !mRingOnly; }

    std::vector<std::string> drawn;

private:
    static QString fixed(Float32 inValue) { return QString::number(inValue, 'f', 2); }
    void add(const QString& inWhat, const QStringList& inNumbers) {
        drawn.push_back((inWhat + " (" + inNumbers.join(", ") + ")").toStdString());
    }

    bool mRingOnly = false;
    std::vector<bool> mSaved;
};
