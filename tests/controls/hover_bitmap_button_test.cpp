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

TEST(ButtonWithoutWindow, LoadFailsQuietly) {
    HoverBitmapButton button;
    EXPECT_FALSE(button.LoadBitmaps(208, 209, 208));
    button.ShowNormal();
    EXPECT_EQ(HoverBitmapButton::Look::None, button.GetLook());
}

}  // namespace
