// A frame in a real X11 window inside a host-like parent: keys typed and
// clicks made through XTEST reach its views as a host user's do, and an
// option menu opens its list in a window of its own.
#include "gui/option_menu_popup.h"
#include "gui/widgets.h"
#include "window_fixture.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
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

// --- the option menu's pop-up ------------------------------------------------

class HeardValues : public CControlListener {
public:
    void valueChanged(CControl* control) override { values.push_back(control->getValue()); }
    std::vector<float> values;
};

class OptionMenuPopup : public FrameWindowInput {
protected:
    static constexpr int kEntries = 30;
    static constexpr int kCurrent = 20;
    static constexpr int kPerColumn = 16;
    static constexpr int kItemHeight = 16;
    static constexpr int kCheckColumn = 14;
    // Near the editor's bottom edge: the list reaches far beyond it.
    const CRect kMenuRect{207, 300, 217, 314};

    void SetUp() override {
        FrameWindowInput::SetUp();
        if (IsSkipped()) return;
        menu_ = add(new COptionMenu(kMenuRect, &heard_, 1012, nullptr, nullptr,
                                    kPopupStyle | kCheckStyle | kNoTextStyle | kNoDrawStyle));
        locked([&] {
            menu_->setNbItemsPerColumn(kPerColumn);
            for (int i = 0; i < kEntries; ++i)
                menu_->addEntry(("program " + std::to_string(i)).c_str());
            return menu_->setCurrent(kCurrent);
        });
    }

    std::vector<xcb_window_t> topLevels() { return display_->childrenOf(display_->root()); }
    // Clicks the menu and waits for the list's window, a new top-level one.
    xcb_window_t openList() {
        const auto before = topLevels();
        clickAt(210, 305);
        xcb_window_t list = XCB_NONE;
        eventually([&] {
            for (xcb_window_t window : topLevels())
                if (std::find(before.begin(), before.end(), window) == before.end()) list = window;
            return list != XCB_NONE;
        });
        return list;
    }
    bool listCloses(xcb_window_t list) {
        return eventually([&] {
            const auto windows = topLevels();
            return std::find(windows.begin(), windows.end(), list) == windows.end();
        });
    }
    // Entry `index` in the frame's coordinates, and in the list window's.
    CRect entryRect(int index) {
        return locked([&] {
            return static_cast<COptionMenuPopup*>(frame_->getModalView())->itemRect(index);
        });
    }
    CRect entryInList(int index) {
        CRect rect = entryRect(index);
        rect.offset(-kMenuRect.left, -kMenuRect.bottom);
        return rect;
    }
    CPoint entryCentre(int index) {
        const CRect item = entryRect(index);
        return CPoint((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    }

    COptionMenu* menu_ = nullptr;
    HeardValues heard_;
};

TEST_F(OptionMenuPopup, TheListIsAWindowOfItsOwnInColumnsOfSixteen) {
    const xcb_window_t list = openList();
    ASSERT_NE(list, XCB_NONE);
    xcb_connection_t* c = display_->connection();
    auto* attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, list), nullptr);
    auto* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, list), nullptr);
    ASSERT_TRUE(attributes && geometry);
    EXPECT_TRUE(attributes->override_redirect);
    EXPECT_EQ(attributes->map_state, XCB_MAP_STATE_VIEWABLE);
    // Under the menu at screen coordinates (the parent stands at the screen's
    // origin), 16 rows high, beyond the editor's bottom edge.
    EXPECT_EQ(geometry->x, kMenuRect.left);
    EXPECT_EQ(geometry->y, kMenuRect.bottom);
    EXPECT_EQ(geometry->height, kPerColumn * kItemHeight + 2);
    EXPECT_GT(geometry->y + geometry->height, kEditorHeight);
    const int width = geometry->width;
    free(attributes);
    free(geometry);

    // Two columns: 16 entries and 14.
    EXPECT_EQ(entryInList(15).left, entryInList(0).left);
    EXPECT_EQ(entryInList(16).top, entryInList(0).top);
    EXPECT_EQ(entryInList(16).left, entryInList(0).right);
    EXPECT_EQ(entryInList(16).right + 1, width);
    EXPECT_EQ(entryInList(kEntries - 1).top, entryInList(13).top);

    // The check mark: in the check column of the current entry, and not in
    // the next one's, which shows the plain box.
    const auto checkColumn = [&](int index) {
        const CRect item = entryInList(index);
        return display_->readPixels(list, static_cast<int>(item.left),
                                    static_cast<int>(item.top), kCheckColumn, kItemHeight);
    };
    ASSERT_TRUE(eventually([&] { return checkColumn(kCurrent) != checkColumn(kCurrent + 1); }));
    const auto plain = checkColumn(kCurrent + 1);
    EXPECT_TRUE(std::all_of(plain.begin(), plain.end(), [&](uint32_t p) { return p == plain[0]; }));
}

TEST_F(OptionMenuPopup, AChoiceClosesTheListAndSelectsTheEntry) {
    const xcb_window_t list = openList();
    ASSERT_NE(list, XCB_NONE);
    const CPoint entry = entryCentre(5);
    clickAt(static_cast<int>(entry.x), static_cast<int>(entry.y));
    EXPECT_TRUE(listCloses(list));
    EXPECT_TRUE(eventually([&] { return menu_->getCurrentIndex() == 5; }));
    locked([&] {
        ASSERT_EQ(heard_.values.size(), 1u);
        EXPECT_EQ(heard_.values[0], 5.f);
    });
}

TEST_F(OptionMenuPopup, AClickOutsideOrEscapeClosesTheListWithoutAChoice) {
    xcb_window_t list = openList();
    ASSERT_NE(list, XCB_NONE);
    display_->movePointer(parent_, kParentWidth - 5, kParentHeight - 5);  // off the editor
    display_->click(kLeft);
    EXPECT_TRUE(listCloses(list));

    list = openList();
    ASSERT_NE(list, XCB_NONE);
    tap(kEscapeKeysym);
    EXPECT_TRUE(listCloses(list));
    EXPECT_TRUE(eventually([&] { return frame_->getModalView() == nullptr; }));
    locked([&] {
        EXPECT_TRUE(heard_.values.empty());
        EXPECT_EQ(menu_->getCurrentIndex(), kCurrent);
    });
}

}  // namespace
}  // namespace gui::x11::test
