// The widget layer drawing a face like the stereo image controller's: a full
// redraw of a 302 x 343 frame with its thirty-odd controls, an idle pass that
// only moves the meters, and a burst of one-pixel plots into an offscreen
// layer. Built only into a benchmark binary that links the widget layer.
#ifdef KV_HAVE_GUI

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <cstdio>
#include <list>
#include <vector>

#include "gui/widgets.h"

namespace {

constexpr int kFaceWidth = 302;
constexpr int kFaceHeight = 343;
constexpr int kSliderLeft = 63;
constexpr int kSliderTravelEnd = 223;

cairo_status_t appendPng(void* out, const unsigned char* data, unsigned int length) {
    auto* bytes = static_cast<std::vector<unsigned char>*>(out);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

// Images of a face: a shaded background and flat-coloured control pieces.
class FaceImages {
public:
    FaceImages() {
        add(128, kFaceWidth, kFaceHeight, 0.75, true);
        add(134, 16, 24, 0.3, false);
        add(135, 182, 15, 0.9, false);
        add(136, 182, 15, 0.2, false);
        add(137, 45, 28, 0.5, true);
        add(138, 45, 28, 0.6, true);
        add(141, 220, 100, 0.8, false);
        add(19997, 31, 70, 0.4, true);
        add(19991, 12, 42, 0.4, true);
    }
    gui::ResourceTable table() { return {entries_.data(), entries_.size()}; }

private:
    void add(int id, int width, int height, double grey, bool shaded) {
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
        cairo_t* cr = cairo_create(surface);
        cairo_set_source_rgb(cr, grey, grey, grey * 0.9);
        cairo_paint(cr);
        if (shaded) {
            cairo_set_source_rgba(cr, 0, 0, 0, 0.2);
            cairo_rectangle(cr, 0, height / 2.0, width, height / 2.0);
            cairo_fill(cr);
        }
        cairo_destroy(cr);
        png_.emplace_back();
        cairo_surface_write_to_png_stream(surface, appendPng, &png_.back());
        cairo_surface_destroy(surface);
        entries_.push_back({id, "", png_.back().data(), png_.back().size()});
    }

    std::list<std::vector<unsigned char>> png_;
    std::vector<gui::EmbeddedResource> entries_;
};

bool percent(float value, char text[256], void*) {
    std::snprintf(text, 256, "%d%%", static_cast<int>(value * 100));
    return true;
}

// The face: 9 labels, 5 sliders with 5 readouts, 2 meters, 4 switches, the
// about area and a preset bar of 7 controls.
class Face {
public:
    Face() : frame_(new CFrame(CRect(0, 0, kFaceWidth, kFaceHeight), nullptr, nullptr)) {
        const gui::ResourceTable table = images_.table();
        CBitmap* background = new CBitmap(table, 128);
        CBitmap* handle = new CBitmap(table, 134);
        CBitmap* lit = new CBitmap(table, 135);
        CBitmap* unlit = new CBitmap(table, 136);
        CBitmap* wide = new CBitmap(table, 137);
        CBitmap* narrow = new CBitmap(table, 138);
        CBitmap* about = new CBitmap(table, 141);
        CBitmap* rocker = new CBitmap(table, 19997);
        CBitmap* kick = new CBitmap(table, 19991);
        frame_->setBackground(background);

        for (int i = 0; i < 9; ++i) {
            const CCoord top = 25 + 21 * i;
            auto* label = new CParamDisplay(CRect(2, top, 42, top + 17), background);
            label->setBackOffset(CPoint(2, top));
            label->setFont(kNormalFontSmall);
            label->setFontColor(kBlackCColor);
            label->setHoriAlign(kRightText);
            label->setValueToStringProc(
                [](float v, char text[256], void* names) {
                    std::snprintf(text, 256, "%s", static_cast<const char**>(names)[static_cast<int>(v)]);
                    return true;
                },
                words_);
            label->setValue(static_cast<float>(i));
            frame_->addView(label);
        }
        for (int i = 0; i < 2; ++i) {
            const CCoord top = 25 + 96 * i;
            auto* meter = new CVuMeter(CRect(60, top, 242, top + 15), lit, unlit, 182, kHorizontal);
            meter->setDecreaseStepValue(1.f);
            meter->setValue(0.5f);
            meters_.push_back(meter);
            frame_->addView(meter);
        }
        for (int i = 0; i < 5; ++i) {
            const CCoord top = 51 + 32 * i;
            auto* slider = new CHorizontalSlider(CRect(kSliderLeft, top, 239, top + 25), nullptr, i,
                                                 kSliderLeft, kSliderTravelEnd, handle,
                                                 background, CPoint(kSliderLeft, top), kRight);
            slider->setValue(0.2f * i);
            frame_->addView(slider);
            auto* readout = new CParamDisplay(CRect(258, top + 4, 322, top + 21), background);
            readout->setBackOffset(CPoint(258, top + 4));
            readout->setFont(kNormalFontSmall);
            readout->setFontColor(kBlackCColor);
            readout->setHoriAlign(kLeftText);
            readout->setValueToStringProc(percent);
            readout->setValue(0.2f * i);
            frame_->addView(readout);
        }
        for (int i = 0; i < 4; ++i) {
            const CCoord left = 68 + 40 * i;
            auto* button = new COnOffButton(CRect(left, 247, left + 35, 261), nullptr, 5 + i,
                                            i % 2 ? narrow : wide);
            button->setValue(i == 0 ? 1.f : 0.f);
            frame_->addView(button);
        }
        frame_->addView(new CSplashScreen(CRect(70, 282, 225, 302), nullptr, 10, about,
                                          CRect(41, 105, 261, 205)));
        auto* name = new CTextEdit(CRect(91, 320, 201, 336), nullptr, 1000, "init", background);
        name->setBackOffset(CPoint(91, 320));
        name->setFont(kNormalFontSmall);
        name->setFontColor(kBlackCColor);
        frame_->addView(name);
        auto* menu = new COptionMenu(CRect(207, 319, 217, 333), nullptr, 1012, background, nullptr,
                                     kPopupStyle | kCheckStyle | kNoTextStyle | kNoDrawStyle);
        for (int i = 0; i < 16; ++i) menu->addEntry("program");
        frame_->addView(menu);
        frame_->addView(new CRockerSwitch(CRect(219, 319, 250, 333), nullptr, 1001, 14, rocker));
        for (int i = 0; i < 4; ++i) {
            const CCoord left = 8 + 63 * i;
            frame_->addView(new CKickButton(CRect(left, 312, left + 12, 326), nullptr, 1002 + i, 14,
                                            kick));
        }
        for (CBitmap* bitmap : {background, handle, lit, unlit, wide, narrow, about, rocker, kick})
            bitmap->forget();
        frame_->idle();
    }
    ~Face() { frame_->close(); }

    CFrame* frame() { return frame_; }
    const std::vector<CVuMeter*>& meters() const { return meters_; }
    int viewCount() const { return frame_->getNbViews(); }

private:
    FaceImages images_;
    CFrame* frame_;
    std::vector<CVuMeter*> meters_;
    const char* words_[9] = {"S", "M", "width", "gain", "L", "R", "balan", "stabil", "center"};
};

void BM_GuiFullRedraw(benchmark::State& state) {
    Face face;
    for (auto _ : state) {
        face.frame()->setDirty(true);
        face.frame()->idle();
        benchmark::DoNotOptimize(face.frame()->getBackBuffer().pixels);
    }
    state.counters["views"] = face.viewCount();
}
BENCHMARK(BM_GuiFullRedraw)->Unit(benchmark::kMicrosecond);

void BM_GuiMeterIdle(benchmark::State& state) {
    Face face;
    float reading = 0.f;
    for (auto _ : state) {
        reading = reading > 0.9f ? 0.1f : reading + 0.013f;
        for (CVuMeter* meter : face.meters()) meter->setValue(reading);
        face.frame()->idle();
    }
}
BENCHMARK(BM_GuiMeterIdle)->Unit(benchmark::kMicrosecond);

// 1022 single pixels from a 1 x 1 pen bitmap, as a point plot draws them.
void BM_GuiPointPlot(benchmark::State& state) {
    COffscreenContext* layer = COffscreenContext::create(nullptr, 176, 159);
    COffscreenContext* penContext = COffscreenContext::create(nullptr, 1, 1);
    penContext->drawPoint(CPoint(0, 0), MakeCColor(8, 255, 49));
    int n = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1022; ++i, ++n) {
            const int x = 3 + (n * 37) % 168;
            const int y = 4 + (n * 53) % 152;
            layer->drawBitmap(penContext->getBitmap(), CRect(x, y, x + 1, y + 1));
        }
    }
    state.SetItemsProcessed(state.iterations() * 1022);
    penContext->forget();
    layer->forget();
}
BENCHMARK(BM_GuiPointPlot)->Unit(benchmark::kMicrosecond);

}  // namespace

#endif  // KV_HAVE_GUI
