#pragma once
// The few things the main window asks of its own real window beyond what every dialog
// can do (DialogWindow): its taskbar style, its icon, and where its page host sits.
// One Win32 binding; tests use a recording double.

#include <cstdint>

#include "platform/geometry.h"

class MainWindowShell {
public:
    virtual ~MainWindowShell() = default;

    // Drops the application-window extended style: no taskbar button.
    virtual void removeAppWindowStyle() = 0;
    // Icon resource `iconId` as the window's big icon.
    virtual void setBigIcon(int iconId) = 0;
    // Moves and sizes the page host control without changing Z order or activation.
    virtual void placePageHost(const Rect& rect) = 0;
    // While the window is minimised: draws the window icon centred in the client area
    // and returns true; otherwise false (normal painting).
    virtual bool paintIconIfMinimised() = 0;
    // The window icon, as the drag icon of a minimised window.
    virtual uintptr_t dragIcon() = 0;
};
