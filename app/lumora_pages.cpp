#include "app/lumora_pages.h"

#include <memory>

#include "monitor/site_survey_page.h"
#include "pages/page_services.h"

LumoraPages::LumoraPages(PageServices& services) : services_(services) {
    auto siteSurvey = std::make_unique<SiteSurveyPage>(services_);
    siteSurvey_ = siteSurvey.get();
    setPage(kSiteSurvey, std::move(siteSurvey));
}

LumoraPages::~LumoraPages() = default;

void LumoraPages::reloadConfiguration() {}
void LumoraPages::reloadSecurityPage() {}
void LumoraPages::refreshNetworkList() { siteSurvey_->refreshNetworkList(); }
void LumoraPages::refreshProfileList() { siteSurvey_->refreshProfileList(); }
void LumoraPages::fillAbout() {}
void LumoraPages::PrepareSetup() {}
void LumoraPages::StartTest() {}
