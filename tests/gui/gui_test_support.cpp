#include "gui_test_support.h"

#include <cairo.h>

#include <cstring>

namespace guitest {
namespace {

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<std::vector<unsigned char>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::vector<unsigned char> makePng(int width, int height, const PixelFunction& pixel,
                                   bool withAlpha) {
    cairo_surface_t* surface = cairo_image_surface_create(
        withAlpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, width, height);
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < width; ++x) row[x] = pixel(x, y);
    }
    cairo_surface_mark_dirty(surface);
    std::vector<unsigned char> png;
    cairo_surface_write_to_png_stream(surface, appendBytes, &png);
    cairo_surface_destroy(surface);
    return png;
}

PixelFunction bands(int bandHeight, std::vector<uint32_t> colours) {
    return [bandHeight, colours](int, int y) {
        const size_t band = static_cast<size_t>(y / bandHeight);
        return band < colours.size() ? colours[band] : 0u;
    };
}

PixelFunction solid(uint32_t colour) {
    return [colour](int, int) { return colour; };
}

void Resources::add(int id, const char* name, std::vector<unsigned char> png) {
    bytes_.push_back(std::move(png));
    names_.emplace_back(name ? name : "");
    entries_.push_back({id, names_.back().c_str(), bytes_.back().data(), bytes_.back().size()});
}

void Resources::add(int id, int width, int height, const PixelFunction& pixel) {
    add(id, ("bmp" + std::to_string(id) + ".png").c_str(), makePng(width, height, pixel));
}

gui::ResourceTable Resources::table() { return {entries_.data(), entries_.size()}; }

CBitmap* Resources::bitmap(int id) { return new CBitmap(table(), id); }

uint32_t pixelAt(const gui::PixelView& image, int x, int y) {
    return image.pixels[y * image.stridePixels + x];
}

int countNot(const gui::PixelView& image, const CRect& area, uint32_t colour) {
    int count = 0;
    for (int y = static_cast<int>(area.top); y < static_cast<int>(area.bottom); ++y)
        for (int x = static_cast<int>(area.left); x < static_cast<int>(area.right); ++x)
            count += pixelAt(image, x, y) != colour;
    return count;
}

int countInRow(const gui::PixelView& image, int y, int x0, int x1, uint32_t colour) {
    int count = 0;
    for (int x = x0; x < x1; ++x) count += pixelAt(image, x, y) == colour;
    return count;
}

ProbeView::ProbeView(const CRect& size, bool* deleted, uint32_t fill)
    : CView(size),
      deleted_(deleted),
      fill_(MakeCColor((fill >> 16) & 0xff, (fill >> 8) & 0xff, fill & 0xff)) {
    if (deleted_) *deleted_ = false;
}

ProbeView::~ProbeView() {
    if (deleted_) *deleted_ = true;
}

void ProbeView::draw(CDrawContext* context) {
    ++draws;
    context->setFillColor(fill_);
    context->drawRect(size, kDrawFilled);
    if (onDraw) onDraw();
    setDirty(false);
}

CMouseEventResult ProbeView::onMouseDown(CPoint&, const CButtonState&) {
    events.push_back("down");
    return downResult;
}
CMouseEventResult ProbeView::onMouseUp(CPoint&, const CButtonState&) {
    events.push_back("up");
    return kMouseEventHandled;
}
CMouseEventResult ProbeView::onMouseMoved(CPoint&, const CButtonState&) {
    events.push_back("moved");
    return kMouseEventHandled;
}
CMouseEventResult ProbeView::onMouseEntered(CPoint&, const CButtonState&) {
    events.push_back("entered");
    return kMouseEventHandled;
}
CMouseEventResult ProbeView::onMouseExited(CPoint&, const CButtonState&) {
    events.push_back("exited");
    return kMouseEventHandled;
}

CFrame* makeFrame(CCoord width, CCoord height, VSTGUIEditorInterface* editor) {
    auto* frame = new CFrame(CRect(0, 0, width, height), nullptr, editor);
    frame->setBackgroundColor(kWhiteCColor);
    return frame;
}

CMouseEventResult press(CFrame* frame, CCoord x, CCoord y, int32_t buttons) {
    CPoint where(x, y);
    return frame->onMouseDown(where, buttons);
}

CMouseEventResult release(CFrame* frame, CCoord x, CCoord y, int32_t buttons) {
    CPoint where(x, y);
    return frame->onMouseUp(where, buttons);
}

CMouseEventResult move(CFrame* frame, CCoord x, CCoord y, int32_t buttons) {
    CPoint where(x, y);
    return frame->onMouseMoved(where, buttons);
}

void click(CFrame* frame, CCoord x, CCoord y, int32_t buttons) {
    press(frame, x, y, buttons);
    release(frame, x, y, buttons);
}

}  // namespace guitest
