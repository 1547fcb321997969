#include "pages/wizard_setup_page.h"

#include <cstdio>

#include "adapter/current_adapter.h"
#include "adapter/ndis.h"
#include "adapter/ndis_sets.h"
#include "kit/link_journal.h"
#include "kit/page_services.h"
#include "platform/desktop.h"
#include "platform/win32_numbers.h"
#include "profiles/app_name.h"
#include "profiles/profile_apply.h"
#include "profiles/profile_store.h"
#include "profiles/wep_key_fields.h"
#include "profiles/wep_keys.h"
#include "resources/resource_ids.h"

namespace {

// Who applied, as the journal names it: the page's tab title.
const char kWizardTitle[] = "Wizard";

const char kSsidMistake[] = "SSID size mistake!";
const int kKeyControls[] = {IDC_WIZARD_ASCII_KEY, IDC_WIZARD_HEX_KEY,  IDC_WIZARD_KEY_LENGTH, IDC_WIZARD_KEY,
                            IDC_WIZARD_KEY_LABEL, IDC_WIZARD_LENGTH_LABEL, IDC_WIZARD_HEX_REMARK};

}  // namespace

std::string wizardKeySizeMistakeText(int required) {
    char text[64];
    std::snprintf(text, sizeof text, "WEP Key size mistake!\nNeed %d characters!", required);
    return text;
}

WizardSetupPage::WizardSetupPage(PageServices& services) : PageBase(IDD_WIZARD_SETUP_PAGE), services_(services) {}

bool WizardSetupPage::OnInitDialog() {
    header_.attach(*window(), IDC_HEADER_WIZARD, IDB_HEADER_WIZARD_CURRENT);
    header_.addApplyAndCancel(*window());
    Controls& c = controls();
    c.limitText(IDC_WIZARD_SSID, kSsidLimit);
    c.clearItems(IDC_WIZARD_KEY_LENGTH);
    c.addItem(IDC_WIZARD_KEY_LENGTH, kSize64Text);
    c.addItem(IDC_WIZARD_KEY_LENGTH, kSize128Text);
    // Shown before any pass through the welcome page, the form reads as after a reset.
    resetForm();
    return true;
}

bool WizardSetupPage::OnCommand(int id, int code) {
    switch (id) {
    case IDC_WIZARD_WEP_ON:
    case IDC_WIZARD_WEP_OFF:
        if (code == kBnClicked) onWepSwitch();
        return true;
    case IDC_WIZARD_ASCII_KEY:
    case IDC_WIZARD_HEX_KEY:
        // Only the remark follows the format; the key's limit changes at its next
        // change or focus.
        if (code == kBnClicked) controls().setVisible(IDC_WIZARD_HEX_REMARK, id == IDC_WIZARD_HEX_KEY);
        return true;
    case IDC_WIZARD_KEY:
        if (code == kEnChange || code == kEnSetFocus) onKeyEdit(code == kEnSetFocus);
        return true;
    case IDC_CANCEL_IMAGE:
        if (code == kBnClicked) resetForm();
        return true;
    case IDC_APPLY:
        if (code == kBnClicked) apply();
        return true;
    default:
        return false;
    }
}

void WizardSetupPage::OnMouseMove(int, int) { header_.showNormal(); }

void WizardSetupPage::PrepareSetup() {
    if (GetCurrentAdapter()) resetForm();
}

void WizardSetupPage::resetForm() {
    Controls& c = controls();
    c.setText(IDC_WIZARD_SSID, kDefaultSsid);
    c.setText(IDC_WIZARD_KEY, "");
    c.setChecked(IDC_WIZARD_WEP_ON, false);
    c.setChecked(IDC_WIZARD_WEP_OFF, true);
    c.setChecked(IDC_WIZARD_ASCII_KEY, true);
    c.setChecked(IDC_WIZARD_HEX_KEY, false);
    c.setSelectionIndex(IDC_WIZARD_KEY_LENGTH, kKeySize64);
    setKeyControlsEnabled(false);
    c.setVisible(IDC_WIZARD_HEX_REMARK, false);
}

void WizardSetupPage::onWepSwitch() {
    setKeyControlsEnabled(controls().isChecked(IDC_WIZARD_WEP_ON));
}

void WizardSetupPage::setKeyControlsEnabled(bool enabled) {
    for (int id : kKeyControls) controls().setEnabled(id, enabled);
}

bool WizardSetupPage::asciiSelected() { return controls().isChecked(IDC_WIZARD_ASCII_KEY); }

int WizardSetupPage::keySizeCode() { return controls().selection(IDC_WIZARD_KEY_LENGTH); }

void WizardSetupPage::onKeyEdit(bool gotFocus) {
    // The edit's own change notifications while the check deletes characters.
    if (keyCheck_.active()) return;
    Controls& c = controls();
    if (gotFocus) c.setSelection(IDC_WIZARD_KEY, 0, -1);
    c.setPasswordChar(IDC_WIZARD_KEY, 0);
    const bool ascii = asciiSelected();
    // A lower limit never shortens what is there; it only stops further typing.
    const int limit = requiredKeyLength(keySizeCode(), ascii);
    if (limit > 0) c.limitText(IDC_WIZARD_KEY, limit);
    if (!ascii) trimToHexDigits(c, IDC_WIZARD_KEY, services_.desktop, keyCheck_);
}

void WizardSetupPage::apply() {
    Controls& c = controls();
    const std::string ssid = c.getText(IDC_WIZARD_SSID);
    if (ssid.empty()) {
        services_.desktop.messageBox(kSsidMistake, kAppName, MessageIcon::Information);
        return;
    }
    if (c.isChecked(IDC_WIZARD_WEP_ON)) {
        // A list without a selection is taken as its first position, 64 bits.
        const int size = keySizeCode() == kKeySize128 ? kKeySize128 : kKeySize64;
        const int required = requiredKeyLength(size, asciiSelected());
        if (static_cast<int>(c.getText(IDC_WIZARD_KEY).size()) != required) {
            services_.desktop.messageBox(wizardKeySizeMistakeText(required), kAppName, MessageIcon::Information);
            return;
        }
    }
    putSettingsInForce(ssid);
    RecordLinkEvent(LinkEvent::SettingsApplied, {kWizardTitle});
    if (hasWindow()) window()->sendCommandToParent(IDC_WIZARD_NEXT, kBnClicked);
}

// Every value goes to ActiveSetting before its request; without a current adapter
// record the values are stored and nothing is sent. Request results are not looked at,
// except the key's.
void WizardSetupPage::putSettingsInForce(const std::string& ssid) {
    ProfileStore& store = services_.store;
    QAdapterInfo* adapter = GetCurrentAdapter();
    const char* const profile = ProfileName::ActiveSetting;

    store.writeValue(profile, ProfileValue::ProfileName, "");
    store.writeValue(profile, ProfileValue::OperationMode, ProfileText::Infrastructure);
    if (adapter) SetU32(*adapter, OID_802_11_INFRASTRUCTURE_MODE, Ndis802_11Infrastructure);
    store.writeValue(profile, ProfileValue::Authentication, "2");
    if (adapter) SetU32(*adapter, OID_802_11_AUTHENTICATION_MODE, Ndis802_11AuthModeAutoSwitch);

    const bool wepOn = controls().isChecked(IDC_WIZARD_WEP_ON);
    store.writeValue(profile, ProfileValue::WepEnabled, wepOn ? "1" : ProfileText::Off);
    if (wepOn) putKeyInForce();
    if (adapter) SetU32(*adapter, OID_802_11_WEP_STATUS, wepOn ? Ndis802_11WEPEnabled : Ndis802_11WEPDisabled);
    // The SSID's own bytes, with WEP as without: the name stored is the name asked for.
    store.writeValue(profile, ProfileValue::SSID, ssid);
    if (adapter) SetSsid(*adapter, ssid);
}

void WizardSetupPage::putKeyInForce() {
    ProfileStore& store = services_.store;
    Controls& c = controls();
    const char* const profile = ProfileName::ActiveSetting;
    const bool ascii = asciiSelected();
    const std::string key = c.getText(IDC_WIZARD_KEY);

    store.writeValue(profile, ProfileValue::KeyFormat, ascii ? ProfileText::Ascii : ProfileText::Hex);
    store.writeValue(profile, ProfileValue::Key1, key);
    // The key sent is key 1: the stored default key must name it, or the next
    // re-application of the settings in force would send another one.
    store.writeValue(profile, ProfileValue::KeyIndex, "1");
    const std::string digits = ascii ? keyTextToHex(key) : key;

    const int size = keySizeCode();
    if (size != kKeySize64 && size != kKeySize128) return;
    store.writeValue(profile, ProfileValue::Key1Length, size == kKeySize64 ? ProfileText::Key64 : ProfileText::Key128);
    if (static_cast<int>(digits.size()) != requiredKeyLength(size, false)) return;

    const ApplyContext context{store, GetCurrentAdapter(), services_.desktop};
    if (!context.adapter) return;
    if (!sendWepKeyRecord(context, size, digits, NDIS_802_11_WEP_TRANSMIT_KEY))
        services_.desktop.messageBox(kDriverAccessErrorText, kDriverAccessErrorTitle, MessageIcon::Stop);
}
