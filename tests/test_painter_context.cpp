// The focus-ring style is part of the saved drawing state.
#include "host/GraphicsContext.h"
#include "host/Snapshot.h"
#include "host/View.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Steps = std::function<void(host::GraphicsContext&)>;
using host::FocusRingPlacement;

// A 40 x 40 view that takes some steps, then fills the oval in (10, 10, 20, 20).
class FillView : public host::View {
public:
    explicit FillView(Steps inBefore) : mBefore(std::move(inBefore)) { resize(40, 40); }
    void drawRect(host::GraphicsContext& inContext, const host::Rect&) override {
        mBefore(inContext);
        inContext.fillOval({{10, 10}, {20, 20}});
    }

private:
    Steps mBefore;
};

struct StyleCase {
    const char* name;
    Steps before;
    bool ring; // a ring just outside the oval, not a filled disc
    friend void PrintTo(const StyleCase& inCase, std::ostream* inOut) { *inOut << inCase.name; }
};

class FocusRingStyle : public ::testing::TestWithParam<StyleCase> {};

TEST_P(FocusRingStyle, FollowsSaveAndRestore) {
    FillView view(GetParam().before);
    const QImage shot = host::snapshot(view, 1.0, host::Backdrop::Transparent);
    const QPalette& palette = view.palette();
    EXPECT_EQ(shot.pixelColor(20, 20),
              GetParam().ring ? QColor(Qt::transparent) : palette.color(QPalette::WindowText));
    EXPECT_EQ(shot.pixelColor(8, 20).alpha(), GetParam().ring ? 255 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FocusRingStyle,
    ::testing::Values(StyleCase{"plain", [](host::GraphicsContext&) {}, false},
                      StyleCase{"restoredAway",
                                [](host::GraphicsContext& c) {
                                    c.saveGraphicsState();
                                    c.setFocusRingStyle(FocusRingPlacement::Only);
                                    c.restoreGraphicsState();
                                },
                                false},
                      StyleCase{"keptThroughAnInnerSave",
                                [](host::GraphicsContext& c) {
                                    c.saveGraphicsState();
                                    c.setFocusRingStyle(FocusRingPlacement::Only);
                                    c.saveGraphicsState();
                                    c.restoreGraphicsState();
                                },
                                true},
                      StyleCase{"restoreWithNothingSaved",
                                [](host::GraphicsContext& c) {
                                    c.setFocusRingStyle(FocusRingPlacement::Only);
                                    c.restoreGraphicsState();
                                },
                                true}),
    [](const auto& inInfo) { return std::string(inInfo.param.name); });

} // namespace
