#include "gui/font.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <map>
#include <mutex>
#include <string>
#include <utility>

CFontDesc::CFontDesc(const char* name, CCoord size, int32_t style)
    : name_(name ? name : ""), size_(size), style_(style) {}

CFontDesc::CFontDesc(const CFontDesc& other)
    : CBaseObject(), name_(other.name_), size_(other.size_), style_(other.style_) {}

CFontDesc::CFontDesc(Shared, const char* name, CCoord size)
    : CBaseObject(Uncounted{}), name_(name), size_(size), style_(kNormalFace), shared_(true) {}

namespace {

constexpr const char* kStandardFamily = "Arial";

CFontDesc gSystemFont(CFontDesc::Shared{}, kStandardFamily, 12);
CFontDesc gNormalFontVeryBig(CFontDesc::Shared{}, kStandardFamily, 18);
CFontDesc gNormalFontBig(CFontDesc::Shared{}, kStandardFamily, 14);
CFontDesc gNormalFont(CFontDesc::Shared{}, kStandardFamily, 12);
CFontDesc gNormalFontSmall(CFontDesc::Shared{}, kStandardFamily, 11);
CFontDesc gNormalFontSmaller(CFontDesc::Shared{}, kStandardFamily, 10);
CFontDesc gNormalFontVerySmall(CFontDesc::Shared{}, kStandardFamily, 9);

}  // namespace

const CFontRef kSystemFont = &gSystemFont;
const CFontRef kNormalFontVeryBig = &gNormalFontVeryBig;
const CFontRef kNormalFontBig = &gNormalFontBig;
const CFontRef kNormalFont = &gNormalFont;
const CFontRef kNormalFontSmall = &gNormalFontSmall;
const CFontRef kNormalFontSmaller = &gNormalFontSmaller;
const CFontRef kNormalFontVerySmall = &gNormalFontVerySmall;

namespace gui {

namespace {

// The font file and face index fontconfig chooses for the family and style.
bool matchFontFile(const char* family, int32_t style, std::string& file, int& index) {
    FcPattern* request = FcPatternCreate();
    FcPatternAddString(request, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(request, FC_WEIGHT,
                        (style & kBoldFace) ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(request, FC_SLANT,
                        (style & kItalicFace) ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, request, FcMatchPattern);
    FcDefaultSubstitute(request);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, request, &result);
    FcPatternDestroy(request);
    if (!match) return false;
    FcChar8* path = nullptr;
    const bool found = FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path;
    if (found) file = reinterpret_cast<const char*>(path);
    if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
    FcPatternDestroy(match);
    return found;
}

struct FaceCache {
    std::mutex mutex;
    FT_Library library = nullptr;
    std::map<std::pair<std::string, int32_t>, cairo_font_face_t*> faces;
};

// Only the font file comes from fontconfig; the rendering options are the
// fixed ones, whatever the machine's fontconfig settings say.
cairo_font_face_t* resolveFace(FaceCache& cache, const char* family, int32_t style) {
    std::string file;
    int index = 0;
    FT_Face face = nullptr;
    if (!cache.library && FT_Init_FreeType(&cache.library) != 0) cache.library = nullptr;
    if (!cache.library || !matchFontFile(family, style, file, index) ||
        FT_New_Face(cache.library, file.c_str(), index, &face) != 0)
        return cairo_toy_font_face_create(family, CAIRO_FONT_SLANT_NORMAL,
                                          CAIRO_FONT_WEIGHT_NORMAL);
    return cairo_ft_font_face_create_for_ft_face(face, FT_LOAD_NO_AUTOHINT);
}

FaceCache& cache() {
    static FaceCache* instance = new FaceCache;  // kept until the process ends
    return *instance;
}

}  // namespace

cairo_font_face_t* fontFaceFor(const char* family, int32_t style) {
    const int32_t faceStyle = style & (kBoldFace | kItalicFace);
    FaceCache& faces = cache();
    std::lock_guard<std::mutex> lock(faces.mutex);
    cairo_font_face_t*& face = faces.faces[{family ? family : "", faceStyle}];
    if (!face) face = resolveFace(faces, family ? family : "", faceStyle);
    return face;
}

const cairo_font_options_t* fixedFontOptions() {
    static const cairo_font_options_t* options = [] {
        cairo_font_options_t* o = cairo_font_options_create();
        cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_subpixel_order(o, CAIRO_SUBPIXEL_ORDER_DEFAULT);
        cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_FULL);
        cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_ON);
        return o;
    }();
    return options;
}

}  // namespace gui
