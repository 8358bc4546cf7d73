// The images of scopra's editor, embedded in the library at build time from
// plugins/scopra/art (see resources.cmake there).
#pragma once

#include "gui/resources.h"

const gui::ResourceTable& scopraResources();
