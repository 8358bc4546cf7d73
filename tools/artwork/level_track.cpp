#include "level_track.h"

#include "level_scale.h"
#include "shapes.h"

namespace art {

namespace {

void drawTicks(cairo_t* cr, Size strip, Colour ink) {
    for (const LevelMark& mark : levelMarks())
        horizontalLine(cr, 0, strip.width, levelMarkRow(strip.height, mark.decibels), ink);
}

void fillAcross(cairo_t* cr, Size strip, Colour left, Colour right) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, strip.width, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, left.r, left.g, left.b);
    cairo_pattern_add_color_stop_rgb(p, 1, right.r, right.g, right.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_rectangle(cr, 0, 0, strip.width, strip.height);
    cairo_fill(cr);
}

}  // namespace

void drawLevelTrack(Canvas& canvas, TrackLook look) {
    cairo_t* cr = canvas.cr();
    Size strip = canvas.size();
    switch (look) {
        case TrackLook::Unlit:
            fillRect(cr, {0, 0, strip.width, strip.height}, palette::kLevelTrack);
            drawTicks(cr, strip, palette::kLevelTrackMark);
            break;
        case TrackLook::Lit:
            fillAcross(cr, strip, palette::kLevelBarLight, palette::kLevelBarDeep);
            drawTicks(cr, strip, palette::kLevelBarMark);
            break;
        case TrackLook::Peak:
            fillRect(cr, {0, 0, strip.width, strip.height}, palette::kLevelPeak);
            break;
    }
}

}  // namespace art
