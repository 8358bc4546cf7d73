// What kvx sets in an effect before it runs: its state (chunk), its current
// program and single parameter values.
#pragma once

#include <string>
#include <vector>

#include "host/vst2.h"

namespace kvx {

class PluginInstance;

// The effect's state as the host keeps it: the chunk that effGetChunk gives
// and effSetChunk takes back (index 0, the whole bank), stored as raw bytes.
// Both throw KvxError when the plug-in does not keep its state in chunks,
// refuses the chunk, or the file cannot be read or written.
void restoreState(PluginInstance& plugin, const std::string& path);
void saveState(PluginInstance& plugin, const std::string& path);

// Throws KvxError unless the plug-in declares effFlagsProgramChunks.
void requireChunks(const PluginInstance& plugin);

// The effect's programs as the host sees them: their names and the choice
// of the current one.
//
// Every program's name, through effGetProgramNameIndexed; where the effect
// does not answer that, by selecting each program in turn and asking for
// the current name, then selecting the previous program again.
std::vector<std::string> programNames(PluginInstance& plugin);

// Throws KvxError when `program` is not one of the effect's programs.
void selectProgram(PluginInstance& plugin, int program);

// "--set NAME=VALUE" and "--set INDEX=VALUE": a normalised parameter value
// for a parameter named by its index or, case-insensitively, by the name
// the effect gives it.
struct ParameterAssignment {
    std::string target;  // the name or the index as written
    float value = 0.0f;  // normalised, 0..1
};

// Splits "target=value" at its last '='; throws KvxError when the target is
// empty or the value is not a number from 0 to 1.
ParameterAssignment parseAssignment(const std::string& text);

// The index of the parameter `target` names; throws KvxError when the
// effect has no such parameter.
VstInt32 resolveParameter(PluginInstance& plugin, const std::string& target);

// Resolves every assignment first, then sets them in order.
void applyAssignments(PluginInstance& plugin, const std::vector<ParameterAssignment>& list);

}  // namespace kvx
