#include "drawing.h"

#include <cmath>
#include <fontconfig/fontconfig.h>
#include <stdexcept>
#include <vector>

namespace art {

Canvas::Canvas(Size size)
    : size_(size),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.width, size.height)),
      cr_(cairo_create(surface_)) {
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
        throw std::runtime_error("cannot create a drawing surface");
    }
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::writePng(const std::string& path) const {
    cairo_surface_flush(surface_);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("drawing failed: " +
                                 std::string(cairo_status_to_string(cairo_status(cr_))));
    if (cairo_surface_write_to_png(surface_, path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path);
}

namespace {
constexpr double kQuarterTurn = M_PI / 2.0;
}

void setColour(cairo_t* cr, Colour c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void fillRect(cairo_t* cr, Rect r, Colour c) {
    setColour(cr, c);
    cairo_rectangle(cr, r.left, r.top, r.width(), r.height());
    cairo_fill(cr);
}

void setVerticalGradient(cairo_t* cr, Rect r, Colour top, Colour bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, r.top, 0, r.bottom);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void fillRectGradient(cairo_t* cr, Rect r, Colour top, Colour bottom) {
    setVerticalGradient(cr, r, top, bottom);
    cairo_rectangle(cr, r.left, r.top, r.width(), r.height());
    cairo_fill(cr);
}

static void roundedPath(cairo_t* cr, double x0, double y0, double x1, double y1, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x1 - radius, y0 + radius, radius, -kQuarterTurn, 0);
    cairo_arc(cr, x1 - radius, y1 - radius, radius, 0, kQuarterTurn);
    cairo_arc(cr, x0 + radius, y1 - radius, radius, kQuarterTurn, 2 * kQuarterTurn);
    cairo_arc(cr, x0 + radius, y0 + radius, radius, 2 * kQuarterTurn, 3 * kQuarterTurn);
    cairo_close_path(cr);
}

void roundedRectPath(cairo_t* cr, Rect r, double radius) {
    roundedPath(cr, r.left, r.top, r.right, r.bottom, radius);
}

void strokeRoundedRect(cairo_t* cr, Rect r, double radius, Colour c) {
    roundedPath(cr, r.left + 0.5, r.top + 0.5, r.right - 0.5, r.bottom - 0.5, radius);
    setColour(cr, c);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void horizontalLine(cairo_t* cr, int x0, int x1, int y, Colour c) {
    fillRect(cr, {x0, y, x1, y + 1}, c);
}

void verticalLine(cairo_t* cr, int x, int y0, int y1, Colour c) {
    fillRect(cr, {x, y0, x + 1, y1}, c);
}

void engravedRule(cairo_t* cr, int x0, int x1, int y) {
    horizontalLine(cr, x0, x1, y, palette::kEngraveDark);
    horizontalLine(cr, x0, x1, y + 1, palette::kEngraveLight);
}

void recessRim(cairo_t* cr, Rect r, Colour shade, Colour light) {
    horizontalLine(cr, r.left - 1, r.right + 1, r.top - 1, shade);
    verticalLine(cr, r.left - 1, r.top - 1, r.bottom + 1, shade);
    horizontalLine(cr, r.left - 1, r.right + 1, r.bottom, light);
    verticalLine(cr, r.right, r.top, r.bottom + 1, light);
}

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
