// "kvx info": what a host learns about an effect through the dispatcher and
// its record, with readable names for the numbers of the interface.
#pragma once

#include <ostream>
#include <string>

#include "host/vst2.h"

namespace kvx {

class PluginInstance;

// Readable names for the numbers of the VST 2.4 interface: four-character
// codes, effect flags, plug-in categories and parameter property flags.
//
// The four characters of a code, most significant first; '?' for bytes that
// are not printable.
std::string fourCharText(VstInt32 code);
// Names of the set bits, separated by spaces; unknown bits as hex numbers.
std::string effectFlagNames(VstInt32 flags);
std::string parameterFlagNames(VstInt32 flags);
std::string categoryName(VstIntPtr category);

// "kvx info": what a host learns about an effect through the dispatcher and
// its record: identity, channels, flags, every parameter and the programs.
void printInfo(PluginInstance& plugin, const std::string& path, std::ostream& out);

}  // namespace kvx
