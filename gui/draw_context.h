// Drawing onto an ARGB32 image: rectangles, lines, single pixels, text and
// bitmaps, all limited to the clip rectangle. Coordinates are pixels of the
// image moved by the offset (none at first); a pixel (x, y) covers x..x+1,
// y..y+1.
#pragma once

#include <cairo.h>

#include "gui/base_object.h"
#include "gui/bitmap.h"
#include "gui/color.h"
#include "gui/font.h"
#include "gui/geometry.h"
#include "gui/platform_window.h"
#include "gui/shared_pointer.h"

class CBitmap;

// A whole pixel of a drawing context, in its drawing coordinates.
struct CPixelPosition {
    int32_t x;
    int32_t y;
};

enum CDrawStyle { kDrawStroked = 0, kDrawFilled, kDrawFilledAndStroked };
enum CDrawMode { kAliasing = 0, kAntiAliasing };
enum CHoriTxtAlign { kLeftText = 0, kCenterText, kRightText };

class CDrawContext : public CBaseObject {
public:
    // Draws onto `surface` (an ARGB32 image surface), holding a reference on it.
    explicit CDrawContext(cairo_surface_t* surface);
    ~CDrawContext() override;
    CDrawContext(const CDrawContext&) = delete;
    CDrawContext& operator=(const CDrawContext&) = delete;

    void setLineWidth(CCoord width) { lineWidth_ = width; }
    CCoord getLineWidth() const { return lineWidth_; }
    void setFrameColor(const CColor& color) { frameColor_ = color; }
    CColor getFrameColor() const { return frameColor_; }
    void setFillColor(const CColor& color) { fillColor_ = color; }
    CColor getFillColor() const { return fillColor_; }
    void setFontColor(const CColor& color) { fontColor_ = color; }
    CColor getFontColor() const { return fontColor_; }
    // A size above 0 or a style of 0 or more replaces the font's own.
    void setFont(CFontRef font, CCoord size = 0, int32_t style = -1);
    CFontRef getFont() const { return font_.get(); }
    // Antialiasing of lines and shape edges (text has its own switch).
    void setDrawMode(CDrawMode mode) { drawMode_ = mode; }
    CDrawMode getDrawMode() const { return drawMode_; }

    // Where the coordinates (0, 0) lie on the image: a view drawn with the
    // offset -(x, y) lands with its point (x, y) at the image's origin.
    // Resets the clip to the whole image.
    void setOffset(const CPoint& offset);
    CPoint getOffset() const { return offset_; }

    // The clip rectangle is always inside the image.
    void setClipRect(const CRect& clip);
    CRect& getClipRect(CRect& clip) const;
    void resetClipRect();

    void moveTo(const CPoint& point) { penPosition_ = point; }
    void lineTo(const CPoint& point);
    // A line of the line width through the centres of the pixels at `start`
    // and `end`, in the frame colour.
    void drawLine(const CPoint& start, const CPoint& end);
    // Stroked: a border of the line width inside the rectangle, frame colour.
    // Filled: every pixel of the rectangle, fill colour.
    void drawRect(const CRect& rect, CDrawStyle style = kDrawStroked);
    // Blends one pixel over the image.
    void drawPoint(const CPoint& point, const CColor& color);

    // One line of text in the font colour, centred vertically in `rect`,
    // aligned horizontally, cut at the rectangle's edges.
    void drawString(const char* string, const CRect& rect, CHoriTxtAlign align = kCenterText,
                    bool antialias = true);
    CCoord getStringWidth(const char* string);

    // Copies the part of the bitmap starting at `offset` into `dest` at
    // opacity `alpha`, blending over what is there.
    void drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset = CPoint(0, 0),
                    float alpha = 1.f);

    // Blends the top-left pixel of `pen` over each of `count` pixels, as
    // drawBitmap of a one-pixel rectangle at opacity 1 does, but writing
    // straight into the image once for the whole batch: plots of many dots
    // stay cheap. Pixels outside the clip are left out.
    void drawPenPixels(CBitmap* pen, const CPixelPosition* pixels, int count);

    CCoord getWidth() const { return width_; }
    CCoord getHeight() const { return height_; }
    gui::PixelView getPixels() const;

    CLASS_METHODS_NOCOPY(CDrawContext, CBaseObject)

private:
    void setSourceColor(const CColor& color);
    void applyShapeAntialias();
    void selectFont();
    void blendPixel(int x, int y, uint32_t premultipliedArgb);
    // The whole image in drawing coordinates.
    CRect imageRect() const;

    cairo_surface_t* surface_;
    cairo_t* cr_;
    CCoord width_;
    CCoord height_;
    CRect clip_;
    CPoint offset_;
    CCoord lineWidth_ = 1;
    CColor frameColor_ = kBlackCColor;
    CColor fillColor_ = kWhiteCColor;
    CColor fontColor_ = kBlackCColor;
    SharedPointer<CFontDesc> font_;
    CCoord fontSize_ = 0;
    int32_t fontStyle_ = -1;
    CDrawMode drawMode_ = kAliasing;
    CPoint penPosition_;
};

class CFrame;

// An image of its own to draw into and then copy onto another context.
// It starts fully transparent.
class COffscreenContext : public CDrawContext {
public:
    // A new context (the caller holds its one reference), or null for a
    // size that is not positive. `frame` may be null: the image belongs to
    // no window.
    static COffscreenContext* create(CFrame* frame, CCoord width, CCoord height);
    ~COffscreenContext() override;

    // Copies this image, from `srcOffset` on, into `destRect` of `dest`,
    // blending it over what `dest` holds.
    void copyFrom(CDrawContext* dest, CRect destRect, CPoint srcOffset = CPoint(0, 0));
    CBitmap* getBitmap() const { return bitmap_; }

    CLASS_METHODS_NOCOPY(COffscreenContext, CDrawContext)

private:
    explicit COffscreenContext(CBitmap* bitmap);
    CBitmap* bitmap_;  // one reference, held for the context's life
};
