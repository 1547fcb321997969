#include "controls/page_base.h"

#include "resources/resource_ids.h"

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

bool PageBase::OnUnhandledCommand(int id, int code) {
    if (isMainWindowCommand(id)) {
        if (hasWindow()) window()->sendCommandToParent(id, code);
        return true;
    }
    return Dialog::OnUnhandledCommand(id, code);
}
