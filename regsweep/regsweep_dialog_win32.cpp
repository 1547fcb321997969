#include "regsweep/regsweep_dialog_win32.h"

#include "regsweep/regsweep_dialog.h"
#include "regsweep/regsweep_ids.h"

namespace regsweep {

DialogHostWin32::~DialogHostWin32() {
    if (window_ != nullptr) DestroyWindow(window_);
    if (largeIcon_ != nullptr) DestroyIcon(largeIcon_);
    if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
}

int DialogHostWin32::run(RegsweepDialog& dialog) {
    dialog_ = &dialog;
    // A modeless dialog with our own loop rather than DialogBox: the dialog manager
    // would show the window on its first idle moment, and without /debug it must
    // never appear at all.
    window_ = CreateDialogParamA(instance_, MAKEINTRESOURCEA(IDD_REGSWEEP), nullptr, &Procedure,
                                 reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr) return -1;
    if (!hidden_ && !ended_) {
        ShowWindow(window_, SW_SHOWNORMAL);
        SetForegroundWindow(window_);
    }
    MSG message{};
    while (!ended_ && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    DestroyWindow(window_);
    window_ = nullptr;
    return result_;
}

INT_PTR CALLBACK DialogHostWin32::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* host = reinterpret_cast<DialogHostWin32*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        host->window_ = window;
    }
    auto* host = reinterpret_cast<DialogHostWin32*>(GetWindowLongPtrA(window, DWLP_USER));
    return host == nullptr ? FALSE : host->onMessage(message, wParam, lParam);
}

INT_PTR DialogHostWin32::onMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
    case WM_INITDIALOG:
        dialog_->onInit(*this);
        return TRUE;
    case WM_TIMER:
        dialog_->onTimer(static_cast<unsigned>(wParam));
        return TRUE;
    case WM_COMMAND:
        dialog_->onCommand(LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

void DialogHostWin32::setIcons() {
    largeIcon_ = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(IDI_REGSWEEP), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    smallIcon_ = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(IDI_REGSWEEP), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void DialogHostWin32::hideAway() {
    hidden_ = true;
    ShowWindow(window_, SW_HIDE);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogHostWin32::setLogText(const std::string& text) {
    SetDlgItemTextA(window_, IDC_REGSWEEP_LOG, text.c_str());
}

void DialogHostWin32::startTimer(unsigned id, unsigned milliseconds) { SetTimer(window_, id, milliseconds, nullptr); }

void DialogHostWin32::stopTimer(unsigned id) { KillTimer(window_, id); }

void DialogHostWin32::end(int result) {
    ended_ = true;
    result_ = result;
    // Wakes the loop should it be waiting; ended_ is what stops it.
    PostMessageA(window_, WM_NULL, 0, 0);
}

void DialogHostWin32::showMessage(const std::string& text, const std::string& caption) {
    MessageBoxA(window_, text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace regsweep
