#include "controls/hover_bitmap_button.h"

#include "platform/win32_numbers.h"

HoverBitmapButton::~HoverBitmapButton() { freeBitmaps(); }

void HoverBitmapButton::onDetaching() { freeBitmaps(); }

void HoverBitmapButton::freeBitmaps() {
    if (hasWindow()) {
        window()->freeBitmap(normal_);
        window()->freeBitmap(hover_);
        window()->freeBitmap(pressed_);
    }
    normal_ = hover_ = pressed_ = 0;
}

bool HoverBitmapButton::LoadBitmaps(int normalId, int hoverId, int pressedId) {
    if (!hasWindow()) return false;
    ControlWindow& w = *window();
    freeBitmaps();
    look_ = Look::None;  // the static still shows an old picture: the next show must reach it
    normal_ = w.loadBitmap(normalId);
    bool ok = normal_ != 0;
    // Each state gets its own bitmap object, also when it falls back to the normal id.
    hover_ = w.loadBitmap(hoverId >= 0 ? hoverId : normalId);
    if (hoverId >= 0 && hover_ == 0) ok = false;
    pressed_ = w.loadBitmap(pressedId >= 0 ? pressedId : normalId);
    if (pressedId >= 0 && pressed_ == 0) ok = false;
    return ok;
}

void HoverBitmapButton::show(Look look) {
    // Every mouse move asks for the hover look; telling the static again would only
    // make it repaint the same picture.
    if (look == look_ || !hasWindow()) return;
    look_ = look;
    switch (look) {
    case Look::Normal: window()->showBitmap(normal_); break;
    case Look::Hover: window()->showBitmap(hover_); break;
    case Look::Pressed: window()->showBitmap(pressed_); break;
    case Look::None: break;
    }
}

void HoverBitmapButton::ShowNormal() { show(Look::Normal); }

void HoverBitmapButton::click() {
    // What the static sends for a mouse click: its id with the clicked code (0).
    if (hasWindow()) window()->sendToParent(kWmCommand, uintptr_t(window()->id()), intptr_t(window()->ref()));
}

bool HoverBitmapButton::handleKey(unsigned message, uintptr_t key, intptr_t flags) {
    const bool repeat = (flags & kKeyRepeatBit) != 0;
    if (message == kWmKeyDown && key == kVkReturn) {
        if (!repeat) click();
        return true;
    }
    if (message == kWmKeyDown && key == kVkSpace) {
        if (!repeat) show(Look::Pressed);
        return true;
    }
    if (message == kWmKeyUp && key == kVkSpace) {
        // Only a press that began here: Space released after the focus arrived is no click.
        if (look_ != Look::Pressed) return true;
        show(Look::Normal);
        click();
        return true;
    }
    return false;
}

bool HoverBitmapButton::handleMessage(unsigned message, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
    switch (message) {
    case kWmGetDlgCode:
        // Enter and Space are the button's: without this the dialog manager would turn
        // Enter into the dialog's default action and a static ignores Space.
        if (wParam != kVkReturn && wParam != kVkSpace) return false;
        result = kDlgcWantMessage | kDlgcButton;
        return true;
    case kWmKeyDown:
    case kWmKeyUp:
        return handleKey(message, wParam, lParam);
    case kWmSetFocus:
    case kWmKillFocus:
        if (hasWindow()) window()->invalidate();   // the focus mark comes or goes
        return false;
    case kWmPaint:
        if (!hasWindow() || window()->focusedWindow() != window()->ref()) return false;
        // The mark is drawn over the whole picture: the static must repaint all of it
        // first, or a partial repaint would leave half a mark behind.
        window()->invalidate();
        result = window()->defaultHandling(message, wParam, lParam);
        window()->drawFocusMark();
        return true;
    case kWmLButtonDown:
        show(Look::Pressed);
        break;
    case kWmLButtonUp:
        show(Look::Hover);
        break;
    case kWmMouseMove:
        show(Look::Hover);
        if (hasWindow()) window()->setHandCursor();
        break;
    default:
        break;
    }
    return false;  // the static's own handling goes on (it turns the click into a command)
}
