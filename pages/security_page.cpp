#include "pages/security_page.h"

#include "adapter/current_adapter.h"
#include "kit/link_journal.h"
#include "kit/list_items.h"
#include "kit/page_services.h"
#include "platform/win32_numbers.h"
#include "profiles/profile_apply.h"
#include "profiles/profile_names.h"
#include "profiles/profile_store.h"
#include "profiles/wep_key_fields.h"
#include "profiles/wep_keys.h"

namespace {

// Who applied, as the journal names it: the page's tab title.
const char kPageTitle[] = "Security";

constexpr int kWepCheckBox = IDC_EDITOR_WEP;
constexpr int kAuthentication = IDC_EDITOR_AUTH_MODE;
constexpr int kAutoAuthentication = 2;

const int kWepGroupControls[] = {
    IDC_EDITOR_WEP,          IDC_EDITOR_AUTH_MODE,    IDC_EDITOR_KEY1,           IDC_EDITOR_KEY2,
    IDC_EDITOR_KEY3,         IDC_EDITOR_KEY4,         IDC_EDITOR_DEFAULT_KEY1,   IDC_EDITOR_DEFAULT_KEY2,
    IDC_EDITOR_DEFAULT_KEY3, IDC_EDITOR_DEFAULT_KEY4, IDC_EDITOR_KEY_FORMAT,     IDC_EDITOR_KEY1_LENGTH,
    IDC_EDITOR_KEY2_LENGTH,  IDC_EDITOR_KEY3_LENGTH,  IDC_EDITOR_KEY4_LENGTH,    IDC_SECURITY_AUTH_LABEL,
    IDC_SECURITY_DEFAULT_LABEL, IDC_SECURITY_LENGTH_LABEL, IDC_SECURITY_FORMAT_LABEL, IDC_SECURITY_KEY_LABEL,
    IDC_EDITOR_HEX_REMARK,
};

// The old encryption and default-key lists: never shown, filled as they always were.
const char* const kEncryptionChoices[] = {"None", "64-bit", "128-bit"};
const char* const kKeyChoices[] = {"None", "Key 1", "Key 2", "Key 3", "Key 4"};

}  // namespace

const WepGroupIds SecurityPage::kWepGroup{kWepGroupControls, sizeof kWepGroupControls / sizeof kWepGroupControls[0]};

SecurityPage::SecurityPage(PageServices& services) : PageBase(kTemplateId), services_(services) {}

void SecurityPage::fillLists() {
    Controls& c = controls();
    fillList(c, kAuthentication, kAuthenticationModeTexts);
    fillWepKeyLists(c);
    fillList(c, IDC_SECURITY_ENCRYPTION_LIST, kEncryptionChoices);
    fillList(c, IDC_SECURITY_KEY_LIST, kKeyChoices);
}

bool SecurityPage::OnInitDialog() {
    Controls& c = controls();
    fillLists();
    c.setSelectionIndex(kAuthentication, kAutoAuthentication);
    c.setSelectionIndex(WepKeyId::Format, kKeyFormatHex);
    for (int n = 1; n <= 4; ++n) c.setSelectionIndex(WepKeyId::sizeList(n), kKeySize64);
    c.setChecked(WepKeyId::Radio1, true);
    load();
    if (hasWindow()) {
        buttons_.attach(*window(), IDC_HEADER_SECURITY);
        buttons_.addApplyAndCancel(*window());
    }
    return true;
}

void SecurityPage::load() {
    // The remark follows the user's choice of format only, never a load.
    loadWepSettings(controls(), kWepGroup, services_.store, ProfileName::ActiveSetting, false);
}

void SecurityPage::reloadSecurityPage() {
    if (GetCurrentAdapter()) load();
}

void SecurityPage::Cancel() {
    if (GetCurrentAdapter()) load();
}

void SecurityPage::Apply() {
    Controls& c = controls();
    if (c.isChecked(kWepCheckBox) && !WepKeyFields(c, services_.desktop, keyCheck_).validateSelectedKey()) return;
    storeWepSettings(c, services_.store, ProfileName::ActiveSetting);
    const ApplyContext context{services_.store, GetCurrentAdapter(), services_.desktop};
    if (applySecurity(context, ProfileName::ActiveSetting) == KeyOutcome::Sent) maskKeyEdits(c);
    RecordLinkEvent(LinkEvent::SettingsApplied, {kPageTitle});
    if (hasWindow()) window()->sendCommandToParent(IDC_HEADER_LINK_INFO, kBnClicked);
}

bool SecurityPage::OnCommand(int id, int code) {
    if (const int n = WepKeyId::keyOfEdit(id)) {
        WepKeyFields fields(controls(), services_.desktop, keyCheck_);
        if (code == kEnChange) fields.onKeyChange(n);
        else if (code == kEnSetFocus) fields.onKeyFocus(n);
        else return false;
        return true;
    }
    switch (id) {
    case WepKeyId::Format:
        if (code != kCbnSelChange) return false;
        WepKeyFields(controls(), services_.desktop, keyCheck_).onFormatChange();
        return true;
    case kWepCheckBox:
        if (code != kBnClicked) return false;
        onWepCheckBoxClicked(controls(), kWepGroup);
        return true;
    case IDC_APPLY:
        if (code != kBnClicked) return false;
        Apply();
        return true;
    case IDC_CANCEL_IMAGE:
        if (code != kBnClicked) return false;
        Cancel();
        return true;
    default:
        return false;
    }
}

void SecurityPage::OnMouseMove(int, int) { buttons_.showNormal(); }
