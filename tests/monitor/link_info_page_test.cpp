// The link monitor on the simulated adapter, tick by tick: what each tick shows, what it
// sends to the driver (from the request log) and what it leaves in the store, while the
// link is up, lost, searched for along the profile chain and found again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/fake_tray_shell.h"
#include "controls/system_tray.h"
#include "monitor/link_info_page.h"
#include "monitor/link_notifier.h"
#include "kit/link_journal.h"
#include "profiles/profile_apply.h"
#include "support/sim_bench.h"

namespace {

const char kBase[] = "Network Search ...";

std::string Scenario(bool homeInRange, bool cafeInRange) {
    std::string text =
        "[Driver]\nAssociationDelay=0\nRssiJitter=0\n"
        "[Adapter product]\nDescription=Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter\n"
        "DeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\nRegion=0x10\n"
        "[Network home]\nSsid=HomeNet\nBssid=00:11:22:33:44:01\nChannel=6\nRssi=-48\nRates=g\n"
        "[Network cafe]\nSsid=CafeNet\nBssid=00:11:22:33:44:02\nChannel=1\nRssi=-70\nRates=b\n";
    text += homeInRange ? "" : "[Network home-gone]\n";
    if (!homeInRange) text.replace(text.find("Rates=g\n"), 8, "Rates=g\nInRange=0\n");
    if (!cafeInRange) text.replace(text.find("Rates=b\n"), 8, "Rates=b\nInRange=0\n");
    return text;
}

// The page in its window, with the tray, on the simulated adapter. The settings in force
// are the home network with automatic search on (unless `autoSearch` says otherwise,
// null for a missing value); the chain is FactoryDefault, Office, Cafe.
class MonitorRig {
public:
    explicit MonitorRig(const char* autoSearch = "0") : env(ParseScenario(Scenario(true, true))) {
        for (int id : {IDC_LINK_STATUS, IDC_LINK_SSID, IDC_LINK_TX_RATE, IDC_LINK_CHANNEL, IDC_LINK_JOURNAL})
            controls.addEdit(id);
        for (int id : {IDC_SIGNAL_PERCENT, IDC_QUALITY_PERCENT, IDC_TX_FIGURE, IDC_RX_FIGURE, IDC_LINK_SEARCH})
            controls.addStatic(id);
        trayCreated = tray.Create(0, 0x800A, "WLAN Monitor", tray.LoadIcon(128), 154, false, "", "t", 2, 20);
        SetTrayIcon(&tray);
        env.profile("ActiveSetting", {{"SSID", "HomeNet"}, {"OperationMode", "0"}, {"Authentication", "2"},
                                      {"WepEnabled", "0"}, {"ProfileName", "FactoryDefault"}, {"Channel", "6"}});
        if (autoSearch) env.store.writeValue("ActiveSetting", "AutoSearch", autoSearch);
        env.profile("FactoryDefault", {{"NextProfile", "Office"}});
        env.profile("Office", {{"SSID", "OfficeNet"}, {"OperationMode", "0"}, {"WepEnabled", "0"},
                               {"NextProfile", "Cafe"}});
        env.profile("Cafe", {{"SSID", "CafeNet"}, {"OperationMode", "0"}, {"WepEnabled", "0"},
                             {"NextProfile", "end"}});
        env.create(page);
    }
    ~MonitorRig() { SetTrayIcon(nullptr); }

    // One second passes and timer 1 fires; the request log then holds that tick alone.
    void tick() {
        env.desktop.now += 1000;
        env.sim.ClearRequestLog();
        page.OnTimer(LinkInfoPage::kTimer);
    }
    bool connectHome() {
        env.sim.SetScenario(ParseScenario(Scenario(true, false)));
        applyProfile({env.store, env.adapter, env.desktop}, "ActiveSetting");
        tick();
        return env.adapter->mediaState == NdisMediaStateConnected;
    }
    void loseLink(bool cafeInRange = false) { env.sim.SetScenario(ParseScenario(Scenario(false, cafeInRange))); }
    std::string text(int id) const { return controls.getText(id); }
    std::string active(const char* name) const { return env.store.readValue("ActiveSetting", name, "<missing>"); }
    int trayIcon() const { return int(tray.Record().icon - 0x10000); }
    // The SSID each SSID set request of the last tick asked for.
    std::vector<std::string> requestedSsids() const {
        std::vector<std::string> out;
        for (const auto& e : env.sim.RequestLog())
            if (e.type == NdisRequestSetInformation && e.oid == OID_802_11_SSID && e.bytes.size() == 36)
                out.emplace_back(reinterpret_cast<const char*>(e.bytes.data() + 4), e.bytes[0]);
        return out;
    }

    SimBench env;
    FakeControls& controls = env.controls;
    FakeDialogWindow& window = env.window;
    FakeTrayShell trayShell;
    CSystemTray tray{trayShell, [](const std::string&, const std::string& d) { return d; }};
    bool trayCreated = false;
    LinkInfoPage page{env.services};
};

std::string dots(size_t n) { return std::string(n, '.'); }

class LinkInfoPageTest : public ::testing::Test, public MonitorRig {
protected:
    void SetUp() override {
        ASSERT_NE(GetCurrentAdapter(), nullptr);
        ASSERT_TRUE(trayCreated);
    }
};

const std::vector<uint32_t> kApplyOpenInfrastructure = {OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_DISASSOCIATE,
                                                         OID_802_11_AUTHENTICATION_MODE, OID_802_11_WEP_STATUS,
                                                         OID_802_11_SSID};

TEST_F(LinkInfoPageTest, InitialisationStartsTheTimerAndTheFirstSearchOneStepDownTheChain) {
    EXPECT_EQ(window.timers.at(LinkInfoPage::kTimer), 1000u);
    page.StopTimers();   // the main window's poll lost the adapter, then found it again
    EXPECT_TRUE(window.timers.empty());
    page.StartTimers();
    EXPECT_EQ(window.timers.at(LinkInfoPage::kTimer), 1000u);
    EXPECT_EQ(page.retryCount(), 0);
    EXPECT_EQ(page.waitCount(), 0);
    EXPECT_EQ(page.searchProfile(), "Office");
    for (int id : {IDC_SIGNAL_BAR, IDC_QUALITY_BAR, IDC_TX_GRAPH, IDC_RX_GRAPH, IDC_LINK_SEARCH, IDC_HEADER_WIZARD,
                   IDC_HEADER_ABOUT})
        EXPECT_EQ(window.attached.count(id), 1u) << id;
    EXPECT_EQ(window.attached.count(IDC_HEADER_LINK_INFO), 0u);   // this page's own picture
    EXPECT_EQ(page.display().txGraph().GetBarCount(), 40);

    // Never connected since start-up: the search's first switch skips Office.
    loseLink();
    for (int t = 1; t <= 11; ++t) tick();
    EXPECT_EQ(text(IDC_LINK_SSID), "Auto Search Profile:Cafe");
    tick();
    EXPECT_EQ(active("ProfileName"), "Cafe");
    EXPECT_EQ(requestedSsids(), std::vector<std::string>{"CafeNet"});
}

TEST_F(LinkInfoPageTest, ALostLinkIsSearchedForTickByTickAlongTheChainUntilItComesBack) {
    connectHome();
    EXPECT_EQ(text(IDC_LINK_STATUS), "Associated BSSID=00-11-22-33-44-01");
    EXPECT_EQ(text(IDC_LINK_SSID), "HomeNet");
    EXPECT_EQ(text(IDC_LINK_CHANNEL), "6");
    EXPECT_EQ(text(IDC_LINK_TX_RATE), "54");
    EXPECT_EQ(text(IDC_SIGNAL_PERCENT), "100%");
    EXPECT_EQ(trayIcon(), IDI_TRAY_GOOD_SIGNAL);
    EXPECT_EQ(tray.GetTooltipText(), "WLAN Monitor\nSignal Strength : Good");
    EXPECT_EQ(page.searchProfile(), "FactoryDefault");   // every later search starts at the head
    EXPECT_TRUE(env.setOids().empty());                  // a connected tick sends nothing
    // The SSID seen on a working link is the one in force.
    env.store.writeValue("ActiveSetting", "SSID", "Stale");
    tick();
    EXPECT_EQ(active("SSID"), "HomeNet");

    loseLink(/*cafeInRange=*/true);
    // Ticks 1 to 6: ActiveSetting again, the whole sequence each time.
    for (int t = 1; t <= 6; ++t) {
        tick();
        SCOPED_TRACE("tick " + std::to_string(t));
        EXPECT_EQ(text(IDC_LINK_STATUS), kBase + dots(t - 1));
        EXPECT_EQ(text(IDC_LINK_SSID), "Recan SSID:HomeNet");
        EXPECT_EQ(env.setOids(), kApplyOpenInfrastructure);
        EXPECT_EQ(requestedSsids(), std::vector<std::string>{"HomeNet"});
        EXPECT_EQ(page.retryCount(), t);
        EXPECT_EQ(trayIcon(), IDI_TRAY_NO_SIGNAL);
        EXPECT_EQ(tray.GetTooltipText(), "WLAN Monitor\nNo Connect");
        EXPECT_EQ(text(IDC_SIGNAL_PERCENT), "0%");
        EXPECT_EQ(text(IDC_QUALITY_PERCENT), "0%");
    }
    // Ticks 7 to 11: the next profile is named, nothing is sent.
    for (int t = 7; t <= 11; ++t) {
        tick();
        SCOPED_TRACE("tick " + std::to_string(t));
        EXPECT_EQ(text(IDC_LINK_STATUS), kBase + dots(t - 1));
        EXPECT_EQ(text(IDC_LINK_SSID), "Auto Search Profile:Office");
        EXPECT_TRUE(env.setOids().empty());
        EXPECT_EQ(page.waitCount(), t - 6);
        EXPECT_EQ(active("ProfileName"), "FactoryDefault");
    }
    // Tick 12: the switch. The status line stays as tick 11 left it.
    tick();
    EXPECT_EQ(text(IDC_LINK_STATUS), kBase + dots(10));
    EXPECT_EQ(text(IDC_LINK_SSID), "Auto Search Profile:Office");
    EXPECT_EQ(env.setOids(), kApplyOpenInfrastructure);
    EXPECT_EQ(requestedSsids(), std::vector<std::string>{"OfficeNet"});
    EXPECT_EQ(active("ProfileName"), "Office");
    EXPECT_EQ(active("SSID"), "OfficeNet");
    EXPECT_EQ(page.waitCount(), 0);
    EXPECT_EQ(page.retryCount(), 6);   // phase one is not entered again
    // Ticks 13 to 17 wait on Cafe, tick 18 switches to it, and CafeNet is in range.
    for (int t = 13; t <= 17; ++t) {
        tick();
        EXPECT_EQ(text(IDC_LINK_SSID), "Auto Search Profile:Cafe") << t;
        EXPECT_TRUE(env.setOids().empty()) << t;
    }
    EXPECT_EQ(text(IDC_LINK_STATUS), kBase + dots(15));
    tick();
    EXPECT_EQ(requestedSsids(), std::vector<std::string>{"CafeNet"});
    EXPECT_EQ(active("ProfileName"), "Cafe");
    // Tick 19: the link is back, the search starts over, the SSID seen is in force.
    tick();
    EXPECT_EQ(text(IDC_LINK_STATUS), "Associated BSSID=00-11-22-33-44-02");
    EXPECT_EQ(text(IDC_LINK_SSID), "CafeNet");
    EXPECT_EQ(text(IDC_LINK_CHANNEL), "1");
    EXPECT_EQ(text(IDC_LINK_TX_RATE), "11");
    EXPECT_EQ(text(IDC_SIGNAL_PERCENT), "53%");   // -70 dBm
    EXPECT_EQ(trayIcon(), IDI_TRAY_FAIR_SIGNAL);
    EXPECT_EQ(tray.GetTooltipText(), "WLAN Monitor\nSignal Strength : Good");
    EXPECT_EQ(page.retryCount(), 0);
    EXPECT_EQ(page.waitCount(), 0);
    EXPECT_EQ(page.dotTrail(), "");
    EXPECT_EQ(page.searchProfile(), "FactoryDefault");
    EXPECT_TRUE(env.setOids().empty());
}

TEST(LinkInfoSearch, WhenTheSearchMayNotRunOrTheChainEndsEveryTickSaysNoConnect) {
    // Each case: the store as it differs from the rig's, and at which ticks (of 40 after
    // the loss) the search switched to which profile.
    struct Case {
        const char* name;
        const char* autoSearch;
        std::vector<std::pair<std::string, std::string>> nextProfiles;
        std::vector<std::pair<int, std::string>> switches;
    };
    const Case cases[] = {
        {"chain to its end", "0", {}, {{12, "Office"}, {18, "Cafe"}}},
        {"AutoSearch 1", "1", {}, {}},
        {"AutoSearch missing", nullptr, {}, {}},
        {"no profiles", "0", {{"FactoryDefault", "end"}}, {}},
        // A link that names no profile ends the chain: nothing called "" becomes the
        // settings in force.
        {"empty link", "0", {{"Office", ""}}, {{12, "Office"}}},
        {"cycle", "0", {{"Cafe", "Office"}}, {{12, "Office"}, {18, "Cafe"}, {24, "Office"}, {30, "Cafe"}, {36, "Office"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MonitorRig rig(c.autoSearch);
        for (const auto& n : c.nextProfiles) rig.env.store.writeValue(n.first, "NextProfile", n.second);
        ASSERT_TRUE(rig.connectHome());
        rig.loseLink();
        std::vector<std::pair<int, std::string>> seen;
        for (int t = 1; t <= 40; ++t) {
            rig.tick();
            const bool sent = !rig.requestedSsids().empty();
            // Phase one re-applies ActiveSetting; after it only a switch sends anything.
            if (t <= 6) {
                EXPECT_TRUE(sent) << "tick " << t;
            } else if (sent) {
                seen.emplace_back(t, rig.active("ProfileName"));
            }
        }
        EXPECT_EQ(seen, c.switches);
        if (c.switches.size() < 3) {
            EXPECT_EQ(rig.text(IDC_LINK_STATUS), "No Connect to Network");
            EXPECT_EQ(rig.text(IDC_LINK_SSID), "");
        }
        if (c.switches.empty()) {
            EXPECT_EQ(rig.active("ProfileName"), "FactoryDefault");
        }
    }
}

TEST_F(LinkInfoPageTest, ACycleRunsForeverWithATrailThatStopsGrowing) {
    env.store.writeValue("Cafe", "NextProfile", "Office");
    connectHome();
    loseLink();
    int switches = 0;
    for (int t = 1; t <= 600; ++t) {
        tick();
        if (!requestedSsids().empty() && t > 6) ++switches;
    }
    EXPECT_EQ(switches, (600 - 6) / 6);
    EXPECT_EQ(page.dotTrail().size(), LinkInfoPage::kMaxDots);
    EXPECT_EQ(text(IDC_LINK_STATUS), kBase + dots(LinkInfoPage::kMaxDots));
}

// A link that names no stored profile, or one of the store's own keys in any letter
// case, ends the chain: the search never switches to it, and the settings in force keep
// their values.
TEST_F(LinkInfoPageTest, ALinkToNoStoredProfileEndsTheSearchAndTheSettingsInForceStay) {
    for (const char* link : {"Ghost", "Settings", "activeSETTING", "factorydefault"}) {
        SCOPED_TRACE(link);
        env.store.writeValue("Office", "NextProfile", link);
        env.store.writeValue("Settings", "Language", "English");
        connectHome();
        loseLink();
        for (int t = 1; t <= 20; ++t) tick();
        EXPECT_EQ(active("ProfileName"), "Office");
        EXPECT_EQ(active("SSID"), "OfficeNet");
        EXPECT_EQ(active("WepEnabled"), "0");
        EXPECT_EQ(text(IDC_LINK_STATUS), "No Connect to Network");
        env.store.copyToActiveSetting("Cafe");
        env.store.writeValue("ActiveSetting", "SSID", "HomeNet");
    }
}

// Answers the driver calls successful but leaves short are failed queries: the fields
// they feed keep what they showed.
TEST_F(LinkInfoPageTest, ShortAnswersLeaveTheModeChannelAndRateAsTheyWere) {
    connectHome();
    SimScenario s = ParseScenario(Scenario(true, false));
    for (auto& a : s.adapters) {
        a.shortReplies[OID_802_11_INFRASTRUCTURE_MODE] = 3;
        a.shortReplies[OID_802_11_CONFIGURATION] = 31;
        a.shortReplies[OID_GEN_LINK_SPEED] = 2;
    }
    env.sim.SetScenario(s);
    controls.setText(IDC_LINK_CHANNEL, "kept");
    controls.setText(IDC_LINK_TX_RATE, "kept");
    tick();
    ASSERT_EQ(env.adapter->mediaState, NdisMediaStateConnected);
    EXPECT_EQ(text(IDC_LINK_STATUS), "00-11-22-33-44-01");   // no mode label
    EXPECT_EQ(text(IDC_LINK_CHANNEL), "kept");
    EXPECT_EQ(text(IDC_LINK_TX_RATE), "kept");
}

TEST_F(LinkInfoPageTest, AdHocSettingsInForceShowTheJoinedCellAndApplyNothing) {
    env.store.writeValue("ActiveSetting", "OperationMode", "1");
    // The driver reports a 5 GHz frequency, which names no channel of the plan: the
    // field keeps what it showed.
    NDIS_802_11_CONFIGURATION config{};
    uint32_t needed = 0;
    ASSERT_TRUE(env.adapter->QueryInformation(OID_802_11_CONFIGURATION, &config, sizeof config, &needed));
    config.DSConfig = 5180000;
    ASSERT_TRUE(env.adapter->SetInformation(OID_802_11_CONFIGURATION, &config, sizeof config, &needed));
    controls.setText(IDC_LINK_CHANNEL, "9");
    for (int t = 1; t <= 8; ++t) {
        tick();
        EXPECT_TRUE(env.setOids().empty()) << t;
    }
    EXPECT_EQ(text(IDC_LINK_STATUS), "Joined IBSSID=" + env.adapter->GetBssidText());
    EXPECT_EQ(text(IDC_LINK_SSID), env.adapter->GetSsidText());
    EXPECT_EQ(page.retryCount(), 0);
    EXPECT_EQ(trayIcon(), IDI_TRAY_NO_SIGNAL);
    EXPECT_EQ(text(IDC_LINK_CHANNEL), "9");
    EXPECT_EQ(text(IDC_LINK_TX_RATE), "54");   // a card without a link reports its top rate
}

TEST_F(LinkInfoPageTest, TheSearchButtonStartsOverAtOnceWhateverTheLink) {
    connectHome();
    loseLink();
    for (int t = 1; t <= 9; ++t) tick();
    ASSERT_EQ(page.waitCount(), 3);
    env.sim.ClearRequestLog();
    controls.click(IDC_LINK_SEARCH);
    EXPECT_EQ(env.setOids(), kApplyOpenInfrastructure);
    EXPECT_EQ(text(IDC_LINK_STATUS), kBase);
    EXPECT_EQ(text(IDC_LINK_SSID), "Recan SSID:HomeNet");
    EXPECT_EQ(page.retryCount(), 1);
    EXPECT_EQ(page.waitCount(), 0);
    EXPECT_EQ(page.searchProfile(), "FactoryDefault");
    tick();
    EXPECT_EQ(page.retryCount(), 2);
    EXPECT_EQ(text(IDC_LINK_STATUS), kBase + dots(1));

    // On a working link the button applies once; the next tick resets the search.
    env.sim.SetScenario(ParseScenario(Scenario(true, false)));
    tick();   // re-applied HomeNet, which is back
    tick();
    ASSERT_EQ(env.adapter->mediaState, NdisMediaStateConnected);
    controls.click(IDC_LINK_SEARCH);
    EXPECT_EQ(page.retryCount(), 1);
    tick();
    EXPECT_EQ(page.retryCount(), 0);
    EXPECT_EQ(text(IDC_LINK_STATUS), "Associated BSSID=00-11-22-33-44-01");
}

TEST_F(LinkInfoPageTest, WithoutAnAdapterATickDoesNothing) {
    connectHome();
    SetCurrentAdapter(nullptr);
    controls.setText(IDC_LINK_STATUS, "kept");
    tick();
    EXPECT_TRUE(env.sim.RequestLog().empty());
    EXPECT_EQ(text(IDC_LINK_STATUS), "kept");
    EXPECT_EQ(page.retryCount(), 0);
}

TEST(LinkInfoFigures, TrayIconRateChannelAndModeTables) {
    const struct { int strength, icon; } icons[] = {
        {0, 220}, {1, 223}, {25, 223}, {26, 222}, {75, 222}, {76, 225}, {100, 225},
    };
    for (const auto& r : icons) EXPECT_EQ(LinkInfoPage::trayIconFor(r.strength), r.icon) << r.strength;
    // RSSI through the strength rule to the icon, as a tick takes it.
    const struct { int32_t rssi; int icon; } byRssi[] = {{-90, 220}, {-86, 220}, {-85, 223}, {-56, 225}, {-55, 225}};
    for (const auto& r : byRssi)
        EXPECT_EQ(LinkInfoPage::trayIconFor(LinkDisplay::signalStrength(r.rssi)), r.icon) << r.rssi;

    const struct { uint32_t speed; const char* text; } rates[] = {
        {55000, "5.5"}, {59999, "5.5"}, {110000, "11"}, {540000, "54"}, {10000, "1"}, {20000, "2"},
        {60000, "6"}, {0, "0"}, {9999, "0"}, {0xFFFFFFFFu, "429496"},
    };
    for (const auto& r : rates) EXPECT_EQ(LinkInfoPage::rateText(r.speed), r.text) << r.speed;

    EXPECT_STREQ(LinkInfoPage::modeLabel(0), "Joined IBSSID=");
    EXPECT_STREQ(LinkInfoPage::modeLabel(1), "Associated BSSID=");
    EXPECT_STREQ(LinkInfoPage::modeLabel(2), "Associated BSSID=");
    EXPECT_STREQ(LinkInfoPage::modeLabel(3), "");
}

// The journal and the balloons over a drop, a search along the chain, a switch and the
// return, tick by tick on the simulator: one line per change, in order, and a balloon for
// the loss, the switch and the return only.
class LinkJournalTest : public LinkInfoPageTest {
protected:
    LinkJournalTest() { SetLinkJournal(&journal); }
    ~LinkJournalTest() override { SetLinkJournal(nullptr); }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (const auto& e : journal.entries()) out.push_back(e.text);
        return out;
    }
    std::vector<std::string> balloons() const {
        std::vector<std::string> out;
        for (const auto& n : trayShell.notifies)
            if ((n.record.flags & TrayIconRecord::kInfo) && n.record.info[0]) out.push_back(n.record.info);
        return out;
    }
    LinkJournal journal{nullptr, [] { return std::string("09:41:07"); }};
    LinkNotifier notifier{journal, env.settings, env.texts};
};

TEST_F(LinkJournalTest, DropSearchSwitchAndReturnAreJournalledInOrderWithBalloons) {
    ASSERT_TRUE(connectHome());
    tick();   // still up: nothing new
    loseLink(true);
    for (int t = 0; t < 40 && active("SSID") != "CafeNet"; ++t) tick();
    tick();
    const std::vector<std::string> expected = {
        "Link up: HomeNet (00-11-22-33-44-01), channel 6, signal 100 %",
        "Link lost",
        "Search: re-applying the settings in force (HomeNet)",
        "Search: switched to profile Office",
        "Search: switched to profile Cafe",
        "Link up: CafeNet (00-11-22-33-44-02), channel 1, signal 53 %",
    };
    EXPECT_EQ(lines(), expected);
    EXPECT_EQ(balloons(), (std::vector<std::string>{"The wireless link was lost. Searching ...",
                                                    "The search switched to profile Office",
                                                    "The search switched to profile Cafe",
                                                    "Connected again to CafeNet"}));
    // The page shows the newest first, each with its time.
    EXPECT_EQ(text(IDC_LINK_JOURNAL).substr(0, 72),
              "09:41:07  Link up: CafeNet (00-11-22-33-44-02), channel 1, signal 53 %\r\n");

    // Gone for good with the chain at its end: said once, however many ticks follow;
    // with balloons turned off the loss is journalled but not shown.
    env.settings.writeValue("Settings", "Notifications", "0");
    loseLink(false);
    for (int t = 0; t < 30; ++t) tick();
    const std::vector<std::string> all = lines();
    ASSERT_GE(all.size(), 6u);
    const std::vector<std::string> tail(all.begin() + 6, all.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Link lost", "Search: re-applying the settings in force (CafeNet)",
                                              "Search: switched to profile Office",
                                              "Search: switched to profile Cafe",
                                              "Search ended without finding a network"}));
    EXPECT_EQ(balloons().size(), 4u);
}

// A chain that leads back on itself is searched for ever: its first round is journalled
// and told, the rounds after it are not, until the search starts over.
TEST_F(LinkJournalTest, AChainSearchedRoundAndRoundIsToldOnce) {
    ASSERT_TRUE(connectHome());
    env.store.writeValue("Cafe", "NextProfile", "Office");
    loseLink(false);
    const std::vector<std::string> firstRound = {
        "Link up: HomeNet (00-11-22-33-44-01), channel 6, signal 100 %", "Link lost",
        "Search: re-applying the settings in force (HomeNet)", "Search: switched to profile Office",
        "Search: switched to profile Cafe"};
    for (int t = 0; t < 54; ++t) tick();   // eight switches, four rounds
    EXPECT_EQ(active("ProfileName"), "Cafe");
    EXPECT_EQ(lines(), firstRound);
    EXPECT_EQ(balloons().size(), 3u);

    page.restartSearch();   // the user starts over: a new search, news again
    for (int t = 0; t < 12; ++t) tick();
    std::vector<std::string> expected = firstRound;
    for (const char* line : {"Search: re-applying the settings in force (CafeNet)", "Search: switched to profile Office"})
        expected.push_back(line);
    EXPECT_EQ(lines(), expected);
    EXPECT_EQ(balloons().size(), 4u);
}

TEST(LinkJournalBound, KeepsTheNewest200AndFillsInOnlyTheDetailsItHas) {
    LinkJournal journal(nullptr, [] { return std::string("t"); });
    for (int i = 0; i < 250; ++i) journal.record(LinkEvent::SearchSwitch, {std::to_string(i)});
    ASSERT_EQ(journal.entries().size(), LinkJournal::kCapacity);
    EXPECT_EQ(journal.entries().front().subject, "50");
    EXPECT_EQ(journal.newestFirst(2, "|"), "t  Search: switched to profile 249|t  Search: switched to profile 248");
    EXPECT_EQ(journal.serial(), 250u);

    const struct {
        const char* pattern;
        const char* filled;
    } cases[] = {{"%1 on %2", "A on B"}, {"%3%9 left out", " left out"}, {"100 %%", "100 %"},
                 {"%s %n %", "%s %n %"}, {"%", "%"}};
    for (const auto& c : cases) EXPECT_EQ(LinkJournal::FillIn(c.pattern, {"A", "B"}), c.filled) << c.pattern;
}

}  // namespace
