#pragma once
// MainWindowShellWin32: the main window's own Win32 details (taskbar style, icon, page
// host placement, painting while minimised).
#include "app/main_window_shell.h"

class Dialog;

class MainWindowShellWin32 : public MainWindowShell {
public:
    // The main window's dialog; its window is looked up on each call.
    void setDialog(Dialog* dialog) { dialog_ = dialog; }

    void removeAppWindowStyle() override;
    void setBigIcon(int iconId) override;
    void placePageHost(const Rect& rect) override;
    bool paintIconIfMinimised() override;
    uintptr_t dragIcon() override;

private:
    Dialog* dialog_ = nullptr;
};
