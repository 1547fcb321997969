#include "app/lumora_pages.h"

#include <memory>

#include "monitor/link_info_page.h"
#include "pages/page_services.h"

LumoraPages::LumoraPages(PageServices& services) : services_(services) {
    auto linkInfo = std::make_unique<LinkInfoPage>(services_);
    linkInfoPage_ = linkInfo.get();
    setPage(kLinkInfo, std::move(linkInfo));
}

LumoraPages::~LumoraPages() = default;

void LumoraPages::reloadConfiguration() {}
void LumoraPages::reloadSecurityPage() {}
void LumoraPages::refreshNetworkList() {}
void LumoraPages::refreshProfileList() {}
void LumoraPages::fillAbout() {}
void LumoraPages::PrepareSetup() {}
void LumoraPages::StartTest() {}
