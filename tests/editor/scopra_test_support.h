// Helpers of scopra's editor tests: a Scopra effect with its editor on a
// headless face, signals played through it, measuring idle passes and the
// face's pixels.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "editor/ad_editor_base.h"
#include "gui/widgets.h"
#include "plugins/scopra/scopra.h"
#include "plugins/scopra/scopra_face_layout.h"
#include "tests/support/test_host.h"

namespace scopratest {

constexpr int kSampleRateHz = 44100;
constexpr uint32_t kBrightPen = 0xff08ff31u;  // (8, 255, 49)

// One sample pair at frame n.
using Signal = std::function<std::pair<float, float>(long n)>;
// A sine of a quarter of the sample rate: 0, a, 0, -a, ... on one channel
// (0 left, 1 right) or on both.
Signal quarterSine(float amplitude, int channel);
Signal monoQuarterSine(float amplitude);
Signal constant(float left, float right);
Signal silence();

// The whole face as drawn now, 302 x 214 premultiplied ARGB pixels.
struct Picture {
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[y * scopra::face::kFaceWidth + x]; }
};

class ScopraFaceTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Plays `seconds` of `signal` in blocks of 512 frames, counting on from
    // where the last call stopped.
    void play(const Signal& signal, double seconds);
    // An idle that is sure to be a measuring pass (it waits out the gate).
    void measuringIdle();
    Picture picture();
    CControl* control(const char* type, int32_t tag);
    CParamDisplay* displayAt(const FaceRect& rect);
    // Row by row from the top of meter `meter` (0 or 1), what its middle
    // column shows: 'l' lit bar, 'u' unlit track, 'p' peak colour, '?' else.
    std::string meterRows(const Picture& shown, int meter);

    TestHost host;
    std::unique_ptr<Scopra> effect;
    ADEditorBase* editor = nullptr;
    CFrame* frame = nullptr;
    long playedFrames = 0;
};

}  // namespace scopratest
