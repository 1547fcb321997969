#pragma once
// The Security page (template 107): WEP on or off, authentication, the four keys with
// their sizes, the key format and the default key of ActiveSetting, and 802.1X on a
// check box that is never shown. Apply checks the default key, stores the page into
// ActiveSetting, sends the security settings to the adapter (applySecurity) and brings
// Link Info forward. The WEP group and the key fields are the profile editor's
// (kit/wep_group.h, profiles/wep_key_fields.h).

#include "controls/page_base.h"
#include "controls/header_row.h"
#include "kit/wep_group.h"
#include "profiles/wep_key_fields.h"
#include "resources/resource_ids.h"

struct PageServices;

class SecurityPage : public PageBase {
public:
    static constexpr int kTemplateId = IDD_SECURITY_PAGE;

    explicit SecurityPage(PageServices& services);

    // The controls enabled and disabled together with the WEP check box.
    static const WepGroupIds kWepGroup;

    // The main window runs this before it brings the page forward: with a current
    // adapter record the page shows ActiveSetting afresh.
    void reloadSecurityPage();
    void Apply();
    void Cancel();

    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnMouseMove(int x, int y) override;

    const HeaderRow& buttons() const { return buttons_; }

private:
    void load();
    void fillLists();

    PageServices& services_;
    HeaderRow buttons_;
    // One for the page: the key check's own edits notify the page again.
    KeyCheckGuard keyCheck_;
};
