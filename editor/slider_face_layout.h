// The pieces of a slider face as plain constant data: one level meter with a
// word at each end, rows of a slider with its read-out and its caption, and
// buttons, all standing on the background bitmap. Each face lists its pieces
// in plugins/<name>/<name>_face_layout.h, which the editor builds from and
// the artwork tool draws the background for. Only positions, numbers and
// choices here: the views themselves are made by CSliderFaceEditor.
#pragma once

#include "gui/geometry.h"

namespace slider_face {

// Bitmap resources every slider face has besides the background.
enum BitmapId : int {
    kHandleBitmap = 134,
    kMeterLitBitmap = 135,
    kMeterUnlitBitmap = 136,
};
constexpr CCoord kHandleWidth = 16;

// A display of text drawn over the piece of the background at backOffset.
enum class Align { kLeft, kRight };
struct TextPlace {
    FaceRect rect;
    FacePoint backOffset;
    Align align;
};

// The horizontal bar meter of reading + 0.5, lit from the left.
struct MeterPlace {
    FaceRect rect;
    float decrease;  // how far the bar may fall per redraw (1: at once)
};

// How a read-out turns its value into text (editor/face_texts.h).
enum class ReadOut { kPercent, kFrequency };

// One row: the slider of `parameter`, its read-out on the right and its
// caption on the left. The handle travels from the slider's left edge to its
// right edge minus the handle width; the background behind it is the piece
// under the slider.
struct SliderRow {
    int parameter;
    FaceRect slider;
    float sliderDefault;  // the value a Ctrl click sets
    TextPlace readOut;
    float readOutMax;
    ReadOut readOutText;
    TextPlace caption;
    int captionWord;  // in the face's own list of words
};

// A button of parameter `parameter` showing its state from `bitmapId`.
struct ButtonPlace {
    int parameter;
    FaceRect rect;
    int bitmapId;
};

}  // namespace slider_face
