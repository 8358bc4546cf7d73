// The committed artwork of solvane and its embedded table.
#pragma once

#include <string>

#include "gui/resources.h"
#include "png_pixels.h"

// Generated from plugins/solvane/art by kv_embed_resources for these tests.
const gui::ResourceTable& solvaneArtTable();

namespace arttest {

std::string artFolder();
const gui::EmbeddedResource* entryById(const gui::ResourceTable& table, int id);
// The embedded image with that resource number; empty when missing.
Pixels embeddedImage(int id);

}  // namespace arttest
