// The backgrounds of the plug-ins with sliders and the pieces every
// background is made of.
#pragma once

#include <string>
#include <vector>

#include "drawing.h"
#include "faces.h"

namespace art {

// A plug-in's background (resource 128): the whole face under its controls,
// down to the strip along the bottom that carries the preset bar: its panel,
// the field the program name is written into, the marker of the program menu
// and the letters of the A and B memories (the bar's buttons are images of
// their own).
void drawBackground(Canvas& canvas, const FaceLayout& face);

// The face panel: a flat field (flat so that the editor's texts, which copy
// the background from a few rows away, sit on it without seams), an outline
// and a one-pixel bevel, and engraved rules between groups of controls.
void drawPanel(cairo_t* cr, Size face);
void drawRules(cairo_t* cr, Size face, const std::vector<int>& rows);

// Recessed wells that the meters and switches sit in: a dark floor ring
// around the control, matching the dark edge of the control images, and a
// one-pixel recess around that.
void drawWell(cairo_t* cr, Rect control);
void drawWells(cairo_t* cr, const std::vector<Rect>& controls);

// The groove a slider's handle runs in, with tick marks at 0, 1/4, 1/2, 3/4
// and 1 of its travel, centred under the handle's index line in every
// position.
void drawGroovePath(cairo_t* cr, const GroovePath& path);
// The groove of a horizontal slider of the face.
void drawGroove(cairo_t* cr, const SliderPlace& slider);

// The names on a face: the maker and what the plug-in does in a band along
// the top, the product's name in the title area (which opens the about
// screen), flanked by engraved rules.
void drawHeader(cairo_t* cr, const FaceLayout& face);
void drawTitle(cairo_t* cr, const std::string& product, Rect title, Size face);

}  // namespace art
