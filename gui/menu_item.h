// One entry of an option menu: a title and flags. A title of "-" makes a
// separator.
#pragma once

#include <string>

#include "gui/base_object.h"

class CMenuItem : public CBaseObject {
public:
    enum Flags : int32_t {
        kNoFlags = 0,
        kDisabled = 1 << 0,
        kTitle = 1 << 1,
        kChecked = 1 << 2,
        kSeparator = 1 << 3,
    };

    explicit CMenuItem(const char* title, int32_t flags = kNoFlags)
        : title_(title ? title : ""), flags_(flags) {
        if (title_ == "-") flags_ |= kSeparator;
    }

    void setTitle(const char* title) { title_ = title ? title : ""; }
    const char* getTitle() const { return title_.c_str(); }
    int32_t getFlags() const { return flags_; }
    void setChecked(bool checked) { flags_ = checked ? flags_ | kChecked : flags_ & ~kChecked; }
    bool isChecked() const { return (flags_ & kChecked) != 0; }
    bool isSeparator() const { return (flags_ & kSeparator) != 0; }
    // A plain entry the user can choose.
    bool isSelectable() const { return !(flags_ & (kDisabled | kTitle | kSeparator)); }

    CLASS_METHODS(CMenuItem, CBaseObject)

private:
    std::string title_;
    int32_t flags_;
};
