#include "pages/wizard_welcome_page.h"

#include "resources/resource_ids.h"

WizardWelcomePage::WizardWelcomePage() : PageBase(IDD_WIZARD_WELCOME_PAGE) { header_.add(next_); }

bool WizardWelcomePage::OnInitDialog() {
    header_.attach(*window(), false);
    // Next's click goes on to the main window as command 1212 (PageBase).
    if (window()->attachControl(IDC_WIZARD_NEXT, next_)) next_.LoadBitmaps(IDB_WIZARD_NEXT);
    return true;
}

void WizardWelcomePage::OnMouseMove(int, int) { header_.showNormal(); }
