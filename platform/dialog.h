#pragma once
// Portable base of every dialog and page. The Win32 dialog host creates the real window
// from the template id, attaches itself as the DialogWindow before OnInitDialog and
// unpacks each message into one of the plain virtual calls below. On the host, tests
// attach a double and call the handlers directly.

#include <cstdint>

#include "platform/controls.h"
#include "platform/dialog_window.h"
#include "platform/null_controls.h"

class Dialog {
public:
    explicit Dialog(int templateId) : templateId_(templateId) {}
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    int templateId() const { return templateId_; }

    // Set by the host while the window exists; null before creation and after destruction.
    void attachWindow(DialogWindow* window) { window_ = window; }
    DialogWindow* window() const { return window_; }
    bool hasWindow() const { return window_ != nullptr; }

    // The dialog's controls by id. Without a window, a set of controls that holds
    // nothing: every call is harmless.
    Controls& controls();

    // What the host calls for WM_INITDIALOG: OnPrepareWindow, then OnInitDialog.
    bool DispatchInitDialog();
    // What the host calls for WM_COMMAND: OnCommand, and when that does not take it,
    // OnUnhandledCommand. True when handled.
    bool DispatchCommand(int id, int code);

    // ---- handlers ----
    // WM_INITDIALOG. Return true to let the system give the focus to the first control.
    virtual bool OnInitDialog() { return true; }
    // WM_COMMAND from a control or menu (code = notification code, 0 for a click).
    // Return true when handled.
    virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
    // WM_NOTIFY from a control that no custom control claimed. 'header' points at the
    // notification record (NMHDR first). Return true when handled, result in 'result'.
    virtual bool OnNotify(int id, int code, intptr_t header, intptr_t& result);
    virtual void OnTimer(unsigned /*timerId*/) {}
    // WM_MOUSEMOVE over the dialog's own background (not over a child control).
    virtual void OnMouseMove(int /*x*/, int /*y*/) {}
    // Enter and Escape. By default they end a modal run with 1 and 2.
    virtual void OnOK();
    virtual void OnCancel();
    // WM_SYSCOMMAND; return true when handled (no default processing).
    virtual bool OnSysCommand(unsigned /*command*/) { return false; }
    // WM_DESTROY, before the window goes.
    virtual void OnDestroy() {}

    // Every message, before the routing above; for the few windows that need a message
    // this base does not unpack (tray callbacks, painting while minimised). Return true
    // when handled, with the dialog procedure's result in 'result'.
    virtual bool OnWindowMessage(unsigned /*message*/, uintptr_t /*wParam*/, intptr_t /*lParam*/,
                                 intptr_t& /*result*/) {
        return false;
    }

protected:
    // Layout a base class does to every window of its kind before OnInitDialog.
    virtual void OnPrepareWindow() {}
    // A command OnCommand left alone. By default ids 1 (IDOK) and 2 (IDCANCEL) become
    // OnOK and OnCancel; everything else is not handled.
    virtual bool OnUnhandledCommand(int id, int code);

private:
    int templateId_;
    DialogWindow* window_ = nullptr;
    NullControls noControls_;
};
