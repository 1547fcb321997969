// The Win32 dialog host over real windows: templates, message routing, reflection and
// the Controls binding.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/custom_control.h"
#include "platform/dialog.h"
#include "platform/dialog_host_win32.h"
#include "resources/resource_ids.h"

namespace {

void pump() {
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

class Recorder : public Dialog {
public:
    explicit Recorder(int templateId) : Dialog(templateId) {}
    int inits = 0;
    std::vector<std::pair<int, int>> commands;
    std::vector<unsigned> timers;
    int mouseMoves = 0;
    int destroyed = 0;
    int endOnInit = 0;

    bool OnInitDialog() override {
        ++inits;
        if (endOnInit != 0) window()->endDialog(endOnInit);
        return true;
    }
    bool OnCommand(int id, int code) override {
        commands.emplace_back(id, code);
        return id != IDCANCEL;
    }
    void OnTimer(unsigned id) override { timers.push_back(id); }
    void OnMouseMove(int, int) override { ++mouseMoves; }
    void OnDestroy() override { ++destroyed; }
};

// Takes WM_DRAWITEM and WM_CTLCOLORBTN for its control: what reflection must deliver.
class OwnerDrawn : public CustomControl {
public:
    std::vector<unsigned> reflected;
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    ~OwnerDrawn() override { DeleteObject(brush); }
    bool handleReflected(unsigned message, uintptr_t, intptr_t lParam, intptr_t& result) override {
        reflected.push_back(message);
        if (message == WM_DRAWITEM) {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            FillRect(item->hDC, &item->rcItem, brush);
            result = TRUE;
            return true;
        }
        if (message == WM_CTLCOLORBTN) {
            result = reinterpret_cast<intptr_t>(brush);
            return true;
        }
        return false;
    }
};

TEST(DialogHost, ModelessDialogFromItsTemplateGetsInitCommandsTimersAndMouse) {
    Recorder dialog(IDD_PROFILE_EDITOR);
    DialogHost host(dialog);
    HWND hwnd = host.createModeless(nullptr);
    ASSERT_NE(nullptr, hwnd);
    EXPECT_EQ(1, dialog.inits);
    EXPECT_EQ(&host, dialog.window());
    EXPECT_EQ(&host, DialogHost::fromWindow(hwnd));
    char caption[64] = {};
    GetWindowTextA(hwnd, caption, sizeof caption);
    EXPECT_STREQ("Property Page", caption);

    // A real click on the WEP check box arrives as a command with its id.
    SendDlgItemMessageA(hwnd, IDC_EDITOR_WEP, BM_CLICK, 0, 0);
    ASSERT_FALSE(dialog.commands.empty());
    EXPECT_EQ(std::make_pair(IDC_EDITOR_WEP, static_cast<int>(BN_CLICKED)), dialog.commands.back());

    host.sendCommand(1500, 3);
    EXPECT_EQ(std::make_pair(1500, 3), dialog.commands.back());

    ASSERT_TRUE(host.setTimer(7, 10));
    for (int i = 0; i < 200 && dialog.timers.empty(); ++i) {
        Sleep(10);
        pump();
    }
    host.killTimer(7);
    ASSERT_FALSE(dialog.timers.empty());
    EXPECT_EQ(7u, dialog.timers.front());

    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(1, dialog.mouseMoves);

    host.destroy();
    EXPECT_EQ(1, dialog.destroyed);
    EXPECT_EQ(nullptr, dialog.window());
    EXPECT_EQ(nullptr, host.hwnd());
}

TEST(DialogHost, ModalRunEndsWithTheGivenResult) {
    Recorder dialog(IDD_PROFILE_EDITOR);
    dialog.endOnInit = 42;
    DialogHost host(dialog);
    EXPECT_EQ(42, host.runModal(nullptr));
    EXPECT_EQ(1, dialog.inits);
    EXPECT_EQ(nullptr, dialog.window());
}

TEST(DialogHost, EscapeReachesOnCancelWhichEndsTheModalRun) {
    class CancelOnInit : public Recorder {
    public:
        CancelOnInit() : Recorder(IDD_PROFILE_EDITOR) {}
        bool OnInitDialog() override {
            PostMessageA(reinterpret_cast<HWND>(window()->ref()), WM_COMMAND, IDCANCEL, 0);
            return true;
        }
    } dialog;
    DialogHost host(dialog);
    EXPECT_EQ(IDCANCEL, host.runModal(nullptr));
}

// The modal run's own loop: the owner is disabled while it runs and enabled after, the
// dialog is shown once the queue first ran dry, timers reach it, and a quit ends the run
// and is handed on to the loop around it.
TEST(DialogHost, ModalRunDisablesItsOwnerShowsTheDialogAndHandsAQuitOn) {
    class Probe : public Recorder {
    public:
        Probe() : Recorder(IDD_PROFILE_EDITOR) {}
        HWND owner = nullptr;
        bool ownerEnabled = true, shown = false, quit = false;
        bool OnInitDialog() override {
            if (quit) PostQuitMessage(3);
            return window()->setTimer(1, 10);
        }
        void OnTimer(unsigned) override {
            ownerEnabled = IsWindowEnabled(owner) != FALSE;
            shown = IsWindowVisible(reinterpret_cast<HWND>(window()->ref())) != FALSE;
            window()->killTimer(1);
            window()->endDialog(7);
        }
    } dialog;
    dialog.owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, dialog.owner);
    {
        DialogHost host(dialog);
        EXPECT_EQ(7, host.runModal(dialog.owner));
    }
    EXPECT_FALSE(dialog.ownerEnabled);
    EXPECT_TRUE(dialog.shown);
    EXPECT_TRUE(IsWindowEnabled(dialog.owner));
    EXPECT_EQ(nullptr, dialog.window());

    dialog.quit = true;
    {
        DialogHost host(dialog);
        EXPECT_EQ(0, host.runModal(dialog.owner));
    }
    EXPECT_TRUE(IsWindowEnabled(dialog.owner));
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, msg.wParam);
    DestroyWindow(dialog.owner);
}

TEST(DialogHost, AMissingTemplateFails) {
    Recorder dialog(4321);
    DialogHost host(dialog);
    EXPECT_EQ(nullptr, host.createModeless(nullptr));
    EXPECT_EQ(0, dialog.inits);
}

TEST(DialogHost, DrawItemAndControlColoursGoBackToTheControlThatOwnsThem) {
    Recorder dialog(IDD_PROFILE_EDITOR);
    DialogHost host(dialog);
    HWND hwnd = host.createModeless(nullptr);
    ASSERT_NE(nullptr, hwnd);
    HWND button = CreateWindowExA(0, "Button", "x", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10, 40, 20, hwnd,
                                  reinterpret_cast<HMENU>(900), GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, button);
    OwnerDrawn control;
    ASSERT_TRUE(host.attachControl(900, control));
    EXPECT_FALSE(host.attachControl(901, control));  // no such control

    ShowWindow(hwnd, SW_SHOW);
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    pump();
    EXPECT_NE(control.reflected.end(), std::find(control.reflected.begin(), control.reflected.end(),
                                                 static_cast<unsigned>(WM_DRAWITEM)));

    // The brush answered through reflection is what the dialog returns.
    HDC dc = GetDC(button);
    LRESULT brush = SendMessageA(hwnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(button));
    ReleaseDC(button, dc);
    EXPECT_EQ(reinterpret_cast<LRESULT>(control.brush), brush);

    host.destroy();
}

TEST(DialogHost, DialogColoursPaintStaticsWhiteWithBlackText) {
    DialogHost::setDialogColours(RGB(255, 255, 255), RGB(0, 0, 0));
    Recorder dialog(IDD_PROFILE_EDITOR);
    DialogHost host(dialog);
    HWND hwnd = host.createModeless(nullptr);
    ASSERT_NE(nullptr, hwnd);
    HWND remark = GetDlgItem(hwnd, IDC_EDITOR_HEX_REMARK);
    HDC dc = GetDC(remark);
    SetTextColor(dc, RGB(9, 9, 9));
    LRESULT brush = SendMessageA(hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(remark));
    EXPECT_NE(0, brush);
    EXPECT_EQ(RGB(0, 0, 0), GetTextColor(dc));
    EXPECT_EQ(RGB(255, 255, 255), GetBkColor(dc));
    LOGBRUSH info{};
    GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof info, &info);
    EXPECT_EQ(RGB(255, 255, 255), info.lbColor);
    ReleaseDC(remark, dc);
    host.destroy();
}

struct RealControls : ::testing::Test {
    Recorder dialog{IDD_PROFILE_EDITOR};
    DialogHost host{dialog};
    HWND hwnd = nullptr;
    void SetUp() override { hwnd = host.createModeless(nullptr); ASSERT_NE(nullptr, hwnd); }
    void TearDown() override { host.destroy(); }
};

TEST_F(RealControls, EditTextLimitAndPasswordCharacter) {
    Controls& c = host.controls();
    c.setText(IDC_EDITOR_SSID, "HomeNet");
    EXPECT_EQ("HomeNet", c.getText(IDC_EDITOR_SSID));
    c.limitText(IDC_EDITOR_SSID, 32);
    EXPECT_EQ(32, c.textLimit(IDC_EDITOR_SSID));
    // The limit binds typing, not SetWindowText: replacing the selection obeys it.
    c.setText(IDC_EDITOR_PROFILE_NAME, "");
    c.limitText(IDC_EDITOR_PROFILE_NAME, 4);
    c.replaceSelection(IDC_EDITOR_PROFILE_NAME, "abcdef");
    EXPECT_EQ("abcd", c.getText(IDC_EDITOR_PROFILE_NAME));
    c.setPasswordChar(IDC_EDITOR_KEY1, '*');
    EXPECT_EQ('*', c.passwordChar(IDC_EDITOR_KEY1));
    c.setPasswordChar(IDC_EDITOR_KEY1, 0);
    EXPECT_EQ(0, c.passwordChar(IDC_EDITOR_KEY1));
    c.setText(IDC_EDITOR_KEY2, "0123456789");
    c.setSelection(IDC_EDITOR_KEY2, 2, 5);
    c.replaceSelection(IDC_EDITOR_KEY2, "");
    EXPECT_EQ("0156789", c.getText(IDC_EDITOR_KEY2));
}

// Counts the texts that reach an edit's own procedure.
struct SetTextCounter {
    static inline WNDPROC original = nullptr;
    static inline int sets = 0;
    static LRESULT CALLBACK proc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_SETTEXT) ++sets;
        return CallWindowProcA(original, w, message, wParam, lParam);
    }
    explicit SetTextCounter(HWND edit) {
        sets = 0;
        original = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(edit, GWLP_WNDPROC, LONG_PTR(&proc)));
    }
};

std::string askedText(HWND w) {
    char text[64] = {};
    SendMessageA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

TEST_F(RealControls, AShownTextWaitsWhileNobodyCanSeeTheEditUntilAnythingIsAskedOfIt) {
    Controls& c = host.controls();
    HWND ssid = GetDlgItem(hwnd, IDC_EDITOR_SSID);
    ASSERT_FALSE(IsWindowVisible(ssid));
    SetTextCounter counter(ssid);

    for (const char* text : {"N", "Ne", "Net"}) c.showText(IDC_EDITOR_SSID, text);
    EXPECT_EQ(0, counter.sets);
    EXPECT_EQ("Net", askedText(ssid));   // as another program reading it would
    EXPECT_EQ(1, counter.sets);
    EXPECT_EQ("Net", c.getText(IDC_EDITOR_SSID));

    // Back to what the edit holds before anyone looked: nothing to tell it.
    c.showText(IDC_EDITOR_SSID, "Other");
    c.showText(IDC_EDITOR_SSID, "Net");
    EXPECT_EQ("Net", askedText(ssid));
    EXPECT_EQ(1, counter.sets);

    // A text set meanwhile replaces the one held.
    c.showText(IDC_EDITOR_SSID, "Held");
    c.setText(IDC_EDITOR_SSID, "Set");
    EXPECT_EQ("Set", c.getText(IDC_EDITOR_SSID));
    EXPECT_EQ(2, counter.sets);

    // Shown, the edit paints the last text; from then on every text goes straight in.
    c.showText(IDC_EDITOR_SSID, "Shown");
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    EXPECT_EQ(3, counter.sets);
    char painted[64] = {};
    CallWindowProcA(SetTextCounter::original, ssid, WM_GETTEXT, sizeof painted, reinterpret_cast<LPARAM>(painted));
    EXPECT_STREQ("Shown", painted);
    c.showText(IDC_EDITOR_SSID, "Live");
    EXPECT_EQ(4, counter.sets);

    // Hidden again with a text held, then destroyed: nothing is told to a dying edit.
    ShowWindow(hwnd, SW_HIDE);
    c.showText(IDC_EDITOR_SSID, "Gone");
    host.destroy();
    EXPECT_EQ(4, counter.sets);
}

TEST_F(RealControls, ComboBoxItemsAndSelection) {
    Controls& c = host.controls();
    EXPECT_EQ(0, c.addItem(IDC_EDITOR_BSS_TYPE, "Infrastructure"));
    EXPECT_EQ(1, c.addItem(IDC_EDITOR_BSS_TYPE, "IBSS(Ad-Hoc)"));
    EXPECT_EQ(2, c.itemCount(IDC_EDITOR_BSS_TYPE));
    EXPECT_EQ("IBSS(Ad-Hoc)", c.itemText(IDC_EDITOR_BSS_TYPE, 1));
    EXPECT_EQ("", c.itemText(IDC_EDITOR_BSS_TYPE, 5));
    EXPECT_EQ(-1, c.selection(IDC_EDITOR_BSS_TYPE));
    EXPECT_TRUE(c.setSelectionIndex(IDC_EDITOR_BSS_TYPE, 1));
    EXPECT_EQ(1, c.selection(IDC_EDITOR_BSS_TYPE));
    EXPECT_FALSE(c.setSelectionIndex(IDC_EDITOR_BSS_TYPE, 7));
    EXPECT_EQ(1, c.findItemExact(IDC_EDITOR_BSS_TYPE, "IBSS(Ad-Hoc)"));
    EXPECT_EQ(-1, c.findItemExact(IDC_EDITOR_BSS_TYPE, "IBSS"));
    c.clearItems(IDC_EDITOR_BSS_TYPE);
    EXPECT_EQ(0, c.itemCount(IDC_EDITOR_BSS_TYPE));
}

TEST_F(RealControls, ChecksEnabledAndVisible) {
    Controls& c = host.controls();
    EXPECT_FALSE(c.isChecked(IDC_EDITOR_WEP));
    c.setChecked(IDC_EDITOR_WEP, true);
    EXPECT_TRUE(c.isChecked(IDC_EDITOR_WEP));
    c.setChecked(IDC_EDITOR_DEFAULT_KEY3, true);
    EXPECT_TRUE(c.isChecked(IDC_EDITOR_DEFAULT_KEY3));
    EXPECT_TRUE(c.isEnabled(IDC_EDITOR_KEY1));
    c.setEnabled(IDC_EDITOR_KEY1, false);
    EXPECT_FALSE(c.isEnabled(IDC_EDITOR_KEY1));
    EXPECT_FALSE(c.isVisible(IDC_EDITOR_HEX_REMARK));
    c.setVisible(IDC_EDITOR_HEX_REMARK, true);
    EXPECT_TRUE(c.isVisible(IDC_EDITOR_HEX_REMARK));
}

TEST_F(RealControls, UnknownIdsAreHarmless) {
    Controls& c = host.controls();
    c.setText(4444, "x");
    EXPECT_EQ("", c.getText(4444));
    EXPECT_EQ(-1, c.addItem(4444, "x"));
    EXPECT_EQ(-1, c.selection(4444));
    EXPECT_FALSE(c.setSelectionIndex(4444, 0));
    EXPECT_FALSE(c.isChecked(4444));
    // A list operation on an edit is not a list.
    EXPECT_EQ(-1, c.addItem(IDC_EDITOR_SSID, "x"));
}

}  // namespace
