#include "platform/dialog_host_win32.h"

#include <windowsx.h>

namespace {

// Program-wide dialog colours. Set once by start-up; read by every dialog procedure.
struct DialogColours {
    bool set = false;
    COLORREF background = 0;
    COLORREF text = 0;
    HBRUSH brush = nullptr;
};
DialogColours g_colours;

}  // namespace

DialogHost::DialogHost(Dialog& dialog, HINSTANCE resources)
    : dialog_(dialog), resources_(resources != nullptr ? resources : GetModuleHandleA(nullptr)) {}

DialogHost::~DialogHost() {
    // Destroying the window detaches the dialog (WM_NCDESTROY). Once the window is gone
    // the Dialog object may be gone too (a page host deletes its pages): leave it alone.
    if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    detachAll();
}

void DialogHost::setDialogColours(COLORREF background, COLORREF text) {
    if (g_colours.brush != nullptr) DeleteObject(g_colours.brush);
    g_colours.set = true;
    g_colours.background = background;
    g_colours.text = text;
    g_colours.brush = CreateSolidBrush(background);
}

INT_PTR DialogHost::runModal(HWND parent) {
    // DialogBoxParam's loop, less one round trip to the window server for every message
    // of the dialog's life (the main window's lasts all day): that loop peeks before each
    // wait; this one peeks only until the queue first runs dry, shows the dialog then as
    // DialogBoxParam does, and from there on simply waits. The owner is disabled while
    // the dialog runs, and keyboard navigation goes through IsDialogMessage, as there.
    modal_ = true;
    ended_ = false;
    result_ = 0;
    HWND owner = parent != nullptr ? GetAncestor(parent, GA_ROOT) : nullptr;
    const bool disabledOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disabledOwner) EnableWindow(owner, FALSE);
    HWND dialog = CreateDialogParamA(resources_, MAKEINTRESOURCEA(dialog_.templateId()), parent,
                                     &DialogHost::dialogProc, reinterpret_cast<LPARAM>(this));
    if (dialog == nullptr) {
        if (disabledOwner) EnableWindow(owner, TRUE);
        modal_ = false;
        return -1;
    }
    bool shown = false;
    MSG msg{};
    while (!ended_ && IsWindow(dialog)) {
        if (!shown) {
            if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                shown = true;
                ShowWindow(dialog, SW_SHOWNORMAL);
                continue;
            }
        } else if (GetMessageA(&msg, nullptr, 0, 0) < 0) {
            break;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));   // for the loop around ours
            break;
        }
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    // The owner first, so that it takes the activation when the dialog goes.
    if (disabledOwner) EnableWindow(owner, TRUE);
    if (IsWindow(dialog)) DestroyWindow(dialog);
    modal_ = false;
    return result_;
}

HWND DialogHost::createModeless(HWND parent) {
    modal_ = false;
    return CreateDialogParamA(resources_, MAKEINTRESOURCEA(dialog_.templateId()), parent,
                              &DialogHost::dialogProc, reinterpret_cast<LPARAM>(this));
}

DialogHost* DialogHost::fromWindow(HWND window) {
    if (window == nullptr || !IsWindow(window)) return nullptr;
    if (GetWindowLongPtrA(window, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&DialogHost::dialogProc)) return nullptr;
    return reinterpret_cast<DialogHost*>(GetWindowLongPtrA(window, DWLP_USER));
}

DialogHost* DialogHost::of(Dialog& dialog) { return dynamic_cast<DialogHost*>(dialog.window()); }

INT_PTR CALLBACK DialogHost::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogHost* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<DialogHost*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
        self->controls_.setDialog(hwnd);
        self->dialog_.attachWindow(self);
    } else {
        self = reinterpret_cast<DialogHost*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (self == nullptr) return FALSE;  // messages before WM_INITDIALOG (WM_SETFONT)
    return self->route(message, wParam, lParam);
}

INT_PTR DialogHost::route(UINT message, WPARAM wParam, LPARAM lParam) {
    intptr_t raw = 0;
    if (message != WM_NCDESTROY && dialog_.OnWindowMessage(message, wParam, lParam, raw)) {
        // Messages whose result is the procedure's return value; the others go through
        // DWLP_MSGRESULT.
        switch (message) {
        case WM_INITDIALOG: case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM: case WM_VKEYTOITEM: case WM_CHARTOITEM: case WM_QUERYDRAGICON:
            return static_cast<INT_PTR>(raw);
        default:
            SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, static_cast<LONG_PTR>(raw));
            return TRUE;
        }
    }

    INT_PTR reflected = 0;
    if (reflect(message, wParam, lParam, reflected)) return reflected;

    switch (message) {
    case WM_INITDIALOG:
        return dialog_.DispatchInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
        return dialog_.DispatchCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header == nullptr) return FALSE;
        intptr_t result = 0;
        if (!dialog_.OnNotify(static_cast<int>(header->idFrom), static_cast<int>(header->code), lParam, result))
            return FALSE;
        SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, static_cast<LONG_PTR>(result));
        return TRUE;
    }
    case WM_TIMER:
        dialog_.OnTimer(static_cast<unsigned>(wParam));
        return TRUE;
    case WM_MOUSEMOVE:
        dialog_.OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return FALSE;  // default handling goes on
    case WM_SYSCOMMAND:
        return dialog_.OnSysCommand(static_cast<unsigned>(wParam & 0xFFF0)) ? TRUE : FALSE;
    case WM_CTLCOLORDLG: case WM_CTLCOLORSTATIC: case WM_CTLCOLORBTN: case WM_CTLCOLORMSGBOX:
        return colours(message, wParam);
    case WM_DESTROY:
        dialog_.OnDestroy();
        return FALSE;
    case WM_NCDESTROY:
        detachAll();
        if (dialog_.window() == this) dialog_.attachWindow(nullptr);
        SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
        controls_.setDialog(nullptr);
        hwnd_ = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR DialogHost::colours(UINT message, WPARAM wParam) {
    if (!g_colours.set) return FALSE;
    (void)message;
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, g_colours.text);
    SetBkColor(dc, g_colours.background);
    return reinterpret_cast<INT_PTR>(g_colours.brush);
}

bool DialogHost::reflect(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    ControlWindowWin32* target = nullptr;
    switch (message) {
    case WM_DRAWITEM:
        if (wParam != 0) target = attachedById(static_cast<int>(wParam));  // 0: a menu
        break;
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
        target = attachedByWindow(reinterpret_cast<HWND>(lParam));
        break;
    case WM_NOTIFY:
        if (lParam != 0) target = attachedByWindow(reinterpret_cast<const NMHDR*>(lParam)->hwndFrom);
        break;
    default:
        return false;
    }
    if (target == nullptr) return false;
    intptr_t answer = 0;
    if (!target->control().handleReflected(message, wParam, lParam, answer)) return false;
    if (message == WM_DRAWITEM || message == WM_NOTIFY) {
        SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, static_cast<LONG_PTR>(answer));
        result = TRUE;
    } else {
        result = static_cast<INT_PTR>(answer);  // the brush
    }
    return true;
}

ControlWindowWin32* DialogHost::attachedByWindow(HWND control) {
    if (control == nullptr) return nullptr;
    for (auto& a : attached_)
        if (a->alive() && a->hwnd() == control) return a.get();
    return nullptr;
}

ControlWindowWin32* DialogHost::attachedById(int id) {
    for (auto& a : attached_)
        if (a->alive() && a->id() == id) return a.get();
    return nullptr;
}

void DialogHost::detachAll() { attached_.clear(); }

bool DialogHost::attachControl(int id, CustomControl& control) {
    if (hwnd_ == nullptr) return false;
    HWND child = GetDlgItem(hwnd_, id);
    if (child == nullptr) return false;
    // One control object per child window: a second attach replaces the first.
    for (auto it = attached_.begin(); it != attached_.end();) {
        if (!(*it)->alive() || (*it)->hwnd() == child || &(*it)->control() == &control)
            it = attached_.erase(it);
        else
            ++it;
    }
    attached_.push_back(std::make_unique<ControlWindowWin32>(child, control, resources_));
    return true;
}

bool DialogHost::setTimer(unsigned timerId, unsigned milliseconds) {
    return hwnd_ != nullptr && SetTimer(hwnd_, timerId, milliseconds, nullptr) != 0;
}

void DialogHost::killTimer(unsigned timerId) {
    if (hwnd_ != nullptr) KillTimer(hwnd_, timerId);
}

void DialogHost::endDialog(int result) {
    if (hwnd_ == nullptr) return;
    if (modal_) {
        // runModal's loop sees it after the message being handled.
        ended_ = true;
        result_ = result;
    } else {
        DestroyWindow(hwnd_);
    }
}

void DialogHost::sendCommand(int id, int code) {
    if (hwnd_ != nullptr) SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(id, code), 0);
}

void DialogHost::sendCommandToParent(int id, int code) {
    HWND parent = hwnd_ == nullptr ? nullptr : GetParent(hwnd_);
    if (parent == nullptr) return;
    HWND from = GetDlgItem(hwnd_, id);
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(from));
}

bool DialogHost::createChild(Dialog& child) {
    if (hwnd_ == nullptr) return false;
    auto host = std::make_unique<DialogHost>(child, resources_);
    if (host->createModeless(hwnd_) == nullptr) return false;
    children_.push_back(std::move(host));
    return true;
}

void DialogHost::setParent(WindowRef parent) {
    if (hwnd_ != nullptr) SetParent(hwnd_, reinterpret_cast<HWND>(parent));
}

void DialogHost::move(const Rect& rect) {
    if (hwnd_ != nullptr)
        SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.width(), rect.height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogHost::resizeClient(int width, int height) {
    if (hwnd_ == nullptr) return;
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_EXSTYLE)));
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Size DialogHost::clientSize() const {
    RECT r{};
    if (hwnd_ == nullptr || !GetClientRect(hwnd_, &r)) return {};
    return {r.right - r.left, r.bottom - r.top};
}

void DialogHost::placeControl(int id, int x, int y) {
    HWND child = hwnd_ == nullptr ? nullptr : GetDlgItem(hwnd_, id);
    if (child != nullptr) SetWindowPos(child, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogHost::sizeControl(int id, int width, int height) {
    HWND child = hwnd_ == nullptr ? nullptr : GetDlgItem(hwnd_, id);
    if (child != nullptr) SetWindowPos(child, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogHost::sendControlToBack(int id) {
    HWND child = hwnd_ == nullptr ? nullptr : GetDlgItem(hwnd_, id);
    if (child != nullptr) SetWindowPos(child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void DialogHost::show(bool visible) {
    if (hwnd_ != nullptr) ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool DialogHost::isVisible() const { return hwnd_ != nullptr && IsWindowVisible(hwnd_) != FALSE; }

void DialogHost::setTitle(const std::string& title) {
    if (hwnd_ != nullptr) SetWindowTextA(hwnd_, title.c_str());
}

WindowRef DialogHost::firstChild() const {
    if (hwnd_ == nullptr) return 0;
    HWND first = GetWindow(hwnd_, GW_CHILD);
    for (HWND w = first; w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(w, GWL_STYLE);
        if ((style & WS_TABSTOP) && !(style & WS_DISABLED)) return reinterpret_cast<WindowRef>(w);
    }
    return reinterpret_cast<WindowRef>(first);
}

void DialogHost::destroy() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}
