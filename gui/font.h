// Font descriptions: a family name, a size in pixels and a style. The
// standard fonts of the editors are all "Arial", which fontconfig resolves
// (to Liberation Sans where Arial itself is not installed).
#pragma once

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

    const char* getName() const { return name_.c_str(); }
    CCoord getSize() const { return size_; }
    int32_t getStyle() const { return style_; }
    void setName(const char* name) { name_ = name ? name : ""; }
    void setSize(CCoord size) { size_ = size; }
    void setStyle(int32_t style) { style_ = style; }

    CLASS_METHODS(CFontDesc, CBaseObject)

private:
    std::string name_;
    CCoord size_;
    int32_t style_;
};

using CFontRef = CFontDesc*;

// The standard fonts; they live as long as the library.
extern const CFontRef kSystemFont;           // Arial 12
extern const CFontRef kNormalFontVeryBig;    // Arial 18
extern const CFontRef kNormalFontBig;        // Arial 14
extern const CFontRef kNormalFont;           // Arial 12
extern const CFontRef kNormalFontSmall;      // Arial 11
extern const CFontRef kNormalFontSmaller;    // Arial 10
extern const CFontRef kNormalFontVerySmall;  // Arial 9
