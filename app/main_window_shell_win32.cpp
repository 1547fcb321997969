#include "app/main_window_shell_win32.h"

#include <windows.h>

#include "platform/dialog.h"
#include "platform/dialog_host_win32.h"
#include "resources/resource_ids.h"

namespace {

HWND windowOf(Dialog* dialog) {
    if (!dialog) return nullptr;
    DialogHost* host = DialogHost::of(*dialog);
    return host ? host->hwnd() : nullptr;
}

HICON appIcon() {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APPLICATION_ICON),
                                         IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

}  // namespace

void MainWindowShellWin32::removeAppWindowStyle() {
    HWND w = windowOf(dialog_);
    if (!w) return;
    LONG ex = GetWindowLongA(w, GWL_EXSTYLE);
    SetWindowLongA(w, GWL_EXSTYLE, ex & ~LONG(WS_EX_APPWINDOW));
}

void MainWindowShellWin32::setBigIcon(int iconId) {
    HWND w = windowOf(dialog_);
    if (!w) return;
    HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON, 0, 0,
                             LR_DEFAULTSIZE | LR_SHARED);
    SendMessageA(w, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

void MainWindowShellWin32::placePageHost(const Rect& r) {
    HWND host = GetDlgItem(windowOf(dialog_), IDC_PAGE_HOST);
    if (!host) return;
    SetWindowPos(host, nullptr, r.left, r.top, r.width(), r.height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

bool MainWindowShellWin32::paintIconIfMinimised() {
    HWND w = windowOf(dialog_);
    if (!w || !IsIconic(w)) return false;
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(w, &ps);
    SendMessageA(w, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(w, &client);
    int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, appIcon());
    EndPaint(w, &ps);
    return true;
}

uintptr_t MainWindowShellWin32::dragIcon() { return reinterpret_cast<uintptr_t>(appIcon()); }
