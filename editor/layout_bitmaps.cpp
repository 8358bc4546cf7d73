#include "editor/layout_bitmaps.h"

CBitmap* LayoutBitmaps::get(int id) {
    for (const auto& [loadedId, bitmap] : bitmaps_)
        if (loadedId == id) return bitmap;
    bitmaps_.emplace_back(id, new CBitmap(resources_, id));
    return bitmaps_.back().second;
}

void LayoutBitmaps::releaseAll() {
    for (const auto& entry : bitmaps_) entry.second->forget();
    bitmaps_.clear();
}
