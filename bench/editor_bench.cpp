// solvane's finished editor face, headless: a full redraw of the whole face,
// an idle pass whose meters move with the audio, and an idle pass that shows
// an automated parameter change. Built only into a benchmark binary that
// links the editors.
#ifdef KV_HAVE_GUI

#include <benchmark/benchmark.h>

#include <vector>

#include "editor/ad_editor_base.h"
#include "gui/frame.h"
#include "plugins/solvane/solvane.h"

namespace {

VstIntPtr quietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

// A solvane effect with its editor open without a window.
struct OpenFace {
    OpenFace() : effect(&quietHost), editor(dynamic_cast<ADEditorBase*>(effect.getEditor())) {
        editor->open(nullptr);
        frame = editor->getFrame();
    }
    ~OpenFace() { editor->close(); }

    // One short block of a signal leaning left or right, so the readings move.
    void play(bool leanLeft) {
        std::fill(left.begin(), left.end(), leanLeft ? 0.5f : 0.05f);
        std::fill(right.begin(), right.end(), leanLeft ? 0.05f : 0.5f);
        float* inputs[] = {left.data(), right.data()};
        float* outputs[] = {outLeft.data(), outRight.data()};
        effect.processReplacing(inputs, outputs, kBlock);
    }

    static constexpr int kBlock = 4096;
    Solvane effect;
    ADEditorBase* editor;
    CFrame* frame = nullptr;
    std::vector<float> left = std::vector<float>(kBlock), right = left, outLeft = left,
                       outRight = left;
};

void BM_EditorFullFaceRedraw(benchmark::State& state) {
    OpenFace face;
    for (auto _ : state) {
        face.frame->invalid();
        face.frame->redrawInvalid();
        benchmark::DoNotOptimize(face.frame->getBackBuffer().pixels);
    }
}
BENCHMARK(BM_EditorFullFaceRedraw)->Unit(benchmark::kMicrosecond);

void BM_EditorIdleWithMovingMeters(benchmark::State& state) {
    OpenFace face;
    bool leanLeft = false;
    for (auto _ : state) {
        state.PauseTiming();
        face.play(leanLeft = !leanLeft);
        state.ResumeTiming();
        face.editor->idle();
    }
}
BENCHMARK(BM_EditorIdleWithMovingMeters)->Unit(benchmark::kMicrosecond);

void BM_EditorIdleAfterAutomation(benchmark::State& state) {
    OpenFace face;
    int step = 0;
    for (auto _ : state) {
        face.effect.setParameter(step % 5, static_cast<float>(step % 97) / 96.f);
        ++step;
        face.editor->idle();
    }
}
BENCHMARK(BM_EditorIdleAfterAutomation)->Unit(benchmark::kMicrosecond);

}  // namespace

#endif  // KV_HAVE_GUI
