// Preset files of our preset system (one program: identifier, tag, name and
// values), moved in and out of the current program of a loaded plug-in
// through the binary interface alone. A load leaves the current program as
// the plug-in's own preset load does: the name through effSetProgramName,
// the values through setParameter in index order. A save builds the record
// from effGetProgramName and getParameter, in the layout the plug-in writes.
#pragma once

#include <string>

namespace kvx {

class PluginInstance;

// Throws KvxError unless the plug-in keeps its programs in our preset
// system's bank: a chunk of our bank layout for its own identifier and
// parameter count.
void requirePresetSystem(PluginInstance& plugin);

// Throws KvxError, before anything changes, when the file cannot be read,
// is not exactly one preset record of this plug-in's size, belongs to
// another plug-in or is malformed (another tag, a value outside 0..1). A
// file written on a machine of the other byte order loads as written.
void loadPreset(PluginInstance& plugin, const std::string& path);

// Throws KvxError when the file cannot be written.
void savePreset(PluginInstance& plugin, const std::string& path);

}  // namespace kvx
