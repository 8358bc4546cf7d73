// A frame in a real X11 window inside a host-like parent: keys typed through
// XTEST reach its views as a host user types them.
#include "gui/widgets.h"
#include "window_fixture.h"

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace gui::x11::test {
namespace {

constexpr uint8_t kLeft = 1;
constexpr uint32_t kShiftKeysym = 0xffe1;
constexpr uint32_t kControlKeysym = 0xffe3;
constexpr uint32_t kAltKeysym = 0xffe9;
constexpr uint32_t kNumLockKeysym = 0xff7f;
constexpr uint32_t kKeypad1Keysym = 0xffb1;
constexpr uint32_t kReturnKeysym = 0xff0d;
constexpr uint32_t kEscapeKeysym = 0xff1b;
constexpr auto kPatience = std::chrono::seconds(5);
constexpr auto kPoll = std::chrono::milliseconds(10);
const CRect kFieldRect(20, 20, 220, 40);

// The editor side of the frame: the lock its window takes and the idle.
class LockingEditor : public VSTGUIEditorInterface {
public:
    void doIdleStuff() override {
        if (frame) frame->idle();
    }
    std::recursive_mutex* getGuiMutex() override { return &mutex; }
    void setFrame(CFrame* f) { frame = f; }

    std::recursive_mutex mutex;
};

// A view that keeps the keys it was given that type a character.
class KeyProbe : public CView {
public:
    explicit KeyProbe(const CRect& size) : CView(size) {}
    int32_t onKeyDown(VstKeyCode& key) override {
        if (key.character != 0) keys.push_back(key);
        return 1;
    }
    std::vector<VstKeyCode> keys;
};

class FrameWindowInput : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        if (IsSkipped()) return;
        // Made under the lock, as editors make their frames: the window's
        // thread starts with it.
        {
            std::lock_guard<std::recursive_mutex> lock(editor_.mutex);
            frame_ =
                new CFrame(CRect(0, 0, kEditorWidth, kEditorHeight), asParent(parent_), &editor_);
            editor_.setFrame(frame_);
        }
        ASSERT_TRUE(frame_->hasWindow());
        const auto children = display_->childrenOf(parent_);
        ASSERT_FALSE(children.empty());
        child_ = children.back();
    }
    void TearDown() override {
        if (frame_) frame_->close();
    }

    // Runs `action` under the lock the window's thread takes.
    template <class Action>
    auto locked(Action&& action) {
        std::lock_guard<std::recursive_mutex> lock(editor_.mutex);
        return action();
    }
    template <class View>
    View* add(View* view) {
        locked([&] { return frame_->addView(view); });
        return view;
    }
    bool eventually(const std::function<bool()>& condition) {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!locked(condition)) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(kPoll);
        }
        return true;
    }
    void clickAt(int x, int y) {
        display_->movePointer(child_, x, y);
        display_->click(kLeft);
    }
    void tap(uint32_t keysym) {
        display_->pressKey(keysym);
        display_->releaseKey(keysym);
    }
    void type(const std::string& text) {
        for (char c : text) tap(static_cast<uint8_t>(c));
    }
    void tapWith(uint32_t modifierKeysym, uint32_t keysym) {
        display_->pressKey(modifierKeysym);
        tap(keysym);
        display_->releaseKey(modifierKeysym);
    }
    // Clicks into a new text field and waits until it edits.
    CTextEdit* editField() {
        auto* field = add(new CTextEdit(kFieldRect, nullptr, 1000, ""));
        clickAt(40, 30);
        EXPECT_TRUE(eventually([&] { return field->isEditing(); }));
        return field;
    }
    // The server answers each connection in its own order: our window's
    // request to move the focus may still be on its way.
    bool focusReaches(xcb_window_t window) {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (display_->focusedWindow() != window) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(kPoll);
        }
        return true;
    }
    bool showsText(CTextEdit* field, const char* text) {
        return eventually(
            [&] { return !field->isEditing() && std::string(field->getText()) == text; });
    }

    LockingEditor editor_;
    CFrame* frame_ = nullptr;
    xcb_window_t child_ = XCB_NONE;
};

TEST_F(FrameWindowInput, EveryPrintableKeyTypesItsCharacter) {
    CTextEdit* field = editField();
    type("my preset ");
    tap(kNumLockKeysym);  // on: the keypad types digits
    tap(kKeypad1Keysym);
    tap(kNumLockKeysym);
    type("=");
    tap(kReturnKeysym);
    EXPECT_TRUE(showsText(field, "my preset 1="));
}

TEST_F(FrameWindowInput, AnEditingFieldGetsTheKeysWhereverThePointerIs) {
    display_->focus(parent_);  // the host's window has the keys
    CTextEdit* field = editField();
    EXPECT_TRUE(focusReaches(child_));
    type("ab");
    display_->movePointer(parent_, kParentWidth - 5, kParentHeight - 5);  // off the editor
    type("cd");
    display_->movePointer(child_, 40, 30);
    type("ef");
    tap(kReturnKeysym);
    EXPECT_TRUE(showsText(field, "abcdef"));
    EXPECT_TRUE(focusReaches(parent_));  // given back
}

TEST_F(FrameWindowInput, TheFocusGoesBackWhenEditingEnds) {
    const struct {
        const char* ending;
        std::function<void()> end;
        const char* text;  // what the field shows afterwards
    } cases[] = {
        {"Return", [this] { tap(kReturnKeysym); }, "x"},
        {"Escape", [this] { tap(kEscapeKeysym); }, ""},
        {"a click elsewhere", [this] { clickAt(150, 200); }, "x"},
        {"another window taking the focus", [this] { display_->focus(parent_); }, "x"},
    };
    for (const auto& c : cases) {
        display_->focus(parent_);
        CTextEdit* field = editField();
        EXPECT_TRUE(focusReaches(child_)) << c.ending;
        type("x");
        c.end();
        EXPECT_TRUE(showsText(field, c.text)) << c.ending;
        EXPECT_TRUE(focusReaches(parent_)) << c.ending;
        locked([&] { return frame_->removeView(field); });
    }

    // Closing the editor while a field edits gives the focus back too.
    display_->focus(parent_);
    editField();
    frame_->close();
    frame_ = nullptr;
    EXPECT_TRUE(focusReaches(parent_));
}

TEST_F(FrameWindowInput, KeysCarryShiftControlAndAltOnce) {
    auto* probe = add(new KeyProbe(CRect(0, 0, 10, 10)));
    locked([&] { frame_->setFocusView(probe); });
    display_->movePointer(child_, 5, 5);
    const struct {
        uint32_t keysym;
        unsigned char modifier;
    } cases[] = {{kShiftKeysym, 1}, {kControlKeysym, 8}, {kAltKeysym, 2}};
    for (const auto& held : cases) tapWith(held.keysym, 'a');
    ASSERT_TRUE(eventually([&] { return probe->keys.size() >= 3; }));
    locked([&] {
        for (size_t i = 0; i < 3; ++i) EXPECT_EQ(probe->keys[i].modifier, cases[i].modifier) << i;
    });
}

}  // namespace
}  // namespace gui::x11::test
