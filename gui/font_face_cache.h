// Cairo font faces for family names, resolved once through fontconfig and
// kept for the life of the library. Every face carries fixed rendering
// options (grey antialiasing, full hinting of the font's own instructions,
// no subpixel order), so text renders the same whatever the machine's
// fontconfig settings are.
#pragma once

#include <cairo.h>

#include <cstdint>

namespace gui {

// Never null: a family fontconfig cannot resolve yields cairo's default face.
// Safe to call from several threads.
cairo_font_face_t* fontFaceFor(const char* family, int32_t style);

// The options that go with every face; apply them to each cairo context.
const cairo_font_options_t* fixedFontOptions();

}  // namespace gui
