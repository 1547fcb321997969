#pragma once
// The Link Info page (dialog 103), the program's link monitor. Timer 1 ticks once a
// second: the page reads the current adapter record's link snapshot, shows status,
// SSID, rate, channel, signal, quality and throughput, keeps the tray icon and its
// tooltip in step with the signal and, while the link is down, searches: six ticks of
// re-applying ActiveSetting, then along the NextProfile chain, five ticks naming the
// next profile and one switching to it, until the chain ends.
//
// The main window stops timer 1 while there is no adapter and starts it again when the
// adapter is back; every timer message that reaches the page is a tick.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "controls/header_row.h"
#include "controls/page_base.h"
#include "kit/link_display.h"
#include "profiles/profile_apply.h"
#include "resources/resource_ids.h"

struct PageServices;
class QAdapterInfo;

class LinkInfoPage : public PageBase {
public:
    static constexpr int kTemplateId = IDD_LINK_INFO_PAGE;
    static constexpr unsigned kTimer = 1;
    static constexpr unsigned kPeriodMs = 1000;
    // Re-applications of ActiveSetting before the chain is tried, and ticks waited at
    // each position of the chain before switching.
    static constexpr int kRetries = 6;
    static constexpr int kWaits = 5;
    // A chain that leads back on itself is searched forever; its trail of dots stops
    // growing at this length (far wider than the status field) instead of all day.
    static constexpr size_t kMaxDots = 64;

    // `services` must outlive the page.
    explicit LinkInfoPage(PageServices& services);

    bool OnInitDialog() override;
    void OnTimer(unsigned timerId) override;
    void StartTimers() override;
    void StopTimers() override;
    bool OnCommand(int id, int code) override;
    void OnMouseMove(int x, int y) override;

    // One tick of the monitor.
    void monitorTick();
    // One step of the automatic search.
    void searchStep();
    // The search button (1166): the search starts over at once, whatever the link.
    void restartSearch();

    // ---- The monitor's state, for those who watch it ----
    int retryCount() const { return retryCount_; }
    int waitCount() const { return waitCount_; }
    const std::string& searchProfile() const { return searchProfile_; }
    const std::string& dotTrail() const { return dotTrail_; }
    const std::string& statusText() const { return statusText_; }
    LinkDisplay& display() { return display_; }

    // ---- The figures a tick shows ----
    // Tray icon resource for a signal strength of 0..100.
    static int trayIconFor(int strength);
    // "Joined IBSSID=", "Associated BSSID=" or "" for an infrastructure-mode answer.
    static const char* modeLabel(uint32_t mode);
    // Whole Mbps of a link speed in units of 100 bit/s, "5" written as "5.5".
    static std::string rateText(uint32_t speed);

private:
    void showDisconnected(QAdapterInfo& adapter);
    void showConnected(QAdapterInfo& adapter, int strength, int quality);
    // The channel shown, or "" when the driver named none on the plan.
    std::string showChannelAndRate(QAdapterInfo& adapter);
    void resetSearch();
    void setTray(int icon, const char* tooltip);
    // The profile after `profile` in the chain; "end" for the end, also when the link
    // names no stored profile (switching to it would empty the settings in force).
    std::string nextProfileOf(const std::string& profile) const;
    // Where the search sends profiles: the current adapter record, whichever it is now.
    ApplyContext applyContext();
    void addDot();
    // The journal: what changed since the last tick, and its lines on the page.
    void showJournal();

    PageServices& services_;
    int retryCount_ = 0;
    std::string statusText_;
    std::string dotTrail_;
    std::string searchProfile_;
    int waitCount_ = 0;
    // The first tick measures against the counters it reads itself, so it shows 0
    // rather than everything counted since the adapter started.
    bool countersRead_ = false;
    // The link as the last tick saw it, so the journal gets one line per change.
    enum class LinkSeen { Unknown, Up, Down };
    LinkSeen linkSeen_ = LinkSeen::Unknown;
    std::string upBssid_;
    // The link came up this tick: noted once the tick has read its channel, so the
    // journal costs the driver no request of its own.
    int linkUpStrength_ = -1;
    bool searchEndNoted_ = false;
    // Profiles this search has switched to. A chain that leads back on itself is searched
    // for ever; its first round is news, every later one would push the rest out of the
    // journal and put a balloon up every few seconds.
    std::vector<std::string> switchesNoted_;
    uint64_t journalShown_ = 0;
    LinkDisplay display_;
    HeaderRow header_;
};
