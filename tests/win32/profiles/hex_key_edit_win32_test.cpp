// The hexadecimal key check over a real edit control: its deletions come back as change
// notifications while it runs, and those must find it busy instead of recursing.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/controls_win32.h"
#include "profiles/hex_key_edit.h"
#include "support/fake_desktop.h"

namespace {

constexpr int kKey = 1165;

class KeyEditWindow {
public:
    KeyEditWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &KeyEditWindow::proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "LumoraHexKeyEditTest";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(0, wc.lpszClassName, "key", WS_OVERLAPPEDWINDOW, 0, 0, 400, 200, nullptr, nullptr,
                               wc.hInstance, this);
        CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10, 10, 300, 24, hwnd,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kKey)), wc.hInstance, nullptr);
        wired = true;
    }
    ~KeyEditWindow() { DestroyWindow(hwnd); }

    HWND hwnd = nullptr;
    ControlsWin32 controls;
    FakeDesktop desktop;
    HexKeyEdit check;
    bool wired = false;
    int changes = 0, ignored = 0, depth = 0, deepest = 0;

private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<KeyEditWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            self->controls.setDialog(hwnd);
        }
        auto* self = reinterpret_cast<KeyEditWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (message == WM_COMMAND && self && self->wired && LOWORD(wParam) == kKey && HIWORD(wParam) == EN_CHANGE) {
            ++self->changes;
            if (self->check.busy()) ++self->ignored;
            self->deepest = std::max(self->deepest, ++self->depth);
            self->check.run(self->controls, self->desktop, kKey, 26, true);
            --self->depth;
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
};

TEST(HexKeyEditWin32, ALongBadTextShrinksInOneLoopOneBeepPerCharacter) {
    KeyEditWindow w;
    const std::string text = "AB" + std::string(1, 'x') + std::string(60, 'C');
    w.controls.setText(kKey, text);   // a change: the check runs
    EXPECT_EQ(w.controls.getText(kKey), "AB");
    EXPECT_EQ(w.desktop.beeps, 61);
    EXPECT_EQ(w.ignored, 61) << "every deletion came back as a change and was ignored";
    EXPECT_LE(w.deepest, 2) << "the handler never went deeper than its own deletion's notice";
    EXPECT_EQ(w.controls.textLimit(kKey), 26);
}

TEST(HexKeyEditWin32, DigitsAndTheEmptyTextPassWithoutABeep) {
    KeyEditWindow w;
    w.controls.setText(kKey, "0123456789abcdefABCDEF");
    w.controls.setText(kKey, "");
    EXPECT_EQ(w.desktop.beeps, 0);
    EXPECT_EQ(w.ignored, 0);
}

}  // namespace
