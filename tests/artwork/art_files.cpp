#include "art_files.h"

namespace arttest {

std::string artFolder() { return std::string(KV_SOURCE_DIR) + "/plugins/solvane/art"; }

const gui::EmbeddedResource* entryById(const gui::ResourceTable& table, int id) {
    for (size_t i = 0; i < table.count; ++i)
        if (table.entries[i].id == id) return &table.entries[i];
    return nullptr;
}

Pixels embeddedImage(int id) {
    const gui::EmbeddedResource* entry = entryById(solvaneArtTable(), id);
    return entry ? Pixels::fromBytes(entry->png, entry->size) : Pixels();
}

}  // namespace arttest
