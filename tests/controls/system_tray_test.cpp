// The tray icon's state: what reaches the shell, when, and with which record.
#include <gtest/gtest.h>

#include <string>

#include "controls/system_tray.h"
#include "controls/fake_tray_shell.h"

namespace {

constexpr uint32_t kCallback = 0x800A;
constexpr uint32_t kIconId = 154;

struct Tray : ::testing::Test {
    FakeTrayShell shell;
    std::map<std::string, std::string> texts;
    CSystemTray tray{shell, [this](const std::string& key, const std::string& def) {
                         auto it = texts.find(key);
                         return it == texts.end() ? def : it->second;
                     }};

    bool create(bool hidden = false, const char* balloon = "") {
        return tray.Create(0, kCallback, "WLAN Monitor", 0x1111, kIconId, hidden, balloon,
                           "WLAN Utility Running!", 2, 20);
    }
    const TrayIconRecord& last() const { return shell.notifies.back().record; }
};

TEST_F(Tray, CreateAddsTheIconWithTheBalloonOnceAndOwnsTheCallbackWindow) {
    ASSERT_TRUE(create());
    ASSERT_EQ(shell.notifies.size(), 1u);
    const auto& added = shell.notifies[0];
    EXPECT_EQ(added.what, TrayShell::Notify::Add);
    EXPECT_EQ(added.record.window, 0x100u);   // the tray's own window gets the callbacks
    EXPECT_EQ(added.record.id, kIconId);
    EXPECT_EQ(added.record.callbackMessage, kCallback);
    EXPECT_EQ(added.record.icon, 0x1111u);
    EXPECT_EQ(added.record.flags, TrayIconRecord::kMessage | TrayIconRecord::kIcon |
                                      TrayIconRecord::kTip | TrayIconRecord::kInfo);
    EXPECT_STREQ(added.record.tip, "WLAN Monitor");
    EXPECT_STREQ(added.record.infoTitle, "WLAN Utility Running!");
    EXPECT_EQ(added.record.timeout, 20000u);
    EXPECT_EQ(added.record.infoFlags, 2u);
    EXPECT_FALSE(tray.IsHidden());
    EXPECT_FALSE(tray.IsPending());
    EXPECT_FALSE(tray.IsRemoved());
}

TEST_F(Tray, BalloonTextIsNotRepeatedByLaterChanges) {
    ASSERT_TRUE(create(false, "Hello"));
    EXPECT_STREQ(shell.notifies[0].record.info, "Hello");
    tray.SetTooltipText("changed");
    EXPECT_STREQ(last().info, "");
}

TEST_F(Tray, TooltipOf200CharactersIsCutTo127) {
    std::string longTip(200, 'x');
    ASSERT_TRUE(tray.Create(0, kCallback, longTip, 1, kIconId, false, "", "", 0, 1));
    EXPECT_EQ(std::string(shell.notifies[0].record.tip), std::string(127, 'x'));
    std::string other(200, 'y');
    ASSERT_TRUE(tray.SetTooltipText(other));
    EXPECT_EQ(std::string(last().tip), std::string(127, 'y'));
    EXPECT_EQ(last().flags, TrayIconRecord::kTip);
    EXPECT_EQ(tray.GetTooltipText().size(), 127u);
}

TEST_F(Tray, OldSystemsGetNoBalloonAndAreRefusedBelowVersion4) {
    shell.nt = false;
    shell.major = 4;
    ASSERT_TRUE(create(false, "Hi"));
    EXPECT_EQ(shell.notifies[0].record.flags & TrayIconRecord::kInfo, 0u);
    EXPECT_STREQ(shell.notifies[0].record.info, "");

    FakeTrayShell oldShell;
    oldShell.major = 3;
    CSystemTray old(oldShell, nullptr);
    EXPECT_FALSE(old.Create(0, kCallback, "t", 1, kIconId, false, "", "", 0, 1));
    EXPECT_TRUE(oldShell.notifies.empty());
    EXPECT_FALSE(old.SetTooltipText("x"));
    EXPECT_FALSE(old.SetIcon(TrayShell::Handle(5)));
}

TEST_F(Tray, ChangesWhileHiddenReachTheShellWhenShown) {
    ASSERT_TRUE(create(true));
    ASSERT_EQ(shell.notifies.size(), 1u);
    EXPECT_EQ(shell.notifies[0].record.flags, TrayIconRecord::kState);
    EXPECT_EQ(shell.notifies[0].record.state, TrayIconRecord::kStateHidden);
    EXPECT_EQ(shell.notifies[0].record.stateMask, TrayIconRecord::kStateHidden);
    ASSERT_TRUE(tray.IsHidden());

    EXPECT_TRUE(tray.SetIcon(226));
    EXPECT_TRUE(tray.SetTooltipText("WLAN Monitor\nNo Card Found"));
    EXPECT_EQ(shell.notifies.size(), 1u);   // stored only

    EXPECT_TRUE(tray.ShowIcon());
    ASSERT_EQ(shell.notifies.size(), 2u);
    EXPECT_EQ(last().flags & (TrayIconRecord::kIcon | TrayIconRecord::kTip | TrayIconRecord::kState),
              TrayIconRecord::kIcon | TrayIconRecord::kTip | TrayIconRecord::kState);
    EXPECT_EQ(last().icon, 0x10000u + 226);
    EXPECT_STREQ(last().tip, "WLAN Monitor\nNo Card Found");
    EXPECT_EQ(last().state, 0u);
    EXPECT_EQ(last().stateMask, TrayIconRecord::kStateHidden);
    EXPECT_FALSE(tray.IsHidden());

    EXPECT_TRUE(tray.ShowIcon());   // already shown: nothing more
    EXPECT_EQ(shell.notifies.size(), 2u);
}

TEST_F(Tray, WithoutTheExtendedShellAHiddenIconIsAddedOnlyWhenShown) {
    shell.major = 4;
    shell.nt = true;   // NT 4
    ASSERT_TRUE(create(true));
    EXPECT_TRUE(shell.notifies.empty());
    tray.SetTooltipText("later");
    EXPECT_TRUE(shell.notifies.empty());
    EXPECT_TRUE(tray.ShowIcon());
    ASSERT_FALSE(shell.notifies.empty());
    EXPECT_EQ(shell.notifies.back().what, TrayShell::Notify::Add);
    EXPECT_STREQ(last().tip, "later");
}

TEST_F(Tray, ShownIconChangesGoStraightToTheShell) {
    ASSERT_TRUE(create());
    ASSERT_TRUE(tray.SetIcon(220));
    EXPECT_EQ(shell.notifies.back().what, TrayShell::Notify::Modify);
    EXPECT_EQ(last().flags, TrayIconRecord::kIcon);
    EXPECT_EQ(last().icon, 0x10000u + 220);
}

TEST_F(Tray, OnlyChangesReachTheShellAndAMissedChangeIsSentAgain) {
    ASSERT_TRUE(create());
    const struct {
        int icon;            // 0: set the tooltip instead
        const char* tip;
        bool shellRefuses;
        bool sent;
    } steps[] = {
        {220, nullptr, false, true},  {220, nullptr, false, false}, {226, nullptr, false, true},
        {0, "WLAN Monitor", false, false},   // the tooltip Create gave
        {0, "a", false, true},        {0, "a", false, false},       {0, "b", true, true},
        {0, "b", false, true},        // the shell missed it: sent again
        {0, "b", false, false},       {220, nullptr, true, true},   {220, nullptr, false, true},
        {220, nullptr, false, false},
    };
    for (const auto& step : steps) {
        const size_t before = shell.notifies.size();
        shell.modifyFails = step.shellRefuses;
        const bool result = step.icon ? tray.SetIcon(step.icon) : tray.SetTooltipText(step.tip);
        EXPECT_EQ(result, !step.shellRefuses);
        EXPECT_EQ(shell.notifies.size() - before, step.sent ? 1u : 0u) << step.icon << ' ' << (step.tip ? step.tip : "");
        if (step.icon) {
            EXPECT_EQ(tray.Record().icon, 0x10000u + step.icon);
        } else {
            EXPECT_STREQ(tray.Record().tip, step.tip);
        }
    }
    EXPECT_EQ(shell.iconsLoaded, 2);   // each resource once
}

TEST_F(Tray, FailedFirstAddIsRetriedWhenTheTaskbarComesBack) {
    shell.addFails = true;
    EXPECT_FALSE(create());
    EXPECT_TRUE(tray.IsPending());
    EXPECT_TRUE(tray.IsHidden());
    EXPECT_TRUE(tray.IsRemoved());

    tray.OnTaskbarCreated();   // still failing: stays pending
    EXPECT_EQ(shell.notifies.size(), 2u);
    EXPECT_TRUE(tray.IsPending());

    shell.addFails = false;
    tray.OnTaskbarCreated();
    ASSERT_EQ(shell.notifies.size(), 3u);
    EXPECT_EQ(shell.notifies.back().what, TrayShell::Notify::Add);
    EXPECT_STREQ(last().tip, "WLAN Monitor");
    EXPECT_FALSE(tray.IsPending());
    EXPECT_FALSE(tray.IsHidden());

    tray.OnWorkAreaChanged();   // nothing left to retry
    EXPECT_EQ(shell.notifies.size(), 3u);
}

TEST_F(Tray, IconAddedLaterIsNoLongerPendingSoAWorkAreaChangeLeavesItShown) {
    shell.addFails = true;
    EXPECT_FALSE(create());   // the shell was not ready yet
    ASSERT_TRUE(tray.IsPending());
    shell.addFails = false;
    ASSERT_TRUE(tray.ShowIcon());   // the next poll puts it in the tray
    EXPECT_FALSE(tray.IsPending());

    // A work-area change: the shell still holds the icon and would refuse a second add.
    shell.addFails = true;
    size_t before = shell.notifies.size();
    tray.OnWorkAreaChanged();
    EXPECT_EQ(shell.notifies.size(), before);
    EXPECT_FALSE(tray.IsHidden());
    // So later changes still reach the shell instead of being kept for a show that never comes.
    EXPECT_TRUE(tray.SetTooltipText("WLAN Monitor\nNo Card Found"));
    ASSERT_EQ(shell.notifies.size(), before + 1);
    EXPECT_EQ(shell.notifies.back().what, TrayShell::Notify::Modify);
    EXPECT_STREQ(last().tip, "WLAN Monitor\nNo Card Found");
}

TEST_F(Tray, ANewTaskbarGetsTheIconBackAsItWasAndAWorkAreaChangeAddsNothing) {
    ASSERT_TRUE(create());
    tray.OnWorkAreaChanged();
    EXPECT_EQ(shell.notifies.size(), 1u);   // the shell still holds it

    ASSERT_TRUE(tray.SetTooltipText("WLAN Monitor\nNo Card Found"));
    size_t before = shell.notifies.size();
    tray.OnTaskbarCreated();                // the shell restarted and lost every icon
    ASSERT_EQ(shell.notifies.size(), before + 1);
    EXPECT_EQ(shell.notifies.back().what, TrayShell::Notify::Add);
    EXPECT_STREQ(last().tip, "WLAN Monitor\nNo Card Found");
    EXPECT_EQ(last().flags & TrayIconRecord::kState, 0u);
    EXPECT_FALSE(tray.IsHidden());
    EXPECT_FALSE(tray.IsPending());
}

TEST_F(Tray, AHiddenIconComesBackHiddenAndARemovedOneStaysOut) {
    ASSERT_TRUE(create(/*hidden=*/true));
    tray.OnTaskbarCreated();
    EXPECT_EQ(shell.notifies.back().what, TrayShell::Notify::Add);
    EXPECT_NE(last().flags & TrayIconRecord::kState, 0u);
    EXPECT_EQ(last().state & TrayIconRecord::kStateHidden, TrayIconRecord::kStateHidden);
    EXPECT_TRUE(tray.IsHidden());

    ASSERT_TRUE(tray.RemoveIcon());
    size_t before = shell.notifies.size();
    tray.OnTaskbarCreated();
    EXPECT_EQ(shell.notifies.size(), before);
}

TEST_F(Tray, AFailedReAddAfterANewTaskbarIsRetriedOnTheNextChance) {
    ASSERT_TRUE(create());
    shell.addFails = true;
    tray.OnTaskbarCreated();
    EXPECT_TRUE(tray.IsPending());
    shell.addFails = false;
    tray.OnWorkAreaChanged();
    EXPECT_EQ(shell.notifies.back().what, TrayShell::Notify::Add);
    EXPECT_FALSE(tray.IsPending());
}

TEST_F(Tray, RemoveThenShowAddsTheIconAgain) {
    ASSERT_TRUE(create());
    ASSERT_TRUE(tray.RemoveIcon());
    EXPECT_EQ(shell.notifies.back().what, TrayShell::Notify::Delete);
    EXPECT_TRUE(tray.IsRemoved());
    EXPECT_TRUE(tray.RemoveIcon());   // already removed: no second delete
    EXPECT_EQ(shell.notifies.size(), 2u);
    EXPECT_TRUE(tray.ShowIcon());
    EXPECT_EQ(shell.notifies.back().what, TrayShell::Notify::Add);
    EXPECT_FALSE(tray.IsRemoved());
}

TEST_F(Tray, RightClickBuildsTheMenuFromLanguageTextsAndClosesItProperly) {
    ASSERT_TRUE(create());
    texts["TrayExit"] = "Beenden";
    tray.SetMenuDefaultItem(3, true);
    shell.calls.clear();
    EXPECT_EQ(tray.OnTrayNotification(kIconId, CSystemTray::kRightButtonUp), 1);
    EXPECT_EQ(shell.menuItems[32773], "Beenden");
    EXPECT_EQ(shell.menuItems.count(32771), 0u);   // items the menu lacks stay absent
    // The menu closes on a click elsewhere only when its owner was foreground before
    // it opened and gets a message after it closed; the default item shows in it.
    ASSERT_LT(shell.at("track 1280"), shell.calls.size());
    EXPECT_LT(shell.at("default 3 pos"), shell.at("track 1280"));
    EXPECT_LT(shell.at("foreground 1280"), shell.at("track 1280"));
    EXPECT_GT(shell.at("post null 1280"), shell.at("track 1280"));
    EXPECT_LT(shell.at("post null 1280"), shell.calls.size());
    EXPECT_EQ(shell.menusLoaded, shell.menusDestroyed);
}

TEST_F(Tray, RightClickUsesDefaultTextsWhenTheLanguageHasNone) {
    shell.menuItems = {{32771, "x"}, {32772, "y"}, {32773, "z"}};
    ASSERT_TRUE(create());
    tray.OnTrayNotification(kIconId, CSystemTray::kRightButtonUp);
    EXPECT_EQ(shell.menuItems[32771], "Show");
    EXPECT_EQ(shell.menuItems[32772], "Hide");
    EXPECT_EQ(shell.menuItems[32773], "Exit");
}

TEST_F(Tray, DoubleClickSendsTheDefaultCommandToTheTarget) {
    ASSERT_TRUE(create());
    tray.SetTargetWindow(0x42);
    tray.SetMenuDefaultItem(32771, false);
    shell.calls.clear();
    EXPECT_EQ(tray.OnTrayNotification(kIconId, CSystemTray::kLeftButtonDoubleClick), 1);
    // The target is brought forward before it acts on the command.
    ASSERT_LT(shell.at("command 32771 to 66"), shell.calls.size());
    EXPECT_LT(shell.at("foreground 66"), shell.at("command 32771 to 66"));

    tray.SetMenuDefaultItem(0, true);   // by position: the id of the item there
    shell.calls.clear();
    tray.OnTrayNotification(kIconId, CSystemTray::kLeftButtonDoubleClick);
    EXPECT_EQ(shell.calls.back(), "command 32773 to 66");
    EXPECT_EQ(shell.menusLoaded, shell.menusDestroyed);
}

TEST_F(Tray, NotificationsForOtherIconsOrWithoutATargetAreIgnored) {
    ASSERT_TRUE(create());
    shell.calls.clear();
    EXPECT_EQ(tray.OnTrayNotification(kIconId + 1, CSystemTray::kRightButtonUp), 0);
    shell.main = 0;
    EXPECT_EQ(tray.OnTrayNotification(kIconId, CSystemTray::kRightButtonUp), 0);
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(Tray, MissingMenuResourceIgnoresTheClick) {
    shell.menuAvailable = false;
    ASSERT_TRUE(create());
    shell.calls.clear();
    EXPECT_EQ(tray.OnTrayNotification(kIconId, CSystemTray::kRightButtonUp), 1);
    EXPECT_EQ(shell.calls, std::vector<std::string>{"load menu 154"});
}

TEST_F(Tray, DestructionRemovesTheIconAndItsWindow) {
    {
        FakeTrayShell local;
        {
            CSystemTray t(local, nullptr);
            ASSERT_TRUE(t.Create(0, kCallback, "x", 1, kIconId, false, "", "", 0, 1));
        }
        EXPECT_EQ(local.notifies.back().what, TrayShell::Notify::Delete);
        EXPECT_EQ(local.calls.back(), "destroy 256");
    }
}

}  // namespace
