// The images of the controls: keys and the switches, selectors and preset
// bar buttons made of them, slider handles, meter strips and the about image.
//
// Keys are the rounded caps that every switch and button image of the family
// is made of. A key fills its cell; the cell's corners show the ground it
// sits on (the dark well floor of a switch, the bar panel of a preset
// button). A split key is cut into two halves that light up separately: the
// previous/next rocker of the preset bar, the analyser's L/R and S/M
// selector; the halves share the key's outline and are parted by a
// rim-coloured column.
//
// Images of several states are stacked top to bottom, each of the same
// height, the way the controls pick one state of their bitmap.
#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

#include "drawing.h"
#include "palette.h"

namespace art {

// --- keys ---------------------------------------------------------------------

enum class KeyLook {
    Off,    // a switch that is off: grey cap, grey ink
    Plain,  // a button at rest or one choice of a selector: grey cap, dark ink
    Hover,  // a button under the mouse: lighter cap, dark ink
    On,     // a switch that is on, a button held down: lit amber cap, dark ink
};

void drawKeyCap(cairo_t* cr, Rect cell, KeyLook look, Colour ground);
// Colour of the label or glyph on a key of that look.
Colour keyInk(KeyLook look);

struct HalfFace {
    KeyLook look;
    // Draws the half's glyph or label into its rectangle in the given ink.
    std::function<void(cairo_t*, Rect, Colour)> content;
};

void drawSplitKey(cairo_t* cr, Rect cell, Colour ground, const HalfFace& left,
                  const HalfFace& right);

// Calls drawState once per state with the state's cell, top state first.
void drawStacked(Canvas& canvas, int states,
                 const std::function<void(cairo_t*, Rect cell, int state)>& drawState);

// --- glyphs: small pixel-drawn symbols on the preset bar's buttons, crisp at 1:1

enum class Glyph {
    Save,      // arrow down onto a tray
    Load,      // arrow up out of a tray
    Store,     // record dot: put the current program into a memory
    Recall,    // play triangle: take it back
    Previous,  // triangle pointing left
    Next,      // triangle pointing right
};

// Draws the glyph centred in `cell` (rounded down to whole pixels).
void drawGlyph(cairo_t* cr, Glyph glyph, Rect cell, Colour ink);

// --- switches: one key per state, stacked, all of one height. A switch shows
// "off" above "on"; a selector shows one plain key per choice; a split
// selector lights the half of its key that names the choice.

struct KeyFace {
    std::string label;
    KeyLook look;
};

// Size of an image of `states` keys of the given width, kSwitchStateHeight each.
Size switchImageSize(int width, int states);

// `ground` shows in the keys' corners: the floor of the well the switch sits
// in, or the panel.
void drawSwitchImage(Canvas& canvas, const std::vector<KeyFace>& states, Colour ground);

// Two labels side by side on one key per state; state k lights label k.
void drawSplitSelectorImage(Canvas& canvas, const std::string& first, const std::string& second,
                            Colour ground);

// The usual two-state switch: off above, on below, same label.
std::vector<KeyFace> onOffFaces(const std::string& label);

// --- the preset bar's buttons. Push buttons hold three states stacked (at
// rest, under the mouse, held down); the previous/next rocker holds five (at
// rest, mouse over the left half, over the right half, left half held, right
// half held).

constexpr int kPushButtonStates = 3;
constexpr int kRockerStates = 5;

void drawGlyphButton(Canvas& canvas, Glyph glyph);
void drawLabelButton(Canvas& canvas, const std::string& label);
void drawRocker(Canvas& canvas);

// --- other controls -----------------------------------------------------------

// Slider handles (with alpha): a light cap with a dark index line across the
// direction of travel. A cap taller than wide belongs to a horizontal slider
// (16 x 24), one wider than tall to a vertical slider (24 x 16).
void drawSliderHandle(Canvas& canvas);

// The level meter strips (182 x 15): the unlit strip is the meter at rest,
// the lit strip the same scale with the bar lit. The meter shows the lit
// strip left of the value and the unlit strip right of it, so both share
// every scale mark; value 0.5 falls on the centre mark.
void drawMeterStrip(Canvas& canvas, bool lit);

// The about image (220 x 100), shown over the face. The editor writes its
// text lines on top (rows 8 to 61 and 79 to 98 at the most, across the
// whole width), so those rows are plain paper; the decoration keeps to the
// border, the top band and the emblem between the line groups.
void drawAboutImage(Canvas& canvas);

}  // namespace art
