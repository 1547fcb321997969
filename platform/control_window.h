#pragma once
// What a custom control may ask of the child window it took over. One Win32 binding
// (inside the dialog host) and a test double. Window handles cross this seam as opaque
// WindowRef values (0 = none).

#include <cstdint>
#include <string>

#include "platform/geometry.h"
#include "platform/paint_list.h"

using WindowRef = uintptr_t;
using BitmapRef = uintptr_t;

class ControlWindow {
public:
    virtual ~ControlWindow() = default;

    // The control object is going away: stop passing it messages.
    virtual void release() = 0;

    virtual WindowRef ref() const = 0;
    virtual int id() const = 0;
    virtual uint32_t style() const = 0;
    virtual Size clientSize() const = 0;

    // Invalidate the whole control, erasing the background.
    virtual void invalidate() = 0;
    // Invalidate, erase and repaint at once (RedrawWindow with update-now).
    virtual void redrawNow() = 0;
    // GetSysColor.
    virtual Colour systemColour(int index) const = 0;
    // The standard control's default handling of a message (the original window procedure).
    virtual intptr_t defaultHandling(unsigned message, uintptr_t wParam, intptr_t lParam) = 0;
    // Send a message to the parent window (for a control that passes commands on).
    virtual intptr_t sendToParent(unsigned message, uintptr_t wParam, intptr_t lParam) = 0;

    // Bitmaps from the program's resources (0 when missing); shown with STM_SETIMAGE.
    virtual BitmapRef loadBitmap(int resourceId) = 0;
    virtual void freeBitmap(BitmapRef bitmap) = 0;
    virtual void showBitmap(BitmapRef bitmap) = 0;
    virtual void setHandCursor() = 0;
    // The system's dotted focus rectangle just inside the control's edge, drawn over what
    // the control painted.
    virtual void drawFocusMark() = 0;

    // Focus, anywhere in the program.
    virtual WindowRef focusedWindow() const = 0;
    virtual void setFocus(WindowRef window) = 0;

    // Tab strip operations, for a control that took over a tab control.
    virtual bool insertTab(int position, const std::string& title) = 0;
    virtual void deleteTab(int position) = 0;
    virtual int tabCount() const = 0;
    virtual int tabSelection() const = 0;
    virtual void setTabSelection(int position) = 0;
    virtual Rect tabRect(int position) const = 0;
    virtual int tabRowCount() const = 0;
};
