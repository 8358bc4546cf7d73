// The analyser's background (resource 128): panel, goniometer screen, level
// meters with their scale, the level slider's groove and the title.
#pragma once

#include "analyser_face.h"
#include "canvas.h"

namespace art {

void drawAnalyserBackground(Canvas& canvas, const AnalyserFace& face);

}  // namespace art
