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

bool HoverBitmapButton::handleMessage(unsigned message, uintptr_t, intptr_t, intptr_t&) {
    switch (message) {
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
