#include "tools/kvx/effect_settings.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "tools/kvx/kvx_error.h"
#include "tools/kvx/plugin_instance.h"

namespace kvx {

namespace {

constexpr VstInt32 kWholeBank = 0;  // effGetChunk/effSetChunk index: bank, not program

std::vector<char> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw KvxError("cannot read state file " + path);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw KvxError("cannot read state file " + path);
    if (bytes.empty()) throw KvxError("state file " + path + " is empty");
    return bytes;
}

void writeBytes(const std::string& path, const char* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data, static_cast<std::streamsize>(size));
    out.close();
    if (!out) throw KvxError("cannot write state file " + path);
}

}  // namespace

void requireChunks(const PluginInstance& plugin) {
    if (!plugin.hasFlag(effFlagsProgramChunks))
        throw KvxError("the plug-in does not keep its state in chunks");
}

void restoreState(PluginInstance& plugin, const std::string& path) {
    requireChunks(plugin);
    std::vector<char> bytes = readBytes(path);
    const VstIntPtr answer = plugin.dispatch(effSetChunk, kWholeBank,
                                             static_cast<VstIntPtr>(bytes.size()), bytes.data());
    if (answer < 0) throw KvxError("the plug-in refused the state in " + path);
}

void saveState(PluginInstance& plugin, const std::string& path) {
    requireChunks(plugin);
    void* data = nullptr;
    const VstIntPtr size = plugin.dispatch(effGetChunk, kWholeBank, 0, &data);
    if (size <= 0 || !data) throw KvxError("the plug-in gave no state chunk");
    writeBytes(path, static_cast<const char*>(data), static_cast<size_t>(size));
}

namespace {

bool namesByIndex(PluginInstance& plugin, std::vector<std::string>& names) {
    for (VstInt32 p = 0; p < plugin.effect().numPrograms; ++p) {
        VstIntPtr answered = 0;
        names.push_back(plugin.text(effGetProgramNameIndexed, p, &answered));
        if (!answered) return false;
    }
    return true;
}

std::vector<std::string> namesBySelection(PluginInstance& plugin) {
    std::vector<std::string> names;
    const VstIntPtr previous = plugin.dispatch(effGetProgram);
    for (VstInt32 p = 0; p < plugin.effect().numPrograms; ++p) {
        plugin.dispatch(effSetProgram, 0, p);
        names.push_back(plugin.text(effGetProgramName));
    }
    plugin.dispatch(effSetProgram, 0, previous);
    return names;
}

}  // namespace

std::vector<std::string> programNames(PluginInstance& plugin) {
    std::vector<std::string> names;
    if (namesByIndex(plugin, names)) return names;
    return namesBySelection(plugin);
}

void selectProgram(PluginInstance& plugin, int program) {
    const VstInt32 count = plugin.effect().numPrograms;
    if (program < 0 || program >= count)
        throw KvxError("no program " + std::to_string(program) + " (the plug-in has " +
                       std::to_string(count) + ")");
    plugin.dispatch(effSetProgram, 0, program);
}

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
