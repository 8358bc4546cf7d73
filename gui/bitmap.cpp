#include "gui/bitmap.h"

#include <cstdint>
#include <cstring>

#include "gui/draw_context.h"

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

constexpr uint32_t kOpaqueAlpha = 0xff000000u;

bool everyPixelOpaque(const gui::PixelView& image) {
    if (!image.pixels) return false;
    for (int y = 0; y < image.height; ++y) {
        const uint32_t* row = image.pixels + static_cast<ptrdiff_t>(y) * image.stridePixels;
        for (int x = 0; x < image.width; ++x)
            if ((row[x] & kOpaqueAlpha) != kOpaqueAlpha) return false;
    }
    return true;
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
        opaque_ = everyPixelOpaque(getPixels());
    }
}

void CBitmap::draw(CDrawContext* context, const CRect& rect, const CPoint& offset, float alpha) {
    if (context) context->drawBitmap(this, rect, offset, alpha);
}

gui::PixelView CBitmap::getPixels() const { return gui::pixelsOf(surface_); }

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

// The plug-in's embedded resources (see gui/resources.h).
const EmbeddedResource* findResource(const ResourceTable& table, int id) {
    for (size_t i = 0; i < table.count; ++i) {
        if (table.entries[i].id == id) return &table.entries[i];
    }
    return nullptr;
}

const EmbeddedResource* findResource(const ResourceTable& table, const char* name) {
    if (!name) return nullptr;
    for (size_t i = 0; i < table.count; ++i) {
        const char* entryName = table.entries[i].name;
        if (entryName && std::strcmp(entryName, name) == 0) return &table.entries[i];
    }
    return nullptr;
}

}  // namespace gui
