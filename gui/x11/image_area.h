// A rectangle of pixels, and its clipping to what both the image and the
// window hold.
#pragma once

namespace gui::x11 {

struct ImageArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
};

// The part of `area` inside both the image and the window, which share their
// origin; empty when nothing is left.
ImageArea clipArea(ImageArea area, int imageWidth, int imageHeight, int windowWidth,
                   int windowHeight);

}  // namespace gui::x11
