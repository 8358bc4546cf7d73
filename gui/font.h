// Font descriptions: a family name, a size in pixels and a style. The
// standard fonts of the editors are all "Arial", which fontconfig resolves
// (to Liberation Sans where Arial itself is not installed).
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

#include "gui/base_object.h"
#include "gui/geometry.h"

enum CTxtFace : int32_t {
    kNormalFace = 0,
    kBoldFace = 1 << 1,
    kItalicFace = 1 << 2,
    kUnderlineFace = 1 << 3,
};

class CFontDesc : public CBaseObject {
public:
    CFontDesc(const char* name = "Arial", CCoord size = 12, int32_t style = kNormalFace);
    // A copy is an ordinary font of its own, counted and free to change,
    // also when made from a shared one.
    CFontDesc(const CFontDesc& other);
    CFontDesc& operator=(const CFontDesc&) = delete;

    // A font of static lifetime that every editor shares from its own thread:
    // never counted (see CBaseObject) and immutable (the setters leave it alone).
    struct Shared {};
    CFontDesc(Shared, const char* name, CCoord size);
    bool isShared() const { return shared_; }

    const char* getName() const { return name_.c_str(); }
    CCoord getSize() const { return size_; }
    int32_t getStyle() const { return style_; }
    void setName(const char* name) {
        if (!shared_) name_ = name ? name : "";
    }
    void setSize(CCoord size) {
        if (!shared_) size_ = size;
    }
    void setStyle(int32_t style) {
        if (!shared_) style_ = style;
    }

    CLASS_METHODS(CFontDesc, CBaseObject)

private:
    std::string name_;
    CCoord size_;
    int32_t style_;
    bool shared_ = false;
};

using CFontRef = CFontDesc*;

// The standard fonts: shared, so never counted and never changed; they live
// as long as the library.
extern const CFontRef kSystemFont;           // Arial 12
extern const CFontRef kNormalFontVeryBig;    // Arial 18
extern const CFontRef kNormalFontBig;        // Arial 14
extern const CFontRef kNormalFont;           // Arial 12
extern const CFontRef kNormalFontSmall;      // Arial 11
extern const CFontRef kNormalFontSmaller;    // Arial 10
extern const CFontRef kNormalFontVerySmall;  // Arial 9

namespace gui {

// Cairo font faces for family names, kept for the life of the library.
// fontconfig only picks the font file; the rendering options are fixed (grey
// antialiasing, full hinting by the font's own instructions, no subpixel
// order), so text renders the same whatever the machine's fontconfig
// settings are.
//
// Never null: a family fontconfig cannot resolve yields cairo's default face.
// Safe to call from several threads.
cairo_font_face_t* fontFaceFor(const char* family, int32_t style);

// The options that go with every face; apply them to each cairo context.
const cairo_font_options_t* fixedFontOptions();

}  // namespace gui
