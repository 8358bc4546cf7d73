#include "text.h"

#include <fontconfig/fontconfig.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "shapes.h"

namespace art {

namespace {

constexpr const char* kFamily = "Liberation Sans";

void applyStyle(cairo_t* cr, const TextStyle& style) {
    cairo_select_font_face(cr, kFamily, CAIRO_FONT_SLANT_NORMAL,
                           style.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, style.size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_RGB);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

// The text cut into its characters (UTF-8 sequences), for tracking.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> out;
    for (size_t i = 0; i < text.size();) {
        size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

double advance(cairo_t* cr, const std::string& piece) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, piece.c_str(), &e);
    return e.x_advance;
}

double capitalHeight(cairo_t* cr) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, "H", &e);
    return -e.y_bearing;
}

}  // namespace

void requireTextFont() {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(kFamily));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcChar8* family = nullptr;
    bool found = match && FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
                 std::string(reinterpret_cast<const char*>(family)) == kFamily;
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    if (!found)
        throw std::runtime_error("the font Liberation Sans is not installed (fonts-liberation2)");
}

double textWidth(cairo_t* cr, const TextStyle& style, const std::string& text) {
    applyStyle(cr, style);
    double width = 0;
    auto pieces = characters(text);
    for (const auto& piece : pieces) width += advance(cr, piece);
    return width + style.tracking * (pieces.empty() ? 0 : pieces.size() - 1);
}

void drawText(cairo_t* cr, const TextStyle& style, const std::string& text, double x,
              double baseline) {
    applyStyle(cr, style);
    setColour(cr, style.ink);
    double pen = std::round(x);
    if (style.tracking == 0) {
        cairo_move_to(cr, pen, std::round(baseline));
        cairo_show_text(cr, text.c_str());
        return;
    }
    for (const auto& piece : characters(text)) {
        cairo_move_to(cr, pen, std::round(baseline));
        cairo_show_text(cr, piece.c_str());
        pen += advance(cr, piece) + style.tracking;
    }
}

void drawTextCentred(cairo_t* cr, const TextStyle& style, const std::string& text, double cx,
                     double cy) {
    drawTextFrom(cr, style, text, cx - textWidth(cr, style, text) / 2.0, cy);
}

void drawTextFrom(cairo_t* cr, const TextStyle& style, const std::string& text, double x,
                  double cy) {
    applyStyle(cr, style);
    drawText(cr, style, text, x, cy + capitalHeight(cr) / 2.0);
}

}  // namespace art
