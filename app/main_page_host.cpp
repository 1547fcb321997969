#include "app/main_page_host.h"

#include "controls/page_host.h"
#include "platform/dialog_window.h"
#include "resources/resource_ids.h"

bool PageHostPages::Attach(DialogWindow& window) { return window.attachControl(IDC_PAGE_HOST, host_); }

int PageHostPages::AddPage(const std::string& title, uint32_t data, PageBase& page) {
    return host_.AddPage(title, data, &page);
}

bool PageHostPages::SelectPage(int position) { return host_.SelectPage(position); }

int PageHostPages::CurrentPosition() const { return host_.GetCurrentPosition(); }

Rect PageHostPages::PagePlacement() const { return host_.PagePlacement(0); }
