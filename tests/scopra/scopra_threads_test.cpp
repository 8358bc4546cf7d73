// One thread processes audio while another drives the effect the way the
// host and the editor do: parameters, programs, bursts, meters and resets.
// Meant to run under ThreadSanitizer as well.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

#include "plugins/scopra/scopra.h"

namespace {

using scopra::kScopePoints;
using scopra::ScopePoint;

VstIntPtr quietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

constexpr int kBlocks = 3000;
constexpr int kBlockFrames = 128;

struct AudioResult {
    int mismatches = 0;
};

// The audio thread: alternating precisions, loud and quiet random blocks.
void runAudio(Scopra& effect, AudioResult& result, std::atomic<bool>& done) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> sample(-1.2, 1.2);
    std::vector<float> left(kBlockFrames), right(kBlockFrames), inLeft, inRight;
    std::vector<double> dLeft(kBlockFrames), dRight(kBlockFrames), dInLeft, dInRight;
    for (int block = 0; block < kBlocks; ++block) {
        const double scale = block % 5 == 0 ? 0.01 : 1.0;
        for (int i = 0; i < kBlockFrames; ++i) {
            left[i] = static_cast<float>(scale * sample(random));
            right[i] = static_cast<float>(scale * sample(random));
            dLeft[i] = left[i];
            dRight[i] = -right[i];
        }
        inLeft = left, inRight = right, dInLeft = dLeft, dInRight = dRight;
        float* io[2] = {left.data(), right.data()};
        double* dio[2] = {dLeft.data(), dRight.data()};
        if (block % 2 == 0)
            effect.processReplacing(io, io, kBlockFrames);
        else
            effect.processDoubleReplacing(dio, dio, kBlockFrames);
        result.mismatches += left != inLeft || right != inRight || dLeft != dInLeft ||
                             dRight != dInRight;
    }
    done = true;
}

bool insideTheView(const ScopePoint& p) {
    return p.x >= -85 && p.x <= 83 && p.y >= -76 && p.y <= 76 && p.x == std::trunc(p.x) &&
           p.y == std::trunc(p.y);
}

struct EditorResult {
    int bursts = 0;
    int badPoints = 0;
    int badReadings = 0;
};

// What the editor's idle and controls and the host's dispatcher do.
void runEditor(Scopra& effect, EditorResult& result, const std::atomic<bool>& done) {
    ScopePoint points[kScopePoints];
    scopra::ScopraEngine& measurement = effect.measurement();
    for (int tick = 0; !done; ++tick) {
        effect.setParameter(tick % 4, static_cast<float>((tick * 37) % 101) / 100.0f);
        if (tick % 50 == 0) effect.setProgram(tick / 50 % 16);
        if (measurement.takeBurst(points)) {
            ++result.bursts;
            for (const ScopePoint& p : points) result.badPoints += !insideTheView(p);
        }
        const scopra::MeasurementState s = measurement.readings();
        for (int k = 0; k < scopra::kNumSignals; ++k)
            result.badReadings += !std::isfinite(s.peak[k]) || s.meanSquare[k] < 0.0f;
        measurement.setDisplayValues({{std::sqrt(s.meanSquare[0]), std::sqrt(s.meanSquare[1])},
                                      {std::sqrt(s.peak[0]), std::sqrt(s.peak[1])}});
        result.badReadings += !(effect.getParameter(0) >= 0.0f && effect.getParameter(0) <= 1.0f);
        if (tick % 97 == 0) measurement.clearCapture();  // the "hold" button
        if (tick % 211 == 0) {                            // the editor opening
            effect.suspend();
            effect.resume();
        }
        std::this_thread::yield();
    }
}

TEST(ScopraThreads, ProcessingMeetsParametersProgramsBurstsAndResets) {
    Scopra effect(quietHost);
    effect.setParameter(1, 1.0f);
    AudioResult audio;
    EditorResult editor;
    std::atomic<bool> done{false};
    std::thread editorThread(runEditor, std::ref(effect), std::ref(editor), std::cref(done));
    std::thread audioThread(runAudio, std::ref(effect), std::ref(audio), std::ref(done));
    audioThread.join();
    editorThread.join();
    EXPECT_EQ(audio.mismatches, 0);
    EXPECT_GT(editor.bursts, 0);
    EXPECT_EQ(editor.badPoints, 0);
    EXPECT_EQ(editor.badReadings, 0);
}

}  // namespace
