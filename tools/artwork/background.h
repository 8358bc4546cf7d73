// A plug-in's background (resource 128): the whole face under its controls.
#pragma once

#include "canvas.h"
#include "face_layout.h"

namespace art {

void drawBackground(Canvas& canvas, const FaceLayout& face);

}  // namespace art
