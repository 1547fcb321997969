#include "controls/header_row.h"

#include "platform/dialog_window.h"
#include "resources/resource_ids.h"

const HeaderRow::PageButton HeaderRow::kPageButtonLooks[kPageButtons] = {
    {IDC_HEADER_WIZARD, IDB_HEADER_WIZARD, IDB_HEADER_WIZARD_HOVER},
    {IDC_HEADER_LINK_INFO, IDB_HEADER_LINK, IDB_HEADER_LINK_HOVER},
    {IDC_HEADER_CONFIG, IDB_HEADER_CONFIG, IDB_HEADER_CONFIG_HOVER},
    {IDC_HEADER_SECURITY, IDB_HEADER_SECURITY, IDB_HEADER_SECURITY_HOVER},
    {IDC_HEADER_SITE_SURVEY, IDB_HEADER_SURVEY, IDB_HEADER_SURVEY_HOVER},
    {IDC_HEADER_ABOUT, IDB_HEADER_ABOUT, IDB_HEADER_ABOUT_HOVER},
};

bool HeaderRow::isPageButton(int id) {
    for (const PageButton& b : kPageButtonLooks)
        if (b.id == id) return true;
    return false;
}

void HeaderRow::attach(DialogWindow& window, int ownId, int ownPicture) {
    for (const PageButton& b : kPageButtonLooks) {
        if (b.id != ownId)
            add(window, b.id, b.normal, b.hover, b.normal);
        else if (ownPicture != 0)
            add(window, b.id, ownPicture);
    }
}

bool HeaderRow::add(DialogWindow& window, int id, int normal, int hover, int pressed) {
    if (count_ >= kMaxButtons) return false;
    HoverBitmapButton& button = buttons_[count_];
    if (!window.attachControl(id, button)) return false;
    button.LoadBitmaps(normal, hover, pressed);
    ids_[count_++] = id;
    return true;
}

void HeaderRow::addApplyAndCancel(DialogWindow& window) {
    add(window, IDC_APPLY, IDB_APPLY_BUTTON);
    add(window, IDC_CANCEL_IMAGE, IDB_CANCEL_BUTTON);
}

void HeaderRow::showNormal() {
    for (size_t i = 0; i < count_; ++i)
        if (buttons_[i].hasWindow()) buttons_[i].ShowNormal();
}

HoverBitmapButton* HeaderRow::button(int id) {
    for (size_t i = 0; i < count_; ++i)
        if (ids_[i] == id) return &buttons_[i];
    return nullptr;
}
