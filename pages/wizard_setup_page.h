#pragma once
// The wizard's second page (dialog 112): an SSID, WEP on or off and, with WEP on, one
// key typed as ASCII characters or hexadecimal digits, 64 or 128 bits. Apply puts an
// infrastructure network with automatic authentication in force on the adapter, stores
// the same settings in ActiveSetting and asks the main window to go on to the test page.

#include <string>

#include "controls/page_base.h"
#include "controls/header_row.h"
#include "profiles/wep_key_fields.h"

struct PageServices;

class WizardSetupPage : public PageBase {
public:
    static constexpr int kSsidLimit = 32;
    static constexpr const char* kDefaultSsid = "vexa";

    explicit WizardSetupPage(PageServices& services);

    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnMouseMove(int x, int y) override;

    // Run by the main window on its way from the welcome page: with a current adapter
    // record the form goes back to the factory values; without one nothing changes.
    void PrepareSetup();
    // SSID "vexa", WEP off, ASCII, 64 bits, empty key, key controls disabled, no remark.
    void resetForm();
    // Checks the form, puts it in force, and moves on to the test page.
    void apply();

private:
    void onWepSwitch();
    void onKeyEdit(bool gotFocus);
    void setKeyControlsEnabled(bool enabled);
    bool asciiSelected();
    int keySizeCode();
    void putSettingsInForce(const std::string& ssid);
    void putKeyInForce();

    PageServices& services_;
    HeaderRow header_;
    KeyCheckGuard keyCheck_;
};

// "WEP Key size mistake!\nNeed %d characters!"
std::string wizardKeySizeMistakeText(int required);
