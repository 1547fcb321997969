// CPU per monitor tick on the in-process simulated adapter, while the link is up and
// while the search runs (a chain that loops, so every tick searches), beside the floor a
// tick cannot go below: the 32 copies of the 15,392-byte private packet that its five
// private commands move through the channel. Not a timed test: run it and read the figures.
//   build/host/tests/monitor/bench/link_monitor_benchmark
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "adapter/private_command.h"
#include "controls/fake_tray_shell.h"
#include "controls/system_tray.h"
#include "monitor/link_info_page.h"
#include "support/fake_dialog_window.h"
#include "support/sim_page_services.h"

namespace {

// The page on the default simulated machine, its fields as plain statics (the edit double
// records every change, which would be the double's cost, not the tick's).
class Bench {
public:
    Bench() {
        env.sim.KeepHistory(false);
        for (int id : {IDC_LINK_STATUS, IDC_LINK_SSID, IDC_LINK_TX_RATE, IDC_LINK_CHANNEL, IDC_SIGNAL_PERCENT,
                       IDC_QUALITY_PERCENT, IDC_TX_FIGURE, IDC_RX_FIGURE})
            controls.addStatic(id);
        tray.Create(0, 0x800A, "WLAN Monitor", tray.LoadIcon(128), 154, false, "", "t", 2, 20);
        SetTrayIcon(&tray);
        env.profile("ActiveSetting", {{"SSID", "HomeNet"}, {"OperationMode", "0"}, {"Authentication", "2"},
                                      {"WepEnabled", "0"}, {"AutoSearch", "0"}});
        env.profile("FactoryDefault", {{"NextProfile", "A"}});
        env.profile("A", {{"SSID", "NoSuchNet"}, {"WepEnabled", "0"}, {"NextProfile", "B"}});
        env.profile("B", {{"SSID", "NoSuchNet2"}, {"WepEnabled", "0"}, {"NextProfile", "A"}});
        page.attachWindow(&window);
        page.DispatchInitDialog();
    }
    ~Bench() { SetTrayIcon(nullptr); }
    void tick() {
        env.desktop.now += 1000;
        page.monitorTick();
    }

    SimPageServices env;
    FakeControls controls;
    FakeDialogWindow window{&controls};
    FakeTrayShell trayShell;
    CSystemTray tray{trayShell, [](const std::string&, const std::string& d) { return d; }};
    LinkInfoPage page{env.services};
};

void BM_TickConnected(benchmark::State& state) {
    Bench b;
    for (int i = 0; i < 3; ++i) b.tick();   // HomeNet is in range: the first re-apply joins it
    if (b.env.adapter->mediaState != NdisMediaStateConnected) state.SkipWithError("the link did not come up");
    for (auto _ : state) b.tick();
    if (b.page.retryCount() != 0) state.SkipWithError("the link went down while measuring");
}
BENCHMARK(BM_TickConnected);

void BM_TickSearching(benchmark::State& state) {
    Bench b;
    b.env.store.writeValue("ActiveSetting", "SSID", "NoSuchNet");   // nothing in range: the search never ends
    for (auto _ : state) b.tick();
    if (b.env.adapter->mediaState == NdisMediaStateConnected) state.SkipWithError("the link came up");
}
BENCHMARK(BM_TickSearching);

// 32 copies of one private packet: what a tick's private commands must move at the least.
void BM_PacketCopyFloor(benchmark::State& state) {
    std::vector<unsigned char> from(kPrivatePacketBytes, 0x5A), to(kPrivatePacketBytes);
    for (auto _ : state) {
        for (int i = 0; i < 32; ++i) {
            std::memcpy(to.data(), from.data(), from.size());
            benchmark::ClobberMemory();
        }
        benchmark::DoNotOptimize(to.data());
    }
}
BENCHMARK(BM_PacketCopyFloor);

}  // namespace

BENCHMARK_MAIN();
