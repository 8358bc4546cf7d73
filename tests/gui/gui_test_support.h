// Helpers of the widget-layer tests: PNG resources made on the fly, pixel
// reads of rendered images, and a listener that records what it hears.
#pragma once

#include <cstdint>
#include <functional>
#include <list>
#include <string>
#include <vector>

#include "gui/widgets.h"

namespace guitest {

// An opaque colour as a premultiplied ARGB pixel.
constexpr uint32_t opaque(uint8_t r, uint8_t g, uint8_t b) {
    return 0xff000000u | (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}

constexpr uint32_t kRed = opaque(255, 0, 0);
constexpr uint32_t kGreen = opaque(0, 255, 0);
constexpr uint32_t kBlue = opaque(0, 0, 255);
constexpr uint32_t kWhite = opaque(255, 255, 255);
constexpr uint32_t kBlack = opaque(0, 0, 0);
constexpr uint32_t kGrey = opaque(128, 128, 128);

using PixelFunction = std::function<uint32_t(int x, int y)>;

// PNG bytes of a width x height image; withAlpha false writes an RGB PNG.
std::vector<unsigned char> makePng(int width, int height, const PixelFunction& pixel,
                                   bool withAlpha = true);

// Images stacked vertically, image k filled with colours[k].
PixelFunction bands(int bandHeight, std::vector<uint32_t> colours);
PixelFunction solid(uint32_t colour);

// A resource table that owns its PNG bytes.
class Resources {
public:
    void add(int id, const char* name, std::vector<unsigned char> png);
    void add(int id, int width, int height, const PixelFunction& pixel);
    gui::ResourceTable table();
    // A bitmap of resource `id` (the caller holds the reference).
    CBitmap* bitmap(int id);

private:
    std::list<std::vector<unsigned char>> bytes_;
    std::list<std::string> names_;
    std::vector<gui::EmbeddedResource> entries_;
};

uint32_t pixelAt(const gui::PixelView& image, int x, int y);
// How many pixels of `area` differ from `colour`.
int countNot(const gui::PixelView& image, const CRect& area, uint32_t colour);
// How many pixels equal `colour` on row y from x0 to x1 (exclusive).
int countInRow(const gui::PixelView& image, int y, int x0, int x1, uint32_t colour);

struct HeardValue {
    int32_t tag;
    float value;
};

class RecordingListener : public CControlListener {
public:
    void valueChanged(CControl* control) override {
        heard.push_back({control->getTag(), control->getValue()});
    }
    void controlBeginEdit(CControl*) override { ++begins; }
    void controlEndEdit(CControl*) override { ++ends; }

    std::vector<HeardValue> heard;
    int begins = 0;
    int ends = 0;
};

// A view that counts its draws and mouse calls and tells when it is deleted.
class ProbeView : public CView {
public:
    ProbeView(const CRect& size, bool* deleted = nullptr, uint32_t fill = kGreen);
    ~ProbeView() override;
    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;

    CMouseEventResult downResult = kMouseEventHandled;
    std::function<void()> onDraw;
    int draws = 0;
    std::vector<std::string> events;

private:
    bool* deleted_;
    CColor fill_;
};

// A headless frame of the given size with a plain background colour.
CFrame* makeFrame(CCoord width, CCoord height, VSTGUIEditorInterface* editor = nullptr);

// Mouse helpers through the frame.
CMouseEventResult press(CFrame* frame, CCoord x, CCoord y, int32_t buttons = kLButton);
CMouseEventResult release(CFrame* frame, CCoord x, CCoord y, int32_t buttons = kLButton);
CMouseEventResult move(CFrame* frame, CCoord x, CCoord y, int32_t buttons = 0);
void click(CFrame* frame, CCoord x, CCoord y, int32_t buttons = kLButton);

}  // namespace guitest
