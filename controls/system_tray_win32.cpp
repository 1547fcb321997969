#include "controls/system_tray_win32.h"

#include <shellapi.h>

#include <cstring>

#include "controls/system_tray.h"
#include "platform/dialog.h"
#include "platform/dialog_host_win32.h"

namespace {

const char kTrayWindowClass[] = "LumoraTrayWindow";
const char kParkingWindowClass[] = "LumoraTrayParking";

template <typename T>
T as(TrayShell::Handle h) {
    return reinterpret_cast<T>(h);
}

TrayShell::Handle handle(const void* p) { return reinterpret_cast<TrayShell::Handle>(p); }

RECT toRect(const TrayRect& r) {
    RECT out{};
    out.left = r.left;
    out.top = r.top;
    out.right = r.right;
    out.bottom = r.bottom;
    return out;
}

TrayRect fromRect(const RECT& r) { return TrayRect{r.left, r.top, r.right, r.bottom}; }

bool registerClass(const char* name, WNDPROC proc) {
    WNDCLASSA wc{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), name, &wc)) return true;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0;
}

BOOL CALLBACK collectChild(HWND child, LPARAM param) {
    auto* out = reinterpret_cast<std::vector<TrayShell::Child>*>(param);
    char name[128] = {};
    GetClassNameA(child, name, sizeof name);
    RECT r{};
    GetWindowRect(child, &r);
    out->push_back({name, fromRect(r)});
    return TRUE;
}

}  // namespace

TrayShellWin32::TrayShellWin32() { taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated"); }

TrayShellWin32::~TrayShellWin32() {
    for (auto& m : menus_) DestroyMenu(m.second);
}

bool TrayShellWin32::version(OSVERSIONINFOA& out) {
    out = OSVERSIONINFOA{};
    out.dwOSVersionInfoSize = sizeof out;
    return GetVersionExA(&out) != 0;
}

uint32_t TrayShellWin32::majorVersion() {
    OSVERSIONINFOA v;
    return version(v) ? v.dwMajorVersion : 0;
}

bool TrayShellWin32::isNT() {
    OSVERSIONINFOA v;
    return version(v) && v.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

LRESULT CALLBACK TrayShellWin32::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<TrayShellWin32*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self) return self->route(hwnd, message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT TrayShellWin32::route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (tray_) {
        if (message == tray_->CallbackMessage() && message != 0)
            return tray_->OnTrayNotification(uint32_t(wParam), uint32_t(lParam));
        if (message == taskbarCreated_ && taskbarCreated_ != 0) {
            tray_->OnTaskbarCreated();
            return 0;
        }
        if (message == WM_SETTINGCHANGE && wParam == SPI_SETWORKAREA) {
            tray_->OnWorkAreaChanged();
            return 0;
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TrayShell::Handle TrayShellWin32::createTrayWindow() {
    if (!registerClass(kTrayWindowClass, &TrayShellWin32::windowProc)) return 0;
    HWND w = CreateWindowExA(0, kTrayWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             GetModuleHandleA(nullptr), this);
    return handle(w);
}

void TrayShellWin32::destroyWindow(Handle window) {
    if (window) DestroyWindow(as<HWND>(window));
}

bool TrayShellWin32::notifyIcon(Notify what, const TrayIconRecord& r) {
    NOTIFYICONDATAA nid{};
    // The Windows 2000 layout (488 bytes): balloons and the hidden state, no GUID.
    nid.cbSize = NOTIFYICONDATAA_V2_SIZE;
    nid.hWnd = as<HWND>(r.window);
    nid.uID = r.id;
    nid.uFlags = r.flags;
    nid.uCallbackMessage = r.callbackMessage;
    nid.hIcon = as<HICON>(r.icon);
    static_assert(sizeof nid.szTip == sizeof r.tip, "tooltip buffer");
    static_assert(sizeof nid.szInfo == sizeof r.info, "balloon buffer");
    static_assert(sizeof nid.szInfoTitle == sizeof r.infoTitle, "balloon title buffer");
    std::memcpy(nid.szTip, r.tip, sizeof nid.szTip);
    nid.dwState = r.state;
    nid.dwStateMask = r.stateMask;
    std::memcpy(nid.szInfo, r.info, sizeof nid.szInfo);
    nid.uTimeout = r.timeout;
    std::memcpy(nid.szInfoTitle, r.infoTitle, sizeof nid.szInfoTitle);
    nid.dwInfoFlags = r.infoFlags;
    DWORD op = what == Notify::Add ? NIM_ADD : what == Notify::Modify ? NIM_MODIFY : NIM_DELETE;
    return Shell_NotifyIconA(op, &nid) != FALSE;
}

TrayShell::Handle TrayShellWin32::loadIcon(int resourceId) {
    return handle(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_ICON, 0, 0,
                             LR_DEFAULTSIZE | LR_SHARED));
}

TrayShell::Handle TrayShellWin32::loadIcon(const std::string& resourceName) {
    return handle(LoadImageA(GetModuleHandleA(nullptr), resourceName.c_str(), IMAGE_ICON, 0, 0,
                             LR_DEFAULTSIZE | LR_SHARED));
}

TrayShell::Handle TrayShellWin32::mainWindow() {
    if (!mainDialog_) return 0;
    DialogHost* host = DialogHost::of(*mainDialog_);
    return host ? handle(host->hwnd()) : 0;
}

TrayShell::Handle TrayShellWin32::loadPopupMenu(int menuId) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menuId));
    if (!menu) return 0;
    HMENU popup = GetSubMenu(menu, 0);
    if (!popup) {
        DestroyMenu(menu);
        return 0;
    }
    menus_[popup] = menu;
    return handle(popup);
}

void TrayShellWin32::destroyMenu(Handle popup) {
    auto it = menus_.find(as<HMENU>(popup));
    if (it == menus_.end()) return;
    DestroyMenu(it->second);
    menus_.erase(it);
}

bool TrayShellWin32::hasMenuItem(Handle popup, uint32_t commandId) {
    return GetMenuState(as<HMENU>(popup), commandId, MF_BYCOMMAND) != UINT(-1);
}

void TrayShellWin32::setMenuItemText(Handle popup, uint32_t commandId, const std::string& text) {
    ModifyMenuA(as<HMENU>(popup), commandId, MF_BYCOMMAND | MF_STRING, commandId, text.c_str());
}

void TrayShellWin32::setMenuDefaultItem(Handle popup, uint32_t item, bool byPosition) {
    SetMenuDefaultItem(as<HMENU>(popup), item, byPosition ? TRUE : FALSE);
}

void TrayShellWin32::disableMenuItem(Handle popup, uint32_t commandId) {
    EnableMenuItem(as<HMENU>(popup), commandId, MF_BYCOMMAND | MF_GRAYED);
}

void TrayShellWin32::fillSubmenu(Handle popup, uint32_t placeholderId, const std::string& title,
                                 const std::vector<TrayMenuEntry>& entries) {
    HMENU menu = as<HMENU>(popup);
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        HMENU sub = GetSubMenu(menu, i);
        if (!sub || GetMenuItemID(sub, 0) != placeholderId) continue;
        ModifyMenuA(menu, UINT(i), MF_BYPOSITION | MF_POPUP | MF_STRING, UINT_PTR(sub), title.c_str());
        if (entries.empty()) return;
        while (GetMenuItemCount(sub) > 0) DeleteMenu(sub, 0, MF_BYPOSITION);
        for (const TrayMenuEntry& e : entries)
            AppendMenuA(sub, MF_STRING | (e.checked ? MF_CHECKED : MF_UNCHECKED), e.id, e.text.c_str());
        return;
    }
}

uint32_t TrayShellWin32::menuItemId(Handle popup, int position) {
    return GetMenuItemID(as<HMENU>(popup), position);
}

void TrayShellWin32::setForeground(Handle window) { SetForegroundWindow(as<HWND>(window)); }

void TrayShellWin32::trackPopupAtCursor(Handle popup, Handle owner) {
    POINT at{};
    GetCursorPos(&at);
    TrackPopupMenu(as<HMENU>(popup), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, as<HWND>(owner), nullptr);
}

void TrayShellWin32::postEmptyMessage(Handle window) { PostMessageA(as<HWND>(window), WM_NULL, 0, 0); }

void TrayShellWin32::sendCommand(Handle window, uint32_t commandId) {
    SendMessageA(as<HWND>(window), WM_COMMAND, commandId, 0);
}

TrayShell::Handle TrayShellWin32::findTaskbar() { return handle(FindWindowA("Shell_TrayWnd", nullptr)); }

TrayRect TrayShellWin32::windowRect(Handle window) {
    RECT r{};
    GetWindowRect(as<HWND>(window), &r);
    return fromRect(r);
}

std::vector<TrayShell::Child> TrayShellWin32::childWindows(Handle window) {
    std::vector<Child> out;
    EnumChildWindows(as<HWND>(window), collectChild, reinterpret_cast<LPARAM>(&out));
    return out;
}

bool TrayShellWin32::taskbarPosition(Edge& edge, TrayRect& rect) {
    APPBARDATA bar{};
    bar.cbSize = sizeof bar;
    if (!SHAppBarMessage(ABM_GETTASKBARPOS, &bar)) return false;
    switch (bar.uEdge) {
    case ABE_LEFT: edge = Edge::Left; break;
    case ABE_RIGHT: edge = Edge::Right; break;
    case ABE_TOP: edge = Edge::Top; break;
    default: edge = Edge::Bottom; break;
    }
    rect = fromRect(bar.rc);
    return true;
}

TrayRect TrayShellWin32::workArea() {
    RECT r{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    return fromRect(r);
}

bool TrayShellWin32::animationEnabled() {
    ANIMATIONINFO info{};
    info.cbSize = sizeof info;
    if (!SystemParametersInfoA(SPI_GETANIMATION, sizeof info, &info, 0)) return false;
    return info.iMinAnimate != 0;
}

void TrayShellWin32::animateCaption(Handle window, const TrayRect& from, const TrayRect& to) {
    RECT a = toRect(from), b = toRect(to);
    DrawAnimatedRects(as<HWND>(window), IDANI_CAPTION, &a, &b);
}

TrayShell::Handle TrayShellWin32::createParkingWindow() {
    if (!registerClass(kParkingWindowClass, DefWindowProcA)) return 0;
    return handle(CreateWindowExA(0, kParkingWindowClass, "", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr),
                                  nullptr));
}

void TrayShellWin32::setParent(Handle window, Handle parent) {
    SetParent(as<HWND>(window), as<HWND>(parent));
}

void TrayShellWin32::setVisibleStyle(Handle window, bool visible) {
    // ShowWindow rather than editing the style bits: it also tells the window manager,
    // which a bare style change does not.
    // A window minimised by other means (the shell's minimise-all) comes back at its size.
    HWND w = as<HWND>(window);
    const auto inside = [w](HWND focus) { return focus != nullptr && (focus == w || IsChild(w, focus)); };
    if (!visible) {
        // A focused edit keeps its caret blinking while the window sits in the tray, a
        // timer message twice a second all day; without the focus it has no caret.
        const HWND focus = GetFocus();
        if (inside(focus)) {
            parkedFocus_ = focus;
            SetFocus(nullptr);
        }
        ShowWindow(w, SW_HIDE);
        return;
    }
    ShowWindow(w, IsIconic(w) ? SW_RESTORE : SW_SHOW);
    if (inside(GetFocus())) return;
    HWND focus = parkedFocus_ != nullptr && IsWindow(parkedFocus_) && IsChild(w, parkedFocus_) ? parkedFocus_ : nullptr;
    parkedFocus_ = nullptr;
    if (focus == nullptr) {
        // Never shown since it was made in the tray: the focus a dialog gives itself, its
        // first tab stop with an edit's text selected.
        focus = GetNextDlgTabItem(w, nullptr, FALSE);
        if (focus != nullptr && (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL))
            SendMessageA(focus, EM_SETSEL, 0, -1);
    }
    if (focus != nullptr) SetFocus(focus);
}

void TrayShellWin32::redrawAll(Handle window) {
    RedrawWindow(as<HWND>(window), nullptr, nullptr,
                 RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void TrayShellWin32::activate(Handle window) { SetActiveWindow(as<HWND>(window)); }
