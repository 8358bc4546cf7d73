// An image of its own to draw into and then copy onto another context.
// It starts fully transparent.
#pragma once

#include "gui/bitmap.h"
#include "gui/draw_context.h"

class CFrame;

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
