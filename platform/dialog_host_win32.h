#pragma once
// The Win32 dialog host: creates the real dialog from its template (modal or modeless),
// attaches itself to the Dialog object at WM_INITDIALOG and unpacks messages into the
// Dialog's handlers. WM_DRAWITEM, WM_CTLCOLOR* and WM_NOTIFY about a control that a
// CustomControl took over go back to that control first.
//
// Lifetime: the Dialog object must outlive its window. A host destroys a modeless
// window still open when it is destroyed itself.

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/control_window_win32.h"
#include "platform/controls_win32.h"
#include "platform/dialog.h"
#include "platform/dialog_window.h"

class DialogHost final : public DialogWindow {
public:
    // 'resources' holds the templates and bitmaps; null means the program itself.
    explicit DialogHost(Dialog& dialog, HINSTANCE resources = nullptr);
    ~DialogHost() override;
    DialogHost(const DialogHost&) = delete;
    DialogHost& operator=(const DialogHost&) = delete;

    // Runs the dialog modally; returns the result given to endDialog, or -1 when the
    // template cannot be loaded.
    INT_PTR runModal(HWND parent);
    // Creates the dialog modeless (a child when the template says WS_CHILD); null on failure.
    HWND createModeless(HWND parent);

    HWND hwnd() const { return hwnd_; }
    Dialog& dialog() { return dialog_; }
    HINSTANCE resources() const { return resources_; }

    // The host of a dialog window, or of a Dialog whose window this host made.
    static DialogHost* fromWindow(HWND window);
    static DialogHost* of(Dialog& dialog);

    // Program-wide dialog colours (background and text of dialogs and their static
    // texts, buttons and check boxes); start-up sets them once.
    static void setDialogColours(COLORREF background, COLORREF text);

    // DialogWindow
    Controls& controls() override { return controls_; }
    WindowRef ref() const override { return reinterpret_cast<WindowRef>(hwnd_); }
    bool attachControl(int id, CustomControl& control) override;
    bool setTimer(unsigned timerId, unsigned milliseconds) override;
    void killTimer(unsigned timerId) override;
    void endDialog(int result) override;
    void sendCommand(int id, int code) override;
    void sendCommandToParent(int id, int code) override;
    bool createChild(Dialog& child) override;
    void setParent(WindowRef parent) override;
    void move(const Rect& rect) override;
    void resizeClient(int width, int height) override;
    Size clientSize() const override;
    void placeControl(int id, int x, int y) override;
    void sizeControl(int id, int width, int height) override;
    void sendControlToBack(int id) override;
    void show(bool visible) override;
    bool isVisible() const override;
    void setTitle(const std::string& title) override;
    WindowRef firstChild() const override;
    void destroy() override;

private:
    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR route(UINT message, WPARAM wParam, LPARAM lParam);
    bool reflect(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    ControlWindowWin32* attachedByWindow(HWND control);
    ControlWindowWin32* attachedById(int id);
    INT_PTR colours(UINT message, WPARAM wParam);
    void detachAll();

    Dialog& dialog_;
    HINSTANCE resources_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
    // A modal dialog's end, asked by endDialog, and its result.
    bool ended_ = false;
    INT_PTR result_ = 0;
    ControlsWin32 controls_;
    std::vector<std::unique_ptr<ControlWindowWin32>> attached_;
    std::vector<std::unique_ptr<DialogHost>> children_;
};
