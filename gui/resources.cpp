#include "gui/resources.h"

#include <cstring>

namespace gui {

const EmbeddedResource* findResource(const ResourceTable& table, int id) {
    for (size_t i = 0; i < table.count; ++i) {
        if (table.entries[i].id == id) return &table.entries[i];
    }
    return nullptr;
}

const EmbeddedResource* findResource(const ResourceTable& table, const char* name) {
    if (!name) return nullptr;
    for (size_t i = 0; i < table.count; ++i) {
        const char* entryName = table.entries[i].name;
        if (entryName && std::strcmp(entryName, name) == 0) return &table.entries[i];
    }
    return nullptr;
}

}  // namespace gui
