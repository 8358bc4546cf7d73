// The about image (220 x 100), shown over the face. The editor writes its
// text lines on top (rows 8 to 61 and 79 to 98 at the most, across the
// whole width), so those rows are plain paper; the decoration keeps to the
// border, the top band and the emblem between the line groups.
#pragma once

#include "canvas.h"

namespace art {

void drawAboutImage(Canvas& canvas);

}  // namespace art
