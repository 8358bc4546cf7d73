// The images of widmoor's editor, embedded in the library at build time from
// plugins/widmoor/art (see resources.cmake there).
#pragma once

#include "gui/resources.h"

const gui::ResourceTable& widmoorResources();
