#include "pages/page_buttons.h"

#include "controls/page_base.h"
#include "platform/dialog_window.h"
#include "resources/resource_ids.h"

void PageButtons::add(DialogWindow& window, int id, int normal, int hover, int pressed) {
    if (count_ >= kMaxButtons) return;
    HoverBitmapButton& button = buttons_[count_];
    if (!window.attachControl(id, button)) return;
    button.LoadBitmaps(normal, hover, pressed);
    ids_[count_++] = id;
}

void PageButtons::attach(DialogWindow& window, int ownHeaderId, bool withApplyCancel) {
    for (const PageBase::HeaderBitmaps& b : PageBase::kHeaderBitmaps)
        if (b.id != ownHeaderId) add(window, b.id, b.normal, b.hover, b.pressed);
    if (withApplyCancel) {
        add(window, IDC_APPLY, IDB_APPLY_BUTTON, IDB_APPLY_BUTTON, IDB_APPLY_BUTTON);
        add(window, IDC_CANCEL_IMAGE, IDB_CANCEL_BUTTON, IDB_CANCEL_BUTTON, IDB_CANCEL_BUTTON);
    }
}

void PageButtons::showNormal() {
    for (size_t i = 0; i < count_; ++i)
        if (buttons_[i].hasWindow()) buttons_[i].ShowNormal();
}
