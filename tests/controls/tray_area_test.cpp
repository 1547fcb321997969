// Where the minimise animation ends, and what minimise/restore do to the window.
#include <gtest/gtest.h>

#include "controls/system_tray.h"
#include "controls/fake_tray_shell.h"

namespace {

struct TrayArea : ::testing::Test {
    FakeTrayShell shell;
    CSystemTray tray{shell, nullptr};
};

TEST_F(TrayArea, HorizontalTaskbarEndsAtTheClocksLeftEdge) {
    shell.taskbar = 0x300;
    shell.taskbarRect = {0, 738, 1024, 768};
    shell.children = {{"Button", {0, 740, 60, 766}},
                      {"TrayNotifyWnd", {900, 740, 1022, 766}},
                      {"TrayClockWClass", {960, 742, 1020, 766}},
                      {"TrayNotifyWnd", {1, 1, 2, 2}}};   // after the clock: not looked at
    EXPECT_EQ(tray.FindTrayArea(), (TrayRect{900, 740, 960, 766}));
}

TEST_F(TrayArea, VerticalTaskbarEndsBelowTheClock) {
    shell.taskbar = 0x300;
    shell.taskbarRect = {0, 0, 100, 768};
    shell.children = {{"TrayNotifyWnd", {2, 600, 98, 766}},
                      {"TrayClockWClass", {2, 600, 98, 640}}};
    EXPECT_EQ(tray.FindTrayArea(), (TrayRect{2, 640, 98, 766}));
}

TEST_F(TrayArea, LeftTaskbarWithoutTrayWindowGivesAn84PixelStrip) {
    shell.appBarWorks = true;
    shell.appBarEdge = TrayShell::Edge::Left;
    shell.appBarRect = {0, 0, 60, 768};
    TrayRect r = tray.FindTrayArea();
    EXPECT_EQ(r, (TrayRect{0, 668, 60, 752}));
    EXPECT_EQ(r.bottom - r.top, 84);
}

TEST_F(TrayArea, BottomTaskbarWithoutTrayWindowEndsNearItsRightEdge) {
    shell.appBarWorks = true;
    shell.appBarEdge = TrayShell::Edge::Bottom;
    shell.appBarRect = {0, 738, 1024, 768};
    EXPECT_EQ(tray.FindTrayArea(), (TrayRect{924, 738, 1008, 768}));
}

TEST_F(TrayArea, WithoutAnyTaskbarTheWorkAreasCornerIsUsed) {
    shell.work = {0, 0, 800, 570};
    EXPECT_EQ(tray.FindTrayArea(), (TrayRect{650, 540, 800, 570}));
}

TEST_F(TrayArea, MinimiseAnimatesToTheTrayThenParksAndHidesTheWindow) {
    shell.rects[0x55] = {10, 20, 410, 320};
    tray.MinimiseToTray(0x55);
    ASSERT_EQ(shell.animations.size(), 1u);
    EXPECT_EQ(shell.animations[0].first, (TrayRect{10, 20, 410, 320}));
    EXPECT_EQ(shell.animations[0].second, (TrayRect{874, 708, 1024, 738}));
    EXPECT_EQ(shell.parents[0x55], 0x900u);
    EXPECT_FALSE(shell.visible[0x55]);

    tray.MinimiseToTray(0x55);   // the parking window is made once
    int made = 0;
    for (const auto& c : shell.calls) made += c == "create parking";
    EXPECT_EQ(made, 1);
}

TEST_F(TrayArea, RestoreMakesTheWindowTopLevelVisibleAndForeground) {
    tray.MinimiseToTray(0x55);
    shell.calls.clear();
    shell.animations.clear();
    tray.MaximiseFromTray(0x55);
    EXPECT_EQ(shell.parents[0x55], 0u);
    EXPECT_TRUE(shell.visible[0x55]);
    ASSERT_EQ(shell.animations.size(), 1u);
    // Out of the parking window before it shows (a child of a hidden window stays
    // hidden), drawn once shown, and the window active last, above the parking window.
    ASSERT_LT(shell.at("visible 85"), shell.calls.size());
    EXPECT_LT(shell.at("parent 85 0"), shell.at("visible 85"));
    EXPECT_GT(shell.at("redraw 85"), shell.at("visible 85"));
    EXPECT_GT(shell.at("activate 85"), shell.at("activate 2304"));
    EXPECT_EQ(shell.calls.back(), "foreground 85");
}

TEST_F(TrayArea, WithAnimationOffTheWindowChangesAtOnce) {
    shell.animation = false;
    tray.MinimiseToTray(0x55);
    tray.MaximiseFromTray(0x55);
    EXPECT_TRUE(shell.animations.empty());
    EXPECT_TRUE(shell.visible[0x55]);
    EXPECT_EQ(shell.parents[0x55], 0u);
}

TEST_F(TrayArea, WindowKeepsItsParentWhenNoParkingWindowCanBeMade) {
    shell.parkingResult = 0;
    shell.parents[0x55] = 0x77;
    tray.MinimiseToTray(0x55);
    EXPECT_EQ(shell.parents[0x55], 0x77u);
    EXPECT_FALSE(shell.visible[0x55]);
}

}  // namespace
