#pragma once
// The Win32 side of a custom control: subclasses the template's child window, gives
// the control a ControlWindow over it, passes it every message, and paints its
// PaintList the way the control asks (off-screen on WM_PAINT, or on background erase).

#include <windows.h>

#include "platform/control_window.h"
#include "platform/custom_control.h"

class ControlWindowWin32 final : public ControlWindow {
public:
    ControlWindowWin32(HWND window, CustomControl& control, HINSTANCE resources);
    ~ControlWindowWin32() override;  // detaches when the window is still there
    ControlWindowWin32(const ControlWindowWin32&) = delete;
    ControlWindowWin32& operator=(const ControlWindowWin32&) = delete;

    HWND hwnd() const { return hwnd_; }
    CustomControl& control() { return control_; }
    bool alive() const { return hwnd_ != nullptr; }

    void release() override { detach(); }
    WindowRef ref() const override { return reinterpret_cast<WindowRef>(hwnd_); }
    int id() const override;
    uint32_t style() const override;
    Size clientSize() const override;
    void invalidate() override;
    void redrawNow() override;
    Colour systemColour(int index) const override;
    intptr_t defaultHandling(unsigned message, uintptr_t wParam, intptr_t lParam) override;
    intptr_t sendToParent(unsigned message, uintptr_t wParam, intptr_t lParam) override;
    BitmapRef loadBitmap(int resourceId) override;
    void freeBitmap(BitmapRef bitmap) override;
    void showBitmap(BitmapRef bitmap) override;
    void setHandCursor() override;
    void drawFocusMark() override;
    WindowRef focusedWindow() const override;
    void setFocus(WindowRef window) override;
    bool insertTab(int position, const std::string& title) override;
    void deleteTab(int position) override;
    int tabCount() const override;
    int tabSelection() const override;
    void setTabSelection(int position) override;
    Rect tabRect(int position) const override;
    int tabRowCount() const override;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT route(UINT message, WPARAM wParam, LPARAM lParam);
    void paintBuffered();
    HFONT parentFont() const;
    void detach();

    HWND hwnd_;
    CustomControl& control_;
    HINSTANCE resources_;
    WNDPROC original_ = nullptr;
    // The whole control is invalid and its WM_PAINT not yet handled: a graph changes many
    // bars in one tick, and each invalidation is a trip to the window system.
    bool invalidPending_ = false;
};
