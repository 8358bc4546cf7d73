#include "tests/editor/editor_test_support.h"

#include <cairo.h>


namespace edtest {

void EditorTestBase::attach(AudioEffect* effect) {
    processed_ = effect;
    editor = dynamic_cast<ADEditorBase*>(effect->getEditor());
    ASSERT_NE(editor, nullptr);
}

CFrame* EditorTestBase::openHeadless() {
    editor->open(nullptr);
    return editor->getFrame();
}

std::vector<HostCall> EditorTestBase::callsOf(VstInt32 opcode) const {
    std::vector<HostCall> found;
    for (const HostCall& call : host.calls)
        if (call.opcode == opcode) found.push_back(call);
    return found;
}

void EditorTestBase::process(float left, float right, int blocks) {
    constexpr int frames = 4096;
    std::vector<float> inL(static_cast<size_t>(frames), left);
    std::vector<float> inR(static_cast<size_t>(frames), right);
    std::vector<float> outL(inL.size()), outR(inR.size());
    float* inputs[] = {inL.data(), inR.data()};
    float* outputs[] = {outL.data(), outR.data()};
    for (int block = 0; block < blocks; ++block)
        processed_->processReplacing(inputs, outputs, frames);
}

std::vector<CControl*> controlsOfType(CFrame* frame, const char* type) {
    std::vector<CControl*> found;
    for (int32_t i = 0; i < frame->getNbViews(); ++i) {
        auto* control = dynamic_cast<CControl*>(frame->getView(i));
        if (control && control->isTypeOf(type)) found.push_back(control);
    }
    return found;
}

CControl* controlWithTag(CFrame* frame, const char* type, int32_t tag) {
    for (CControl* control : controlsOfType(frame, type))
        if (control->getTag() == tag) return control;
    return nullptr;
}

CView* viewWithRect(CFrame* frame, const CRect& rect) {
    for (int32_t i = 0; i < frame->getNbViews(); ++i)
        if (frame->getView(i)->getViewSize() == rect) return frame->getView(i);
    return nullptr;
}

std::string textOf(CView* display) {
    auto* shown = dynamic_cast<CParamDisplay*>(display);
    if (!shown) return "<not a display>";
    char text[CParamDisplay::kTextCapacity];
    shown->valueToText(shown->getValue(), text);
    return text;
}

std::vector<uint32_t> pixelsOf(const gui::PixelView& image, const CRect& area) {
    std::vector<uint32_t> pixels;
    for (int y = static_cast<int>(area.top); y < static_cast<int>(area.bottom); ++y)
        for (int x = static_cast<int>(area.left); x < static_cast<int>(area.right); ++x)
            pixels.push_back(image.pixels[y * image.stridePixels + x]);
    return pixels;
}

std::vector<uint32_t> expectedText(CBitmap* background, const CRect& area,
                                   const CPoint& backOffset, const char* text,
                                   CHoriTxtAlign align, CFontRef font, const CColor& colour) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kFaceWidth,
                                                          kFaceHeight);
    auto* context = new CDrawContext(surface);
    cairo_surface_destroy(surface);
    background->draw(context, CRect(0, 0, kFaceWidth, kFaceHeight));
    context->setClipRect(area);
    background->draw(context, area, backOffset);
    context->setFont(font);
    context->setFontColor(colour);
    context->drawString(text, area, align, true);
    cairo_surface_flush(surface);
    CRect inside = area;
    inside.bound(CRect(0, 0, kFaceWidth, kFaceHeight));
    std::vector<uint32_t> pixels = pixelsOf(context->getPixels(), inside);
    context->forget();
    return pixels;
}

int litColumns(const gui::PixelView& face, const CRect& area, CBitmap* lit, CBitmap* unlit) {
    const gui::PixelView litPixels = lit->getPixels();
    const gui::PixelView unlitPixels = unlit->getPixels();
    const int width = static_cast<int>(area.width());
    const int height = static_cast<int>(area.height());
    auto columnMatches = [&](const gui::PixelView& strip, int column) {
        for (int y = 0; y < height; ++y) {
            const uint32_t shown = face.pixels[(static_cast<int>(area.top) + y) *
                                                   face.stridePixels +
                                               static_cast<int>(area.left) + column];
            if (shown != strip.pixels[y * strip.stridePixels + column]) return false;
        }
        return true;
    };
    int cut = 0;
    while (cut < width && columnMatches(litPixels, cut)) ++cut;
    for (int column = cut; column < width; ++column)
        if (!columnMatches(unlitPixels, column)) return -1;
    return cut;
}

}  // namespace edtest
