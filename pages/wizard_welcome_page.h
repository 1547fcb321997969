#pragma once
// The wizard's first page (dialog 114): what the wizard does, and Next, which asks the
// main window to go on to the setup page (command 1212; the main window resets the
// setup form on the way).

#include "controls/page_base.h"
#include "controls/header_row.h"

class WizardWelcomePage : public PageBase {
public:
    WizardWelcomePage();

    bool OnInitDialog() override;
    void OnMouseMove(int x, int y) override;

private:
    HeaderRow header_;
};
