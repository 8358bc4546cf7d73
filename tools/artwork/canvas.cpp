#include "canvas.h"

#include <stdexcept>

namespace art {

Canvas::Canvas(Size size)
    : size_(size),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.width, size.height)),
      cr_(cairo_create(surface_)) {
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
        throw std::runtime_error("cannot create a drawing surface");
    }
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::writePng(const std::string& path) const {
    cairo_surface_flush(surface_);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("drawing failed: " +
                                 std::string(cairo_status_to_string(cairo_status(cr_))));
    if (cairo_surface_write_to_png(surface_, path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path);
}

}  // namespace art
