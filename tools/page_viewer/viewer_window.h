#pragma once
// The main window with its eight pages as the program lays them out, made from the
// program's own templates, with each page's header row and its bitmaps, but none of the
// program's logic. The page viewer shows it for screenshots; the start-up measurement's
// windows_dialog.exe keeps it hidden, to tell what the page windows alone cost.
#include <windows.h>

#include <memory>
#include <vector>

#include "controls/header_row.h"
#include "controls/page_base.h"
#include "controls/page_host.h"
#include "resources/resource_ids.h"

// A page whose header row is made of hover buttons, all but its own picture.
class ViewerPage : public PageBase {
public:
    ViewerPage(int templateId, int ownHeader) : PageBase(templateId), own_(ownHeader) {}
    bool OnInitDialog() override {
        header_.attach(*window(), own_);
        return true;
    }
    void OnMouseMove(int, int) override { header_.showNormal(); }

private:
    int own_;
    HeaderRow header_;
};

class ViewerWindow : public Dialog {
public:
    ViewerWindow() : Dialog(IDD_MAIN_WINDOW) {}
    PageHost host;
    std::vector<std::unique_ptr<ViewerPage>> pages;

protected:
    // From OnInitDialog: the window at its size, the page host and the eight pages.
    void makePages() {
        HWND self = reinterpret_cast<HWND>(window()->ref());
        window()->resizeClient(662, 651);
        window()->attachControl(IDC_PAGE_HOST, host);
        SetWindowPos(GetDlgItem(self, IDC_PAGE_HOST), nullptr, -4, 75, 670, 600, SWP_NOZORDER | SWP_NOACTIVATE);
        const int ids[] = {IDD_LINK_INFO_PAGE, IDD_CONFIGURATION_PAGE, IDD_SECURITY_PAGE, IDD_SITE_SURVEY_PAGE,
                           IDD_ABOUT_PAGE, IDD_WIZARD_WELCOME_PAGE, IDD_WIZARD_SETUP_PAGE, IDD_WIZARD_TEST_PAGE};
        const int own[] = {IDC_HEADER_LINK_INFO, IDC_HEADER_CONFIG, IDC_HEADER_SECURITY, IDC_HEADER_SITE_SURVEY,
                           IDC_HEADER_ABOUT, 0, 0, 0};
        const char* titles[] = {"Link Info.", "Configuration", "Security", "SiteSurvey", "About", "Wizard", "Wizard", "Wizard"};
        for (int i = 0; i < 8; ++i) {
            pages.push_back(std::make_unique<ViewerPage>(ids[i], own[i]));
            window()->createChild(*pages.back());
            host.AddPage(titles[i], static_cast<uint32_t>(i), pages.back().get());
        }
    }
};
