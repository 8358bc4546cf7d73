// The fonts one editor draws with: copies of the standard fonts, made on
// first use while it is open and dropped when it closes. The standard fonts
// (kNormalFontSmall and the others) are shared by every editor's thread and
// so are never counted and never changed (see gui/font.h); a copy belongs to
// this editor alone, which may set its size or style for its own face.
#pragma once

#include <utility>
#include <vector>

#include "gui/font.h"
#include "gui/shared_pointer.h"

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
