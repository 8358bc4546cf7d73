// Processing on one thread while another sets parameters, selects programs
// and resets the effect. Run under ThreadSanitizer, any data race fails it.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

#include "plugins/duplimo/duplimo.h"
#include "tests/duplimo/duplimo_test_signal.h"
#include "tests/support/test_host.h"

namespace {

TEST(DuplimoConcurrency, ProcessWhileParametersAndProgramsChange) {
    TestHost host;
    TestHost::current = &host;
    Duplimo effect(&TestHost::callback);
    effect.resume();

    constexpr int kBlocks = 3000;
    constexpr int kFrames = 128;
    constexpr int kMinChanges = 2000;  // the two threads must overlap this long
    std::atomic<bool> processing{true};
    std::atomic<int> changes{0};
    std::atomic<int> nonFinite{0};

    std::thread audio([&] {
        Stereo<float> in = noise<float>(kFrames, 1);
        Stereo<double> inDouble = noise<double>(kFrames, 2);
        Stereo<float> out(kFrames);
        Stereo<double> outDouble(kFrames);
        float* inputs[2] = {in.left.data(), in.right.data()};
        float* outputs[2] = {out.left.data(), out.right.data()};
        double* inputsDouble[2] = {inDouble.left.data(), inDouble.right.data()};
        double* outputsDouble[2] = {outDouble.left.data(), outDouble.right.data()};
        while (changes.load() == 0) std::this_thread::yield();
        for (int b = 0; b < kBlocks || changes.load() < kMinChanges; ++b) {
            if (b % 2)
                effect.processReplacing(inputs, outputs, kFrames);
            else
                effect.processDoubleReplacing(inputsDouble, outputsDouble, kFrames);
            const float reading = effect.monoSideReading();
            if (!std::isfinite(out.left[kFrames - 1]) || !std::isfinite(reading) ||
                std::fabs(reading) > 0.5f)
                nonFinite.fetch_add(1);
        }
        processing.store(false);
    });

    uint32_t seed = 7;
    int step = 0;
    while (processing.load()) {
        seed = seed * 1664525u + 1013904223u;
        const float value = static_cast<float>(seed >> 8) / 16777216.0f * 1.5f;
        const int index = static_cast<int>(seed % 7);
        effect.setParameter(index, value);
        char text[64];
        effect.getParameterDisplay(index, text);
        (void)effect.getDerivedValue(index);
        ++step;
        if (step % 50 == 0) effect.selectProgram(step / 50 % 24);
        if (step % 400 == 0) effect.suspend();
        if (step % 400 == 200) effect.resume();
        changes.store(step);
    }
    audio.join();
    TestHost::current = nullptr;
    EXPECT_EQ(nonFinite.load(), 0);
    EXPECT_GE(step, kMinChanges);
}

}  // namespace
