#pragma once
// The eight pages of the main window, by page index, and the preparation each one runs
// before the main window brings it forward. Here each page is its template and nothing
// more; the program's own pages and preparations come from a subclass (LumoraPages).

#include <array>
#include <memory>
#include <string>

#include "controls/page_base.h"

class MainPages {
public:
    static constexpr int kCount = 8;
    enum Index {
        kLinkInfo = 0,
        kConfiguration = 1,
        kSecurity = 2,
        kSiteSurvey = 3,
        kAbout = 4,
        kWizardWelcome = 5,
        kWizardSetup = 6,
        kWizardTest = 7,
    };

    struct Entry {
        int templateId;
        const char* title;
    };
    static const Entry kEntries[kCount];

    MainPages();
    virtual ~MainPages();

    PageBase& page(int index) { return *pages_[size_t(index)]; }
    PageBase& linkInfo() { return page(kLinkInfo); }
    PageBase& wizardTest() { return page(kWizardTest); }

    // Preparations, run by the main window before it shows a page.
    virtual void reloadConfiguration() {}
    virtual void reloadSecurityPage() {}
    virtual void refreshNetworkList() {}
    virtual void refreshProfileList() {}
    virtual void fillAbout() {}
    virtual void PrepareSetup() {}
    virtual void StartTest() {}
    // Connects with a stored profile as a double click on it in the site survey does.
    virtual void connectWithProfile(const std::string& /*name*/) {}

protected:
    void setPage(int index, std::unique_ptr<PageBase> page) { pages_[size_t(index)] = std::move(page); }

private:
    std::array<std::unique_ptr<PageBase>, kCount> pages_;
};
