// The face panel: a flat field (flat so that the editor's texts, which copy
// the background from a few rows away, sit on it without seams), an outline
// and a one-pixel bevel, and engraved rules between groups of controls.
#pragma once

#include <vector>

#include "canvas.h"

namespace art {

void drawPanel(cairo_t* cr, Size face);
void drawRules(cairo_t* cr, Size face, const std::vector<int>& rows);

}  // namespace art
