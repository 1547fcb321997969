// The hover button: which bitmaps it loads, and which one it shows as the mouse moves.
#include <gtest/gtest.h>

#include "controls/hover_bitmap_button.h"
#include "platform/win32_numbers.h"
#include "support/fake_control_window.h"

namespace {

void mouse(HoverBitmapButton& button, unsigned message) {
    intptr_t result = 0;
    EXPECT_FALSE(button.handleMessage(message, 0, 0, result));  // default handling goes on
}

struct Button : ::testing::Test {
    FakeControlWindow window;
    HoverBitmapButton button;
    void SetUp() override {
        window.availableBitmaps = {208, 209, 166};
        button.attachWindow(&window);
    }
};

TEST_F(Button, NormalHoverPressedFollowTheMouse) {
    ASSERT_TRUE(button.LoadBitmaps(208, 209, 208));
    button.ShowNormal();
    EXPECT_EQ(208, window.shownId());
    mouse(button, kWmMouseMove);
    EXPECT_EQ(209, window.shownId());
    EXPECT_EQ(1, window.handCursors);
    mouse(button, kWmLButtonDown);
    EXPECT_EQ(208, window.shownId());
    EXPECT_EQ(HoverBitmapButton::Look::Pressed, button.GetLook());
    mouse(button, kWmLButtonUp);
    EXPECT_EQ(209, window.shownId());
    button.ShowNormal();
    EXPECT_EQ(HoverBitmapButton::Look::Normal, button.GetLook());
}

TEST_F(Button, FallbackIdsLoadTheNormalBitmapForEveryState) {
    ASSERT_TRUE(button.LoadBitmaps(166, -1, -1));
    EXPECT_EQ(3u, window.loaded.size());
    for (const auto& entry : window.loaded) EXPECT_EQ(166, entry.second);
    mouse(button, kWmLButtonDown);
    EXPECT_EQ(166, window.shownId());
}

TEST_F(Button, AMissingBitmapFailsAndLeavesThatStateEmpty) {
    EXPECT_FALSE(button.LoadBitmaps(208, 999, -1));
    mouse(button, kWmMouseMove);
    EXPECT_EQ(0, window.shownId());  // the static is told to show no image
    EXPECT_FALSE(button.LoadBitmaps(999, -1, -1));
}

TEST_F(Button, PressedStaysUntilTheMouseNextMovesOverIt) {
    button.LoadBitmaps(208, 209, 208);
    mouse(button, kWmLButtonDown);  // released elsewhere: no button-up reaches us
    EXPECT_EQ(HoverBitmapButton::Look::Pressed, button.GetLook());
    mouse(button, kWmMouseMove);
    EXPECT_EQ(HoverBitmapButton::Look::Hover, button.GetLook());
}

TEST_F(Button, RepeatedMovesDoNotResendTheSamePicture) {
    button.LoadBitmaps(208, 209, 208);
    mouse(button, kWmMouseMove);
    mouse(button, kWmMouseMove);
    mouse(button, kWmMouseMove);
    EXPECT_EQ(1u, window.shown.size());
    EXPECT_EQ(3, window.handCursors);
}

TEST_F(Button, BitmapsAreFreedOnReloadAndWithTheControl) {
    button.LoadBitmaps(208, 209, 208);
    button.LoadBitmaps(166);
    EXPECT_EQ(3u, window.loaded.size());
    {
        HoverBitmapButton shortLived;
        shortLived.attachWindow(&window);
        shortLived.LoadBitmaps(209);
        EXPECT_EQ(6u, window.loaded.size());
    }
    EXPECT_EQ(3u, window.loaded.size());
    EXPECT_TRUE(window.released);  // the window stops talking to the object that went
}

TEST_F(Button, TheKeyboardPressesItAsItPressesAPushButton) {
    ASSERT_TRUE(button.LoadBitmaps(208, 209, 208));
    window.controlId = 1133;
    const intptr_t kRepeat = intptr_t(1) << 30;
    // Each step: message, key, flags; then whether the button took it, how many clicks
    // its parent has seen in all, and the look it shows.
    const struct {
        unsigned message;
        uintptr_t key;
        intptr_t flags;
        bool taken;
        size_t clicks;
        HoverBitmapButton::Look look;
    } steps[] = {
        {kWmKeyUp, kVkSpace, 0, true, 0, HoverBitmapButton::Look::None},          // no press began here
        {kWmKeyDown, kVkReturn, 0, true, 1, HoverBitmapButton::Look::None},       // Enter clicks at once
        {kWmKeyDown, kVkReturn, kRepeat, true, 1, HoverBitmapButton::Look::None}, // held down: once
        {kWmKeyDown, kVkSpace, 0, true, 1, HoverBitmapButton::Look::Pressed},     // Space presses...
        {kWmKeyDown, kVkSpace, kRepeat, true, 1, HoverBitmapButton::Look::Pressed},
        {kWmKeyUp, kVkSpace, 0, true, 2, HoverBitmapButton::Look::Normal},        // ...and clicks on release
        {kWmKeyDown, 0x41, 0, false, 2, HoverBitmapButton::Look::Normal},         // other keys: the static's
    };
    for (const auto& s : steps) {
        intptr_t result = 0;
        EXPECT_EQ(button.handleMessage(s.message, s.key, s.flags, result), s.taken) << s.key;
        EXPECT_EQ(window.parentMessages.size(), s.clicks) << s.key;
        EXPECT_EQ(button.GetLook(), s.look) << s.key;
    }
    for (size_t i = 0; i < window.parentMessages.size(); ++i) {
        EXPECT_EQ(window.parentMessages[i], kWmCommand);
        EXPECT_EQ(window.parentWParams[i], 1133u);   // the id, with the clicked code 0
    }

    // The dialog manager leaves Enter and Space to the button, and Tab and the arrows
    // (and its plain query) to itself.
    for (uintptr_t key : {uintptr_t(kVkReturn), uintptr_t(kVkSpace)}) {
        intptr_t code = 0;
        EXPECT_TRUE(button.handleMessage(kWmGetDlgCode, key, 0, code));
        EXPECT_EQ(code & kDlgcWantMessage, kDlgcWantMessage);
    }
    for (uintptr_t key : {uintptr_t(0), uintptr_t(0x09), uintptr_t(0x27)}) {
        intptr_t code = 0;
        EXPECT_FALSE(button.handleMessage(kWmGetDlgCode, key, 0, code)) << key;
    }
}

TEST_F(Button, AFocusMarkIsDrawnOverThePictureOnlyWhileFocused) {
    intptr_t result = 0;
    EXPECT_FALSE(button.handleMessage(kWmPaint, 0, 0, result));   // the static paints alone
    EXPECT_EQ(window.focusMarks, 0);

    const int before = window.invalidations;
    window.focus = window.windowRef;
    EXPECT_FALSE(button.handleMessage(kWmSetFocus, 0, 0, result));
    EXPECT_EQ(window.invalidations, before + 1);   // repainted with the mark
    EXPECT_TRUE(button.handleMessage(kWmPaint, 0, 0, result));
    EXPECT_EQ(window.defaultMessages.back(), kWmPaint);   // the picture first...
    EXPECT_EQ(window.focusMarks, 1);                       // ...then the mark over it

    window.focus = 0;
    EXPECT_FALSE(button.handleMessage(kWmKillFocus, 0, 0, result));
    EXPECT_FALSE(button.handleMessage(kWmPaint, 0, 0, result));
    EXPECT_EQ(window.focusMarks, 1);
}

TEST(ButtonWithoutWindow, LoadFailsQuietly) {
    HoverBitmapButton button;
    EXPECT_FALSE(button.LoadBitmaps(208, 209, 208));
    button.ShowNormal();
    EXPECT_EQ(HoverBitmapButton::Look::None, button.GetLook());
}

}  // namespace
