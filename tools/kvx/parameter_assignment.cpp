#include "tools/kvx/parameter_assignment.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "tools/kvx/kvx_error.h"
#include "tools/kvx/plugin_instance.h"

namespace kvx {

namespace {

constexpr double kMinNormalised = 0.0;
constexpr double kMaxNormalised = 1.0;
constexpr size_t kMaxIndexDigits = 9;  // keeps the number within 32 bits

bool isIndex(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

float parseNormalised(const std::string& text, const std::string& assignment) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value))
        throw KvxError("--set " + assignment + ": '" + text + "' is not a number");
    if (value < kMinNormalised || value > kMaxNormalised)
        throw KvxError("--set " + assignment + ": the value must be from 0 to 1");
    return static_cast<float>(value);
}

}  // namespace

ParameterAssignment parseAssignment(const std::string& text) {
    const size_t equals = text.rfind('=');
    if (equals == std::string::npos || equals == 0)
        throw KvxError("--set needs NAME=VALUE or INDEX=VALUE, not '" + text + "'");
    return {text.substr(0, equals), parseNormalised(text.substr(equals + 1), text)};
}

VstInt32 resolveParameter(PluginInstance& plugin, const std::string& target) {
    const VstInt32 count = plugin.effect().numParams;
    if (isIndex(target)) {
        const long index = std::strtol(target.c_str(), nullptr, 10);
        if (target.size() <= kMaxIndexDigits && index < count) return static_cast<VstInt32>(index);
        throw KvxError("no parameter " + target + " (the plug-in has " + std::to_string(count) +
                       ")");
    }
    const std::string wanted = lowerCase(target);
    for (VstInt32 index = 0; index < count; ++index)
        if (lowerCase(plugin.text(effGetParamName, index)) == wanted) return index;
    throw KvxError("unknown parameter '" + target + "'");
}

void applyAssignments(PluginInstance& plugin, const std::vector<ParameterAssignment>& list) {
    std::vector<VstInt32> indices;
    for (const ParameterAssignment& assignment : list)
        indices.push_back(resolveParameter(plugin, assignment.target));
    AEffect& effect = plugin.effect();
    for (size_t k = 0; k < list.size(); ++k)
        effect.setParameter(&effect, indices[k], list[k].value);
}

}  // namespace kvx
