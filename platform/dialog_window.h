#pragma once
// What dialog logic may ask of its real window. The Win32 dialog host implements it;
// tests use a double. Keep it narrow: anything only one window needs belongs in that
// window's own Win32 binding.

#include <string>

#include "platform/control_window.h"
#include "platform/controls.h"
#include "platform/geometry.h"

class CustomControl;
class Dialog;

class DialogWindow {
public:
    virtual ~DialogWindow() = default;

    virtual Controls& controls() = 0;
    virtual WindowRef ref() const = 0;

    // Take over the template control 'id' with a custom control; false when the dialog
    // has no such control.
    virtual bool attachControl(int id, CustomControl& control) = 0;

    virtual bool setTimer(unsigned timerId, unsigned milliseconds) = 0;
    virtual void killTimer(unsigned timerId) = 0;

    // Ends a modal run with this result (a modeless dialog is destroyed instead).
    virtual void endDialog(int result) = 0;
    // WM_COMMAND to this dialog / to its parent window, sent (not posted).
    virtual void sendCommand(int id, int code) = 0;
    virtual void sendCommandToParent(int id, int code) = 0;

    // Create 'child' as a modeless child dialog of this one. The child's window lives
    // until it is destroyed or this dialog goes away.
    virtual bool createChild(Dialog& child) = 0;

    // Window placement and state.
    virtual void setParent(WindowRef parent) = 0;
    virtual void move(const Rect& rect) = 0;  // keeps the Z order
    // Make the client area exactly this many pixels (the template's dialog units
    // depend on the font the system gives the dialog).
    virtual void resizeClient(int width, int height) = 0;
    // The client area's size in pixels (as the template made it, until resized).
    virtual Size clientSize() const = 0;
    // Move a child control to a pixel position, keeping its size and Z order.
    virtual void placeControl(int id, int x, int y) = 0;
    // Give a child control a pixel size, keeping its place and Z order.
    virtual void sizeControl(int id, int width, int height) = 0;
    // Put a child control last in the Z order, which is also the Tab key's order.
    virtual void sendControlToBack(int id) = 0;
    virtual void show(bool visible) = 0;
    virtual bool isVisible() const = 0;
    virtual void setTitle(const std::string& title) = 0;
    // The child that takes the keyboard first: the first enabled tab stop in Z order
    // (hidden or not: a page is still hidden when it is added), else the topmost child;
    // 0 when there is none.
    virtual WindowRef firstChild() const = 0;
    virtual void destroy() = 0;
};
