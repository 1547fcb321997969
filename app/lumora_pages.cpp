#include "app/lumora_pages.h"

#include <memory>

#include "pages/page_services.h"
#include "pages/wizard_setup_page.h"
#include "pages/wizard_test_page.h"
#include "pages/wizard_welcome_page.h"

LumoraPages::LumoraPages(PageServices& services) : services_(services) {
    // The wizard's three steps.
    setPage(kWizardSetup, std::make_unique<WizardWelcomePage>());
    auto setup = std::make_unique<WizardSetupPage>(services_);
    wizardSetup_ = setup.get();
    setPage(kWizardTest, std::move(setup));
    auto test = std::make_unique<WizardTestPage>(services_);
    wizardTest_ = test.get();
    setPage(kWizardResult, std::move(test));
}

LumoraPages::~LumoraPages() = default;

void LumoraPages::reloadConfiguration() {}
void LumoraPages::reloadSecurityPage() {}
void LumoraPages::refreshNetworkList() {}
void LumoraPages::refreshProfileList() {}
void LumoraPages::fillAbout() {}
void LumoraPages::PrepareSetup() { wizardSetup_->PrepareSetup(); }
void LumoraPages::StartTest() { wizardTest_->StartTest(); }
