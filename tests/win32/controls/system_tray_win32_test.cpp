// The tray icon over the real shell of Wine: callbacks routed to the tray object,
// menu operations on a real menu resource, minimise to and restore from the tray.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "controls/system_tray.h"
#include "controls/system_tray_win32.h"

namespace {

struct Target {
    HWND hwnd = nullptr;
    std::vector<WPARAM> commands;
};

LRESULT CALLBACK targetProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_NCCREATE)
        SetWindowLongPtrA(w, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
    auto* t = reinterpret_cast<Target*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    if (t && m == WM_COMMAND) t->commands.push_back(wp);
    return DefWindowProcA(w, m, wp, lp);
}

HWND makeWindow(Target* target, DWORD style) {
    WNDCLASSA wc{};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), "TrayTestTarget", &wc)) {
        wc.lpfnWndProc = targetProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TrayTestTarget";
        RegisterClassA(&wc);
    }
    return CreateWindowExA(0, "TrayTestTarget", "target", style, 10, 10, 200, 150, nullptr, nullptr,
                           GetModuleHandleA(nullptr), target);
}

struct TrayWin32 : ::testing::Test {
    TrayShellWin32 shell;
    CSystemTray tray{shell, [](const std::string&, const std::string& d) { return d; }};
    Target target;
    void SetUp() override {
        shell.attach(&tray);
        target.hwnd = makeWindow(&target, WS_OVERLAPPEDWINDOW);
        tray.SetTargetWindow(reinterpret_cast<TrayShell::Handle>(target.hwnd));
    }
    void TearDown() override { DestroyWindow(target.hwnd); }
    bool create() {
        return tray.Create(0, 0x800A, "WLAN Monitor", tray.LoadIcon(32512), 154, false, "", "Title", 2, 20);
    }
};

TEST_F(TrayWin32, CallbackDoubleClickSendsTheDefaultCommandToTheTarget) {
    create();   // whether the shell took the icon or not, the callback window exists
    ASSERT_NE(tray.Window(), 0u);
    tray.SetMenuDefaultItem(32771, false);
    HWND trayWindow = reinterpret_cast<HWND>(tray.Window());
    EXPECT_EQ(SendMessageA(trayWindow, 0x800A, 154, WM_LBUTTONDBLCLK), 1);
    ASSERT_EQ(target.commands.size(), 1u);
    EXPECT_EQ(target.commands[0], 32771u);

    // By position: the id of the item at that position of the menu resource.
    tray.SetMenuDefaultItem(5, true);
    SendMessageA(trayWindow, 0x800A, 154, WM_LBUTTONDBLCLK);
    ASSERT_EQ(target.commands.size(), 2u);
    EXPECT_EQ(target.commands[1], 32773u);

    EXPECT_EQ(SendMessageA(trayWindow, 0x800A, 155, WM_LBUTTONDBLCLK), 0);   // not our icon
    EXPECT_EQ(target.commands.size(), 2u);
}

TEST_F(TrayWin32, AddModifyAndDeleteReachTheShell) {
    if (!create()) GTEST_SKIP() << "this Wine has no notification area to add to";
    EXPECT_FALSE(tray.IsPending());
    EXPECT_TRUE(tray.SetTooltipText(std::string(200, 'x')));
    EXPECT_EQ(tray.GetTooltipText().size(), 127u);
    EXPECT_TRUE(tray.SetIcon(32516));
    EXPECT_TRUE(tray.RemoveIcon());
    EXPECT_TRUE(tray.IsRemoved());
    EXPECT_TRUE(tray.ShowIcon());
    EXPECT_FALSE(tray.IsHidden());
}

TEST_F(TrayWin32, MenuOperationsWorkOnTheResourceMenu) {
    TrayShell::Handle popup = shell.loadPopupMenu(154);
    ASSERT_NE(popup, 0u);
    EXPECT_TRUE(shell.hasMenuItem(popup, 32773));
    EXPECT_FALSE(shell.hasMenuItem(popup, 32772));
    shell.setMenuItemText(popup, 32773, "Beenden");
    char text[32] = {};
    GetMenuStringA(reinterpret_cast<HMENU>(popup), 32773, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "Beenden");
    EXPECT_EQ(shell.menuItemId(popup, 5), 32773u);
    shell.setMenuDefaultItem(popup, 5, true);
    EXPECT_EQ(GetMenuDefaultItem(reinterpret_cast<HMENU>(popup), FALSE, 0), 32773u);

    // The status line stays greyed after its text changes; the profiles replace the
    // placeholder of their submenu, the one in force checked.
    HMENU menu = reinterpret_cast<HMENU>(popup);
    shell.setMenuItemText(popup, 32780, "HomeNet - 72 %");
    shell.disableMenuItem(popup, 32780);
    EXPECT_TRUE(GetMenuState(menu, 32780, MF_BYCOMMAND) & MF_GRAYED);
    shell.fillSubmenu(popup, 32800, "Profile", {{32800, "Office", false}, {32801, "Cafe", true}});
    HMENU sub = GetSubMenu(menu, 3);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(GetMenuItemCount(sub), 2);
    EXPECT_EQ(GetMenuItemID(sub, 1), 32801u);
    EXPECT_TRUE(GetMenuState(sub, 32801, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(sub, 32800, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED));
    GetMenuStringA(menu, 3, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Profile");
    shell.destroyMenu(popup);
    EXPECT_EQ(shell.loadPopupMenu(999), 0u);   // no such menu
}

TEST_F(TrayWin32, MinimiseHidesTheWindowAndRestoreBringsItBackTopLevel) {
    HWND w = target.hwnd;
    ShowWindow(w, SW_SHOW);
    ASSERT_TRUE(IsWindowVisible(w));
    tray.MinimiseToTray(reinterpret_cast<TrayShell::Handle>(w));
    EXPECT_FALSE(IsWindowVisible(w));
    tray.MaximiseFromTray(reinterpret_cast<TrayShell::Handle>(w));
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(GetParent(w), nullptr);
}

TEST_F(TrayWin32, TrayAreaLiesWithinTheTaskbarOrTheWorkArea) {
    TrayRect r = tray.FindTrayArea();
    RECT outer{};
    if (HWND bar = FindWindowA("Shell_TrayWnd", nullptr))
        GetWindowRect(bar, &outer);   // Wine's may have no size at all: then neither has the area
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &outer, 0);
    EXPECT_GE(r.left, outer.left);
    EXPECT_GE(r.top, outer.top);
    EXPECT_LE(r.right, outer.right);
    EXPECT_LE(r.bottom, outer.bottom);
    EXPECT_LE(r.left, r.right);
    EXPECT_LE(r.top, r.bottom);
}

}  // namespace
