// Helpers for the ARGB32 image surfaces behind bitmaps and draw contexts.
#pragma once

#include <cairo.h>

#include "gui/platform_window.h"

namespace gui {

// A transparent ARGB32 surface, or null for a size that is not positive.
cairo_surface_t* createImageSurface(int width, int height);

// Takes ownership of `surface` (may be null or in error) and returns an
// ARGB32 surface with its pixels, or null. An RGB24 image becomes opaque ARGB.
cairo_surface_t* toArgbSurface(cairo_surface_t* surface);

// A view of the surface's pixels after flushing pending drawing; all null
// for a null surface.
PixelView pixelsOf(cairo_surface_t* surface);

}  // namespace gui
