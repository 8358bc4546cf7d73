// The on/off switch now lives with the other buttons; this name stays only
// until the analyser's editor includes gui/buttons.h itself.
#pragma once

#include "gui/buttons.h"
