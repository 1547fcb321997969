#include "pages/page_buttons.h"

#include "platform/dialog_window.h"
#include "resources/resource_ids.h"

namespace {

struct ButtonBitmaps {
    int id;
    int normal, hover, pressed;
};

// Each page button looks the same on every page; the pressed look is the normal one.
const ButtonBitmaps kHeaderButtons[] = {
    {IDC_HEADER_WIZARD, IDB_HEADER_WIZARD, IDB_HEADER_WIZARD_HOVER, IDB_HEADER_WIZARD},
    {IDC_HEADER_LINK_INFO, IDB_HEADER_LINK, IDB_HEADER_LINK_HOVER, IDB_HEADER_LINK},
    {IDC_HEADER_CONFIG, IDB_HEADER_CONFIG, IDB_HEADER_CONFIG_HOVER, IDB_HEADER_CONFIG},
    {IDC_HEADER_SECURITY, IDB_HEADER_SECURITY, IDB_HEADER_SECURITY_HOVER, IDB_HEADER_SECURITY},
    {IDC_HEADER_SITE_SURVEY, IDB_HEADER_SURVEY, IDB_HEADER_SURVEY_HOVER, IDB_HEADER_SURVEY},
    {IDC_HEADER_ABOUT, IDB_HEADER_ABOUT, IDB_HEADER_ABOUT_HOVER, IDB_HEADER_ABOUT},
};

}  // namespace

void PageButtons::add(DialogWindow& window, int id, int normal, int hover, int pressed) {
    if (count_ >= kMaxButtons) return;
    HoverBitmapButton& button = buttons_[count_];
    if (!window.attachControl(id, button)) return;
    button.LoadBitmaps(normal, hover, pressed);
    ids_[count_++] = id;
}

void PageButtons::attach(DialogWindow& window, int ownHeaderId, bool withApplyCancel) {
    for (const ButtonBitmaps& b : kHeaderButtons)
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
