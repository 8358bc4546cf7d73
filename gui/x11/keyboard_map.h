// The server's keyboard mapping, turning key events into key codes. Used on
// the window's thread only.
#pragma once

#include "gui/x11/key_translation.h"

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace gui::x11 {

class KeyboardMap {
public:
    explicit KeyboardMap(xcb_connection_t* connection);
    ~KeyboardMap();
    KeyboardMap(const KeyboardMap&) = delete;
    KeyboardMap& operator=(const KeyboardMap&) = delete;

    KeyCode translate(uint8_t keycode, uint16_t state);
    // After a MappingNotify: the next translation reads the new mapping.
    void refresh(xcb_mapping_notify_event_t* event);

private:
    uint32_t keysymOf(uint8_t keycode, uint16_t state);

    xcb_key_symbols_t* symbols_;
};

}  // namespace gui::x11
