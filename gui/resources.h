// Images carried inside a plug-in library, found by resource number or by
// name. Each plug-in has one table, generated at build time from its PNG files
// (a function such as solvaneResources()); its editor hands it to the bitmaps.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gui {

struct EmbeddedResource {
    int id;                    // resource number, e.g. 128 for the background
    const char* name;          // file name without folder, e.g. "bg_solvane.png"
    const unsigned char* png;  // PNG bytes
    size_t size;
};

struct ResourceTable {
    const EmbeddedResource* entries;
    size_t count;
};

// Null when the table has no such resource.
const EmbeddedResource* findResource(const ResourceTable& table, int id);
const EmbeddedResource* findResource(const ResourceTable& table, const char* name);

}  // namespace gui
