// A text field edited in place. A left click gives it the frame's keyboard
// focus; typed characters, Backspace, Delete and the arrow, Home and End keys
// edit a copy of the text with a caret. Return, or the focus moving
// elsewhere (a click outside), stores the copy as the text and tells the
// listener; Escape drops it.
#pragma once

#include <string>

#include "gui/param_display.h"

class CTextEdit : public CParamDisplay {
public:
    static constexpr size_t kMaxTextBytes = kTextCapacity - 1;

    CTextEdit(const CRect& size, CControlListener* listener, int32_t tag,
              const char* text = nullptr, CBitmap* background = nullptr, int32_t style = 0);

    // Cut at kMaxTextBytes.
    void setText(const char* text);
    const char* getText() const { return text.c_str(); }
    bool isEditing() const { return editing; }

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    int32_t onKeyDown(VstKeyCode& keyCode) override;
    void takeFocus() override;
    void looseFocus() override;

    CLASS_METHODS(CTextEdit, CParamDisplay)

protected:
    // Ends editing through the frame's focus, or directly without a frame.
    void finishEditing(bool keep);
    void insertCharacter(int32_t character);
    void drawCaret(CDrawContext* context);

    std::string text;
    std::string editText;
    size_t cursor = 0;  // byte position in editText, always at a character start
    bool editing = false;
    bool keepEdit = true;
};
