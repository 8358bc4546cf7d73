// Cairo font faces for family names, kept for the life of the library.
// fontconfig only picks the font file; the rendering options are fixed (grey
// antialiasing, full hinting by the font's own instructions, no subpixel
// order), so text renders the same whatever the machine's fontconfig
// settings are.
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
