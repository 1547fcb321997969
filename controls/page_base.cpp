#include "controls/page_base.h"

#include "controls/header_row.h"

bool PageBase::isMainWindowCommand(int id) {
    return HeaderRow::isPageButton(id) || id == IDC_WIZARD_NEXT;
}

void PageBase::OnPrepareWindow() {
    if (!hasWindow()) return;
    DialogWindow& w = *window();
    for (int i = 0; i < HeaderRow::kPageButtons; ++i) {
        const int id = HeaderRow::kPageButtonLooks[i].id;
        w.placeControl(id, kHeaderLeft + i * kHeaderStep, kHeaderTop);
        // The page's own controls come first for the Tab key: a page opens with the
        // focus in its content, where Enter means the page's action, not another page.
        w.sendControlToBack(id);
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
