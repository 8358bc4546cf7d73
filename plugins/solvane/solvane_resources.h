// The images of solvane's editor, embedded in the library at build time from
// plugins/solvane/art (see resources.cmake there).
#pragma once

#include "gui/resources.h"

const gui::ResourceTable& solvaneResources();
