// The link monitor and its profile search over a driver that lies and a store edited by
// hand, for up to a few hundred ticks per input: answers of any status and length, the
// chain's links bent to missing profiles, to the store's own keys in any letter case,
// back on themselves, profiles deleted while the search stands on them. After every
// tick: every set request was well-formed, ActiveSetting is unchanged or a copy of a
// stored user profile the search could reach, no own key is listed, and the trail of
// dots stays bounded. A broken rule aborts with what broke.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "monitor/link_info_page.h"
#include "support/fake_dialog_window.h"
#include "support/hostile_rig.h"

namespace {

[[noreturn]] void fail(const std::string& what, int tick) {
    std::fprintf(stderr, "tick %d: %s\n", tick, what.c_str());
    std::abort();
}

const char* const kNames[] = {"Home", "Office", "Ghost", "Settings", "sEtTiNgS", "ActiveSetting",
                              "ACTIVESETTING", "FactoryDefault", "factorydefault", "end", ""};
constexpr size_t kNameCount = sizeof kNames / sizeof kNames[0];
constexpr int kMaxTicks = 300;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    HostileRig rig([&in] { return in.ConsumeIntegral<uint8_t>(); });
    rig.fillStore();

    FakeControls controls;
    FakeDialogWindow window{&controls};
    for (int id : {IDC_LINK_STATUS, IDC_LINK_SSID, IDC_LINK_TX_RATE, IDC_LINK_CHANNEL}) controls.addEdit(id);
    LinkInfoPage page{rig.services};
    page.attachWindow(&window);
    page.DispatchInitDialog();

    const int ticks = in.ConsumeIntegralInRange<int>(1, kMaxTicks);
    for (int t = 0; t < ticks; ++t) {
        const uint8_t roll = in.ConsumeIntegral<uint8_t>();
        if (roll < 24) {
            const auto edit = static_cast<ChainChecker::Edit>(roll % ChainChecker::kEdits);
            rig.chain.handEdit(edit, kNames[in.ConsumeIntegralInRange<size_t>(0, kNameCount - 1)],
                               kNames[in.ConsumeIntegralInRange<size_t>(0, kNameCount - 1)]);
        }
        const ChainChecker::Active before = rig.chain.active();
        const std::vector<std::string> allowed = rig.chain.reachable(page.searchProfile());
        rig.desktop.now += LinkInfoPage::kPeriodMs;
        if (roll >= 24 && roll < 32) page.restartSearch();
        else page.OnTimer(LinkInfoPage::kTimer);

        if (!rig.hostile.fault.empty()) fail("malformed set request: " + rig.hostile.fault, t);
        const bool up = rig.adapter && rig.adapter->mediaState == NdisMediaStateConnected;
        const std::string seen = up ? rig.adapter->GetSsidText() : "";
        const std::string broke = rig.chain.activeSettingCheck(before, allowed, seen.empty() ? nullptr : &seen);
        if (!broke.empty()) fail(broke, t);
        const std::string listed = rig.chain.listCheck();
        if (!listed.empty()) fail(listed, t);
        if (page.dotTrail().size() > LinkInfoPage::kMaxDots) fail("the trail of dots grows without end", t);
        if (controls.runaway) fail("a notification re-entered without end", t);
    }
    return 0;
}
