// One thread processes while another sets parameters, selects programs and
// resets the effect. Meant to run under ThreadSanitizer as well.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

#include "tests/widmoor/widmoor_test_support.h"

using namespace widmoor_test;

TEST(WidmoorConcurrency, ProcessingWhileParametersAndProgramsChange) {
    auto effect = makeEffect();
    std::atomic<bool> done{false};
    std::atomic<int> blocks{0};
    bool finite = true;

    std::thread audio([&] {
        Stereo<float> inF(256);
        Stereo<double> inD(256);
        for (int i = 0; i < 256; ++i) {
            inF.l[i] = std::sin(0.05f * i), inF.r[i] = std::cos(0.03f * i);
            inD.l[i] = inF.l[i], inD.r[i] = inF.r[i];
        }
        while (!done.load()) {
            const Stereo<float> outF = run(*effect, inF, 256);
            const Stereo<double> outD = run(*effect, inD, 128);
            finite = finite && std::isfinite(outF.l[255]) && std::isfinite(outD.r[255]);
            const float meter = effect->widthMeter();
            finite = finite && meter >= -0.5f && meter <= 0.5f;
            blocks.fetch_add(1);
        }
    });

    char text[64];
    for (int round = 0; round < 300 || blocks.load() < 200; ++round) {
        effect->selectProgram(round % widmoor::kNumPrograms);
        for (int k = 0; k < widmoor::kNumParams; ++k) {
            effect->setParameter(k, float((round * 7 + k * 3) % 11) / 10.0f);
            effect->getParameterDisplay(k, text);
        }
        if (round % 50 == 0) effect->suspend();
        if (round % 50 == 25) effect->resume();
        void* bank = nullptr;
        effect->getChunk(&bank, false);
    }
    done.store(true);
    audio.join();
    EXPECT_TRUE(finite);
    EXPECT_GE(blocks.load(), 200);
}
