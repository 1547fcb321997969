#include "pages/wizard_welcome_page.h"

#include "resources/resource_ids.h"

WizardWelcomePage::WizardWelcomePage() : PageBase(IDD_WIZARD_WELCOME_PAGE) {}

bool WizardWelcomePage::OnInitDialog() {
    header_.attach(*window(), IDC_HEADER_WIZARD);
    // Next's click goes on to the main window (PageBase).
    header_.add(*window(), IDC_WIZARD_NEXT, IDB_WIZARD_NEXT);
    return true;
}

void WizardWelcomePage::OnMouseMove(int, int) { header_.showNormal(); }
