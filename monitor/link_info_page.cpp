#include "monitor/link_info_page.h"

#include <algorithm>
#include <cstdio>

#include "adapter/current_adapter.h"
#include "adapter/ndis.h"
#include "adapter/ndis_queries.h"
#include "adapter/q_adapter_info.h"
#include "language/language_texts.h"
#include "controls/system_tray.h"
#include "kit/link_journal.h"
#include "kit/page_services.h"
#include "platform/win32_numbers.h"
#include "profiles/profile_names.h"
#include "profiles/profile_store.h"

namespace {

constexpr Colour kBarColour = 0x996733;   // RGB (51, 103, 153)

const char kNetworkSearch[] = "Network Search ...";
const char kNoConnect[] = "No Connect to Network";
const char kRescanSsid[] = "Recan SSID:";
const char kAutoSearchProfile[] = "Auto Search Profile:";
const char kJoined[] = "Joined IBSSID=";
const char kAssociated[] = "Associated BSSID=";
const char kTipNoConnect[] = "WLAN Monitor\nNo Connect";
const char kTipPoor[] = "WLAN Monitor\nSignal Strength : Poor";
const char kTipGood[] = "WLAN Monitor\nSignal Strength : Good";
constexpr int kPoorBelow = 50;
// Lines separated as a multi-line edit wants them.
const char kLineBreak[] = "\r\n";
const char kJournalTitleKey[] = "JournalTitle";
const char kJournalTitle[] = "Recent link events";
// AutoSearch "0" means on; a missing value is not "0", so the search is off.
const char kAutoSearchOn[] = "0";

std::string decimal(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return text;
}

}  // namespace

LinkInfoPage::LinkInfoPage(PageServices& services)
    : PageBase(kTemplateId), services_(services), display_(kBarColour) {}

int LinkInfoPage::trayIconFor(int s) {
    if (s <= 0) return IDI_TRAY_NO_SIGNAL;
    if (s <= 25) return IDI_TRAY_POOR_SIGNAL;
    if (s <= 75) return IDI_TRAY_FAIR_SIGNAL;
    return IDI_TRAY_GOOD_SIGNAL;
}

const char* LinkInfoPage::modeLabel(uint32_t mode) {
    switch (mode) {
    case Ndis802_11IBSS: return kJoined;
    case Ndis802_11Infrastructure:
    case Ndis802_11AutoUnknown: return kAssociated;
    default: return "";
    }
}

std::string LinkInfoPage::rateText(uint32_t speed) {
    const std::string mbps = std::to_string(speed / 10000u);
    return mbps == "5" ? "5.5" : mbps;
}

bool LinkInfoPage::OnInitDialog() {
    retryCount_ = 0;
    searchProfile_ = nextProfileOf(ProfileName::FactoryDefault);
    if (hasWindow()) display_.attach(*window());
    display_.initBars();
    StartTimers();
    display_.resetHistory();
    display_.initGraphs();
    if (hasWindow()) {
        header_.attach(*window(), IDC_HEADER_LINK_INFO);
        header_.add(*window(), IDC_LINK_SEARCH, IDB_SEARCH_BUTTON);
    }
    controls().setText(IDC_LINK_JOURNAL_LABEL, services_.texts.GetText(kJournalTitleKey, kJournalTitle));
    return true;
}

void LinkInfoPage::OnTimer(unsigned) { monitorTick(); }

bool LinkInfoPage::OnCommand(int id, int code) {
    if (id == IDC_LINK_SEARCH && code == kBnClicked) {
        restartSearch();
        return true;
    }
    return false;
}

void LinkInfoPage::StartTimers() {
    if (hasWindow()) window()->setTimer(kTimer, kPeriodMs);
}

void LinkInfoPage::StopTimers() {
    if (hasWindow()) window()->killTimer(kTimer);
    // The adapter went away: when it is back, its link is news again.
    linkSeen_ = LinkSeen::Unknown;
}

void LinkInfoPage::OnMouseMove(int, int) {
    header_.showNormal();
}

void LinkInfoPage::monitorTick() {
    QAdapterInfo* adapter = GetCurrentAdapter();
    if (!adapter) {
        showJournal();
        return;
    }
    adapter->RefreshStatus();

    if (!countersRead_) {
        display_.setLastCounters(adapter->txBytes, adapter->rxBytes);
        countersRead_ = true;
    }
    display_.showThroughput(controls(), adapter->txBytes, adapter->rxBytes);
    const int quality = LinkDisplay::linkQualityPercent(adapter->linkQuality);
    const int strength = LinkDisplay::signalStrength(adapter->rssi);

    if (adapter->mediaState != NdisMediaStateConnected)
        showDisconnected(*adapter);
    else
        showConnected(*adapter, strength, quality);
    const std::string channel = showChannelAndRate(*adapter);
    if (linkUpStrength_ >= 0) {
        RecordLinkEvent(LinkEvent::LinkUp,
                        {adapter->GetSsidText(), adapter->GetBssidText(), channel, decimal(linkUpStrength_)});
        linkUpStrength_ = -1;
    }
    showJournal();
}

void LinkInfoPage::showJournal() {
    const LinkJournal* journal = GetLinkJournal();
    if (!journal || journal->serial() == journalShown_) return;
    journalShown_ = journal->serial();
    controls().showText(IDC_LINK_JOURNAL, journal->newestFirst(LinkJournal::kCapacity, kLineBreak));
}

void LinkInfoPage::showDisconnected(QAdapterInfo& adapter) {
    if (linkSeen_ == LinkSeen::Up) RecordLinkEvent(LinkEvent::LinkLost);
    linkSeen_ = LinkSeen::Down;
    setTray(IDI_TRAY_NO_SIGNAL, kTipNoConnect);
    display_.showSignal(controls(), 0, 0);
    statusText_ = kNetworkSearch;
    // Ad hoc with nobody to join: there is nothing to search for, the network is ours.
    if (services_.store.readValue(ProfileName::ActiveSetting, ProfileValue::OperationMode) == ProfileText::AdHoc) {
        controls().showText(IDC_LINK_SSID, adapter.GetSsidText());
        controls().showText(IDC_LINK_STATUS, kJoined + adapter.GetBssidText());
        return;
    }
    // Every step of the search names what it looks for in the SSID field, so the field
    // is told once, by the step: the adapter's own SSID would show for no time at all,
    // and each change repaints it, hidden or not.
    searchStep();
}

void LinkInfoPage::showConnected(QAdapterInfo& adapter, int strength, int quality) {
    const std::string ssid = adapter.GetSsidText();
    controls().showText(IDC_LINK_SSID, ssid);
    // The SSID seen on a working link is the one in force. Written only when it changed:
    // the store is the registry, and this runs every second all day.
    if (!ssid.empty() && services_.store.readValue(ProfileName::ActiveSetting, ProfileValue::SSID) != ssid)
        services_.store.writeValue(ProfileName::ActiveSetting, ProfileValue::SSID, ssid);
    setTray(trayIconFor(strength), strength < kPoorBelow ? kTipPoor : kTipGood);
    display_.showSignal(controls(), strength, quality);
    resetSearch();
    // A switch to another network between two ticks is news too, though the link never
    // looked down.
    const std::string bssid = adapter.GetBssidText();
    if (linkSeen_ != LinkSeen::Up || bssid != upBssid_) linkUpStrength_ = strength;
    linkSeen_ = LinkSeen::Up;
    upBssid_ = bssid;

    uint32_t mode = 0;
    const char* label = "";
    if (QueryU32(adapter, OID_802_11_INFRASTRUCTURE_MODE, mode)) label = modeLabel(mode);
    controls().showText(IDC_LINK_STATUS, label + adapter.GetBssidText());
}

std::string LinkInfoPage::showChannelAndRate(QAdapterInfo& adapter) {
    std::string channelText;
    NDIS_802_11_CONFIGURATION config{};
    if (QueryConfiguration(adapter, config)) {
        // A frequency outside the plan says nothing about the channel: keep what is shown.
        const int channel = FrequencyToChannel(config.DSConfig);
        if (channel != kNoChannel) {
            channelText = decimal(channel);
            controls().showText(IDC_LINK_CHANNEL, channelText);
        }
    }
    uint32_t speed = 0;
    if (QueryU32(adapter, OID_GEN_LINK_SPEED, speed))
        controls().showText(IDC_LINK_TX_RATE, rateText(speed));
    return channelText;
}

void LinkInfoPage::setTray(int icon, const char* tooltip) {
    CSystemTray* tray = GetTrayIcon();
    if (!tray) return;
    // Every tick says what should show; the tray tells the shell only what changed.
    tray->SetIcon(icon);
    tray->SetTooltipText(tooltip);
}

void LinkInfoPage::resetSearch() {
    searchProfile_ = ProfileName::FactoryDefault;
    waitCount_ = 0;
    retryCount_ = 0;
    dotTrail_.clear();
    searchEndNoted_ = false;
    switchesNoted_.clear();
}

std::string LinkInfoPage::nextProfileOf(const std::string& profile) const {
    return services_.store.nextInChain(profile);
}

void LinkInfoPage::addDot() {
    if (dotTrail_.size() < kMaxDots) dotTrail_ += '.';
}

ApplyContext LinkInfoPage::applyContext() {
    return {services_.store, GetCurrentAdapter(), services_.desktop};
}

void LinkInfoPage::searchStep() {
    Controls& c = controls();
    ProfileStore& store = services_.store;
    if (retryCount_ < kRetries) {
        statusText_ += dotTrail_;
        c.showText(IDC_LINK_STATUS, statusText_);
        const std::string ssid = store.readValue(ProfileName::ActiveSetting, ProfileValue::SSID);
        c.showText(IDC_LINK_SSID, kRescanSsid + ssid);
        if (retryCount_ == 0) RecordLinkEvent(LinkEvent::SearchReapply, {ssid});
        applyProfile(applyContext(), ProfileName::ActiveSetting);
        ++retryCount_;
        addDot();
        return;
    }

    const std::string next = nextProfileOf(searchProfile_);
    const bool enabled = store.readValue(ProfileName::ActiveSetting, ProfileValue::AutoSearch) == kAutoSearchOn &&
                         next != ProfileName::EndOfChain;
    if (!enabled) {
        c.showText(IDC_LINK_STATUS, kNoConnect);
        c.showText(IDC_LINK_SSID, "");
        if (!searchEndNoted_) RecordLinkEvent(LinkEvent::ChainEnded);
        searchEndNoted_ = true;
        return;
    }
    if (waitCount_ < kWaits) {
        statusText_ += dotTrail_;
        c.showText(IDC_LINK_STATUS, statusText_);
        c.showText(IDC_LINK_SSID, kAutoSearchProfile + next);
        addDot();
        ++waitCount_;
        return;
    }
    searchProfile_ = next;
    c.showText(IDC_LINK_SSID, kAutoSearchProfile + searchProfile_);
    switchToProfile(applyContext(), searchProfile_);
    if (std::find(switchesNoted_.begin(), switchesNoted_.end(), searchProfile_) == switchesNoted_.end()) {
        switchesNoted_.push_back(searchProfile_);
        RecordLinkEvent(LinkEvent::SearchSwitch, {searchProfile_});
    }
    waitCount_ = 0;
}

void LinkInfoPage::restartSearch() {
    statusText_ = kNetworkSearch;
    resetSearch();
    searchStep();
}
