// CPU per monitor tick on the in-process simulated adapter, while the link is up and
// while the search runs (a chain that loops, so every tick searches), beside the floor a
// tick cannot go below: the 32 copies of the 15,392-byte private packet that its five
// private commands move through the channel. Not a timed test: run it and read the figures.
//   build/host/tests/monitor/bench/link_monitor_benchmark
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "adapter/private_command.h"
#include "monitor/link_monitor_rig.h"

namespace {

class Bench : public LinkMonitorRig {
public:
    explicit Bench(Link link) : LinkMonitorRig(link) { env.sim.KeepHistory(false); }
};

void BM_TickConnected(benchmark::State& state) {
    Bench b(Bench::Link::Up);
    for (int i = 0; i < 3; ++i) b.tick();   // HomeNet is in range: the first re-apply joins it
    if (b.env.adapter->mediaState != NdisMediaStateConnected) state.SkipWithError("the link did not come up");
    for (auto _ : state) b.tick();
    if (b.page.retryCount() != 0) state.SkipWithError("the link went down while measuring");
}
BENCHMARK(BM_TickConnected);

void BM_TickSearching(benchmark::State& state) {
    Bench b(Bench::Link::Searching);
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
