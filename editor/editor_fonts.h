// The fonts one editor draws with. The standard fonts (kNormalFontSmall and
// the others) are single objects of the whole process whose reference counts
// are plain integers, while every open editor draws on its own window thread
// under its own lock; two editors drawing with one standard font would count
// it from two threads at once. Each editor therefore draws with copies of its
// own, made on first use while it is open and dropped when it closes.
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
