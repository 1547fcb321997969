#include "controls/page_base.h"

#include "controls/header_row.h"

bool PageBase::isMainWindowCommand(int id) {
    return HeaderRow::isPageButton(id) || id == IDC_WIZARD_NEXT;
}

void PageBase::OnPrepareWindow() {
    if (!hasWindow()) return;
    for (int i = 0; i < HeaderRow::kPageButtons; ++i)
        window()->placeControl(HeaderRow::kPageButtonLooks[i].id, kHeaderLeft + i * kHeaderStep, kHeaderTop);
    window()->placeControl(IDC_HEADER_RULE, kHeaderLeft, kHeaderRuleTop);
}

bool PageBase::OnUnhandledCommand(int id, int code) {
    if (isMainWindowCommand(id)) {
        if (hasWindow()) window()->sendCommandToParent(id, code);
        return true;
    }
    return Dialog::OnUnhandledCommand(id, code);
}
