#pragma once
// The header row of the three wizard pages: the five page buttons as hover buttons
// with their normal / hover / pressed bitmaps and, on the setup and test pages, the
// wizard's own button as a hover button that shows the current-page picture in every
// state (on the welcome page it is a plain picture of the template).

#include "controls/hover_bitmap_button.h"

class DialogWindow;

class WizardHeaderRow {
public:
    void attach(DialogWindow& window, bool wizardButtonClickable);
    // The mouse moved over the page itself: every button back to its normal bitmap.
    void showNormal();
    // Any other hover button of the page joins the row's return to normal; a page has
    // room for kMaxExtra of them. False, and the button left out, when the row is full.
    static constexpr int kMaxExtra = 2;
    bool add(HoverBitmapButton& button) {
        if (extraCount_ >= kMaxExtra) return false;
        extra_[extraCount_++] = &button;
        return true;
    }

private:
    HoverBitmapButton buttons_[6];
    HoverBitmapButton* extra_[kMaxExtra] = {};
    int extraCount_ = 0;
};
