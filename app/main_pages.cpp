#include "app/main_pages.h"

#include "resources/resource_ids.h"

const MainPages::Entry MainPages::kEntries[kCount] = {
    {IDD_LINK_INFO_PAGE, "Link Info."},
    {IDD_CONFIGURATION_PAGE, "Configuration"},
    {IDD_SECURITY_PAGE, "Security"},
    {IDD_SITE_SURVEY_PAGE, "SiteSurvey"},
    {IDD_ABOUT_PAGE, "About"},
    {IDD_WIZARD_WELCOME_PAGE, "Wizard"},
    {IDD_WIZARD_SETUP_PAGE, "Wizard"},
    {IDD_WIZARD_TEST_PAGE, "Wizard"},
};

MainPages::MainPages() {
    for (int i = 0; i < kCount; ++i)
        pages_[size_t(i)] = std::make_unique<PageBase>(kEntries[i].templateId);
}

MainPages::~MainPages() = default;
