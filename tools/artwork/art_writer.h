// Writes a plug-in's images into a folder, together with the list of
// resource numbers and files ("resources.cmake") that the build embeds.
#pragma once

#include <string>

#include "art_set.h"

namespace art {

// Throws std::runtime_error when a file cannot be written.
void writeArtSet(const ArtSet& set, const std::string& folder);

}  // namespace art
