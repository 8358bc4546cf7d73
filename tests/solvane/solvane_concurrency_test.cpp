// Processing on one thread while another thread does what a host's user
// interface and automation do; run under ThreadSanitizer in CI.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "plugins/solvane/solvane.h"

namespace {

VstIntPtr quietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

TEST(SolvaneThreads, ProcessingMeetsParametersProgramsAndResets) {
    Solvane effect(quietHost);
    effect.setSampleRate(48000.0f);
    effect.resume();
    std::atomic<bool> stop{false};

    std::thread audio([&] {
        std::vector<float> left(256), right(256);
        std::vector<double> leftD(256), rightD(256);
        int block = 0;
        while (!stop.load()) {
            for (int i = 0; i < 256; ++i) {
                left[i] = std::sin(0.01f * float(i + block));
                right[i] = 0.5f * left[i];
                leftD[i] = left[i], rightD[i] = right[i];
            }
            float* io[2] = {left.data(), right.data()};
            double* ioD[2] = {leftD.data(), rightD.data()};
            effect.processReplacing(io, io, 256);
            effect.processDoubleReplacing(ioD, ioD, 256);
            effect.setParameter(solvane::kGain, 0.25f + 0.5f * float(block % 2));  // automation
            ++block;
        }
    });

    float midSideSum = 0.0f;
    for (int round = 0; round < 300; ++round) {
        effect.setParameter(round % solvane::kNumParams, float(round % 7) / 6.0f);
        effect.selectProgram(round % solvane::kNumPrograms);
        midSideSum += effect.midSideReading() + effect.leftRightReading();
        if (round % 50 == 0) {
            effect.suspend();
            effect.resume();
        }
        void* chunk = nullptr;
        ASSERT_EQ(effect.getChunk(&chunk, false), 692);
    }
    stop.store(true);
    audio.join();
    EXPECT_TRUE(std::isfinite(midSideSum));
    EXPECT_GE(effect.getCurrentProgramIndex(), 0);
}

TEST(SolvaneThreads, SuspendWithoutResumeIsHarmless) {
    // A scanning host may switch an effect off that it never switched on.
    Solvane effect(quietHost);
    effect.suspend();
    effect.suspend();
    EXPECT_EQ(effect.midSideReading(), 0.0f);
    std::vector<float> left(64, 0.5f), right(64, 0.5f);
    float* io[2] = {left.data(), right.data()};
    effect.processReplacing(io, io, 64);
    EXPECT_EQ(left[0], 0.5f);
    EXPECT_GT(effect.midSideReading(), 0.0f);
}

}  // namespace
