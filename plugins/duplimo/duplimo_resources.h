// The images of duplimo's editor, embedded in the library at build time from
// plugins/duplimo/art (see resources.cmake there).
#pragma once

#include "gui/resources.h"

const gui::ResourceTable& duplimoResources();
