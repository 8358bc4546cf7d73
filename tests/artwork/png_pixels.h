// PNG images decoded into straight (not premultiplied) RGBA pixels, for
// looking at the committed artwork.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace arttest {

struct Rgba {
    int r, g, b, a;
    bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const Rgba& o) const { return !(*this == o); }
    double luminance() const { return 0.2126 * r + 0.7152 * g + 0.0722 * b; }
    // Largest channel minus smallest: 0 for greys, high for strong colours.
    int saturation() const { return std::max({r, g, b}) - std::min({r, g, b}); }
};

struct Area {
    int left, top, right, bottom;  // right and bottom exclusive
};

class Pixels {
public:
    // Empty (width 0) when the data is not a PNG image.
    static Pixels fromFile(const std::string& path);
    static Pixels fromBytes(const unsigned char* data, size_t size);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0; }
    Rgba at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    // The part of the image inside `area`, as its own image.
    Pixels crop(Area area) const;
    bool operator==(const Pixels& o) const;
    bool allOpaque() const;
    // True when every pixel of `area` has the colour of its first pixel.
    bool uniform(Area area) const;
    double meanLuminance(Area area) const;
    double meanSaturation(Area area) const;

private:
    static Pixels fromSurface(cairo_surface_t* surface);
    template <typename Measure>
    double mean(Area area, Measure measure) const {
        double sum = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) sum += measure(at(x, y));
        return sum / ((area.right - area.left) * (area.bottom - area.top));
    }

    int width_ = 0, height_ = 0;
    std::vector<Rgba> pixels_;
};

}  // namespace arttest
