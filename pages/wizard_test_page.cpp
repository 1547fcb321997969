#include "pages/wizard_test_page.h"

#include "adapter/current_adapter.h"
#include "adapter/q_adapter_info.h"
#include "pages/internet_check.h"
#include "kit/page_services.h"
#include "profiles/profile_store.h"
#include "resources/resource_ids.h"

namespace {
const char kTickTrail[] = "..";
}

WizardTestPage::WizardTestPage(PageServices& services) : PageBase(IDD_WIZARD_TEST_PAGE), services_(services) {}

bool WizardTestPage::OnInitDialog() {
    display_.attach(*window());
    display_.initBars();
    display_.resetHistory();
    display_.setLastCounters(0, 0);
    display_.initGraphs();
    header_.attach(*window(), IDC_HEADER_WIZARD, IDB_HEADER_WIZARD_CURRENT);
    return true;
}

void WizardTestPage::OnMouseMove(int, int) { header_.showNormal(); }

void WizardTestPage::StartTest() {
    if (!GetCurrentAdapter() || !hasWindow()) return;
    window()->setTimer(kLinkTimer, kLinkPeriodMs);
    wirelessText_ = internetText_ = kTesting;
    controls().setText(IDC_WIZARD_WIRELESS_TEXT, wirelessText_);
    controls().setText(IDC_WIZARD_INTERNET_TEXT, internetText_);
    wirelessTicks_ = internetTicks_ = 0;
    window()->setTimer(kInternetTimer, kCheckPeriodMs);
    window()->setTimer(kWirelessTimer, kCheckPeriodMs);
}

void WizardTestPage::OnTimer(unsigned timerId) {
    switch (timerId) {
    case kLinkTimer: return linkTick();
    case kInternetTimer: return internetTick();
    case kWirelessTimer: return wirelessTick();
    default: return;
    }
}

void WizardTestPage::StopTimers() {
    for (unsigned id : {kLinkTimer, kInternetTimer, kWirelessTimer}) stopTimer(id);
}

void WizardTestPage::stopTimer(unsigned id) {
    if (hasWindow()) window()->killTimer(id);
}

void WizardTestPage::linkTick() {
    QAdapterInfo* adapter = GetCurrentAdapter();
    if (!adapter) return;
    adapter->RefreshStatus();
    display_.showThroughput(controls(), adapter->txBytes, adapter->rxBytes);
    // While the link is down the bars read 0, whatever the last figures were.
    if (adapter->mediaState != NdisMediaStateConnected)
        display_.showSignal(controls(), 0, 0);
    else
        display_.showSignal(controls(), LinkDisplay::signalStrength(adapter->rssi),
                            LinkDisplay::linkQualityPercent(adapter->linkQuality));
}

void WizardTestPage::internetTick() {
    internetText_ += kTickTrail;
    controls().setText(IDC_WIZARD_INTERNET_TEXT, internetText_);
    if (++internetTicks_ < kDecidingTick) return;

    // Stopped first: the attempt holds the user interface for a few seconds, and the
    // tick must not come round again whatever it answers.
    stopTimer(kInternetTimer);
    const InternetOutcome outcome = services_.internet
                                        ? services_.internet->openPage(internetCheckUrl(services_.store.settings()))
                                        : InternetOutcome::Neither;
    if (outcome == InternetOutcome::Handle) controls().setText(IDC_WIZARD_INTERNET_TEXT, kPass);
    else if (outcome == InternetOutcome::Error) controls().setText(IDC_WIZARD_INTERNET_TEXT, kFail);
}

void WizardTestPage::wirelessTick() {
    wirelessText_ += kTickTrail;
    controls().setText(IDC_WIZARD_WIRELESS_TEXT, wirelessText_);
    if (++wirelessTicks_ >= kDecidingTick) {
        controls().setText(IDC_WIZARD_WIRELESS_TEXT, kFail);
        stopTimer(kWirelessTimer);
        return;
    }
    // A record that went away with the adapter counts as no link.
    QAdapterInfo* adapter = GetCurrentAdapter();
    if (adapter && adapter->mediaState == NdisMediaStateConnected) {
        controls().setText(IDC_WIZARD_WIRELESS_TEXT, kPass);
        stopTimer(kWirelessTimer);
    }
}
