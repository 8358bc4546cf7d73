#include "png_pixels.h"

#include <cairo.h>

#include <cstring>

namespace arttest {

namespace {

struct ByteReader {
    const unsigned char* data;
    size_t size;
    size_t offset;
};

cairo_status_t readBytes(void* closure, unsigned char* out, unsigned int length) {
    auto* r = static_cast<ByteReader*>(closure);
    if (r->size - r->offset < length) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(out, r->data + r->offset, length);
    r->offset += length;
    return CAIRO_STATUS_SUCCESS;
}

Rgba unpremultiply(uint32_t argb) {
    int a = argb >> 24, r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
    if (a == 0) return {0, 0, 0, 0};
    auto straight = [a](int c) { return (c * 255 + a / 2) / a; };
    return {straight(r), straight(g), straight(b), a};
}

// A copy of the image in the 32-bit ARGB format, whatever format it was read in.
cairo_surface_t* asArgb32(cairo_surface_t* surface) {
    cairo_surface_t* argb = cairo_image_surface_create(
        CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(surface),
        cairo_image_surface_get_height(surface));
    cairo_t* cr = cairo_create(argb);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(argb);
    return argb;
}

}  // namespace

Pixels Pixels::fromFile(const std::string& path) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    Pixels p = fromSurface(s);
    cairo_surface_destroy(s);
    return p;
}

Pixels Pixels::fromBytes(const unsigned char* data, size_t size) {
    ByteReader reader{data, size, 0};
    cairo_surface_t* s = cairo_image_surface_create_from_png_stream(readBytes, &reader);
    Pixels p = fromSurface(s);
    cairo_surface_destroy(s);
    return p;
}

Pixels Pixels::fromSurface(cairo_surface_t* surface) {
    Pixels p;
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) return p;
    cairo_surface_t* argb = asArgb32(surface);
    p.width_ = cairo_image_surface_get_width(argb);
    p.height_ = cairo_image_surface_get_height(argb);
    int stride = cairo_image_surface_get_stride(argb);
    const unsigned char* data = cairo_image_surface_get_data(argb);
    p.pixels_.reserve(static_cast<size_t>(p.width_) * p.height_);
    for (int y = 0; y < p.height_; ++y)
        for (int x = 0; x < p.width_; ++x) {
            uint32_t v;
            std::memcpy(&v, data + static_cast<size_t>(y) * stride + 4 * x, 4);
            p.pixels_.push_back(unpremultiply(v));
        }
    cairo_surface_destroy(argb);
    return p;
}

Pixels Pixels::crop(Area area) const {
    Pixels p;
    p.width_ = area.right - area.left;
    p.height_ = area.bottom - area.top;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) p.pixels_.push_back(at(x, y));
    return p;
}

bool Pixels::operator==(const Pixels& o) const {
    return width_ == o.width_ && height_ == o.height_ && pixels_ == o.pixels_;
}

bool Pixels::allOpaque() const {
    for (const Rgba& p : pixels_)
        if (p.a != 255) return false;
    return true;
}

bool Pixels::uniform(Area area) const {
    Rgba first = at(area.left, area.top);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (at(x, y) != first) return false;
    return true;
}

double Pixels::meanLuminance(Area area) const {
    return mean(area, [](Rgba c) { return c.luminance(); });
}

double Pixels::meanSaturation(Area area) const {
    return mean(area, [](Rgba c) { return double(c.saturation()); });
}

}  // namespace arttest
