#include "platform/dialog.h"

#include "platform/win32_numbers.h"

Controls& Dialog::controls() {
    if (window_ != nullptr) return window_->controls();
    return noControls_;
}

bool Dialog::DispatchInitDialog() {
    OnPrepareWindow();
    return OnInitDialog();
}

bool Dialog::DispatchCommand(int id, int code) {
    if (OnCommand(id, code)) return true;
    return OnUnhandledCommand(id, code);
}

bool Dialog::OnUnhandledCommand(int id, int /*code*/) {
    if (id == kIdOk) {
        OnOK();
        return true;
    }
    if (id == kIdCancel) {
        OnCancel();
        return true;
    }
    return false;
}

bool Dialog::OnNotify(int /*id*/, int /*code*/, intptr_t /*header*/, intptr_t& /*result*/) { return false; }

void Dialog::OnOK() {
    if (window_ != nullptr) window_->endDialog(kIdOk);
}

void Dialog::OnCancel() {
    if (window_ != nullptr) window_->endDialog(kIdCancel);
}
