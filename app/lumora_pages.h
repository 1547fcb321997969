#pragma once
// The program's eight pages: each page's own class in place of its blank stand-in, and
// the preparations the main window runs before it brings a page forward.

#include "app/main_pages.h"

struct PageServices;
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

private:
    PageServices& services_;
    WizardSetupPage* wizardSetup_ = nullptr;
    WizardTestPage* wizardTest_ = nullptr;
};
