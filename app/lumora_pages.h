#pragma once
// The program's eight pages, each of its own class, and the preparations the main window
// runs before it brings a page forward.

#include "app/main_pages.h"

class LinkInfoPage;
class AboutPage;
class ConfigurationPage;
class SecurityPage;
struct PageServices;
class SiteSurveyPage;
class WizardSetupPage;
class WizardTestPage;

class LumoraPages final : public MainPages {
public:
    // `services` must outlive the pages.
    explicit LumoraPages(PageServices& services);
    ~LumoraPages() override;

    void reloadConfiguration() override;
    void reloadSecurityPage() override;
    void refreshNetworkList() override;
    void refreshProfileList() override;
    void fillAbout() override;
    void PrepareSetup() override;
    void StartTest() override;
    void connectWithProfile(const std::string& name) override;

    LinkInfoPage& linkInfoPage() { return *linkInfoPage_; }
    ConfigurationPage& configuration() { return *configuration_; }
    SecurityPage& security() { return *security_; }
    AboutPage& about() { return *about_; }

private:
    PageServices& services_;
    LinkInfoPage* linkInfoPage_ = nullptr;
    ConfigurationPage* configuration_ = nullptr;
    SecurityPage* security_ = nullptr;
    AboutPage* about_ = nullptr;
    SiteSurveyPage* siteSurvey_ = nullptr;
    WizardSetupPage* wizardSetup_ = nullptr;
    WizardTestPage* wizardTest_ = nullptr;
};
