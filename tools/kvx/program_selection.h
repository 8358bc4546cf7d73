// The effect's programs as the host sees them: their names and the choice
// of the current one.
#pragma once

#include <string>
#include <vector>

namespace kvx {

class PluginInstance;

// Every program's name, through effGetProgramNameIndexed; where the effect
// does not answer that, by selecting each program in turn and asking for
// the current name, then selecting the previous program again.
std::vector<std::string> programNames(PluginInstance& plugin);

// Throws KvxError when `program` is not one of the effect's programs.
void selectProgram(PluginInstance& plugin, int program);

}  // namespace kvx
