// Identity values of the four plug-ins of the family, as hosts read them.
#pragma once

#include "host/vst2.h"

struct PluginIdentity {
    const char* effectName;
    const char* productString;
    VstInt32 uniqueId;
    VstInt32 numParams;
    VstInt32 numHostPrograms;
    bool programsAreChunks;
};

constexpr const char* kVendorString = "Kavexsound";
constexpr VstInt32 kVendorVersion = 1980;

constexpr PluginIdentity kSolvaneIdentity{"solvane", "Solvane", fourCharCode('K', 'q', 'L', 'v'),
                                          9, 1, true};
constexpr PluginIdentity kWidmoorIdentity{"widmoor", "Simple Widmoor",
                                          fourCharCode('K', 'q', 'W', 'd'), 6, 1, true};
constexpr PluginIdentity kDuplimoIdentity{"duplimo", "duplimo - Duplimo processor",
                                          fourCharCode('K', 'q', 'D', 'u'), 5, 1, true};
constexpr PluginIdentity kScopraIdentity{"scopra", "scopra - stereo goniometer plug-in",
                                         fourCharCode('K', 'q', 'C', 'r'), 4, 16, false};
