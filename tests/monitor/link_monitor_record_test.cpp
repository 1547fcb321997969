// A connected minute and a long search, tick by tick, against their recordings in
// tests/monitor/data: every request the driver receives (the simulator's log, bytes
// included) and what the user sees after each tick (the fields, both bars, both graphs,
// the icon and tooltip the shell was last given). How often the window system is told
// may change, and is only ever for a change; what reaches the driver and the screen may not.
//   LUMORA_RECORD=1 build/host/tests/monitor/link_monitor_record_test   writes them afresh
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "monitor/link_monitor_rig.h"

namespace {

std::string Shown(LinkMonitorRig& rig) {
    std::ostringstream out;
    for (int id : {IDC_LINK_STATUS, IDC_LINK_SSID, IDC_LINK_TX_RATE, IDC_LINK_CHANNEL, IDC_SIGNAL_PERCENT,
                   IDC_QUALITY_PERCENT, IDC_TX_FIGURE, IDC_RX_FIGURE})
        out << rig.controls.getText(id) << '|';
    LinkDisplay& d = rig.page.display();
    out << "\nbars " << d.signalBar().GetPos() << ' ' << d.qualityBar().GetPos() << "\ngraphs";
    for (BarGraph* g : {&d.txGraph(), &d.rxGraph()})
        for (int i = 0; i < LinkDisplay::kSamples; ++i) out << ' ' << g->GetStoredHeight(i);
    // The shell shows the last icon and the last tooltip it was handed.
    TrayShell::Handle icon = 0;
    std::string tip;
    for (const FakeTrayShell::NotifyCall& n : rig.trayShell.notifies) {
        if (n.record.flags & TrayIconRecord::kIcon) icon = n.record.icon;
        if (n.record.flags & TrayIconRecord::kTip) tip = n.record.tip;
    }
    out << "\ntray " << icon << ' ' << tip << '\n';
    return out.str();
}

// Every modify the shell received since `from` changed the icon or the tooltip it shows.
void ExpectOnlyChangesReachedTheShell(const FakeTrayShell& shell, size_t from) {
    for (size_t i = std::max<size_t>(from, 1); i < shell.notifies.size(); ++i) {
        const TrayIconRecord& was = shell.notifies[i - 1].record;
        const TrayIconRecord& now = shell.notifies[i].record;
        EXPECT_TRUE(now.icon != was.icon || std::string(now.tip) != was.tip) << "modify " << i;
    }
}

std::string Record(LinkMonitorRig::Link link, int ticks) {
    LinkMonitorRig rig(link);
    const size_t created = rig.trayShell.notifies.size();
    std::ostringstream out;
    for (int t = 1; t <= ticks; ++t) {
        rig.env.sim.ClearRequestLog();
        rig.controls.textSets.clear();
        rig.tick();
        // A field is told once a tick at most: what it ends up showing.
        for (const auto& [id, sets] : rig.controls.textSets) EXPECT_LE(sets, 1) << "tick " << t << ", field " << id;
        out << "tick " << t << '\n';
        for (const SimRequestLogEntry& e : rig.env.sim.RequestLog()) out << FormatLogLine(e) << '\n';
        out << Shown(rig);
    }
    // How often the window system is told: only of changes.
    EXPECT_EQ(rig.controls.unchangedTextSets, 0);
    ExpectOnlyChangesReachedTheShell(rig.trayShell, created);
    return out.str();
}

void Compare(const char* name, const std::string& actual) {
    const std::string path = std::string(LUMORA_SOURCE_DIR) + "/tests/monitor/data/" + name;
    if (std::getenv("LUMORA_RECORD")) std::ofstream(path, std::ios::binary) << actual;
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    std::stringstream expected;
    expected << in.rdbuf();
    // Line by line, so that a difference names its tick.
    std::istringstream a(actual), e(expected.str());
    std::string la, le, tick;
    for (int line = 1; std::getline(e, le); ++line) {
        if (le.rfind("tick ", 0) == 0) tick = le;
        ASSERT_TRUE(std::getline(a, la)) << name << ": ends before line " << line << " (" << tick << ")";
        ASSERT_EQ(la, le) << name << ": line " << line << " (" << tick << ")";
    }
    EXPECT_FALSE(std::getline(a, la)) << name << ": more than recorded: " << la;
}

TEST(LinkMonitorRecord, AConnectedMinuteAndASearchSendAndShowWhatWasRecorded) {
    Compare("connected_minute.txt", Record(LinkMonitorRig::Link::Up, 60));
    Compare("search.txt", Record(LinkMonitorRig::Link::Searching, 30));
}

}  // namespace
