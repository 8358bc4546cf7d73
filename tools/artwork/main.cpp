// kv_artwork PLUGIN FOLDER: draws the editor images of one plug-in into
// FOLDER (normally plugins/PLUGIN/art) as PNG files, with the resource list
// the build embeds them from.
#include <cstdio>
#include <exception>
#include <string>

#include "art_sets.h"
#include "drawing.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

int usage() {
    std::fprintf(stderr, "usage: kv_artwork PLUGIN FOLDER\nplug-ins:");
    for (const auto& name : art::artSetNames()) std::fprintf(stderr, " %s", name.c_str());
    std::fprintf(stderr, "\n");
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return usage();
    const art::ArtSet* set = art::findArtSet(argv[1]);
    if (!set) return usage();
    try {
        art::requireTextFont();
        art::writeArtSet(*set, argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kv_artwork: %s\n", e.what());
        return kFailure;
    }
    return 0;
}
