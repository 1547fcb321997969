#include "controls/page_base.h"


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
    for (int i = 0; i < 6; ++i) window()->placeControl(kHeaderIds[i], kHeaderLeft + i * kHeaderStep, kHeaderTop);
    window()->placeControl(IDC_HEADER_RULE, kHeaderLeft, kHeaderRuleTop);
}

bool PageBase::OnUnhandledCommand(int id, int code) {
    if (isMainWindowCommand(id)) {
        if (hasWindow()) window()->sendCommandToParent(id, code);
        return true;
    }
    return Dialog::OnUnhandledCommand(id, code);
}
