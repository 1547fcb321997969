#pragma once
// A picture control that shows one of three bitmaps, normal, hover or pressed,
// according to the mouse, with the hand cursor while the mouse is over it. It takes
// over a notifying bitmap static of the template, so a click reaches the parent as an
// ordinary command with the control's id.
//
// The control does not see the mouse leave: its page calls ShowNormal() on every hover
// button when the mouse moves over the page's own background.
//
// The keyboard reaches it like a push button: as a tab stop it shows a focus mark, and
// Enter (on the key going down) or Space (on its release) clicks it.

#include "platform/custom_control.h"

class HoverBitmapButton : public CustomControl {
public:
    enum class Look { None, Normal, Hover, Pressed };

    HoverBitmapButton() = default;
    ~HoverBitmapButton() override;

    // Loads the normal bitmap from normalId, the hover and pressed ones from their ids
    // when those are 0 or more, else again from normalId. True only when the normal
    // bitmap and each bitmap asked for by its own id were loaded. Needs the window.
    bool LoadBitmaps(int normalId, int hoverId = -1, int pressedId = -1);
    void ShowNormal();

    // The bitmap the control was last told to show.
    Look GetLook() const { return look_; }

    bool handleMessage(unsigned message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;

protected:
    void onDetaching() override;

private:
    void show(Look look);
    void freeBitmaps();
    bool handleKey(unsigned message, uintptr_t key, intptr_t flags);
    void click();

    BitmapRef normal_ = 0;
    BitmapRef hover_ = 0;
    BitmapRef pressed_ = 0;
    Look look_ = Look::None;
};
