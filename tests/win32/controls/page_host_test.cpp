// The main window's page host and the header row over real windows: pages created from
// their templates, switched, and a header click travelling from a page to the window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/hover_bitmap_button.h"
#include "platform/control_window_win32.h"
#include "controls/page_base.h"
#include "controls/page_host.h"
#include "platform/dialog_host_win32.h"
#include "resources/resource_ids.h"
#include "win32_support.h"

namespace {

// Records the hooks a user's tab change runs.
class RecordingHost : public PageHost {
public:
    std::vector<std::string> calls;

protected:
    void OnPageActivated(int p, uint32_t) override { calls.push_back("on " + std::to_string(p)); }
    void OnPageDeactivating(int p, uint32_t) override { calls.push_back("off " + std::to_string(p)); }
};

class Window : public Dialog {
public:
    Window() : Dialog(IDD_MAIN_WINDOW) {}
    RecordingHost host;
    std::vector<std::unique_ptr<PageBase>> pages;
    std::vector<int> commands;
    bool OnInitDialog() override {
        window()->attachControl(IDC_PAGE_HOST, host);
        const int ids[] = {IDD_LINK_INFO_PAGE, IDD_CONFIGURATION_PAGE, IDD_SECURITY_PAGE, IDD_SITE_SURVEY_PAGE,
                           IDD_ABOUT_PAGE, IDD_WIZARD_WELCOME_PAGE, IDD_WIZARD_SETUP_PAGE, IDD_WIZARD_TEST_PAGE};
        const char* titles[] = {"Link Info.", "Configuration", "Security", "SiteSurvey", "About", "Wizard", "Wizard", "Wizard"};
        HWND tabs = GetDlgItem(reinterpret_cast<HWND>(window()->ref()), IDC_PAGE_HOST);
        SetWindowPos(tabs, nullptr, -4, 75, 670, 600, SWP_NOZORDER | SWP_NOACTIVATE);
        for (int i = 0; i < 8; ++i) {
            pages.push_back(std::make_unique<PageBase>(ids[i]));
            if (!window()->createChild(*pages.back())) return true;
            host.AddPage(titles[i], static_cast<uint32_t>(i), pages.back().get());
        }
        return true;
    }
    bool OnCommand(int id, int) override {
        commands.push_back(id);
        return true;
    }
};

HWND pageWindow(PageBase& page) { return reinterpret_cast<HWND>(page.window()->ref()); }

struct MainWindow : ::testing::Test {
    Window main;
    DialogHost host{main};
    HWND hwnd = nullptr;
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES};
        InitCommonControlsEx(&icc);
        hwnd = host.createModeless(nullptr);
        ASSERT_NE(nullptr, hwnd);
        ASSERT_EQ(8, main.host.GetPageCount());
    }
    void TearDown() override { host.destroy(); }
};

TEST_F(MainWindow, EightPagesOnlyTheFirstVisiblePlacedInsideTheHost) {
    EXPECT_TRUE(IsWindowVisible(pageWindow(*main.pages[0])) || !IsWindowVisible(hwnd));
    EXPECT_NE(0, GetWindowLongA(pageWindow(*main.pages[0]), GWL_STYLE) & WS_VISIBLE);
    for (int i = 1; i < 8; ++i) EXPECT_EQ(0, GetWindowLongA(pageWindow(*main.pages[static_cast<size_t>(i)]), GWL_STYLE) & WS_VISIBLE);
    RECT r{};
    GetWindowRect(pageWindow(*main.pages[0]), &r);
    MapWindowPoints(nullptr, GetDlgItem(hwnd, IDC_PAGE_HOST), reinterpret_cast<POINT*>(&r), 2);
    const Rect expected = main.host.PagePlacement(0);
    EXPECT_EQ(expected.left, r.left);
    EXPECT_EQ(expected.top, r.top);
    EXPECT_EQ(662, r.right - r.left);
    EXPECT_EQ(expected.height(), r.bottom - r.top);
    EXPECT_EQ(4, expected.top);  // tabs at the bottom
}

TEST_F(MainWindow, SelectingAPageShowsItAndHidesTheOther) {
    EXPECT_TRUE(main.host.SelectPage(4));
    EXPECT_EQ(0, GetWindowLongA(pageWindow(*main.pages[0]), GWL_STYLE) & WS_VISIBLE);
    EXPECT_NE(0, GetWindowLongA(pageWindow(*main.pages[4]), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(4, TabCtrl_GetCurSel(GetDlgItem(hwnd, IDC_PAGE_HOST)));
    EXPECT_FALSE(main.host.SelectPage(8));
    EXPECT_EQ(4, main.host.GetCurrentPosition());
}

TEST_F(MainWindow, AHeaderClickOnAPageReachesTheMainWindowAsItsCommand) {
    HWND page = pageWindow(*main.pages[0]);
    HWND header = GetDlgItem(page, IDC_HEADER_SECURITY);
    ASSERT_NE(nullptr, header);
    // The static's own click notification, as the header picture sends it.
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_HEADER_SECURITY, STN_CLICKED), reinterpret_cast<LPARAM>(header));
    ASSERT_FALSE(main.commands.empty());
    EXPECT_EQ(IDC_HEADER_SECURITY, main.commands.back());
    // A page's own command stays on the page.
    main.commands.clear();
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_HIDE_BUTTON, BN_CLICKED), 0);
    EXPECT_TRUE(main.commands.empty());
}

TEST_F(MainWindow, HoverButtonSwapsTheHeaderPictureWithTheMouse) {
    HWND page = pageWindow(*main.pages[0]);
    HoverBitmapButton security;
    ASSERT_TRUE(main.pages[0]->window()->attachControl(IDC_HEADER_SECURITY, security));
    ASSERT_TRUE(security.LoadBitmaps(IDB_HEADER_SECURITY, IDB_HEADER_SECURITY_HOVER, IDB_HEADER_SECURITY));
    EXPECT_FALSE(security.LoadBitmaps(IDB_HEADER_SECURITY, 4321, -1));
    ASSERT_TRUE(security.LoadBitmaps(IDB_HEADER_SECURITY, IDB_HEADER_SECURITY_HOVER, IDB_HEADER_SECURITY));
    HWND header = GetDlgItem(page, IDC_HEADER_SECURITY);
    security.ShowNormal();
    LRESULT normal = SendMessageA(header, STM_GETIMAGE, IMAGE_BITMAP, 0);
    SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    LRESULT hover = SendMessageA(header, STM_GETIMAGE, IMAGE_BITMAP, 0);
    EXPECT_EQ(HoverBitmapButton::Look::Hover, security.GetLook());
    EXPECT_NE(normal, hover);
    EXPECT_NE(0, hover);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(HoverBitmapButton::Look::Pressed, security.GetLook());
    SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(HoverBitmapButton::Look::Hover, security.GetLook());
    security.ShowNormal();
    EXPECT_EQ(normal, SendMessageA(header, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

TEST(SharedBitmaps, OneObjectPerResourceDeletedWithItsLastUser) {
    HWND one = CreateWindowExA(0, "Static", "", WS_POPUP | SS_BITMAP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND two = CreateWindowExA(0, "Static", "", WS_POPUP | SS_BITMAP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CustomControl first, second;
    ControlWindowWin32 a(one, first, GetModuleHandleA(nullptr)), b(two, second, GetModuleHandleA(nullptr));
    const BitmapRef x = a.loadBitmap(IDB_HEADER_SECURITY);
    const BitmapRef y = b.loadBitmap(IDB_HEADER_SECURITY);
    const BitmapRef z = a.loadBitmap(IDB_HEADER_SECURITY_HOVER);
    ASSERT_NE(0u, x);
    EXPECT_EQ(x, y);
    EXPECT_NE(x, z);
    BITMAP info{};
    a.freeBitmap(x);
    EXPECT_NE(0, GetObjectA(reinterpret_cast<HBITMAP>(y), sizeof info, &info));   // still b's
    b.freeBitmap(y);
    EXPECT_EQ(0, GetObjectA(reinterpret_cast<HBITMAP>(y), sizeof info, &info));   // gone with its last user
    a.freeBitmap(z);
    EXPECT_EQ(0, GetObjectA(reinterpret_cast<HBITMAP>(z), sizeof info, &info));

    // The picture a template gave the static is handed back when ours replaces it, and
    // deleted; ours, replaced in turn, stays alive for its users.
    HBITMAP fromTemplate = CreateBitmap(4, 4, 1, 32, nullptr);
    SendMessageA(one, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(fromTemplate));
    const BitmapRef normal = a.loadBitmap(IDB_HEADER_SECURITY), hover = a.loadBitmap(IDB_HEADER_SECURITY_HOVER);
    a.showBitmap(normal);
    EXPECT_EQ(0, GetObjectA(fromTemplate, sizeof info, &info));
    a.showBitmap(hover);
    a.showBitmap(normal);
    EXPECT_NE(0, GetObjectA(reinterpret_cast<HBITMAP>(hover), sizeof info, &info));
    EXPECT_EQ(LRESULT(normal), SendMessageA(one, STM_GETIMAGE, IMAGE_BITMAP, 0));
    a.freeBitmap(normal);
    a.freeBitmap(hover);
    DestroyWindow(one);
    DestroyWindow(two);
}

TEST_F(MainWindow, AUserTabChangeReachesTheHostThroughReflectedNotifications) {
    HWND tabs = GetDlgItem(hwnd, IDC_PAGE_HOST);
    // Moving the focus tab the way a click does makes the tab control notify its parent.
    SendMessageA(tabs, TCM_SETCURFOCUS, 2, 0);
    EXPECT_EQ(2, main.host.GetCurrentPosition());
    EXPECT_EQ((std::vector<std::string>{"off 0", "on 2"}), main.host.calls);
    EXPECT_NE(0, GetWindowLongA(pageWindow(*main.pages[2]), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(0, GetWindowLongA(pageWindow(*main.pages[0]), GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(main.commands.empty());  // the notifications stop at the host
}

TEST_F(MainWindow, SwitchingAwayAndBackRestoresTheFocusedControl) {
    ShowWindow(hwnd, SW_SHOW);
    HWND page = pageWindow(*main.pages[0]);
    HWND first = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 20, 100, 80, 20, page,
                                 reinterpret_cast<HMENU>(1006), GetModuleHandleA(nullptr), nullptr);
    HWND second = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 20, 130, 80, 20, page,
                                  reinterpret_cast<HMENU>(1007), GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(first && second);
    SetFocus(second);
    ASSERT_EQ(second, GetFocus());
    ASSERT_TRUE(main.host.SelectPage(3));
    EXPECT_EQ(reinterpret_cast<WindowRef>(second), main.host.GetFocusWindow(0));
    SetFocus(first);  // somewhere else meanwhile
    ASSERT_TRUE(main.host.SelectPage(0));
    EXPECT_EQ(second, GetFocus());
}

TEST_F(MainWindow, EnterAndEscapeOnAPageDoNotClosePages) {
    HWND page = pageWindow(*main.pages[1]);
    SendMessageA(page, WM_COMMAND, IDOK, 0);
    SendMessageA(page, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(IsWindow(page));
    EXPECT_TRUE(main.commands.empty());
}

}  // namespace
