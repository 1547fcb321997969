#include "pages/profile_editor_dialog.h"

#include <cctype>

#include "adapter/current_adapter.h"
#include "adapter/q_adapter_info.h"
#include "kit/link_journal.h"
#include "kit/list_items.h"
#include "kit/page_services.h"
#include "kit/wep_group.h"
#include "platform/desktop.h"
#include "platform/win32_numbers.h"
#include "profiles/app_name.h"
#include "profiles/profile_names.h"
#include "profiles/profile_store.h"
#include "profiles/wep_key_fields.h"
#include "profiles/wep_keys.h"

namespace {

constexpr int kMaxNameLength = 32;

// Enabled and disabled together by the WEP check box.
const int kWepGroup[] = {IDC_EDITOR_WEP,          IDC_EDITOR_AUTH_MODE,    IDC_EDITOR_KEY1,
                         IDC_EDITOR_KEY2,         IDC_EDITOR_KEY3,         IDC_EDITOR_KEY4,
                         IDC_EDITOR_DEFAULT_KEY1, IDC_EDITOR_DEFAULT_KEY2, IDC_EDITOR_DEFAULT_KEY3,
                         IDC_EDITOR_DEFAULT_KEY4, IDC_EDITOR_KEY_FORMAT,   IDC_EDITOR_KEY1_LENGTH,
                         IDC_EDITOR_KEY2_LENGTH,  IDC_EDITOR_KEY3_LENGTH,  IDC_EDITOR_KEY4_LENGTH};
const WepGroupIds kWepGroupIds{kWepGroup, sizeof kWepGroup / sizeof kWepGroup[0]};

const char* const kBssTypes[] = {"Infrastructure", "IBSS(Ad-Hoc)"};
constexpr int kAuthAuto = 2;

const char kEmptyName[] = "Profile name can't be empty !";
const char kEmptySsid[] = "The SSID can't be empty !";
const char kTitleConnect[] = "Connect:";
const char kTitleAddNew[] = "Add New Profile";
const char kTitleEdit[] = "Profile: ";

void writePosition(ProfileStore& store, const std::string& profile, const char* name, int position) {
    if (position >= 0) store.writeValue(profile, name, std::to_string(position));
}

std::string lowerCase(const std::string& text) {
    std::string out = text;
    for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

std::string cantBe(const char* name) { return std::string("Profile name can't be \"") + name + "\"!"; }

}  // namespace

ProfileEditorDialog::ProfileEditorDialog(PageServices& services) : Dialog(kTemplateId), services_(services) {}

std::string ProfileEditorDialog::refusedNameMessage(const std::string& name) {
    const std::string lower = lowerCase(name);
    if (lower == "activesetting") return cantBe(ProfileName::ActiveSetting);
    if (lower == "factorydefault") return cantBe(ProfileName::FactoryDefault);
    // A backslash makes a key inside a key: the inner one would later stop the outer
    // profile from being deleted.
    if (name.find('\\') != std::string::npos) return "Profile name can't contain \"\\\"!";
    // "end" closes the chain: such a profile would be stored and never listed.
    if (lower == ProfileName::EndOfChain) return cantBe(ProfileName::EndOfChain);
    // The program keeps ProfilePath and Language under "Settings": deleting a profile
    // of that name would delete them too.
    if (lower == "settings") return cantBe("Settings");
    return std::string();
}

void ProfileEditorDialog::fillLists() {
    Controls& c = controls();
    fillList(c, IDC_EDITOR_BSS_TYPE, kBssTypes);
    fillList(c, IDC_EDITOR_TX_RATE, kTxRateTexts);
    fillList(c, IDC_EDITOR_PREAMBLE, kPreambleTexts);
    fillList(c, IDC_EDITOR_POWER_MODE, kPowerModeTexts);
    fillList(c, IDC_EDITOR_AUTH_MODE, kAuthenticationModeTexts);
    fillWepKeyLists(c);
}

void ProfileEditorDialog::fillChannels() {
    Controls& c = controls();
    // Without an adapter nothing can be sent: offer the whole plan, so that editing a
    // stored profile keeps whatever channel it holds.
    const QAdapterInfo* adapter = GetCurrentAdapter();
    const ChannelRange range = adapter ? RegionChannels(adapter->regionCode) : ChannelRange{1, 14};
    c.clearItems(IDC_EDITOR_CHANNEL);
    for (int ch = range.first; ch <= range.last; ++ch) c.addItem(IDC_EDITOR_CHANNEL, std::to_string(ch));
    if (mode == EditorMode::Connect) {
        const int at = c.findItemExact(IDC_EDITOR_CHANNEL, std::to_string(channelNumber));
        if (at >= 0) c.setSelectionIndex(IDC_EDITOR_CHANNEL, at);
    }
}

bool ProfileEditorDialog::OnInitDialog() {
    Controls& c = controls();
    fillLists();
    c.limitText(IDC_EDITOR_SSID, kMaxNameLength);
    c.limitText(IDC_EDITOR_PROFILE_NAME, kMaxNameLength);
    fillChannels();

    for (int id : {IDC_EDITOR_TX_RATE, IDC_EDITOR_PREAMBLE, IDC_EDITOR_POWER_MODE, IDC_EDITOR_BSS_TYPE})
        c.setSelectionIndex(id, 0);
    c.setSelectionIndex(IDC_EDITOR_AUTH_MODE, kAuthAuto);
    c.setSelectionIndex(WepKeyId::Format, kKeyFormatAscii);
    for (int n = 1; n <= 4; ++n) c.setSelectionIndex(WepKeyId::sizeList(n), kKeySize64);
    c.setChecked(WepKeyId::Radio1, true);

    c.setText(IDC_EDITOR_SSID, mode == EditorMode::Connect ? ssid : std::string());
    if (mode == EditorMode::Connect) selectOrClear(c, IDC_EDITOR_BSS_TYPE, networkTypeIndex);
    setWepControlsEnabled(c, kWepGroupIds, networkUsesWep);

    switch (mode) {
    case EditorMode::Connect:
        for (int id : {IDC_EDITOR_SSID, IDC_EDITOR_BSS_TYPE, IDC_EDITOR_CHANNEL}) c.setEnabled(id, false);
        if (hasWindow()) window()->setTitle(kTitleConnect + ssid);
        c.setText(IDC_EDITOR_PROFILE_NAME, ssid);
        // An open network: the box stays unchecked and disabled with the group, so WEP
        // cannot be switched on for it.
        if (networkUsesWep) {
            c.setChecked(IDC_EDITOR_WEP, true);
            c.setEnabled(IDC_EDITOR_WEP, false);
        }
        break;
    case EditorMode::AddNew:
        c.setSelectionIndex(IDC_EDITOR_CHANNEL, 0);
        if (hasWindow()) window()->setTitle(kTitleAddNew);
        c.setEnabled(IDC_EDITOR_WEP, true);
        break;
    case EditorMode::Edit:
        if (hasWindow()) window()->setTitle(kTitleEdit + profileName);
        c.setText(IDC_EDITOR_PROFILE_NAME, profileName);
        c.setEnabled(IDC_EDITOR_PROFILE_NAME, false);
        loadProfile(profileName);
        break;
    }

    if (hasWindow()) {
        if (window()->attachControl(IDC_EDITOR_OK, ok_)) ok_.LoadBitmaps(IDB_OK_BUTTON, IDB_OK_BUTTON, IDB_OK_BUTTON);
        if (window()->attachControl(IDC_CANCEL_IMAGE, cancel_))
            cancel_.LoadBitmaps(IDB_CANCEL_BUTTON, IDB_CANCEL_BUTTON, IDB_CANCEL_BUTTON);
    }
    return true;
}

void ProfileEditorDialog::loadProfile(const std::string& name) {
    Controls& c = controls();
    const ProfileStore& store = services_.store;
    c.setText(IDC_EDITOR_SSID, store.readValue(name, ProfileValue::SSID));
    selectOrClear(c, IDC_EDITOR_BSS_TYPE, store.readNumber(name, ProfileValue::OperationMode));
    const int channel = c.findItemExact(IDC_EDITOR_CHANNEL, store.readValue(name, ProfileValue::Channel));
    if (channel >= 0) c.setSelectionIndex(IDC_EDITOR_CHANNEL, channel);
    selectOrClear(c, IDC_EDITOR_POWER_MODE, store.readNumber(name, ProfileValue::PowerSaveMode));
    selectOrClear(c, IDC_EDITOR_PREAMBLE, store.readNumber(name, ProfileValue::PreambleType));
    selectOrClear(c, IDC_EDITOR_TX_RATE, store.readNumber(name, ProfileValue::MaxRate));
    // WEP on/off, authentication, 802.1X, default key, sizes, format with its remark,
    // the keys, and the mask over them.
    loadWepSettings(c, kWepGroupIds, store, name, true);
}

void ProfileEditorDialog::storeProfile(const std::string& name) {
    Controls& c = controls();
    ProfileStore& store = services_.store;
    store.writeValue(name, ProfileValue::SSID, c.getText(IDC_EDITOR_SSID));
    writePosition(store, name, ProfileValue::OperationMode, c.selection(IDC_EDITOR_BSS_TYPE));
    const int channel = c.selection(IDC_EDITOR_CHANNEL);
    store.writeValue(name, ProfileValue::Channel, channel >= 0 ? c.itemText(IDC_EDITOR_CHANNEL, channel) : "");

    if (mode == EditorMode::Connect && !networkUsesWep) {
        // An open network: whatever the disabled lists show, the profile is open.
        store.writeValue(name, ProfileValue::Authentication, "2");
        store.writeValue(name, ProfileValue::WepEnabled, "0");
        store.writeValue(name, ProfileValue::OneX, "0");
        store.writeValue(name, ProfileValue::KeyIndex, "1");
        for (int n = 1; n <= 4; ++n) store.writeValue(name, ProfileValue::keyLength(n), ProfileText::Key64);
        store.writeValue(name, ProfileValue::KeyFormat, ProfileText::Ascii);
        for (int n = 1; n <= 4; ++n) store.writeValue(name, ProfileValue::keyText(n), "");
    } else {
        storeWepSettings(c, store, name);
    }

    writePosition(store, name, ProfileValue::PowerSaveMode, c.selection(IDC_EDITOR_POWER_MODE));
    writePosition(store, name, ProfileValue::MaxRate, c.selection(IDC_EDITOR_TX_RATE));
    writePosition(store, name, ProfileValue::PreambleType, c.selection(IDC_EDITOR_PREAMBLE));
}

void ProfileEditorDialog::message(const std::string& text) {
    services_.desktop.messageBox(text, kAppName, MessageIcon::None);
}

void ProfileEditorDialog::confirm() {
    Controls& c = controls();
    const std::string name = c.getText(IDC_EDITOR_PROFILE_NAME);   // as typed, no trimming
    if (name.empty()) return message(kEmptyName);
    if (c.getText(IDC_EDITOR_SSID).empty()) return message(kEmptySsid);
    const std::string refused = refusedNameMessage(name);
    if (!refused.empty()) return message(refused);
    if (c.isChecked(IDC_EDITOR_WEP) && !WepKeyFields(c, services_.desktop, keyCheck_).validateSelectedKey()) return;

    storeProfile(name);
    services_.store.linkNewProfile(name);
    // A key the driver refused has been reported; the profile still becomes the
    // settings in force, since it is stored already.
    {
        BusyCursor busy(services_.desktop);   // the run of requests that connects
        const ApplyContext context{services_.store, GetCurrentAdapter(), services_.desktop};
        if (switchToProfile(context, name) == KeyOutcome::Sent) maskKeyEdits(controls());
    }
    RecordLinkEvent(LinkEvent::SettingsApplied, {name});
    if (hasWindow()) window()->endDialog(kOk);
}

bool ProfileEditorDialog::OnCommand(int id, int code) {
    const int key = WepKeyId::keyOfEdit(id);
    if (key != 0) {
        WepKeyFields fields(controls(), services_.desktop, keyCheck_);
        if (code == kEnChange) fields.onKeyChange(key);
        else if (code == kEnSetFocus) fields.onKeyFocus(key);
        return true;
    }
    switch (id) {
    case IDC_EDITOR_OK:
        if (code == kBnClicked) confirm();
        return true;
    case IDC_CANCEL_IMAGE:
        if (code == kBnClicked && hasWindow()) window()->endDialog(kCancel);
        return true;
    case IDC_EDITOR_WEP:
        if (code == kBnClicked) onWepCheckBoxClicked(controls(), kWepGroupIds);
        return true;
    case IDC_EDITOR_KEY_FORMAT:
        if (code == kCbnSelChange) WepKeyFields(controls(), services_.desktop, keyCheck_).onFormatChange();
        return true;
    default:
        return false;
    }
}

void ProfileEditorDialog::OnMouseMove(int, int) {
    for (HoverBitmapButton* b : {&ok_, &cancel_})
        if (b->hasWindow()) b->ShowNormal();
}
