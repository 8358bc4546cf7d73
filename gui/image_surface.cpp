#include "gui/image_surface.h"

#include <cstdint>

namespace gui {

cairo_surface_t* createImageSurface(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return surface;
}

cairo_surface_t* toArgbSurface(cairo_surface_t* surface) {
    if (!surface) return nullptr;
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    if (cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32) return surface;
    cairo_surface_t* argb = createImageSurface(cairo_image_surface_get_width(surface),
                                               cairo_image_surface_get_height(surface));
    if (argb) {
        cairo_t* cr = cairo_create(argb);
        cairo_set_source_surface(cr, surface, 0, 0);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_paint(cr);
        cairo_destroy(cr);
    }
    cairo_surface_destroy(surface);
    return argb;
}

PixelView pixelsOf(cairo_surface_t* surface) {
    if (!surface) return PixelView{nullptr, 0, 0, 0};
    cairo_surface_flush(surface);
    return PixelView{reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface)),
                     cairo_image_surface_get_width(surface),
                     cairo_image_surface_get_height(surface),
                     cairo_image_surface_get_stride(surface) / 4};
}

}  // namespace gui
