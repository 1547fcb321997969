#include "app/lumora_pages.h"

#include "pages/page_services.h"

LumoraPages::LumoraPages(PageServices& services) : services_(services) {}

LumoraPages::~LumoraPages() = default;

void LumoraPages::reloadConfiguration() {}
void LumoraPages::reloadSecurityPage() {}
void LumoraPages::refreshNetworkList() {}
void LumoraPages::refreshProfileList() {}
void LumoraPages::fillAbout() {}
void LumoraPages::PrepareSetup() {}
void LumoraPages::StartTest() {}
