#include "gui/draw_context.h"

#include <cmath>
#include <cstdint>

#include "gui/bitmap.h"
#include "gui/font.h"

namespace {

constexpr double kChannelScale = 1.0 / 255.0;
constexpr double kPixelCentre = 0.5;

uint32_t premultiply(const CColor& c) {
    const uint32_t a = c.alpha;
    auto scale = [a](uint32_t channel) { return (channel * a + 127) / 255; };
    return (a << 24) | (scale(c.red) << 16) | (scale(c.green) << 8) | scale(c.blue);
}

// Source over destination for premultiplied ARGB.
uint32_t over(uint32_t src, uint32_t dst) {
    const uint32_t inverse = 255 - (src >> 24);
    if (inverse == 0) return src;
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t s = (src >> shift) & 0xff;
        const uint32_t d = (dst >> shift) & 0xff;
        out |= ((s + (d * inverse + 127) / 255) & 0xff) << shift;
    }
    return out;
}

bool isWhole(CCoord v) { return v == std::floor(v); }

bool onWholePixels(const CRect& r) {
    return isWhole(r.left) && isWhole(r.top) && isWhole(r.right) && isWhole(r.bottom);
}

}  // namespace

CDrawContext::CDrawContext(cairo_surface_t* surface)
    : surface_(cairo_surface_reference(surface)),
      cr_(cairo_create(surface)),
      width_(cairo_image_surface_get_width(surface)),
      height_(cairo_image_surface_get_height(surface)),
      clip_(0, 0, width_, height_),
      font_(kSystemFont) {
    cairo_set_font_options(cr_, gui::fixedFontOptions());
}

CDrawContext::~CDrawContext() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void CDrawContext::setFont(CFontRef font, CCoord size, int32_t style) {
    if (!font) return;
    font_ = font;
    fontSize_ = size;
    fontStyle_ = style;
}

CRect CDrawContext::imageRect() const {
    return CRect(-offset_.x, -offset_.y, width_ - offset_.x, height_ - offset_.y);
}

void CDrawContext::setOffset(const CPoint& offset) {
    offset_ = offset;
    cairo_identity_matrix(cr_);
    cairo_translate(cr_, offset.x, offset.y);
    resetClipRect();
}

void CDrawContext::setClipRect(const CRect& clip) {
    clip_ = clip;
    clip_.bound(imageRect());
    cairo_reset_clip(cr_);
    cairo_rectangle(cr_, clip_.left, clip_.top, clip_.width(), clip_.height());
    cairo_clip(cr_);
}

CRect& CDrawContext::getClipRect(CRect& clip) const {
    clip = clip_;
    return clip;
}

void CDrawContext::resetClipRect() { setClipRect(imageRect()); }

void CDrawContext::setSourceColor(const CColor& c) {
    cairo_set_source_rgba(cr_, c.red * kChannelScale, c.green * kChannelScale,
                          c.blue * kChannelScale, c.alpha * kChannelScale);
}

void CDrawContext::applyShapeAntialias() {
    cairo_set_antialias(cr_, drawMode_ == kAntiAliasing ? CAIRO_ANTIALIAS_GRAY
                                                        : CAIRO_ANTIALIAS_NONE);
}

void CDrawContext::lineTo(const CPoint& point) {
    drawLine(penPosition_, point);
    penPosition_ = point;
}

void CDrawContext::drawLine(const CPoint& start, const CPoint& end) {
    applyShapeAntialias();
    setSourceColor(frameColor_);
    cairo_set_line_width(cr_, lineWidth_);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_SQUARE);
    cairo_move_to(cr_, start.x + kPixelCentre, start.y + kPixelCentre);
    cairo_line_to(cr_, end.x + kPixelCentre, end.y + kPixelCentre);
    cairo_stroke(cr_);
}

void CDrawContext::drawRect(const CRect& rect, CDrawStyle style) {
    applyShapeAntialias();
    if (style != kDrawStroked) {
        setSourceColor(fillColor_);
        cairo_rectangle(cr_, rect.left, rect.top, rect.width(), rect.height());
        cairo_fill(cr_);
    }
    if (style != kDrawFilled) {
        const CCoord half = lineWidth_ / 2;
        setSourceColor(frameColor_);
        cairo_set_line_width(cr_, lineWidth_);
        cairo_rectangle(cr_, rect.left + half, rect.top + half, rect.width() - lineWidth_,
                        rect.height() - lineWidth_);
        cairo_stroke(cr_);
    }
}

void CDrawContext::blendPixel(int x, int y, uint32_t premultipliedArgb) {
    if (!clip_.pointInside(CPoint(x, y))) return;
    x += static_cast<int>(offset_.x);
    y += static_cast<int>(offset_.y);
    cairo_surface_flush(surface_);
    auto* row = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_) +
                                            y * cairo_image_surface_get_stride(surface_));
    row[x] = over(premultipliedArgb, row[x]);
    cairo_surface_mark_dirty_rectangle(surface_, x, y, 1, 1);
}

void CDrawContext::drawPoint(const CPoint& point, const CColor& color) {
    blendPixel(static_cast<int>(std::floor(point.x)), static_cast<int>(std::floor(point.y)),
               premultiply(color));
}

void CDrawContext::selectFont() {
    CFontDesc* font = font_.get();
    const int32_t style = fontStyle_ >= 0 ? fontStyle_ : font->getStyle();
    cairo_set_font_face(cr_, gui::fontFaceFor(font->getName(), style));
    cairo_set_font_size(cr_, fontSize_ > 0 ? fontSize_ : font->getSize());
}

CCoord CDrawContext::getStringWidth(const char* string) {
    if (!string) return 0;
    selectFont();
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, string, &extents);
    return extents.x_advance;
}

void CDrawContext::drawString(const char* string, const CRect& rect, CHoriTxtAlign align,
                              bool antialias) {
    if (!string || !*string || rect.isEmpty()) return;
    selectFont();
    cairo_font_extents_t font;
    cairo_font_extents(cr_, &font);
    cairo_text_extents_t text;
    cairo_text_extents(cr_, string, &text);

    CCoord x = rect.left;
    if (align == kCenterText) x += (rect.width() - text.x_advance) / 2;
    if (align == kRightText) x = rect.right - text.x_advance;
    const CCoord baseline = rect.top + (rect.height() + font.ascent - font.descent) / 2;

    cairo_save(cr_);
    cairo_rectangle(cr_, rect.left, rect.top, rect.width(), rect.height());
    cairo_clip(cr_);
    if (!antialias) {
        cairo_font_options_t* options = cairo_font_options_copy(gui::fixedFontOptions());
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
        cairo_set_font_options(cr_, options);
        cairo_font_options_destroy(options);
    }
    setSourceColor(fontColor_);
    cairo_move_to(cr_, std::round(x), std::round(baseline));
    cairo_show_text(cr_, string);
    cairo_restore(cr_);
    if (!antialias) cairo_set_font_options(cr_, gui::fixedFontOptions());
}

void CDrawContext::drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset,
                              float alpha) {
    if (!bitmap || !bitmap->getSurface() || dest.isEmpty() || alpha <= 0.f) return;
    cairo_surface_t* source = bitmap->getSurface();

    // One opaque-alpha pixel at whole coordinates: written directly, which
    // keeps point plots made of one-pixel bitmaps cheap.
    const bool onePixel = dest.width() == 1 && dest.height() == 1 && isWhole(dest.left) &&
                          isWhole(dest.top) && isWhole(offset.x) && isWhole(offset.y);
    if (onePixel && alpha >= 1.f) {
        if (offset.x < 0 || offset.y < 0 || offset.x >= bitmap->getWidth() ||
            offset.y >= bitmap->getHeight())
            return;
        const gui::PixelView pixels = bitmap->getPixels();
        const uint32_t value =
            pixels.pixels[static_cast<int>(offset.y) * pixels.stridePixels + static_cast<int>(offset.x)];
        blendPixel(static_cast<int>(dest.left), static_cast<int>(dest.top), value);
        return;
    }

    // An opaque image at full opacity hides what it covers, so copying its
    // pixels gives the same picture as blending them, at a fraction of the
    // cost (backgrounds are redrawn under every changed view). Only on whole
    // pixels, and only where the image has pixels: past its edges blending
    // would leave the old ones.
    const CPoint origin(dest.left - offset.x, dest.top - offset.y);
    CRect area = dest;
    const bool copy = alpha >= 1.f && bitmap->isOpaque() && onWholePixels(dest) &&
                      isWhole(origin.x) && isWhole(origin.y) && onWholePixels(clip_);
    if (copy) area.bound(CRect(origin, CPoint(bitmap->getWidth(), bitmap->getHeight())));
    if (area.isEmpty()) return;

    cairo_save(cr_);
    cairo_rectangle(cr_, area.left, area.top, area.width(), area.height());
    cairo_clip(cr_);
    cairo_set_source_surface(cr_, source, origin.x, origin.y);
    cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
    if (copy) cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    if (alpha >= 1.f)
        cairo_paint(cr_);
    else
        cairo_paint_with_alpha(cr_, alpha);
    cairo_restore(cr_);
}

void CDrawContext::drawPenPixels(CBitmap* pen, const CPixelPosition* pixels, int count) {
    if (!pen || !pen->getSurface() || !pixels || count <= 0) return;
    const uint32_t ink = pen->getPixels().pixels[0];
    const int left = static_cast<int>(std::ceil(clip_.left));
    const int top = static_cast<int>(std::ceil(clip_.top));
    const int right = static_cast<int>(std::ceil(clip_.right));
    const int bottom = static_cast<int>(std::ceil(clip_.bottom));
    const int dx = static_cast<int>(offset_.x);
    const int dy = static_cast<int>(offset_.y);
    cairo_surface_flush(surface_);
    uint8_t* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int k = 0; k < count; ++k) {
        const CPixelPosition p = pixels[k];
        if (p.x < left || p.x >= right || p.y < top || p.y >= bottom) continue;
        auto* row = reinterpret_cast<uint32_t*>(data + (p.y + dy) * stride);
        row[p.x + dx] = over(ink, row[p.x + dx]);
    }
    cairo_surface_mark_dirty(surface_);
}

gui::PixelView CDrawContext::getPixels() const { return gui::pixelsOf(surface_); }

COffscreenContext* COffscreenContext::create(CFrame* /*frame*/, CCoord width, CCoord height) {
    auto* bitmap = new CBitmap(width, height);
    if (!bitmap->isLoaded()) {
        bitmap->forget();
        return nullptr;
    }
    return new COffscreenContext(bitmap);
}

COffscreenContext::COffscreenContext(CBitmap* bitmap)
    : CDrawContext(bitmap->getSurface()), bitmap_(bitmap) {}

COffscreenContext::~COffscreenContext() { bitmap_->forget(); }

void COffscreenContext::copyFrom(CDrawContext* dest, CRect destRect, CPoint srcOffset) {
    if (dest) dest->drawBitmap(bitmap_, destRect, srcOffset, 1.f);
}
