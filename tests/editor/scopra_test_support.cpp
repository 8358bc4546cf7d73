#include "tests/editor/scopra_test_support.h"

#include <chrono>
#include <thread>

#include "plugins/scopra/scopra_editor.h"

namespace scopratest {

using namespace scopra::face;

Signal quarterSine(float amplitude, int channel) {
    return [=](long n) {
        const float phase[] = {0.f, 1.f, 0.f, -1.f};
        const float v = amplitude * phase[n % 4];
        return channel == 0 ? std::make_pair(v, 0.f) : std::make_pair(0.f, v);
    };
}

Signal monoQuarterSine(float amplitude) {
    return [=](long n) {
        const float v = quarterSine(amplitude, 0)(n).first;
        return std::make_pair(v, v);
    };
}

Signal constant(float left, float right) {
    return [=](long) { return std::make_pair(left, right); };
}

Signal silence() { return constant(0.f, 0.f); }

void ScopraFaceTest::SetUp() {
    TestHost::current = &host;
    effect = std::make_unique<Scopra>(&TestHost::callback);
    effect->setSampleRate(kSampleRateHz);
    editor = dynamic_cast<ADEditorBase*>(effect->getEditor());
    ASSERT_NE(editor, nullptr);
    editor->open(nullptr);
    frame = editor->getFrame();
    ASSERT_NE(frame, nullptr);
    editor->idle();
}

void ScopraFaceTest::TearDown() {
    effect.reset();
    TestHost::current = nullptr;
}

void ScopraFaceTest::play(const Signal& signal, double seconds) {
    constexpr int kBlock = 512;
    std::vector<float> left(kBlock), right(kBlock);
    float* inputs[] = {left.data(), right.data()};
    float* outputs[] = {left.data(), right.data()};
    for (long remaining = static_cast<long>(seconds * kSampleRateHz); remaining > 0;) {
        const int frames = static_cast<int>(std::min<long>(kBlock, remaining));
        for (int k = 0; k < frames; ++k) std::tie(left[k], right[k]) = signal(playedFrames++);
        effect->processReplacing(inputs, outputs, frames);
        remaining -= frames;
    }
}

void ScopraFaceTest::measuringIdle() {
    std::this_thread::sleep_for(std::chrono::milliseconds(scopra::ADEditor::kMeasurePeriodMs + 2));
    editor->idle();
}

Picture ScopraFaceTest::picture() {
    Picture shown;
    shown.pixels.resize(static_cast<size_t>(kFaceWidth) * kFaceHeight);
    EXPECT_TRUE(editor->copySnapshot(reinterpret_cast<uint8_t*>(shown.pixels.data()),
                                     kFaceWidth, kFaceHeight, kFaceWidth * 4));
    return shown;
}

CControl* ScopraFaceTest::control(const char* type, int32_t tag) {
    for (int32_t i = 0; i < frame->getNbViews(); ++i) {
        auto* found = dynamic_cast<CControl*>(frame->getView(i));
        if (found && found->isTypeOf(type) && found->getTag() == tag) return found;
    }
    return nullptr;
}

CParamDisplay* ScopraFaceTest::displayAt(const FaceRect& rect) {
    for (int32_t i = 0; i < frame->getNbViews(); ++i)
        if (frame->getView(i)->getViewSize() == rect.rect())
            return dynamic_cast<CParamDisplay*>(frame->getView(i));
    return nullptr;
}

std::string ScopraFaceTest::meterRows(const Picture& shown, int meter) {
    const gui::ResourceTable& art = scopraResources();
    CBitmap lit(art, kMeterLitBitmaps + meter), unlit(art, kMeterUnlitBitmaps + meter),
        peak(art, kMeterPeakBitmaps + meter);
    const FaceRect& place = kMeters[meter];
    const int column = 2;
    std::string rows;
    for (int y = 0; y < kMeterLeds; ++y) {
        const uint32_t pixel =
            shown.at(static_cast<int>(place.left) + column, static_cast<int>(place.top) + y);
        auto is = [&](const CBitmap& strip, int row) {
            const gui::PixelView p = strip.getPixels();
            return p.pixels[row * p.stridePixels + column] == pixel;
        };
        rows += is(peak, 0) ? 'p' : is(lit, y) ? 'l' : is(unlit, y) ? 'u' : '?';
    }
    return rows;
}

}  // namespace scopratest
