#include "gui/font_face_cache.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "gui/font.h"

namespace gui {
namespace {

// Replaces a rendering property of a resolved pattern.
void forceBool(FcPattern* pattern, const char* object, FcBool value) {
    FcPatternDel(pattern, object);
    FcPatternAddBool(pattern, object, value);
}

void forceInteger(FcPattern* pattern, const char* object, int value) {
    FcPatternDel(pattern, object);
    FcPatternAddInteger(pattern, object, value);
}

cairo_font_face_t* resolveFace(const char* family, int32_t style) {
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
    if (!match) return cairo_toy_font_face_create(family, CAIRO_FONT_SLANT_NORMAL,
                                                  CAIRO_FONT_WEIGHT_NORMAL);

    forceBool(match, FC_ANTIALIAS, FcTrue);
    forceBool(match, FC_HINTING, FcTrue);
    forceBool(match, FC_AUTOHINT, FcFalse);
    forceBool(match, FC_EMBEDDED_BITMAP, FcFalse);
    forceInteger(match, FC_HINT_STYLE, FC_HINT_FULL);
    forceInteger(match, FC_RGBA, FC_RGBA_NONE);
    forceInteger(match, FC_LCD_FILTER, FC_LCD_NONE);
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);  // the face keeps its own reference
    return face;
}

struct FaceCache {
    std::mutex mutex;
    std::map<std::pair<std::string, int32_t>, cairo_font_face_t*> faces;
};

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
    if (!face) face = resolveFace(family ? family : "", faceStyle);
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
