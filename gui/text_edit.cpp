#include "gui/text_edit.h"

#include <cmath>

#include "gui/frame.h"
#include "gui/platform_window.h"

namespace {

constexpr CCoord kCaretInset = 2;
constexpr int32_t kFirstPrintable = 0x20;
constexpr int32_t kDeleteCharacter = 0x7f;
constexpr int32_t kLastCodePoint = 0x10ffff;
constexpr int32_t kFirstSurrogate = 0xd800;
constexpr int32_t kLastSurrogate = 0xdfff;

bool isPrintable(int32_t c) {
    return c >= kFirstPrintable && c != kDeleteCharacter && c <= kLastCodePoint &&
           (c < kFirstSurrogate || c > kLastSurrogate);
}

// The character a key types. Keys with a virtual key of their own (space,
// the keypad, equals) type a character too; hosts that forward keys may send
// such a key with its virtual key alone.
int32_t typedCharacter(const VstKeyCode& key) {
    if (isPrintable(key.character)) return key.character;
    if (key.virt >= kVirtualKeyNumpad0 && key.virt <= kVirtualKeyNumpad9)
        return '0' + (key.virt - kVirtualKeyNumpad0);
    switch (key.virt) {
        case kVirtualKeySpace: return ' ';
        case kVirtualKeyMultiply: return '*';
        case kVirtualKeyAdd: return '+';
        case kVirtualKeySubtract: return '-';
        case kVirtualKeyDecimal: return '.';
        case kVirtualKeyDivide: return '/';
        case kVirtualKeyEquals: return '=';
        default: return 0;
    }
}

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xc0) == 0x80; }

size_t previousCharacter(const std::string& s, size_t position) {
    if (position == 0) return 0;
    do --position;
    while (position > 0 && isContinuationByte(s[position]));
    return position;
}

size_t nextCharacter(const std::string& s, size_t position) {
    if (position >= s.size()) return s.size();
    do ++position;
    while (position < s.size() && isContinuationByte(s[position]));
    return position;
}

std::string utf8(int32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xc0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xe0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
    return out;
}

// Cuts `s` to at most `limit` bytes without splitting a character.
void cutAt(std::string& s, size_t limit) {
    if (s.size() <= limit) return;
    size_t end = limit;
    while (end > 0 && isContinuationByte(s[end])) --end;
    s.resize(end);
}

}  // namespace

CTextEdit::CTextEdit(const CRect& size, CControlListener* listener, int32_t tag,
                     const char* initial, CBitmap* background, int32_t style)
    : CParamDisplay(size, background, style) {
    setListener(listener);
    setTag(tag);
    setText(initial);
}

void CTextEdit::setText(const char* newText) {
    text = newText ? newText : "";
    cutAt(text, kMaxTextBytes);
    setDirty();
}

void CTextEdit::draw(CDrawContext* context) {
    drawBack(context);
    drawText(context, editing ? editText.c_str() : text.c_str());
    if (editing) drawCaret(context);
    setDirty(false);
}

void CTextEdit::drawCaret(CDrawContext* context) {
    context->setFont(font.get());
    const CCoord fullWidth = context->getStringWidth(editText.c_str());
    const CCoord before = context->getStringWidth(editText.substr(0, cursor).c_str());
    CCoord left = size.left;
    if (horiAlign == kCenterText) left += (size.width() - fullWidth) / 2;
    if (horiAlign == kRightText) left = size.right - fullWidth;
    const CCoord x = std::floor(left + before);
    context->setFrameColor(fontColor);
    context->setLineWidth(1);
    context->drawLine(CPoint(x, size.top + kCaretInset), CPoint(x, size.bottom - kCaretInset - 1));
}

CMouseEventResult CTextEdit::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    if (!editing) {
        if (getFrame())
            getFrame()->setFocusView(this);
        else
            takeFocus();
    }
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

void CTextEdit::takeFocus() {
    if (editing) return;
    editing = true;
    keepEdit = true;
    editText = text;
    cursor = editText.size();
    invalid();
}

void CTextEdit::looseFocus() {
    if (!editing) return;
    editing = false;
    if (keepEdit) {
        text = editText;
        valueChanged();
    }
    invalid();
}

void CTextEdit::finishEditing(bool keep) {
    keepEdit = keep;
    if (getFrame() && getFrame()->getFocusView() == this)
        getFrame()->setFocusView(nullptr);
    else
        looseFocus();
}

void CTextEdit::insertCharacter(int32_t character) {
    const std::string encoded = utf8(character);
    if (editText.size() + encoded.size() > kMaxTextBytes) return;
    editText.insert(cursor, encoded);
    cursor += encoded.size();
}

int32_t CTextEdit::onKeyDown(VstKeyCode& keyCode) {
    if (!editing) return -1;
    switch (keyCode.virt) {
        case kVirtualKeyReturn:
        case kVirtualKeyEnter: finishEditing(true); return 1;
        case kVirtualKeyEscape: finishEditing(false); return 1;
        case kVirtualKeyBack: {
            const size_t start = previousCharacter(editText, cursor);
            editText.erase(start, cursor - start);
            cursor = start;
            break;
        }
        case kVirtualKeyDelete:
            editText.erase(cursor, nextCharacter(editText, cursor) - cursor);
            break;
        case kVirtualKeyLeft: cursor = previousCharacter(editText, cursor); break;
        case kVirtualKeyRight: cursor = nextCharacter(editText, cursor); break;
        case kVirtualKeyHome: cursor = 0; break;
        case kVirtualKeyEnd: cursor = editText.size(); break;
        default: {
            const int32_t character = typedCharacter(keyCode);
            if (character == 0) return -1;
            insertCharacter(character);
            break;
        }
    }
    invalid();
    return 1;
}
