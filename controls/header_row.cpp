#include "controls/header_row.h"

#include "platform/dialog_window.h"
#include "resources/resource_ids.h"

namespace {

struct HeaderBitmaps {
    int id;
    int normal, hover, pressed;
};
// Left to right; the pressed look is the normal one.
const HeaderBitmaps kRow[HeaderRow::kButtons] = {
    {IDC_HEADER_WIZARD, IDB_HEADER_WIZARD, IDB_HEADER_WIZARD_HOVER, IDB_HEADER_WIZARD},
    {IDC_HEADER_LINK_INFO, IDB_HEADER_LINK, IDB_HEADER_LINK_HOVER, IDB_HEADER_LINK},
    {IDC_HEADER_CONFIG, IDB_HEADER_CONFIG, IDB_HEADER_CONFIG_HOVER, IDB_HEADER_CONFIG},
    {IDC_HEADER_SECURITY, IDB_HEADER_SECURITY, IDB_HEADER_SECURITY_HOVER, IDB_HEADER_SECURITY},
    {IDC_HEADER_SITE_SURVEY, IDB_HEADER_SURVEY, IDB_HEADER_SURVEY_HOVER, IDB_HEADER_SURVEY},
    {IDC_HEADER_ABOUT, IDB_HEADER_ABOUT, IDB_HEADER_ABOUT_HOVER, IDB_HEADER_ABOUT},
};

}  // namespace

void HeaderRow::attach(DialogWindow& window, int ownId) {
    for (int i = 0; i < kButtons; ++i) {
        const HeaderBitmaps& b = kRow[i];
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
