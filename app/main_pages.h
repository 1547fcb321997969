#pragma once
// The eight pages of the main window, by page index, and the preparation each one runs
// before the main window brings it forward. Pages fill in their own preparations as
// they are built; until then a page is its template and nothing more.

#include <array>
#include <memory>

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
        kWizardSetup = 5,
        kWizardTest = 6,
        kWizardResult = 7,
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
    // The wizard page whose link display and checks run on timers 2 to 4.
    PageBase& wizardTimers() { return page(kWizardResult); }

    // Preparations, run by the main window before it shows a page.
    virtual void reloadConfiguration() {}
    virtual void reloadSecurityPage() {}
    virtual void refreshNetworkList() {}
    virtual void refreshProfileList() {}
    virtual void fillAbout() {}
    virtual void PrepareSetup() {}
    virtual void StartTest() {}

protected:
    // Later pages replace their blank stand-in here.
    void setPage(int index, std::unique_ptr<PageBase> page) { pages_[size_t(index)] = std::move(page); }

private:
    std::array<std::unique_ptr<PageBase>, kCount> pages_;
};
