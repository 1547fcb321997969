#include "pages/configuration_page.h"

#include "adapter/current_adapter.h"
#include "adapter/ndis.h"
#include "adapter/ndis_queries.h"
#include "adapter/ndis_sets.h"
#include "adapter/q_adapter_info.h"
#include "language/language_texts.h"
#include "kit/link_journal.h"
#include "kit/list_items.h"
#include "kit/notify_setting.h"
#include "kit/page_services.h"
#include "platform/win32_numbers.h"
#include "profiles/profile_names.h"
#include "profiles/profile_store.h"

namespace {

// Who applied, as the journal names it: the page's tab title.
const char kPageTitle[] = "Configuration";

constexpr int kSsid = IDC_CONFIG_SSID;
constexpr int kNetworkType = IDC_CONFIG_BSS_TYPE;
constexpr int kChannel = IDC_CONFIG_CHANNEL;
constexpr int kAutoSearch = IDC_CONFIG_AUTO_SEARCH;
constexpr int kPowerMode = IDC_CONFIG_POWER_MODE;
constexpr int kTxRate = IDC_CONFIG_TX_RATE;
constexpr int kPreamble = IDC_CONFIG_PREAMBLE;

constexpr int kInfrastructurePosition = 0;
constexpr int kAdHocPosition = 1;
constexpr int kAutoSearchOnPosition = 0;

const char* const kNetworkTypes[] = {"Infrastructure", "Ad-Hoc"};
const char* const kOnOff[] = {"On", "Off"};

const char* const kActive = ProfileName::ActiveSetting;

// The quietest channel for an ad-hoc network, as the site survey's channel map finds it.
const char kSuggestedKey[] = "ChannelSuggested";
const char kSuggested[] = "%1 (suggested)";

// Balloons on link changes (notify_setting.h).
constexpr int kNotify = IDC_CONFIG_NOTIFY;
const char kNotifyKey[] = "NotifyCheck";
const char kNotifyText[] = "Show a balloon when the link changes";

}  // namespace

ConfigurationPage::ConfigurationPage(PageServices& services) : PageBase(kTemplateId), services_(services) {}

void ConfigurationPage::fillLists() {
    Controls& c = controls();
    fillList(c, kNetworkType, kNetworkTypes);
    fillList(c, kAutoSearch, kOnOff);
    fillList(c, kPowerMode, kPowerModeTexts);
    fillList(c, kTxRate, kTxRateTexts);
    fillList(c, kPreamble, kPreambleTexts);
}

bool ConfigurationPage::OnInitDialog() {
    fillLists();
    controls().limitText(kSsid, kSsidLimit);
    controls().setEnabled(kPowerMode, true);
    controls().setText(kNotify, services_.texts.GetText(kNotifyKey, kNotifyText));
    showNotifySetting();
    if (hasWindow()) {
        buttons_.attach(*window(), IDC_HEADER_CONFIG);
        buttons_.addApplyAndCancel(*window());
    }
    return true;
}

void ConfigurationPage::showNotifySetting() {
    controls().setChecked(kNotify, NotifySetting::Enabled(services_.store.settings()));
}

void ConfigurationPage::Load() {
    QAdapterInfo* adapter = GetCurrentAdapter();
    if (!adapter) return;
    Controls& c = controls();
    const ProfileStore& store = services_.store;
    showNotifySetting();

    adapter->RefreshStatus();
    selectOrClear(c, kAutoSearch, store.readNumber(kActive, ProfileValue::AutoSearch));
    selectOrClear(c, kTxRate, store.readNumber(kActive, ProfileValue::MaxRate));
    const std::string ssid = adapter->GetSsidText();
    c.setText(kSsid, ssid.empty() ? kDefaultSsid : ssid);

    uint32_t mode = 0;
    if (QueryU32(*adapter, OID_802_11_INFRASTRUCTURE_MODE, mode)) {
        switch (mode) {
        case Ndis802_11IBSS:
            c.setSelectionIndex(kNetworkType, kAdHocPosition);
            break;
        case Ndis802_11Infrastructure:
            c.setSelectionIndex(kNetworkType, kInfrastructurePosition);
            c.setEnabled(kChannel, false);
            break;
        case Ndis802_11AutoUnknown:
            c.setSelectionIndex(kNetworkType, kInfrastructurePosition);
            break;
        default:
            break;
        }
    }

    range_ = RegionChannels(adapter->regionCode);
    c.clearItems(kChannel);
    const std::string suggested = services_.texts.GetText(kSuggestedKey, kSuggested);
    for (int channel = range_.first; channel <= range_.last; ++channel) {
        const std::string number = std::to_string(channel);
        c.addItem(kChannel, channel == suggestedChannel_ ? LinkJournal::FillIn(suggested, {number}) : number);
    }
    if (ssid.empty()) {
        selectOrClear(c, kChannel, kDefaultChannelPosition);
    } else {
        NDIS_802_11_CONFIGURATION config{};
        if (QueryConfiguration(*adapter, config)) {
            // A frequency off the plan (5 GHz, or the table's empty entry 0) selects nothing.
            const int channel = FrequencyToChannel(config.DSConfig);
            if (IsTunableChannel(channel)) selectOrClear(c, kChannel, channel - range_.first);
        }
    }

    c.setEnabled(kPowerMode, true);
    selectOrClear(c, kPowerMode, store.readNumber(kActive, ProfileValue::PowerSaveMode));
    selectOrClear(c, kPreamble, store.readNumber(kActive, ProfileValue::PreambleType));
}

void ConfigurationPage::Show() {
    QAdapterInfo* adapter = GetCurrentAdapter();
    if (!adapter) return;
    Load();
    if (adapter->mediaState != NdisMediaStateConnected) {
        // Without a link the page offers the factory network rather than whatever the
        // adapter is trying to join; the channel list keeps its enabled state.
        Controls& c = controls();
        c.setText(kSsid, kDefaultSsid);
        selectOrClear(c, kChannel, kDefaultChannelPosition);
        c.setSelectionIndex(kNetworkType, kInfrastructurePosition);
        c.setSelectionIndex(kAutoSearch, kAutoSearchOnPosition);
    }
}

void ConfigurationPage::Apply() {
    QAdapterInfo* adapter = GetCurrentAdapter();
    if (!adapter) return;
    Controls& c = controls();
    ProfileStore& store = services_.store;

    store.writeValue(kActive, ProfileValue::AutoSearch, std::to_string(c.selection(kAutoSearch)));

    // A list without a choice (its query failed at load, or the channel list is shorter
    // than the position Show picks) sends and stores nothing for its value.
    const int typePosition = c.selection(kNetworkType);
    const bool typeChosen = typePosition == kInfrastructurePosition || typePosition == kAdHocPosition;
    const uint32_t mode = typePosition == kAdHocPosition ? Ndis802_11IBSS : Ndis802_11Infrastructure;
    if (typeChosen) {
        store.writeValue(kActive, ProfileValue::OperationMode,
                         mode == Ndis802_11IBSS ? ProfileText::AdHoc : ProfileText::Infrastructure);
        SetU32(*adapter, OID_802_11_INFRASTRUCTURE_MODE, mode);
    }

    // The edit holds at most 32 characters; a longer text could only come from elsewhere.
    const std::string ssid = c.getText(kSsid);
    if (SetSsid(*adapter, ssid)) store.writeValue(kActive, ProfileValue::SSID, ssid);

    const int channelPosition = c.selection(kChannel);
    const int channel = range_.first + channelPosition;
    const bool channelChosen = channelPosition >= 0 && channel <= range_.last;
    if (channelChosen) store.writeValue(kActive, ProfileValue::Channel, std::to_string(channel));
    if (typeChosen && mode == Ndis802_11IBSS && channelChosen) SetChannel(*adapter, channel);

    // Stored only: no part of the program sends these to the adapter. A list without a
    // choice stores -1, which the next load shows as no choice again.
    store.writeValue(kActive, ProfileValue::PreambleType, std::to_string(c.selection(kPreamble)));
    store.writeValue(kActive, ProfileValue::PowerSaveMode, std::to_string(c.selection(kPowerMode)));
    store.writeValue(kActive, ProfileValue::MaxRate, std::to_string(c.selection(kTxRate)));
    NotifySetting::Store(store.settings(), c.isChecked(kNotify));
    RecordLinkEvent(LinkEvent::SettingsApplied, {kPageTitle});

    Load();
    if (hasWindow()) window()->sendCommandToParent(IDC_HEADER_LINK_INFO, kBnClicked);
}

void ConfigurationPage::Cancel() {
    if (GetCurrentAdapter()) Load();
}

void ConfigurationPage::onNetworkTypeChanged() {
    controls().setEnabled(kChannel, controls().selection(kNetworkType) == kAdHocPosition);
}

bool ConfigurationPage::OnCommand(int id, int code) {
    switch (id) {
    case IDC_APPLY:
    case IDC_CONFIG_APPLY_BUTTON:
        if (code != kBnClicked) return false;
        Apply();
        return true;
    case IDC_CANCEL_IMAGE:
    case IDC_CONFIG_CANCEL_BUTTON:
        if (code != kBnClicked) return false;
        Cancel();
        return true;
    case kNetworkType:
        if (code != kCbnSelChange) return false;
        onNetworkTypeChanged();
        return true;
    default:
        return false;
    }
}

void ConfigurationPage::OnMouseMove(int, int) { buttons_.showNormal(); }
