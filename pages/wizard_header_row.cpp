#include "pages/wizard_header_row.h"

#include "controls/page_base.h"
#include "platform/dialog_window.h"
#include "resources/resource_ids.h"

void WizardHeaderRow::attach(DialogWindow& window, bool wizardButtonClickable) {
    // The wizard's own button keeps the current-page picture in every state.
    if (wizardButtonClickable && window.attachControl(IDC_HEADER_WIZARD, buttons_[0]))
        buttons_[0].LoadBitmaps(IDB_HEADER_WIZARD_CURRENT);
    for (int i = 1; i < 6; ++i) {
        const PageBase::HeaderBitmaps& b = PageBase::kHeaderBitmaps[i];
        if (window.attachControl(b.id, buttons_[i])) buttons_[i].LoadBitmaps(b.normal, b.hover, b.pressed);
    }
}

void WizardHeaderRow::showNormal() {
    for (HoverBitmapButton& b : buttons_)
        if (b.hasWindow()) b.ShowNormal();
    for (int i = 0; i < extraCount_; ++i)
        if (extra_[i]->hasWindow()) extra_[i]->ShowNormal();
}
