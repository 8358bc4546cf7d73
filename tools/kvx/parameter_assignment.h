// "--set NAME=VALUE" and "--set INDEX=VALUE": a normalised parameter value
// for a parameter named by its index or, case-insensitively, by the name
// the effect gives it.
#pragma once

#include <string>
#include <vector>

#include "host/vst2.h"

namespace kvx {

class PluginInstance;

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
