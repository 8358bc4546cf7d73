// The bitmaps of an editor's face other than the background: loaded from the
// library's resources when the face first asks for them while the editor
// opens, and all released when it closes. Each is held with one reference;
// the controls that use one hold their own.
#pragma once

#include <utility>
#include <vector>

#include "gui/bitmap.h"
#include "gui/resources.h"

class LayoutBitmaps {
public:
    explicit LayoutBitmaps(const gui::ResourceTable& resources) : resources_(resources) {}
    ~LayoutBitmaps() { releaseAll(); }
    LayoutBitmaps(const LayoutBitmaps&) = delete;
    LayoutBitmaps& operator=(const LayoutBitmaps&) = delete;

    // Resource `id`, loaded on first use; an empty bitmap when the library
    // has no such resource.
    CBitmap* get(int id);
    void releaseAll();
    size_t loadedCount() const { return bitmaps_.size(); }

private:
    const gui::ResourceTable& resources_;
    std::vector<std::pair<int, CBitmap*>> bitmaps_;  // each holds one reference
};
