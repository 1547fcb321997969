#pragma once
// The hover bitmap buttons of a settings page: the header row's page buttons (all but
// the page's own, which stays a plain picture) and the page's Apply and Cancel. The
// page attaches them in its initialisation and returns them to their normal look when
// the mouse moves over its own background.

#include <cstddef>

#include "controls/hover_bitmap_button.h"

class DialogWindow;

class PageButtons {
public:
    static constexpr size_t kMaxButtons = 8;

    // Takes over the header row's buttons except `ownHeaderId` and, with `withApplyCancel`,
    // Apply (1133) and Cancel (1132), and loads their bitmaps.
    void attach(DialogWindow& window, int ownHeaderId, bool withApplyCancel);
    void showNormal();

    size_t count() const { return count_; }
    const HoverBitmapButton& button(size_t i) const { return buttons_[i]; }
    int id(size_t i) const { return ids_[i]; }

private:
    void add(DialogWindow& window, int id, int normal, int hover, int pressed);

    HoverBitmapButton buttons_[kMaxButtons];
    int ids_[kMaxButtons] = {};
    size_t count_ = 0;
};
