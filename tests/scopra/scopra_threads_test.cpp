// One thread processes audio while another drives the effect the way the
// host and the editor do: parameters, programs, bursts, meters and resets.
// Meant to run under ThreadSanitizer as well.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

#include "plugins/scopra/scopra.h"

namespace {

using scopra::kScopePoints;
using scopra::ScopePoint;

VstIntPtr quietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

// The audio thread runs at least kMinBlocks blocks and goes on until the
// editor has taken kMinBursts bursts, however the threads are scheduled.
constexpr int kMinBlocks = 3000;
constexpr int kMinBursts = 20;
constexpr int kBlockFrames = 128;
// At the default 44.1 kHz every second pair is captured: pairs 1, 3, ... of
// a block, so a block gives 64 points, and a burst of 512 holds 8 blocks'
// points, each block's at a position 511 - 64 k (bursts start with a block).
constexpr int kPointsPerBlock = kBlockFrames / 2;

// Every point the audio thread makes is one of eight symbols: pairs loud
// enough that each coordinate sits at a limit of the view or at 0 whatever
// the goniometer level, so a point tells its symbol by its signs alone.
constexpr double kLoud = 10.0;
constexpr double kSymbolPairs[8][2] = {{1, 1},  {1, -1}, {-1, 1}, {-1, -1},
                                       {1, 0},  {0, 1},  {-1, 0}, {0, -1}};
constexpr int kSymbolBits = 3;
constexpr int kNumberSymbols = 5;  // 15 bits for the block number
constexpr int kMaxBlocks = 1 << (kSymbolBits * kNumberSymbols);

// Point j of block `block` spells the block number, again and again.
int symbolOf(int block, int point) {
    return (block >> (kSymbolBits * (point % kNumberSymbols))) & 7;
}

int sign(double v) { return (v > 0) - (v < 0); }

// The symbol a point shows, or -1 for the cleared point (0, 0) or a point
// that no symbol makes.
int symbolShown(const ScopePoint& p) {
    for (int k = 0; k < 8; ++k) {
        const double left = kSymbolPairs[k][0], right = kSymbolPairs[k][1];
        const ScopePoint expected = {sign(right - left) > 0 ? 83.0 : sign(right - left) * 85.0,
                                     sign(-(left + right)) * 76.0};
        if (p.x == expected.x && p.y == expected.y) return k;
    }
    return -1;
}

struct AudioResult {
    int mismatches = 0;
};

// The audio thread: alternating precisions, each block spelling its number.
void runAudio(Scopra& effect, AudioResult& result, const std::atomic<int>& bursts,
              std::atomic<bool>& done) {
    std::vector<float> left(kBlockFrames), right(kBlockFrames), inLeft, inRight;
    std::vector<double> dLeft(kBlockFrames), dRight(kBlockFrames), dInLeft, dInRight;
    for (int block = 0; block < kMaxBlocks && (block < kMinBlocks || bursts < kMinBursts);
         ++block) {
        for (int i = 0; i < kBlockFrames; ++i) {
            const double* pair = kSymbolPairs[symbolOf(block, i / 2)];
            dLeft[i] = kLoud * pair[0];
            dRight[i] = kLoud * pair[1];
            left[i] = static_cast<float>(dLeft[i]);
            right[i] = static_cast<float>(dRight[i]);
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
        // A full burst waits for the editor: give it the chance to take it.
        if (effect.measurement().scopeWriteIndex() == scopra::kScopeFull)
            std::this_thread::yield();
    }
    done = true;
}

// A burst as the audio thread wrote it: from position 511 down, cleared
// points (the editor's clears and the resets) in whole blocks, then whole
// blocks of points, each spelling one block number, the numbers rising.
// A burst taken while being written mixes blocks or bursts and fails.
bool wholeBurst(const ScopePoint (&points)[kScopePoints]) {
    int previousBlock = -1;
    bool cleared = true;  // still in the cleared points at the top
    for (int first = kScopePoints - 1; first >= 0; first -= kPointsPerBlock) {
        const bool blank =
            std::all_of(points + first - kPointsPerBlock + 1, points + first + 1,
                        [](const ScopePoint& p) { return p.x == 0 && p.y == 0; });
        if (blank && cleared) continue;
        cleared = false;
        int symbols[kPointsPerBlock];
        for (int j = 0; j < kPointsPerBlock; ++j) symbols[j] = symbolShown(points[first - j]);
        int block = 0;
        for (int j = 0; j < kNumberSymbols; ++j) {
            if (symbols[j] < 0) return false;
            block |= symbols[j] << (kSymbolBits * j);
        }
        for (int j = 0; j < kPointsPerBlock; ++j)
            if (symbols[j] != symbolOf(block, j)) return false;
        if (block <= previousBlock) return false;
        previousBlock = block;
    }
    return true;
}

struct EditorResult {
    std::atomic<int> bursts{0};
    int tornBursts = 0;
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
            result.tornBursts += !wholeBurst(points);
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
    std::thread audioThread(runAudio, std::ref(effect), std::ref(audio), std::cref(editor.bursts),
                            std::ref(done));
    audioThread.join();
    editorThread.join();
    EXPECT_EQ(audio.mismatches, 0);
    EXPECT_GE(editor.bursts, kMinBursts);
    EXPECT_EQ(editor.tornBursts, 0);
    EXPECT_EQ(editor.badReadings, 0);
}

}  // namespace
