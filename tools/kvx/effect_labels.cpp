#include "tools/kvx/effect_labels.h"

#include <cstdio>

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

}  // namespace kvx
