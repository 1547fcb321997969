#pragma once
// Base of the program's own controls (hover bitmap button, text progress bar, page host,
// bar graph). A custom control takes over a control of a dialog template: the dialog
// host subclasses that child window, hands the control a ControlWindow to talk to it,
// and passes it every message the child receives, plus the messages the dialog
// reflects back to it (draw item, control colours, notifications).

#include <cstdint>

#include "platform/control_window.h"
#include "platform/paint_list.h"

class CustomControl {
public:
    // When the control draws itself: never, on WM_PAINT through an off-screen bitmap,
    // or when its background is erased (WM_PAINT then only validates).
    enum class PaintMode { None, OnPaint, OnErase };

    virtual ~CustomControl();
    CustomControl() = default;
    CustomControl(const CustomControl&) = delete;
    CustomControl& operator=(const CustomControl&) = delete;

    // Called by the dialog host when the control is bound to a window (window != null)
    // and when that window goes away (null).
    void attachWindow(ControlWindow* window);
    ControlWindow* window() const { return window_; }
    bool hasWindow() const { return window_ != nullptr; }

    // A message the control's own window received. Return true when handled, with the
    // result in 'result'; false lets the standard control handle it.
    virtual bool handleMessage(unsigned message, uintptr_t wParam, intptr_t lParam, intptr_t& result);

    // A message the parent dialog received about this control (WM_DRAWITEM, WM_CTLCOLOR*,
    // WM_NOTIFY). Return true when handled, with the dialog procedure's result in 'result'.
    virtual bool handleReflected(unsigned message, uintptr_t wParam, intptr_t lParam, intptr_t& result);

    virtual PaintMode paintMode() const { return PaintMode::None; }
    // Draw the whole client area of the given size.
    virtual void paint(int width, int height, PaintList& out);

protected:
    // Hooks around attachWindow, for controls that hold window resources.
    virtual void onAttached() {}
    virtual void onDetaching() {}

private:
    ControlWindow* window_ = nullptr;
};
