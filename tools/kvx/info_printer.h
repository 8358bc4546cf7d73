// "kvx info": what a host learns about an effect through the dispatcher and
// its record: identity, channels, flags, every parameter and the programs.
#pragma once

#include <ostream>
#include <string>

namespace kvx {

class PluginInstance;

void printInfo(PluginInstance& plugin, const std::string& path, std::ostream& out);

}  // namespace kvx
