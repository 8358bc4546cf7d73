#include "stacked.h"

namespace art {

void drawStacked(Canvas& canvas, int states,
                 const std::function<void(cairo_t*, Rect cell, int state)>& drawState) {
    Size size = canvas.size();
    int height = size.height / states;
    for (int k = 0; k < states; ++k) {
        cairo_save(canvas.cr());
        drawState(canvas.cr(), {0, k * height, size.width, (k + 1) * height}, k);
        cairo_restore(canvas.cr());
    }
}

}  // namespace art
