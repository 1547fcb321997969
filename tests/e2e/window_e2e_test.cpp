// Lumora.exe under Wine as a user first meets it: the main window minimised and shown
// again, every page walked with the Tab key, Enter and Escape on the Configuration
// page, and every page at 96, 120 and 144 DPI with nothing cut off. Each step starts
// its own program run (the DPI is read when a program starts) and waits for conditions,
// never for a fixed time.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "lumora_process.h"
#include "resources/resource_ids.h"

using namespace lumora_e2e;

namespace {

const char kDesktopKey[] = "Control Panel\\Desktop";

// The pages in the order of their header commands; the wizard's steps 2 and 3 are
// reached with Next.
struct PageVisit {
    int index;
    WPARAM command;
};
const PageVisit kPages[] = {
    {0, IDC_HEADER_LINK_INFO}, {1, IDC_HEADER_CONFIG}, {2, IDC_HEADER_SECURITY}, {3, IDC_HEADER_SITE_SURVEY},
    {4, IDC_HEADER_ABOUT},     {5, IDC_HEADER_WIZARD}, {6, IDC_WIZARD_NEXT},     {7, IDC_WIZARD_NEXT},
};

// The screen's DPI for the programs started while it lives (a fresh prefix has none set).
struct ScreenDpi {
    explicit ScreenDpi(DWORD dpi)
        : set(SHSetValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", REG_DWORD, &dpi, sizeof dpi) == ERROR_SUCCESS) {}
    ~ScreenDpi() { SHDeleteValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels"); }
    const bool set;
};

// The controls of `dialog` a mouse can press: picture buttons and push buttons.
std::vector<HWND> PressableButtons(HWND dialog) {
    std::vector<HWND> out;
    for (HWND w = GetWindow(dialog, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        char cls[32] = {};
        GetClassNameA(w, cls, sizeof cls);
        const LONG style = GetWindowLongA(w, GWL_STYLE), kind = style & BS_TYPEMASK;
        const bool button = lstrcmpiA(cls, "Static") == 0 ? (style & SS_NOTIFY) != 0
                                                          : lstrcmpiA(cls, "Button") == 0 &&
                                                                (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON);
        if (button && IsWindowVisible(w) && IsWindowEnabled(w)) out.push_back(w);
    }
    return out;
}

class WindowEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        run = std::make_unique<LumoraRun>("window_e2e");
        // The product's adapter and the open network the factory settings join.
        run->WriteScenario(
                      "[Driver]\nAssociationDelay=200\n"
                      "[Adapter product]\nDescription=Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter\n"
                      "DeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\nMac=00:A0:C5:4E:21:7B\n"
                      "[Network vexa]\nSsid=vexa\nChannel=10\n");
        RemoveAllSettings();
        // The wizard's last step runs the connection test: it gets an answer at once.
        WriteSetting("Settings", "InternetCheckUrl", "http://127.0.0.1:9/");
    }
    static void TearDownTestSuite() {
        run.reset();
        RemoveAllSettings();
    }
    void TearDown() override { run->Exit(); }

    // A program run with the adapter chosen and the window shown.
    void StartShown() {
        ASSERT_TRUE(run->Start()) << "the main window never appeared";
        main = run->main;
        ASSERT_TRUE(run->WaitForAdapter()) << "the poll never found the adapter";
        Show();
    }
    void Show() {
        PostMessageA(main, WM_COMMAND, ID_TRAY_SHOW, 0);
        ASSERT_TRUE(WaitFor([this] { return IsWindowVisible(main) && !IsIconic(main); }));
    }
    int CurrentPage() const { return run->CurrentPage(); }
    HWND VisiblePage() const { return lumora_e2e::VisiblePage(main); }
    void Open(const PageVisit& p) {
        PostMessageA(main, WM_COMMAND, p.command, 0);
        ASSERT_TRUE(WaitFor([&] { return CurrentPage() == p.index && VisiblePage() != nullptr; })) << p.index;
    }
    HWND Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) ? info.hwndFocus : nullptr;
    }
    // A key as the keyboard delivers it: to the window with the focus, through the
    // program's own message loop (and so its dialog manager).
    void Key(WPARAM key) {
        HWND to = Focus();
        PostMessageA(to, WM_KEYDOWN, key, 1);
        PostMessageA(to, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
    }

    // Tab from the focus round to it again: every stop visible and inside `dialog`, and
    // every button a mouse could press there met exactly once.
    void ExpectTabReachesEveryButtonOnce(HWND dialog, size_t atLeast) {
        const HWND first = Focus();
        std::vector<HWND> cycle{first};
        for (int presses = 0; presses < 64; ++presses) {
            const HWND before = Focus();
            Key(VK_TAB);
            ASSERT_TRUE(WaitFor([&] { return Focus() != before; })) << "Tab left the focus where it was";
            if (Focus() == first) break;
            cycle.push_back(Focus());
        }
        ASSERT_EQ(Focus(), first) << "Tab never came back round";
        std::map<HWND, int> reached;
        for (HWND w : cycle) {
            ++reached[w];
            EXPECT_TRUE(IsWindowVisible(w)) << "Tab stopped on a control no one can see";
            EXPECT_TRUE(IsChild(dialog, w)) << "Tab left the dialog";
        }
        const std::vector<HWND> buttons = PressableButtons(dialog);
        EXPECT_GE(buttons.size(), atLeast);
        for (HWND b : buttons) EXPECT_EQ(reached[b], 1) << "button " << GetDlgCtrlID(b);
    }

    static std::unique_ptr<LumoraRun> run;
    HWND main = nullptr;
};

std::unique_ptr<LumoraRun> WindowEndToEnd::run;

TEST_F(WindowEndToEnd, MinimiseGoesToTheTrayAndShowAlwaysBringsTheWindowBack) {
    ASSERT_NO_FATAL_FAILURE(StartShown());
    // The title bar's minimise box: the window leaves the screen for the tray...
    PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitFor([this] { return !IsWindowVisible(main); }));
    EXPECT_TRUE(run->Running());
    // ...and the tray's Show brings it back at its size.
    ASSERT_NO_FATAL_FAILURE(Show());
    RECT r{};
    GetWindowRect(main, &r);
    EXPECT_GT(r.right - r.left, GetSystemMetrics(SM_CXMIN));

    // Minimised some other way (the shell's minimise-all): Show still restores it.
    ShowWindowAsync(main, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([this] { return IsIconic(main) != FALSE; }));
    ASSERT_NO_FATAL_FAILURE(Show());
    EXPECT_FALSE(IsIconic(main));
}

TEST_F(WindowEndToEnd, TabReachesEveryButtonOfEveryPageOnce) {
    ASSERT_NO_FATAL_FAILURE(StartShown());
    for (const PageVisit& p : kPages) {
        SCOPED_TRACE(p.index);
        ASSERT_NO_FATAL_FAILURE(Open(p));
        HWND page = VisiblePage();
        // The page opens with the focus on one of its own controls.
        ASSERT_TRUE(WaitFor([&] { return Focus() && IsChild(page, Focus()); }));
        ASSERT_NO_FATAL_FAILURE(ExpectTabReachesEveryButtonOnce(page, 5));   // the header row at least
    }
}

TEST_F(WindowEndToEnd, TheProfileEditorTakesTabAndEscape) {
    ASSERT_NO_FATAL_FAILURE(StartShown());
    ASSERT_NO_FATAL_FAILURE(Open(kPages[3]));
    HWND page = VisiblePage();
    PostMessageA(page, WM_COMMAND, IDC_SURVEY_ADD, reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_SURVEY_ADD)));
    HWND editor = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        editor = GetAncestor(Focus(), GA_ROOT);
        return editor && editor != main && IsWindowVisible(editor);
    })) << "the editor never took the focus";
    ASSERT_NO_FATAL_FAILURE(ExpectTabReachesEveryButtonOnce(editor, 2));   // OK and Cancel
    Key(VK_ESCAPE);   // the editor's Cancel: closed, nothing stored
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(editor); }));
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(ReadSetting("FactoryDefault", "NextProfile"), "end");
}

TEST_F(WindowEndToEnd, EnterAppliesTheConfigurationAndEscapeCancelsIt) {
    ASSERT_NO_FATAL_FAILURE(StartShown());
    ASSERT_NO_FATAL_FAILURE(Open(kPages[1]));
    HWND page = VisiblePage();
    HWND ssid = GetDlgItem(page, IDC_CONFIG_SSID);
    ASSERT_TRUE(WaitFor([&] { return Focus() == ssid; })) << "the page opens with the focus in its first field";

    // Escape: the page's Cancel puts back what is in force; the program keeps running.
    SendMessageA(ssid, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed-then-cancelled"));
    Key(VK_ESCAPE);
    char text[64] = {};
    EXPECT_TRUE(WaitFor([&] {
        // Asked of the edit itself: another process's GetWindowText sees only its caption.
        SendMessageA(ssid, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return std::string(text) == "vexa";
    })) << text;
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_TRUE(run->Running());

    // Enter: the page's Apply stores the SSID in force and sends it to the adapter.
    SendMessageA(ssid, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("EnterNet"));
    run->log.Mark();
    Key(VK_RETURN);
    EXPECT_TRUE(WaitFor([] { return ReadSetting("ActiveSetting", "SSID") == "EnterNet"; }));
    // OID_802_11_SSID, set with the 36-byte record.
    EXPECT_TRUE(run->log.WaitForLine(ProductLine('S', "0D010102 36")));
    WriteSetting("ActiveSetting", "SSID", "vexa");
}

// Every visible control of every page inside the page, and the page inside the window's
// client area: at a larger DPI the dialog units grow, and so must the window.
TEST_F(WindowEndToEnd, EveryPageFitsTheWindowAt96And120And144Dpi) {
    for (DWORD dpi : {96u, 120u, 144u}) {
        SCOPED_TRACE(dpi);
        ScreenDpi screen(dpi);
        ASSERT_TRUE(screen.set);
        ASSERT_NO_FATAL_FAILURE(StartShown());
        RECT client{};
        GetClientRect(main, &client);
        MapWindowPoints(main, nullptr, reinterpret_cast<POINT*>(&client), 2);
        for (const PageVisit& p : kPages) {
            SCOPED_TRACE(p.index);
            ASSERT_NO_FATAL_FAILURE(Open(p));
            HWND page = VisiblePage();
            RECT area{};
            GetClientRect(page, &area);
            MapWindowPoints(page, nullptr, reinterpret_cast<POINT*>(&area), 2);
            IntersectRect(&area, &area, &client);   // what of the page can be seen
            int checked = 0;
            for (HWND w = GetWindow(page, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
                if (!IsWindowVisible(w)) continue;
                RECT r{};
                GetWindowRect(w, &r);
                EXPECT_TRUE(r.left >= area.left && r.top >= area.top && r.right <= area.right &&
                            r.bottom <= area.bottom)
                    << "control " << GetDlgCtrlID(w) << " reaches " << r.right << "," << r.bottom;
                ++checked;
            }
            EXPECT_GE(checked, 8);
        }
        TearDown();
    }
}

}  // namespace
