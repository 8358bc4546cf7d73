// kvx shot: opens the plug-in's editor without a window, asks it through our
// own vendor-specific request to draw its whole face into a pixel buffer of
// ours, closes it again and writes the picture as a PNG file. Works with our
// own plug-ins only; any other answers 0.
#include <cairo.h>

#include <iostream>
#include <memory>

#include "host/aeff_editor.h"
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

using Image = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

// Asks the open editor for the size of its face, then for the face itself in
// an image of that size; null when the plug-in does not answer.
Image requestFace(PluginInstance& plugin) {
    Image none(nullptr, cairo_surface_destroy);
    SnapshotBuffer request{};
    request.structBytes = sizeof request;
    if (plugin.dispatch(effVendorSpecific, kSnapshotRequest, 0, &request) <= 0 ||
        request.width <= 0 || request.height <= 0)
        return none;
    Image image(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, request.width, request.height),
                cairo_surface_destroy);
    if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) return none;
    cairo_surface_flush(image.get());
    request.strideBytes = cairo_image_surface_get_stride(image.get());
    request.pixels = cairo_image_surface_get_data(image.get());
    request.capacityBytes = static_cast<int64_t>(request.strideBytes) * request.height;
    if (plugin.dispatch(effVendorSpecific, kSnapshotRequest, 0, &request) != 1) return none;
    cairo_surface_mark_dirty(image.get());
    return image;
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
    const Image face = requestFace(plugin);
    plugin.dispatch(effEditClose);
    if (!face) throw KvxError("the plug-in did not draw its editor (not one of ours)");
    if (cairo_surface_write_to_png(face.get(), options.outputPath.c_str()) != CAIRO_STATUS_SUCCESS)
        throw KvxError("cannot write " + options.outputPath);
    std::cout << options.outputPath << ": " << cairo_image_surface_get_width(face.get()) << " x "
              << cairo_image_surface_get_height(face.get()) << "\n";
    return 0;
}

}  // namespace kvx
