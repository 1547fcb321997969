#include "platform/custom_control.h"

CustomControl::~CustomControl() {
    // The window may outlive its control object (a page torn down early): it must not
    // pass messages to an object that is gone.
    if (window_ != nullptr) window_->release();
    window_ = nullptr;
}

void CustomControl::attachWindow(ControlWindow* window) {
    if (window_ == window) return;
    if (window_ != nullptr) onDetaching();
    window_ = window;
    if (window_ != nullptr) onAttached();
}

bool CustomControl::handleMessage(unsigned, uintptr_t, intptr_t, intptr_t&) { return false; }

bool CustomControl::handleReflected(unsigned, uintptr_t, intptr_t, intptr_t&) { return false; }

void CustomControl::paint(int, int, PaintList&) {}
