// One image being drawn: a Cairo ARGB32 surface and its context, written out
// as a PNG file when done.
#pragma once

#include <cairo.h>

#include <string>

#include "geometry.h"

namespace art {

class Canvas {
public:
    explicit Canvas(Size size);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    Size size() const { return size_; }
    // Throws std::runtime_error when the file cannot be written.
    void writePng(const std::string& path) const;

private:
    Size size_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

}  // namespace art
