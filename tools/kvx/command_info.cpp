#include <iostream>

#include "tools/kvx/commands.h"
#include "tools/kvx/host_callback.h"
#include "tools/kvx/info_printer.h"
#include "tools/kvx/plugin_instance.h"

namespace kvx {

int runInfo(const Arguments& args) {
    const InfoOptions options = parseInfoOptions(args);
    HostState host;
    PluginInstance plugin(options.pluginPath, host);
    plugin.open(host.sampleRateHz, host.blockFrames);
    printInfo(plugin, options.pluginPath, std::cout);
    return 0;
}

}  // namespace kvx
