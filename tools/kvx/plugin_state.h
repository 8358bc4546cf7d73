// The effect's state as the host keeps it: the chunk that effGetChunk gives
// and effSetChunk takes back (index 0, the whole bank), stored as raw bytes.
#pragma once

#include <string>

namespace kvx {

class PluginInstance;

// Both throw KvxError when the plug-in does not keep its state in chunks,
// refuses the chunk, or the file cannot be read or written.
void restoreState(PluginInstance& plugin, const std::string& path);
void saveState(PluginInstance& plugin, const std::string& path);

// Throws KvxError unless the plug-in declares effFlagsProgramChunks.
void requireChunks(const PluginInstance& plugin);

}  // namespace kvx
