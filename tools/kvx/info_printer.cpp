#include "tools/kvx/info_printer.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "tools/kvx/effect_settings.h"
#include "tools/kvx/plugin_instance.h"

namespace kvx {

namespace {

struct FlagName {
    VstInt32 bit;
    const char* name;
};

constexpr FlagName kEffectFlags[] = {
    {effFlagsHasEditor, "HasEditor"},
    {effFlagsCanReplacing, "CanReplacing"},
    {effFlagsProgramChunks, "ProgramChunks"},
    {effFlagsIsSynth, "IsSynth"},
    {effFlagsNoSoundInStop, "NoSoundInStop"},
    {effFlagsCanDoubleReplacing, "CanDoubleReplacing"},
};

constexpr FlagName kParameterFlags[] = {
    {kVstParameterIsSwitch, "IsSwitch"},
    {kVstParameterUsesIntegerMinMax, "UsesIntegerMinMax"},
    {kVstParameterUsesFloatStep, "UsesFloatStep"},
    {kVstParameterUsesIntStep, "UsesIntStep"},
    {kVstParameterSupportsDisplayIndex, "SupportsDisplayIndex"},
    {kVstParameterSupportsDisplayCategory, "SupportsDisplayCategory"},
    {kVstParameterCanRamp, "CanRamp"},
};

constexpr const char* kCategoryNames[] = {
    "unknown",  "effect",     "synth",       "analysis", "mastering", "spatialiser",
    "room fx",  "surround fx", "restoration", "offline",  "shell",     "generator",
};

template <size_t N>
std::string namesOf(VstInt32 flags, const FlagName (&table)[N]) {
    std::string names;
    auto append = [&names](const std::string& name) {
        names += (names.empty() ? "" : " ") + name;
    };
    VstInt32 known = 0;
    for (const FlagName& flag : table) {
        known |= flag.bit;
        if (flags & flag.bit) append(flag.name);
    }
    if (const VstInt32 unknown = flags & ~known) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%x", static_cast<unsigned>(unknown));
        append(hex);
    }
    return names.empty() ? "none" : names;
}

}  // namespace

std::string fourCharText(VstInt32 code) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const unsigned char c = static_cast<unsigned char>(static_cast<uint32_t>(code) >> shift);
        text += (c >= 0x20 && c < 0x7f) ? static_cast<char>(c) : '?';
    }
    return text;
}

std::string effectFlagNames(VstInt32 flags) { return namesOf(flags, kEffectFlags); }

std::string parameterFlagNames(VstInt32 flags) { return namesOf(flags, kParameterFlags); }

std::string categoryName(VstIntPtr category) {
    constexpr VstIntPtr kCount = sizeof kCategoryNames / sizeof kCategoryNames[0];
    if (category < 0 || category >= kCount) return "category " + std::to_string(category);
    return kCategoryNames[category];
}

namespace {

std::string formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string formatted(const char* format, ...) {
    char text[1024];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

void field(std::ostream& out, const char* name, const std::string& value) {
    out << formatted("%-16s %s\n", name, value.c_str());
}

void printIdentity(PluginInstance& plugin, const std::string& path, std::ostream& out) {
    const AEffect& effect = plugin.effect();
    const VstIntPtr category = plugin.dispatch(effGetPlugCategory);
    field(out, "plug-in", path);
    field(out, "effect name", plugin.text(effGetEffectName));
    field(out, "product", plugin.text(effGetProductString));
    field(out, "vendor", plugin.text(effGetVendorString));
    field(out, "vendor version", std::to_string(plugin.dispatch(effGetVendorVersion)));
    field(out, "unique id",
          formatted("%s (%d)", fourCharText(effect.uniqueID).c_str(), effect.uniqueID));
    field(out, "VST version", std::to_string(plugin.dispatch(effGetVstVersion)));
    field(out, "category", formatted("%s (%ld)", categoryName(category).c_str(),
                                     static_cast<long>(category)));
    field(out, "inputs", std::to_string(effect.numInputs));
    field(out, "outputs", std::to_string(effect.numOutputs));
    field(out, "flags", effectFlagNames(effect.flags));
    field(out, "initial delay", formatted("%d samples", effect.initialDelay));
    field(out, "programs", std::to_string(effect.numPrograms));
    field(out, "parameters", std::to_string(effect.numParams));
}

std::string boundedText(const char* text, size_t capacity) {
    return std::string(text, strnlen(text, capacity));
}

// The answer to effGetParameterProperties in words, or "" when not answered.
std::string describeProperties(PluginInstance& plugin, VstInt32 index) {
    VstParameterProperties p;
    std::memset(&p, 0, sizeof p);
    if (plugin.dispatch(effGetParameterProperties, index, 0, &p) == 0) return "";
    std::string text = parameterFlagNames(p.flags);
    if (p.flags & kVstParameterUsesFloatStep)
        text += formatted(", steps %.10g/%.10g/%.10g", p.stepFloat, p.smallStepFloat, p.largeStepFloat);
    if (p.flags & kVstParameterUsesIntegerMinMax)
        text += formatted(", range %d..%d", p.minInteger, p.maxInteger);
    if (p.flags & kVstParameterUsesIntStep)
        text += formatted(", int steps %d/%d", p.stepInteger, p.largeStepInteger);
    text += ", label \"" + boundedText(p.label, sizeof p.label) + "\"";
    text += ", short \"" + boundedText(p.shortLabel, sizeof p.shortLabel) + "\"";
    if (p.flags & kVstParameterSupportsDisplayCategory)
        text += formatted(", category %d \"%s\"", p.category,
                          boundedText(p.categoryLabel, sizeof p.categoryLabel).c_str());
    return text;
}

void printParameters(PluginInstance& plugin, std::ostream& out) {
    AEffect& effect = plugin.effect();
    std::vector<std::string> names;
    int nameWidth = 0;
    for (VstInt32 i = 0; i < effect.numParams; ++i) {
        names.push_back(plugin.text(effGetParamName, i));
        nameWidth = std::max(nameWidth, static_cast<int>(names.back().size()));
    }
    out << "\nparameters:\n";
    for (VstInt32 i = 0; i < effect.numParams; ++i) {
        const std::string display = plugin.text(effGetParamDisplay, i);
        const std::string label = plugin.text(effGetParamLabel, i);
        out << formatted("  %3d  %-*s  %.6f  %s%s%s\n", i, nameWidth, names[i].c_str(),
                         effect.getParameter(&effect, i), display.c_str(),
                         label.empty() ? "" : " ", label.c_str());
        const std::string properties = describeProperties(plugin, i);
        if (!properties.empty()) out << "       properties: " << properties << "\n";
    }
}

void printPrograms(PluginInstance& plugin, std::ostream& out) {
    out << "\nprograms:\n";
    const std::vector<std::string> names = programNames(plugin);
    for (size_t p = 0; p < names.size(); ++p)
        out << formatted("  %3zu  %s\n", p, names[p].c_str());
}

}  // namespace

void printInfo(PluginInstance& plugin, const std::string& path, std::ostream& out) {
    printIdentity(plugin, path, out);
    printParameters(plugin, out);
    printPrograms(plugin, out);
}

}  // namespace kvx
