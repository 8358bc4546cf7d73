// An image: loaded from a plug-in's embedded PNG resources by number or by
// name, or blank of a given size. A resource that is missing or does not
// decode gives an empty bitmap (width and height 0) that draws nothing.
#pragma once

#include <cairo.h>

#include "gui/base_object.h"
#include "gui/geometry.h"
#include "gui/platform_window.h"
#include "gui/resources.h"

class CDrawContext;

class CBitmap : public CBaseObject {
public:
    CBitmap(const gui::ResourceTable& resources, int resourceId);
    CBitmap(const gui::ResourceTable& resources, const char* resourceName);
    // Fully transparent pixels.
    CBitmap(CCoord width, CCoord height);
    ~CBitmap() override;
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    CCoord getWidth() const { return width_; }
    CCoord getHeight() const { return height_; }
    bool isLoaded() const { return surface_ != nullptr; }
    // Every pixel of a loaded image is fully opaque, so drawing it at full
    // opacity may copy it instead of blending. Blank bitmaps are drawn into
    // (offscreen layers), so they never count as opaque.
    bool isOpaque() const { return opaque_; }

    // Draws the part of the image that starts at `offset` into `rect` (one
    // image pixel per frame pixel), at opacity `alpha`.
    virtual void draw(CDrawContext* context, const CRect& rect,
                      const CPoint& offset = CPoint(0, 0), float alpha = 1.f);

    // Premultiplied ARGB pixels; null pixels for an empty bitmap.
    gui::PixelView getPixels() const;
    // The image surface (ARGB32) or null.
    cairo_surface_t* getSurface() const { return surface_; }

    CLASS_METHODS_NOCOPY(CBitmap, CBaseObject)

private:
    void loadPng(const gui::EmbeddedResource* resource);

    cairo_surface_t* surface_ = nullptr;
    CCoord width_ = 0;
    CCoord height_ = 0;
    bool opaque_ = false;
};

namespace gui {

// Helpers for the ARGB32 image surfaces behind bitmaps and draw contexts.
//
// A transparent ARGB32 surface, or null for a size that is not positive.
cairo_surface_t* createImageSurface(int width, int height);

// Takes ownership of `surface` (may be null or in error) and returns an
// ARGB32 surface with its pixels, or null. An RGB24 image becomes opaque ARGB.
cairo_surface_t* toArgbSurface(cairo_surface_t* surface);

// A view of the surface's pixels after flushing pending drawing; all null
// for a null surface.
PixelView pixelsOf(cairo_surface_t* surface);

}  // namespace gui
