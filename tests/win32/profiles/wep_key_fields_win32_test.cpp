// The WEP key fields over real edit controls: the text limit, the change notification
// that re-enters the handler when it deletes a character, masking, and the same
// behaviour from the control double the host tests rely on.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/controls_win32.h"
#include "profiles/wep_key_fields.h"
#include "support/fake_controls.h"
#include "support/fake_desktop.h"

namespace {

// A plain window holding the key controls, routing their notifications as the pages do.
class KeyWindow {
public:
    KeyWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &KeyWindow::proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "LumoraKeyFieldsTest";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(0, wc.lpszClassName, "keys", WS_OVERLAPPEDWINDOW, 0, 0, 500, 400, nullptr, nullptr,
                               wc.hInstance, this);
        for (int n = 1; n <= 4; ++n) {
            child("EDIT", WS_BORDER | ES_AUTOHSCROLL, WepKeyId::edit(n), 10, 10 + 30 * n);
            child("COMBOBOX", CBS_DROPDOWNLIST, WepKeyId::sizeList(n), 250, 10 + 30 * n);
            controls.addItem(WepKeyId::sizeList(n), kSize64Text);
            controls.addItem(WepKeyId::sizeList(n), kSize128Text);
            controls.setSelectionIndex(WepKeyId::sizeList(n), 0);
        }
        child("COMBOBOX", CBS_DROPDOWNLIST, WepKeyId::Format, 250, 200);
        controls.addItem(WepKeyId::Format, kFormatHexText);
        controls.addItem(WepKeyId::Format, kFormatAsciiText);
        controls.setSelectionIndex(WepKeyId::Format, 0);
        child("STATIC", 0, WepKeyId::Remark, 10, 250);
        child("EDIT", WS_BORDER, 9999, 10, 300);
        // Never shown: focus and notifications work without it, and mapping a window
        // under Xvfb costs two seconds a test.
        SetFocus(GetDlgItem(hwnd, 9999));
        wired = true;
    }
    ~KeyWindow() { DestroyWindow(hwnd); }

    void type(int id, const std::string& text) {
        SetFocus(GetDlgItem(hwnd, id));
        for (char ch : text) SendMessageA(GetDlgItem(hwnd, id), WM_CHAR, static_cast<unsigned char>(ch), 1);
    }
    std::string text(int n) { return controls.getText(WepKeyId::edit(n)); }

    HWND hwnd = nullptr;
    ControlsWin32 controls;
    FakeDesktop desktop;
    KeyCheckGuard guard;
    WepKeyFields fields{controls, desktop, guard};
    bool wired = false;
    int changes = 0;

private:
    void child(const char* cls, DWORD style, int id, int x, int y) {
        CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, 220, 120, hwnd,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    }
    static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<KeyWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            self->controls.setDialog(hwnd);
        }
        auto* self = reinterpret_cast<KeyWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (message == WM_COMMAND && self && self->wired) {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            const int n = WepKeyId::keyOfEdit(id);
            if (n != 0 && code == EN_CHANGE) {
                ++self->changes;
                self->fields.onKeyChange(n);
            }
            if (n != 0 && code == EN_SETFOCUS) self->fields.onKeyFocus(n);
            if (id == WepKeyId::Format && code == CBN_SELCHANGE) self->fields.onFormatChange();
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
};

TEST(WepKeyFieldsWin32, TypingALetterBeepsAndLeavesTheDigits) {
    KeyWindow w;
    w.type(WepKeyId::edit(1), "12G");
    EXPECT_EQ(w.text(1), "12");
    EXPECT_EQ(w.desktop.beeps, 1);
    EXPECT_EQ(w.controls.textLimit(WepKeyId::edit(1)), 10);
    w.type(WepKeyId::edit(1), "3456789ABC");
    EXPECT_EQ(w.text(1), "123456789A");
}

TEST(WepKeyFieldsWin32, SettingABadTextLeavesTheDigitsBeforeIt) {
    KeyWindow w;
    w.controls.setFocus(WepKeyId::edit(2));
    w.controls.setText(WepKeyId::edit(2), "12G456789");  // the edit reports this as a change
    EXPECT_EQ(w.text(2), "12");
    EXPECT_EQ(w.desktop.beeps, 7);
    EXPECT_EQ(w.changes, 2) << "the text set, then its tail dropped in one edit";
}

// A long stored key put into the edit by the program: the check's deletion comes back
// as EN_CHANGE, and the check must neither nest nor give up before the digits remain.
TEST(WepKeyFieldsWin32, ALongTextSetByTheProgramEndsAsTheDigitsBeforeTheBadCharacter) {
    KeyWindow w;
    std::string key = "3D8F";
    key += '-';
    while (key.size() < 2000) key += "0123456789ABCDEFabcdef"[key.size() % 22];
    w.controls.setText(WepKeyId::edit(1), key);
    EXPECT_EQ(w.text(1), "3D8F");
    EXPECT_EQ(w.desktop.beeps, 1996);
    EXPECT_EQ(w.changes, 2) << "the deletion is reported; the check ignored its own";
    // Still running and still checking: the window answers and typing follows the rules.
    ASSERT_TRUE(IsWindow(w.hwnd));
    w.type(WepKeyId::edit(1), "9q");
    EXPECT_EQ(w.text(1), "3D8F9");
    EXPECT_EQ(w.desktop.beeps, 1997);
}

TEST(WepKeyFieldsWin32, ALowerLimitDoesNotShortenTheText) {
    KeyWindow w;
    w.controls.setSelectionIndex(WepKeyId::sizeList(3), 1);
    w.type(WepKeyId::edit(3), "0123456789ABCDEF");
    w.controls.setSelectionIndex(WepKeyId::sizeList(3), 0);
    w.controls.setFocus(9999);
    w.controls.setFocus(WepKeyId::edit(3));
    EXPECT_EQ(w.controls.textLimit(WepKeyId::edit(3)), 10);
    EXPECT_EQ(w.text(3), "0123456789ABCDEF");
    w.controls.setSelection(WepKeyId::edit(3), 16, 16);  // caret at the end, nothing selected
    w.type(WepKeyId::edit(3), "1");
    EXPECT_EQ(w.text(3), "0123456789ABCDEF") << "no typing past the limit";
}

TEST(WepKeyFieldsWin32, MaskingAndRevealing) {
    KeyWindow w;
    w.type(WepKeyId::edit(4), "AB");
    w.fields.mask();
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(w.controls.passwordChar(WepKeyId::edit(n)), '*') << n;
    EXPECT_EQ(w.text(4), "AB");
    w.type(WepKeyId::edit(4), "C");
    EXPECT_EQ(w.controls.passwordChar(WepKeyId::edit(4)), 0);
    EXPECT_EQ(w.controls.passwordChar(WepKeyId::edit(1)), '*');
}

TEST(WepKeyFieldsWin32, AsciiLimitAndTheRemark) {
    KeyWindow w;
    w.controls.setSelectionIndex(WepKeyId::Format, 1);
    w.fields.onFormatChange();
    EXPECT_FALSE(w.controls.isVisible(WepKeyId::Remark));
    w.type(WepKeyId::edit(1), "Hello!");
    EXPECT_EQ(w.text(1), "Hello");
    EXPECT_EQ(w.desktop.beeps, 0);
    w.controls.setSelectionIndex(WepKeyId::Format, 0);
    w.fields.onFormatChange();
    EXPECT_TRUE(w.controls.isVisible(WepKeyId::Remark));
}

// The control double of the host tests answers these the same way.
TEST(WepKeyFieldsWin32, ComboSelectionBeyondTheItemsFailsAndKeepsIt) {
    KeyWindow w;
    EXPECT_FALSE(w.controls.setSelectionIndex(WepKeyId::sizeList(1), 5));
    EXPECT_EQ(w.controls.selection(WepKeyId::sizeList(1)), 0);
    EXPECT_FALSE(w.controls.setSelectionIndex(WepKeyId::sizeList(1), -1));
    EXPECT_EQ(w.controls.selection(WepKeyId::sizeList(1)), -1);
}

TEST(WepKeyFieldsWin32, EditLimitsMatchTheControlDouble) {
    KeyWindow w;
    EXPECT_EQ(w.controls.textLimit(9999), FakeControls::kDefaultEditLimit);
    w.controls.limitText(9999, 0);
    EXPECT_EQ(w.controls.textLimit(9999), FakeControls::kMaximumEditLimit);
}

TEST(WepKeyFieldsWin32, FocusSelectsAllAndTypingReplacesIt) {
    KeyWindow w;
    w.type(WepKeyId::edit(1), "0123456789");
    w.controls.setFocus(9999);
    w.type(WepKeyId::edit(1), "A");
    EXPECT_EQ(w.text(1), "A");
}

}  // namespace
