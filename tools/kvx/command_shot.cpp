// kvx shot: opens the plug-in's editor without a window, asks it through our
// own vendor-specific request to draw its whole face into a PNG file, and
// closes it again. Works with our own plug-ins only; any other answers 0.
#include <iostream>

#include "editor/editor_requests.h"
#include "tools/kvx/commands.h"
#include "tools/kvx/host_callback.h"
#include "tools/kvx/kvx_error.h"
#include "tools/kvx/plugin_instance.h"

namespace kvx {

namespace {

constexpr const char* kShotUsage = "kvx shot PLUGIN OUT.png [--set NAME=V ...]";

struct ShotOptions {
    std::string pluginPath;
    std::string outputPath;
    std::vector<ParameterAssignment> assignments;
};

ShotOptions parseShotOptions(const Arguments& args) {
    ShotOptions options;
    Arguments positionals;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--set") {
            if (i + 1 >= args.size()) throw KvxError("--set needs a value");
            options.assignments.push_back(parseAssignment(args[++i]));
        } else if (arg.rfind("--set=", 0) == 0) {
            options.assignments.push_back(parseAssignment(arg.substr(6)));
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw KvxError("unknown option " + arg + " (see kvx --help)");
        } else {
            positionals.push_back(arg);
        }
    }
    if (positionals.size() != 2) throw KvxError(std::string("usage: ") + kShotUsage);
    options.pluginPath = positionals[0];
    options.outputPath = positionals[1];
    return options;
}

}  // namespace

int runShot(const Arguments& args) {
    const ShotOptions options = parseShotOptions(args);
    HostState host;
    PluginInstance plugin(options.pluginPath, host);
    if (!plugin.hasFlag(effFlagsHasEditor)) throw KvxError("the plug-in has no editor");
    plugin.open(host.sampleRateHz, host.blockFrames);
    applyAssignments(plugin, options.assignments);

    plugin.dispatch(effEditOpen);  // no parent window: the face is built headless
    plugin.dispatch(effEditIdle);
    std::string path = options.outputPath;
    const VstIntPtr written = plugin.dispatch(effVendorSpecific, kSnapshotRequest, 0, path.data());
    ERect* rect = nullptr;
    plugin.dispatch(effEditGetRect, 0, 0, &rect);
    plugin.dispatch(effEditClose);
    if (written != 1)
        throw KvxError("the plug-in did not draw its editor into " + options.outputPath +
                       " (not one of ours, or the file cannot be written)");
    if (rect)
        std::cout << options.outputPath << ": " << rect->right - rect->left << " x "
                  << rect->bottom - rect->top << "\n";
    return 0;
}

}  // namespace kvx
