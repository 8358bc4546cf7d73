// What one editor loads for its face besides the background, held for as
// long as the face is open: its bitmaps and its fonts.
#pragma once

#include <utility>
#include <vector>

#include "gui/bitmap.h"
#include "gui/font.h"
#include "gui/resources.h"
#include "gui/shared_pointer.h"

// The bitmaps of an editor's face other than the background: loaded from the
// library's resources when the face first asks for them while the editor
// opens, and all released when it closes. Each is held with one reference;
// the controls that use one hold their own.
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

// The fonts one editor draws with: copies of the standard fonts, made on
// first use while it is open and dropped when it closes. The standard fonts
// (kNormalFontSmall and the others) are shared by every editor's thread and
// so are never counted and never changed (see gui/font.h); a copy belongs to
// this editor alone, which may set its size or style for its own face.
//
// A new font equal to `standard`, held by the returned pointer alone.
SharedPointer<CFontDesc> copyOfFont(CFontRef standard);

class EditorFonts {
public:
    // This editor's copy of `standard` (null for null).
    CFontRef get(CFontRef standard);
    void clear() { copies_.clear(); }

private:
    std::vector<std::pair<CFontRef, SharedPointer<CFontDesc>>> copies_;
};
