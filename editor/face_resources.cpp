#include "editor/face_resources.h"

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

SharedPointer<CFontDesc> copyOfFont(CFontRef standard) {
    if (!standard) return {};
    auto* copy = new CFontDesc(standard->getName(), standard->getSize(), standard->getStyle());
    SharedPointer<CFontDesc> held(copy);
    copy->forget();  // the pointer's reference is the only one
    return held;
}

CFontRef EditorFonts::get(CFontRef standard) {
    if (!standard) return nullptr;
    for (const auto& [original, copy] : copies_)
        if (original == standard) return copy.get();
    copies_.emplace_back(standard, copyOfFont(standard));
    return copies_.back().second.get();
}
