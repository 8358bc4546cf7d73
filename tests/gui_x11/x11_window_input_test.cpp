// Real input through XTEST reaches the listener with window coordinates and
// the right button, modifier and double-click bits.
#include "gui/x11/input.h"
#include "window_fixture.h"

#include <chrono>
#include <thread>

namespace gui::x11::test {
namespace {

constexpr uint8_t kLeft = 1;
constexpr uint8_t kRight = 3;
constexpr uint32_t kShiftLeftKeysym = 0xffe1;
constexpr uint32_t kLeftArrowKeysym = 0xff51;
constexpr uint32_t kLetterAKeysym = 'a';

class X11WindowInputTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        if (IsSkipped()) return;
        window_ = openIn(parent_, listener_, &child_);
        ASSERT_NE(window_, nullptr);
        ASSERT_NE(child_, XCB_NONE);
    }

    void clickAt(int x, int y, uint8_t button = kLeft) {
        display_->movePointer(child_, x, y);
        display_->click(button);
    }

    std::vector<ListenerCall> downs() const { return callsOf(ListenerCall::kDown); }

    std::vector<ListenerCall> callsOf(ListenerCall::Kind kind) const {
        std::vector<ListenerCall> found;
        for (const ListenerCall& call : listener_.calls()) {
            if (call.kind == kind) found.push_back(call);
        }
        return found;
    }

    RecordingListener listener_;
    std::unique_ptr<PlatformWindow> window_;
    xcb_window_t child_ = XCB_NONE;
};

TEST_F(X11WindowInputTest, MotionReportsWindowCoordinatesAndHeldButtons) {
    display_->movePointer(child_, 30, 40);
    ASSERT_TRUE(listener_.waitFor(pointerCallAt(ListenerCall::kMoved, 30, 40)));
    EXPECT_EQ(listener_.waitFor(pointerCallAt(ListenerCall::kMoved, 30, 40))->bits, 0u);

    display_->pressButton(kLeft);
    display_->movePointer(child_, 70, 80);
    const auto drag = listener_.waitFor(pointerCallAt(ListenerCall::kMoved, 70, 80));
    ASSERT_TRUE(drag);
    EXPECT_EQ(drag->bits, kLeftButtonBit);
    display_->releaseButton(kLeft);
    ASSERT_TRUE(listener_.waitFor(pointerCallAt(ListenerCall::kUp, 70, 80)));
}

TEST_F(X11WindowInputTest, PressAndReleaseCarryTheButtonAndModifiers) {
    clickAt(50, 60);
    const auto down = listener_.waitFor(pointerCallAt(ListenerCall::kDown, 50, 60));
    const auto up = listener_.waitFor(pointerCallAt(ListenerCall::kUp, 50, 60));
    ASSERT_TRUE(down && up);
    EXPECT_EQ(down->bits, kLeftButtonBit);
    EXPECT_EQ(up->bits, kLeftButtonBit);

    clickAt(55, 65, kRight);
    const auto right = listener_.waitFor(pointerCallAt(ListenerCall::kDown, 55, 65));
    ASSERT_TRUE(right);
    EXPECT_EQ(right->bits, kRightButtonBit);

    display_->pressKey(kShiftLeftKeysym);
    clickAt(90, 100);
    display_->releaseKey(kShiftLeftKeysym);
    const auto shifted = listener_.waitFor(pointerCallAt(ListenerCall::kDown, 90, 100));
    ASSERT_TRUE(shifted);
    EXPECT_EQ(shifted->bits, kLeftButtonBit | kShiftBit);
}

TEST_F(X11WindowInputTest, SecondQuickClickInPlaceIsADoubleClick) {
    clickAt(100, 100);
    clickAt(102, 101);
    ASSERT_TRUE(listener_.waitForCount(ListenerCall::kUp, 2));
    const auto pressed = downs();
    ASSERT_EQ(pressed.size(), 2u);
    EXPECT_EQ(pressed[0].bits, kLeftButtonBit);
    EXPECT_EQ(pressed[1].bits, kLeftButtonBit | kDoubleClickBit);
}

TEST_F(X11WindowInputTest, DistantOrLateSecondClickIsSingle) {
    clickAt(100, 100);
    clickAt(110, 100);  // too far
    std::this_thread::sleep_for(std::chrono::milliseconds(450));
    clickAt(110, 100);  // too late
    ASSERT_TRUE(listener_.waitForCount(ListenerCall::kUp, 3));
    for (const ListenerCall& down : downs()) EXPECT_EQ(down.bits, kLeftButtonBit);
}

TEST_F(X11WindowInputTest, WheelButtonsGiveOneStepEachAndNoClicks) {
    display_->movePointer(child_, 20, 30);
    const uint8_t up = 4, down = 5, left = 6, right = 7;
    for (uint8_t button : {up, down, left, right}) display_->click(button);
    ASSERT_TRUE(listener_.waitForCount(ListenerCall::kWheel, 4));
    const auto wheel = callsOf(ListenerCall::kWheel);
    const float expected[] = {1.0f, -1.0f, -1.0f, 1.0f};
    for (size_t i = 0; i < wheel.size(); ++i) {
        EXPECT_EQ(wheel[i].distance, expected[i]) << "step " << i;
        EXPECT_EQ(wheel[i].x, 20);
        EXPECT_EQ(wheel[i].y, 30);
    }
    EXPECT_TRUE(downs().empty());
    EXPECT_TRUE(callsOf(ListenerCall::kUp).empty());
}

TEST_F(X11WindowInputTest, LeavingTheWindowIsReported) {
    display_->movePointer(child_, 10, 10);
    ASSERT_TRUE(listener_.waitFor(pointerCallAt(ListenerCall::kMoved, 10, 10)));
    display_->movePointer(parent_, kParentWidth - 10, kParentHeight - 10);
    EXPECT_TRUE(listener_.waitFor(kindIs(ListenerCall::kExited)));
}

TEST_F(X11WindowInputTest, KeysArriveAsCharactersAndVirtualKeys) {
    display_->movePointer(child_, 10, 10);
    display_->focus(child_);
    display_->pressKey(kLetterAKeysym);
    display_->releaseKey(kLetterAKeysym);
    display_->pressKey(kShiftLeftKeysym);
    display_->pressKey(kLetterAKeysym);
    display_->releaseKey(kLetterAKeysym);
    display_->releaseKey(kShiftLeftKeysym);
    display_->pressKey(kLeftArrowKeysym);
    display_->releaseKey(kLeftArrowKeysym);

    const auto isKey = [](int32_t character, uint32_t virtualKey, bool down) {
        return [=](const ListenerCall& call) {
            return call.kind == ListenerCall::kKey && call.character == character &&
                   call.virtualKey == virtualKey && call.keyDown == down;
        };
    };
    const auto plain = listener_.waitFor(isKey('a', kVirtualKeyNone, true));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->bits, 0u);
    EXPECT_TRUE(listener_.waitFor(isKey('a', kVirtualKeyNone, false)));
    const auto shifted = listener_.waitFor(isKey('A', kVirtualKeyNone, true));
    ASSERT_TRUE(shifted);
    EXPECT_EQ(shifted->bits, kKeyModifierShift);
    EXPECT_TRUE(listener_.waitFor(isKey(0, kVirtualKeyLeft, true)));
    EXPECT_TRUE(listener_.waitFor(isKey(0, kVirtualKeyLeft, false)));
}

}  // namespace
}  // namespace gui::x11::test
