#include "pages/wizard_header_row.h"

#include "platform/dialog_window.h"
#include "resources/resource_ids.h"

namespace {

struct HeaderBitmaps {
    int id;
    int normal, hover, pressed;
};
const HeaderBitmaps kRow[6] = {
    {IDC_HEADER_WIZARD, IDB_HEADER_WIZARD_CURRENT, IDB_HEADER_WIZARD_CURRENT, IDB_HEADER_WIZARD_CURRENT},
    {IDC_HEADER_LINK_INFO, IDB_HEADER_LINK, IDB_HEADER_LINK_HOVER, IDB_HEADER_LINK},
    {IDC_HEADER_CONFIG, IDB_HEADER_CONFIG, IDB_HEADER_CONFIG_HOVER, IDB_HEADER_CONFIG},
    {IDC_HEADER_SECURITY, IDB_HEADER_SECURITY, IDB_HEADER_SECURITY_HOVER, IDB_HEADER_SECURITY},
    {IDC_HEADER_SITE_SURVEY, IDB_HEADER_SURVEY, IDB_HEADER_SURVEY_HOVER, IDB_HEADER_SURVEY},
    {IDC_HEADER_ABOUT, IDB_HEADER_ABOUT, IDB_HEADER_ABOUT_HOVER, IDB_HEADER_ABOUT},
};

}  // namespace

void WizardHeaderRow::attach(DialogWindow& window, bool wizardButtonClickable) {
    for (int i = wizardButtonClickable ? 0 : 1; i < 6; ++i) {
        const HeaderBitmaps& b = kRow[i];
        if (window.attachControl(b.id, buttons_[i])) buttons_[i].LoadBitmaps(b.normal, b.hover, b.pressed);
    }
}

void WizardHeaderRow::showNormal() {
    for (HoverBitmapButton& b : buttons_)
        if (b.hasWindow()) b.ShowNormal();
    for (int i = 0; i < extraCount_; ++i)
        if (extra_[i]->hasWindow()) extra_[i]->ShowNormal();
}
