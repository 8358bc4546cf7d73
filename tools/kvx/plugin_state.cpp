#include "tools/kvx/plugin_state.h"

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

}  // namespace kvx
