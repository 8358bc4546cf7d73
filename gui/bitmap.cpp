#include "gui/bitmap.h"

#include <cstring>

#include "gui/draw_context.h"
#include "gui/image_surface.h"

namespace {

struct PngReader {
    const unsigned char* data;
    size_t size;
    size_t position;
};

cairo_status_t readPngBytes(void* closure, unsigned char* out, unsigned int length) {
    auto* reader = static_cast<PngReader*>(closure);
    if (length > reader->size - reader->position) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(out, reader->data + reader->position, length);
    reader->position += length;
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

CBitmap::CBitmap(const gui::ResourceTable& resources, int resourceId) {
    loadPng(gui::findResource(resources, resourceId));
}

CBitmap::CBitmap(const gui::ResourceTable& resources, const char* resourceName) {
    loadPng(gui::findResource(resources, resourceName));
}

CBitmap::CBitmap(CCoord width, CCoord height) {
    surface_ = gui::createImageSurface(static_cast<int>(width), static_cast<int>(height));
    if (surface_) {
        width_ = cairo_image_surface_get_width(surface_);
        height_ = cairo_image_surface_get_height(surface_);
    }
}

CBitmap::~CBitmap() {
    if (surface_) cairo_surface_destroy(surface_);
}

void CBitmap::loadPng(const gui::EmbeddedResource* resource) {
    if (!resource || !resource->png) return;
    PngReader reader{resource->png, resource->size, 0};
    cairo_surface_t* decoded = cairo_image_surface_create_from_png_stream(readPngBytes, &reader);
    surface_ = gui::toArgbSurface(decoded);
    if (surface_) {
        width_ = cairo_image_surface_get_width(surface_);
        height_ = cairo_image_surface_get_height(surface_);
    }
}

void CBitmap::draw(CDrawContext* context, const CRect& rect, const CPoint& offset, float alpha) {
    if (context) context->drawBitmap(this, rect, offset, alpha);
}

gui::PixelView CBitmap::getPixels() const { return gui::pixelsOf(surface_); }
