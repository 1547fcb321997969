#include "controls/header_row.h"

#include "controls/page_base.h"
#include "platform/dialog_window.h"

void HeaderRow::attach(DialogWindow& window, int ownId) {
    for (int i = 0; i < kButtons; ++i) {
        const PageBase::HeaderBitmaps& b = PageBase::kHeaderBitmaps[i];
        if (b.id == ownId || !window.attachControl(b.id, buttons_[i])) continue;
        ids_[i] = b.id;
        buttons_[i].LoadBitmaps(b.normal, b.hover, b.pressed);
    }
}

void HeaderRow::showNormal() {
    for (HoverBitmapButton& b : buttons_)
        if (b.hasWindow()) b.ShowNormal();
}

HoverBitmapButton* HeaderRow::button(int id) {
    for (int i = 0; i < kButtons; ++i)
        if (ids_[i] != 0 && ids_[i] == id) return &buttons_[i];
    return nullptr;
}
