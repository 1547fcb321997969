#include "app/main_page_host.h"

#include "controls/page_host.h"

int PageHostPages::AddPage(const std::string& title, uint32_t data, PageBase& page) {
    return host_.AddPage(title, data, &page);
}

bool PageHostPages::SelectPage(int position) { return host_.SelectPage(position); }

int PageHostPages::CurrentPosition() const { return host_.GetCurrentPosition(); }
