// The editor against the threads that meet in it: host automation and audio
// on threads of their own while the editor idles, opens and closes, and two
// editors drawing at the same time. Meant for the ThreadSanitizer build as
// much as for the plain one.
#include <atomic>
#include <string>
#include <thread>

#include "tests/editor/editor_test_support.h"

using namespace edtest;

namespace {

constexpr auto kRunTime = std::chrono::milliseconds(300);

class EditorThreads : public SolvaneEditorTest {
protected:
    // Sets every parameter over and over until stopped.
    void automate(Solvane& target) {
        threads.emplace_back([this, &target] {
            for (int step = 0; !stop.load(); ++step)
                target.setParameter(step % kNumParams, static_cast<float>(step % 101) / 100.f);
        });
    }
    void playAudio(Solvane& target) {
        threads.emplace_back([this, &target] {
            std::vector<float> left(256, 0.25f), right(256, 0.1f), out(512);
            float* inputs[] = {left.data(), right.data()};
            float* outputs[] = {out.data(), out.data() + 256};
            while (!stop.load()) target.processReplacing(inputs, outputs, 256);
        });
    }
    void join() {
        stop = true;
        for (std::thread& thread : threads) thread.join();
        threads.clear();
    }
    void TearDown() override {
        join();
        SolvaneEditorTest::TearDown();
    }

    static constexpr int kNumParams = 9;
    std::atomic<bool> stop{false};
    std::vector<std::thread> threads;
};

TEST_F(EditorThreads, AutomationAndAudioWhileTheEditorIdlesEndWithTheLastValuesShown) {
    CFrame* frame = openHeadless();
    automate(*effect);
    playAudio(*effect);
    const auto end = std::chrono::steady_clock::now() + kRunTime;
    while (std::chrono::steady_clock::now() < end) editor->idle();
    join();

    const float last[] = {0.3f, 0.6f, 0.7f, 0.2f, 0.9f, 0.f, 1.f, 1.f, 0.f};
    for (int p = 0; p < kNumParams; ++p) effect->setParameter(p, last[p]);
    editor->idle();
    for (int p = 0; p <= 4; ++p)
        EXPECT_EQ(controlWithTag(frame, "CHorizontalSlider", p)->getValue(), last[p]);
    for (int p = 5; p < kNumParams; ++p)
        EXPECT_EQ(controlWithTag(frame, "COnOffButton", p)->getValue(), last[p]);
}

TEST_F(EditorThreads, OpeningAndClosingWhileAutomationRuns) {
    automate(*effect);
    playAudio(*effect);
    for (int round = 0; round < 20; ++round) {
        editor->open(nullptr);
        editor->idle();
        editor->resetMeters();
        editor->idle();
        editor->close();
    }
    join();
    CFrame* frame = openHeadless();
    EXPECT_EQ(controlWithTag(frame, "CHorizontalSlider", 2)->getValue(),
              effect->getParameter(2));
}

TEST_F(EditorThreads, TwoEditorsDrawAtTheSameTimeOnTheirOwnThreads) {
    Solvane second(&TestHost::callback);
    auto* secondEditor = dynamic_cast<ADEditorBase*>(second.getEditor());
    openHeadless();
    secondEditor->open(nullptr);
    automate(*effect);
    automate(second);
    // Each thread stands for one editor window's idle thread.
    std::thread other([&] {
        for (int k = 0; k < 200; ++k) secondEditor->idle();
    });
    for (int k = 0; k < 200; ++k) editor->idle();
    other.join();
    join();
    secondEditor->close();
    EXPECT_EQ(secondEditor->getFrame(), nullptr);
}

TEST_F(EditorThreads, NamesAndBanksFromTheHostThreadEndWithTheLastOneInTheBar) {
    CFrame* frame = openHeadless();
    Solvane other(&TestHost::callback);
    other.selectProgram(6);
    void* data = nullptr;
    const VstInt32 bytes = other.getChunk(&data, false);
    const auto* first = static_cast<const uint8_t*>(data);
    const std::vector<uint8_t> chunk(first, first + bytes);
    threads.emplace_back([this, &chunk] {
        std::vector<uint8_t> copy = chunk;
        for (int step = 0; !stop.load(); ++step) {
            if (step % 8 == 0) {
                effect->setChunk(copy.data(), static_cast<VstInt32>(copy.size()), false);
            } else {
                std::string name = "host " + std::to_string(step);
                effect->setProgramName(name.data());
            }
        }
    });
    const auto end = std::chrono::steady_clock::now() + kRunTime;
    while (std::chrono::steady_clock::now() < end) editor->idle();
    join();

    effect->setProgramName(const_cast<char*>("the last name"));
    editor->idle();
    auto* name = dynamic_cast<CTextEdit*>(controlWithTag(frame, "CTextEdit", 1000));
    auto* menu = dynamic_cast<COptionMenu*>(controlWithTag(frame, "COptionMenu", 1012));
    ASSERT_TRUE(name && menu);
    EXPECT_EQ(std::string(name->getText()), "the last name");
    EXPECT_EQ(menu->getCurrentIndex(), 6);
    EXPECT_EQ(std::string(menu->getCurrent()->getTitle()), "the last name");
}

}  // namespace
