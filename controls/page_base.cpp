#include "controls/page_base.h"

const PageBase::HeaderBitmaps PageBase::kHeaderBitmaps[6] = {
    {IDC_HEADER_WIZARD, IDB_HEADER_WIZARD, IDB_HEADER_WIZARD_HOVER, IDB_HEADER_WIZARD},
    {IDC_HEADER_LINK_INFO, IDB_HEADER_LINK, IDB_HEADER_LINK_HOVER, IDB_HEADER_LINK},
    {IDC_HEADER_CONFIG, IDB_HEADER_CONFIG, IDB_HEADER_CONFIG_HOVER, IDB_HEADER_CONFIG},
    {IDC_HEADER_SECURITY, IDB_HEADER_SECURITY, IDB_HEADER_SECURITY_HOVER, IDB_HEADER_SECURITY},
    {IDC_HEADER_SITE_SURVEY, IDB_HEADER_SURVEY, IDB_HEADER_SURVEY_HOVER, IDB_HEADER_SURVEY},
    {IDC_HEADER_ABOUT, IDB_HEADER_ABOUT, IDB_HEADER_ABOUT_HOVER, IDB_HEADER_ABOUT},
};

bool PageBase::isMainWindowCommand(int id) {
    switch (id) {
    case IDC_HEADER_WIZARD:
    case IDC_HEADER_LINK_INFO:
    case IDC_HEADER_CONFIG:
    case IDC_HEADER_SECURITY:
    case IDC_HEADER_SITE_SURVEY:
    case IDC_HEADER_ABOUT:
    case IDC_WIZARD_NEXT:
        return true;
    default:
        return false;
    }
}

void PageBase::OnPrepareWindow() {
    if (!hasWindow()) return;
    DialogWindow& w = *window();
    for (int i = 0; i < 6; ++i) {
        w.placeControl(kHeaderIds[i], kHeaderLeft + i * kHeaderStep, kHeaderTop);
        // The page's own controls come first for the Tab key: a page opens with the
        // focus in its content, where Enter means the page's action, not another page.
        w.sendControlToBack(kHeaderIds[i]);
    }
    w.placeControl(IDC_HEADER_RULE, kHeaderLeft, kHeaderRuleTop);
    // Its template width is in dialog units, which would carry it past the row (and the
    // window's edge) with a wider dialog font.
    w.sizeControl(IDC_HEADER_RULE, kHeaderRuleWidth, kHeaderRuleHeight);
}

bool PageBase::OnUnhandledCommand(int id, int code) {
    if (isMainWindowCommand(id)) {
        if (hasWindow()) window()->sendCommandToParent(id, code);
        return true;
    }
    return Dialog::OnUnhandledCommand(id, code);
}
