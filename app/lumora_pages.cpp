#include "app/lumora_pages.h"

#include <memory>

#include "monitor/channel_map.h"
#include "monitor/link_info_page.h"
#include "monitor/site_survey_page.h"
#include "pages/about_page.h"
#include "pages/configuration_page.h"
#include "kit/page_services.h"
#include "pages/security_page.h"
#include "pages/wizard_setup_page.h"
#include "pages/wizard_test_page.h"
#include "pages/wizard_welcome_page.h"

LumoraPages::LumoraPages(PageServices& services) : services_(services) {
    auto linkInfo = std::make_unique<LinkInfoPage>(services_);
    linkInfoPage_ = linkInfo.get();
    setPage(kLinkInfo, std::move(linkInfo));
    auto configuration = std::make_unique<ConfigurationPage>(services_);
    configuration_ = configuration.get();
    setPage(kConfiguration, std::move(configuration));
    auto security = std::make_unique<SecurityPage>(services_);
    security_ = security.get();
    setPage(kSecurity, std::move(security));
    auto about = std::make_unique<AboutPage>(services_);
    about_ = about.get();
    setPage(kAbout, std::move(about));
    auto siteSurvey = std::make_unique<SiteSurveyPage>(services_);
    siteSurvey_ = siteSurvey.get();
    setPage(kSiteSurvey, std::move(siteSurvey));
    // The wizard's three steps.
    setPage(kWizardWelcome, std::make_unique<WizardWelcomePage>());
    auto setup = std::make_unique<WizardSetupPage>(services_);
    wizardSetup_ = setup.get();
    setPage(kWizardSetup, std::move(setup));
    auto test = std::make_unique<WizardTestPage>(services_);
    wizardTest_ = test.get();
    setPage(kWizardTest, std::move(test));
}

LumoraPages::~LumoraPages() = default;

void LumoraPages::reloadConfiguration() {
    configuration_->setSuggestedChannel(SuggestChannelNow());
    configuration_->Show();
}
void LumoraPages::reloadSecurityPage() { security_->reloadSecurityPage(); }
void LumoraPages::refreshNetworkList() { siteSurvey_->refreshNetworkList(); }
void LumoraPages::refreshProfileList() { siteSurvey_->refreshProfileList(); }
void LumoraPages::fillAbout() { about_->Show(); }
void LumoraPages::PrepareSetup() { wizardSetup_->PrepareSetup(); }
void LumoraPages::StartTest() { wizardTest_->StartTest(); }
void LumoraPages::connectWithProfile(const std::string& name) { siteSurvey_->connectWith(name); }
